#include "platform/base/mediafs.h"
#include "platform/base/pictureloader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {
QImage photograph(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(40, 90, 160));
    painter.setPen(QPen(Qt::yellow, 3));
    for (int x = 0; x < size.width(); x += 17)
        painter.drawLine(x, 0, size.width() - x, size.height());
    return image;
}

QByteArray jpeg(const QImage &image, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}
}

class TestPictureLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    MediaFs m_fs { DriveMap({ { u'E', m_dir.path() } }) };

    QString put(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return QStringLiteral("E:\\") + name;
    }

private Q_SLOTS:
    // The decoder pads a stream cut short and reports it only as a warning.
    void damagedJpegIsNoPicture()
    {
        const QByteArray whole = jpeg(photograph(QSize(400, 300)));
        const QString cut = put(QStringLiteral("cut.jpg"), whole.left(whole.size() * 6 / 10));
        QVERIFY(loadPicture(m_fs, cut).isNull());
        QVERIFY(loadPicture(m_fs, cut, QSize(200, 150)).isNull());
        const QString lastByteMissing = put(QStringLiteral("last.jpg"), whole.chopped(1));
        QVERIFY(loadPicture(m_fs, lastByteMissing).isNull());
        const QString progressiveCut
            = put(QStringLiteral("pcut.jpg"), jpeg(photograph(QSize(400, 300)), true).chopped(40));
        QVERIFY(loadPicture(m_fs, progressiveCut).isNull());

        // Bytes after the end of the picture are no damage.
        const QString padded = put(QStringLiteral("padded.jpg"), whole + QByteArray(300, '\0'));
        QCOMPARE(loadPicture(m_fs, padded).size(), QSize(400, 300));
        const QString progressive
            = put(QStringLiteral("progressive.jpg"), jpeg(photograph(QSize(400, 300)), true));
        QCOMPARE(loadPicture(m_fs, progressive, QSize(200, 150)).size(), QSize(200, 150));
    }

    // A small progressive file may declare a huge picture; the decoder would
    // hold its whole coefficient buffer even for a small scaled picture.
    void hugeDeclaredSizeIsRefused()
    {
        QByteArray bytes = jpeg(photograph(QSize(64, 64)), true);
        const qsizetype frame = bytes.indexOf("\xFF\xC2"); // progressive frame header
        QVERIFY(frame > 0);
        qToBigEndian<quint16>(20000, bytes.data() + frame + 5); // height
        qToBigEndian<quint16>(20000, bytes.data() + frame + 7); // width
        QVERIFY(bytes.size() < 4096);
        const QString huge = put(QStringLiteral("huge.jpg"), bytes);
        QVERIFY(loadPicture(m_fs, huge, QSize(776, 496)).isNull());
        QVERIFY(loadPicture(m_fs, huge).isNull());

        // A brochure page scan is well inside the budget.
        const QString page = put(QStringLiteral("page.jpg"), jpeg(photograph(QSize(2500, 3300))));
        QCOMPARE(loadPicture(m_fs, page).size(), QSize(2500, 3300));
    }

    void namedPipeIsNoPicture()
    {
        QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(QStringLiteral("pipe.jpg"))).constData(), 0600), 0);
        QVERIFY(loadPicture(m_fs, QStringLiteral("E:\\PIPE.JPG"), QSize(776, 496)).isNull());
    }

    void photographWithALatin1Name()
    {
        const QByteArray name = QFile::encodeName(m_dir.path()) + "/Caf\xe9.jpg";
        const QByteArray bytes = jpeg(photograph(QSize(80, 60)));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, bytes.constData(), bytes.size()), bytes.size());
        ::close(fd);
        // Qt's own folder walk passes over the name, so the temporary folder cannot remove it.
        const auto removeIt = qScopeGuard([&] { ::unlink(name.constData()); });
        const QStringList listed = m_fs.list(QStringLiteral("E:\\caf?.jpg"));
        QCOMPARE(listed.size(), 1);
        QCOMPARE(loadPicture(m_fs, QStringLiteral("E:\\") + listed.first()).size(), QSize(80, 60));
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
