#include "core/medialocator.h"
#include "platform/base/mediafs.h"
#include "platform/base/pictureloader.h"
#include "platform/ui/richtextbox.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// A miniature disc in mixed letter case, written to a folder and made into
// ISO 9660 images with and without Joliet and Rock Ridge names.
namespace {
QByteArray photoBytes(int seed)
{
    QImage image(160, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor::fromHsv(seed * 40 % 360, 160, 200));
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(20 + seed, 20, 80, 60);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

const QMap<QString, QByteArray> &discFiles()
{
    static const QMap<QString, QByteArray> files {
        { QStringLiteral("Birds/55080.JPG"), photoBytes(1) },
        { QStringLiteral("Birds/55081.Jpg"), photoBytes(2) },
        { QStringLiteral("RichText/57Desc.RTF"), "{\\rtf1\\ansi Chrome and {\\b fins}.}" },
        { QStringLiteral("Sounds/PassBy.WAV"), "RIFF" + randomBytes(5000, 3) },
        // Larger than the copy's chunks and not a whole number of blocks.
        { QStringLiteral("Movies/Intro.AVI"), "RIFF" + randomBytes(3 * 1024 * 1024 + 1234, 4) },
        { QStringLiteral("Movies/Ride.AVI"), "RIFF" + randomBytes(70000, 5) },
        { QStringLiteral("Readme"), "no extension" },
    };
    return files;
}

QByteArray fileOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

class TestDiscImage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_folder; // the disc as a folder

    QString makeImage(const QString &name, const QStringList &options)
    {
        const QString image = m_dir.filePath(name);
        QProcess xorriso;
        xorriso.start(QStringLiteral("xorriso"),
            QStringList { QStringLiteral("-as"), QStringLiteral("mkisofs") } + options
                + QStringList { QStringLiteral("-V"), QStringLiteral("ANTHOLOGY"), QStringLiteral("-o"),
                    image, m_folder });
        if (!xorriso.waitForFinished(60000) || xorriso.exitCode() != 0)
            qFatal("xorriso failed: %s", xorriso.readAllStandardError().constData());
        return image;
    }

    // A copy of the image cut after its first bytes.
    QString truncatedCopy(const QString &image, qint64 bytes)
    {
        const QString copy = m_dir.filePath(QStringLiteral("cut-%1.iso").arg(bytes));
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(copy));
        file.write(fileOf(image).left(bytes));
        return copy;
    }

    static MediaFs discAt(const QString &image, const QString &folder = QString())
    {
        QMap<QChar, QString> drives { { u'E', image } };
        if (!folder.isEmpty())
            drives.insert(u'F', folder);
        return MediaFs(DriveMap(drives));
    }

    QString jolietRockRidge() const { return m_dir.filePath(QStringLiteral("jr.iso")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty(),
            "xorriso is installed by scripts/install-deps.sh");
        m_folder = m_dir.filePath(QStringLiteral("disc"));
        for (auto it = discFiles().cbegin(); it != discFiles().cend(); ++it) {
            const QString path = m_folder + u'/' + it.key();
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(it.value());
        }
        makeImage(QStringLiteral("jr.iso"), { QStringLiteral("-J"), QStringLiteral("-r") });
        makeImage(QStringLiteral("r.iso"), { QStringLiteral("-r") });
        makeImage(QStringLiteral("j.iso"), { QStringLiteral("-J"), QStringLiteral("--norock") });
        makeImage(QStringLiteral("plain.iso"), { QStringLiteral("--norock") });
    }

    void readsTheDisc_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("photos"); // the names listed, as the image holds them
        QTest::addColumn<QString>("readme");
        QTest::newRow("Joliet and Rock Ridge") << "jr.iso"
                                               << "55080.JPG,55081.Jpg"
                                               << "Readme";
        QTest::newRow("Rock Ridge") << "r.iso"
                                    << "55080.JPG,55081.Jpg"
                                    << "Readme";
        QTest::newRow("Joliet") << "j.iso"
                                << "55080.JPG,55081.Jpg"
                                << "Readme";
        // "55081.JPG;1" and "README.;1" on the disc.
        QTest::newRow("plain ISO 9660") << "plain.iso"
                                        << "55080.JPG,55081.JPG"
                                        << "README";
    }

    void readsTheDisc()
    {
        QFETCH(QString, image);
        QFETCH(QString, photos);
        QFETCH(QString, readme);
        const MediaFs fs = discAt(m_dir.filePath(image));
        QCOMPARE(fs.list(QStringLiteral("E:\\birds\\*.jpg")).join(u','), photos);
        QCOMPARE(fs.list(QStringLiteral("e:/BIRDS/5508?.*")).join(u','), photos);
        QCOMPARE(fs.list(QStringLiteral("E:\\*")), QStringList { readme });
        QVERIFY(fs.list(QStringLiteral("E:\\pages\\*.jpg")).isEmpty());

        QVERIFY(fs.isFolder(QStringLiteral("E:")));
        QVERIFY(fs.isFolder(QStringLiteral("E:\\RICHTEXT")));
        QVERIFY(fs.exists(QStringLiteral("e:\\richtext\\57desc.rtf")));
        QVERIFY(!fs.isFolder(QStringLiteral("E:\\richtext\\57desc.rtf")));
        QVERIFY(!fs.exists(QStringLiteral("E:\\richtext\\99desc.rtf")));
        QVERIFY(!fs.exists(QStringLiteral("E:\\richtext\\57desc.rtf\\x")));
        QVERIFY(!fs.exists(QStringLiteral("E:\\birds\\..\\richtext\\57desc.rtf")));
        QVERIFY(!fs.resolve(QStringLiteral("E:\\richtext\\57desc.rtf"))); // no native path inside an image

        for (auto it = discFiles().cbegin(); it != discFiles().cend(); ++it) {
            const QString path = QStringLiteral("E:\\") + it.key().toLower();
            QCOMPARE(fs.size(path), qint64(it.value().size()));
            QVERIFY2(fs.readAll(path) == it.value(), qPrintable(path));
        }
        QVERIFY(!fs.size(QStringLiteral("E:\\movies")));
        QVERIFY(!fs.readAll(QStringLiteral("E:\\movies")));
        QVERIFY(!fs.open(QStringLiteral("E:\\movies")));
        QVERIFY(!fs.readAll(QStringLiteral("E:\\movies\\ride.avi"), 69999));
    }

    // A movie is read in pieces of any size, from anywhere, as the player and the copy do.
    void streamsLargeFiles()
    {
        const QByteArray movie = discFiles().value(QStringLiteral("Movies/Intro.AVI"));
        const MediaFs fs = discAt(jolietRockRidge());
        const auto file = fs.open(QStringLiteral("E:\\MOVIES\\INTRO.AVI"));
        QVERIFY(file);
        QCOMPARE(file->size(), qint64(movie.size()));
        QByteArray read;
        for (const qint64 piece : { 7, 4096, 100000, 1 << 20, 1 << 20, 1 << 20 })
            read += file->read(piece);
        read += file->readAll();
        QVERIFY(read == movie);
        QVERIFY(file->atEnd());
        QCOMPARE(file->read(10), QByteArray());

        QRandomGenerator random(9);
        for (int i = 0; i < 50; ++i) {
            const qint64 at = random.bounded(movie.size());
            const qint64 count = random.bounded(200000);
            QVERIFY(file->seek(at));
            QVERIFY2(file->read(count) == movie.mid(at, count), qPrintable(QString::number(at)));
        }
    }

    void picturesAndDocumentsOpen()
    {
        const MediaFs fs = discAt(jolietRockRidge(), m_folder);
        const QImage fromImage = loadPicture(fs, QStringLiteral("E:\\birds\\55081.jpg"));
        QCOMPARE(fromImage.size(), QSize(160, 120));
        QCOMPARE(fromImage, loadPicture(fs, QStringLiteral("F:\\birds\\55081.jpg")));
        QCOMPARE(
            loadPicture(fs, QStringLiteral("E:\\birds\\55080.jpg"), QSize(80, 60)).size(), QSize(80, 60));
        QVERIFY(loadPicture(fs, QStringLiteral("E:\\birds\\55082.jpg")).isNull());

        RichTextBox box;
        QVERIFY(box.loadFile(fs, QStringLiteral("E:\\richtext\\57DESC.rtf")));
        QCOMPARE(box.toPlainText(), QStringLiteral("Chrome and fins."));
    }

    void copiesToTheHardDisk()
    {
        // VIREON_DRIVES names an image as it names a folder.
        MediaFs fs(DriveMap::fromSpec(
            QStringLiteral("E=%1;F=%2").arg(jolietRockRidge(), m_dir.filePath(QStringLiteral("program")))));
        QVERIFY(fs.makeFolder(QStringLiteral("F:")));
        QVERIFY(fs.copy(QStringLiteral("E:\\movies\\intro.avi"), QStringLiteral("F:\\Intro.avi")));
        QVERIFY(fileOf(m_dir.filePath(QStringLiteral("program/Intro.avi")))
            == discFiles().value(QStringLiteral("Movies/Intro.AVI")));
        QVERIFY(!fs.copy(QStringLiteral("E:\\movies"), QStringLiteral("F:\\movies")));
    }

    void nothingIsWrittenToAnImage()
    {
        const QByteArray before = fileOf(jolietRockRidge());
        MediaFs fs = discAt(jolietRockRidge(), m_folder);
        QVERIFY(!fs.nativePathForWriting(QStringLiteral("E:\\birds\\new.jpg")));
        QVERIFY(!fs.writeAll(QStringLiteral("E:\\birds\\new.jpg"), "x"));
        QVERIFY(!fs.copy(QStringLiteral("F:\\birds\\55080.jpg"), QStringLiteral("E:\\birds\\55080.jpg")));
        QVERIFY(!fs.remove(QStringLiteral("E:\\birds\\55080.jpg")));
        QCOMPARE(fs.removeMatching(QStringLiteral("E:\\birds\\*.jpg")), 0);
        QVERIFY(!fs.makeFolder(QStringLiteral("E:\\saver")));
        QVERIFY(!fs.removeFolder(QStringLiteral("E:\\birds")));
        QVERIFY(!fs.freeSpace(QStringLiteral("E:\\birds")));
        QVERIFY(fs.exists(QStringLiteral("E:\\birds\\55080.jpg")));
        QVERIFY(fileOf(jolietRockRidge()) == before);
    }

    // The media player reads native files only: one file extracted at a time.
    void nativeFilesForThePlayer()
    {
        QString first;
        QString cache;
        {
            MediaFs fs = discAt(jolietRockRidge(), m_folder);
            first = fs.nativeFile(QStringLiteral("E:\\movies\\intro.avi")).value_or(QString());
            QVERIFY(!first.isEmpty());
            QVERIFY(fileOf(first) == discFiles().value(QStringLiteral("Movies/Intro.AVI")));
            QCOMPARE(fs.nativeFile(QStringLiteral("E:\\Movies\\Intro.AVI")), first);

            const QString second = fs.nativeFile(QStringLiteral("E:\\movies\\ride.avi")).value_or(QString());
            QVERIFY(fileOf(second) == discFiles().value(QStringLiteral("Movies/Ride.AVI")));
            QVERIFY(!QFileInfo::exists(first));
            cache = QFileInfo(second).path();
            QCOMPARE(QDir(cache).entryList(QDir::Files), QStringList { QFileInfo(second).fileName() });

            QVERIFY(!fs.nativeFile(QStringLiteral("E:\\movies")));
            QVERIFY(!fs.nativeFile(QStringLiteral("E:\\movies\\none.avi")));
            QCOMPARE(fs.nativeFile(QStringLiteral("F:\\MOVIES\\intro.avi")),
                m_folder + QStringLiteral("/Movies/Intro.AVI"));
        }
        QVERIFY(!QFileInfo::exists(cache));
    }

    // A damaged or truncated image is a disc that does not answer, and
    // whatever it still gives is what the disc holds.
    void truncatedImageGivesNothingWrong()
    {
        const qint64 whole = QFileInfo(jolietRockRidge()).size();
        for (const qint64 bytes :
            { qint64(0), qint64(20000), qint64(40000), qint64(70000), whole / 4, whole / 2, whole - 5000 }) {
            const MediaFs fs = discAt(truncatedCopy(jolietRockRidge(), bytes));
            const QStringList photos = fs.list(QStringLiteral("E:\\birds\\*.jpg"));
            for (auto it = discFiles().cbegin(); it != discFiles().cend(); ++it) {
                const QString path = QStringLiteral("E:\\") + it.key();
                const auto read = fs.readAll(path);
                QVERIFY2(read ? *read == it.value() : !fs.exists(path) && !fs.open(path),
                    qPrintable(QStringLiteral("%1 of %2 bytes: %3").arg(bytes).arg(whole).arg(path)));
                if (it.key().startsWith(u"Birds/"))
                    QCOMPARE(photos.contains(it.key().mid(6)), read.has_value());
            }
        }
        // Cut before its folders, it is no disc at all.
        const MediaFs blank = discAt(truncatedCopy(jolietRockRidge(), 40000));
        QVERIFY(!blank.isFolder(QStringLiteral("E:")));
        QVERIFY(!blank.exists(QStringLiteral("E:\\birds")));
    }

    // The disc is found by its photographs; cut where their blocks begin, the
    // folders still read but the image is not the disc.
    void truncatedImageIsNoDisc()
    {
        Roots roots;
        QVERIFY(locateMediaOnce(discAt(jolietRockRidge()), roots));
        QCOMPARE(roots.MediaRoot, QStringLiteral("E:"));

        const QByteArray image = fileOf(jolietRockRidge());
        const qsizetype photos = std::min(image.indexOf(discFiles().value(QStringLiteral("Birds/55080.JPG"))),
            image.indexOf(discFiles().value(QStringLiteral("Birds/55081.Jpg"))));
        QVERIFY(photos > 0);
        const MediaFs cut = discAt(truncatedCopy(jolietRockRidge(), photos));
        QVERIFY(cut.isFolder(QStringLiteral("E:\\birds")));
        QVERIFY(cut.list(QStringLiteral("E:\\birds\\*.jpg")).isEmpty());
        QVERIFY(loadPicture(cut, QStringLiteral("E:\\birds\\55080.jpg")).isNull());
        Roots none;
        QVERIFY(!locateMediaOnce(cut, none));
        QVERIFY(none.MediaRoot.isEmpty());
    }

    // Bytes changed in the volume descriptors and folders: whatever the image
    // still gives is consistent, and nothing crashes or hangs.
    void damagedImageNeverCrashes()
    {
        const QString image = m_dir.filePath(QStringLiteral("damaged.iso"));
        QVERIFY(QFile::copy(jolietRockRidge(), image));
        const qint64 imageBytes = QFileInfo(image).size();
        const QByteArray original = fileOf(image).mid(16 * 2048, 24 * 2048);
        QFile file(image);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QRandomGenerator random(1955);
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = original;
            for (int i = random.bounded(1, 12); i > 0; --i)
                damaged[random.bounded(damaged.size())] = char(random.bounded(256));
            file.seek(16 * 2048);
            file.write(damaged);
            file.flush();
            const MediaFs fs = discAt(image);
            for (const QString &folder :
                { QStringLiteral("E:"), QStringLiteral("E:\\birds"), QStringLiteral("E:\\movies") }) {
                for (const QString &name : fs.list(folder + QStringLiteral("\\*"))) {
                    const auto size = fs.size(folder + u'\\' + name);
                    QVERIFY(size && *size <= imageBytes);
                    const auto bytes = fs.readAll(folder + u'\\' + name);
                    QVERIFY(!bytes || bytes->size() == *size);
                }
            }
            loadPicture(fs, QStringLiteral("E:\\birds\\55080.jpg"), QSize(80, 60));
        }
    }

    // An image replaced while the program runs (a new download) is read anew.
    void replacedImageIsReadAgain()
    {
        const QString image = m_dir.filePath(QStringLiteral("replaced.iso"));
        QVERIFY(QFile::copy(jolietRockRidge(), image));
        const MediaFs fs = discAt(image);
        QVERIFY(fs.exists(QStringLiteral("E:\\birds\\55080.jpg")));
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(randomBytes(100000, 7));
        file.close();
        QVERIFY(!fs.exists(QStringLiteral("E:\\birds\\55080.jpg")));
        QVERIFY(fs.list(QStringLiteral("E:\\birds\\*.jpg")).isEmpty());
    }
};

QTEST_MAIN(TestDiscImage)
#include "tst_discimage.moc"
