#include "library/mediacopy.h"
#include "platform/base/mediafs.h"
#include "restrictedfolders.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i * 7 % 251);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A device that takes a given number of bytes and then reports a full disk.
class FillingDevice : public QIODevice
{
public:
    explicit FillingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (written.size() + size > m_room)
            return -1;
        written.append(data, size);
        return size;
    }

private:
    qint64 m_room;
};
}

class TestMediaCopy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_fs = std::make_unique<MediaFs>(DriveMap({ { u'E', m_dir->filePath(QStringLiteral("disc")) } }));
        QDir().mkpath(m_dir->filePath(QStringLiteral("program/birds")));
    }

    void copiesInChunksAndReplaces()
    {
        writeFile(m_dir->filePath(QStringLiteral("disc/birds/55010.jpg")), pattern(60000));
        const QString target = m_dir->filePath(QStringLiteral("program/birds/55010.JPG"));
        writeFile(target, "old copy");
        QList<qint64> chunks;
        int pieces = 0;
        bool restAfterChunks = false;
        CopySteps steps;
        steps.afterChunk = [&](qint64 chunk, qint64 size) {
            if (size == 60000)
                chunks << chunk;
        };
        steps.afterPiece = [&] { return ++pieces > 0; };
        steps.beforeRest = [&] { restAfterChunks = chunks.size() == 2 && pieces == 1; };
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\BIRDS\\55010.JPG"), program() + QStringLiteral("\\birds\\55010.JPG"),
                               25000, steps),
                 CopyFailure::None);
        QCOMPARE(chunks, (QList<qint64>{ 1, 2 }));
        QVERIFY(restAfterChunks);
        QCOMPARE(readFile(target), pattern(60000));
        QCOMPARE(QFileInfo(target).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);
        QCOMPARE(entries(QStringLiteral("program/birds")), QStringList{ QStringLiteral("55010.JPG") });
    }

    void writeFailureIsDiskFull()
    {
        QBuffer source;
        source.setData(pattern(3000000));
        source.open(QIODevice::ReadOnly);
        FillingDevice full(2000000);
        int chunksDone = 0;
        CopySteps steps;
        steps.afterChunk = [&](qint64, qint64) { ++chunksDone; };
        // A megabyte's whole chunks (41) went in; the next piece no longer fitted.
        QCOMPARE(copyInChunks(source, full, 3000000, 25000, steps), CopyFailure::WriteError);
        QCOMPARE(chunksDone, 41);
        QCOMPARE(full.written, pattern(3000000).left(41 * 25000));
        QCOMPARE(failureDescription(CopyFailure::DiskFull), QStringLiteral("Disk full"));
    }

    void fullDiskKeepsThePreviousCopy()
    {
        const QString small = m_dir->filePath(QStringLiteral("small"));
        SmallFilesystem volume(small, QStringLiteral("256k"));
        if (!volume.ok())
            QSKIP("a small filesystem needs root; the write failure itself is tested above");
        writeFile(small + QStringLiteral("/movie.avi"), "the earlier good copy");
        writeFile(m_dir->filePath(QStringLiteral("disc/movies/movie.avi")), pattern(600000));
        const CopyFailure failure = copyMediaFile(*m_fs, QStringLiteral("E:\\movies\\movie.avi"),
                                                  small + QStringLiteral("\\movie.avi"), 25000, {});
        QCOMPARE(failure, CopyFailure::DiskFull);
        QVERIFY(failsEveryFile(failure));
        QCOMPARE(readFile(small + QStringLiteral("/movie.avi")), QByteArray("the earlier good copy"));
        QCOMPARE(QDir(small).entryList(QDir::Files | QDir::Hidden), QStringList{ QStringLiteral("movie.avi") });
    }

    void sourceEndingEarlyKeepsThePreviousCopy()
    {
        const QString source = m_dir->filePath(QStringLiteral("disc/birds/55020.jpg"));
        writeFile(source, pattern(3000000));
        const QString target = m_dir->filePath(QStringLiteral("program/birds/55020.jpg"));
        writeFile(target, "good");
        CopySteps steps;
        // The disc goes away while the copy runs: the file is cut short.
        steps.afterPiece = [&] { return QFile::resize(source, 1100000); };
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\55020.jpg"), program() + QStringLiteral("\\birds\\55020.jpg"),
                               25000, steps),
                 CopyFailure::InputPastEnd);
        QCOMPARE(readFile(target), QByteArray("good"));
        QCOMPARE(entries(QStringLiteral("program/birds")), QStringList{ QStringLiteral("55020.jpg") });
    }

    void stoppedCopyLeavesNothing()
    {
        writeFile(m_dir->filePath(QStringLiteral("disc/birds/55030.jpg")), pattern(80000));
        CopySteps steps;
        steps.afterPiece = [] { return false; };
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\55030.jpg"), program() + QStringLiteral("\\birds\\55030.jpg"),
                               25000, steps),
                 CopyFailure::Stopped);
        QVERIFY(entries(QStringLiteral("program/birds")).isEmpty());
    }

    void badSourcesAndDestinations()
    {
        writeFile(m_dir->filePath(QStringLiteral("disc/birds/55040.jpg")), pattern(10));
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\missing.jpg"), program() + QStringLiteral("\\birds\\x.jpg"), 25000, {}),
                 CopyFailure::FileNotFound);
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds"), program() + QStringLiteral("\\birds\\x.jpg"), 25000, {}),
                 CopyFailure::AccessError);
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\55040.jpg"), program() + QStringLiteral("\\nofolder\\x.jpg"), 25000, {}),
                 CopyFailure::PathNotFound);
        // A name that tries to leave its folder is refused by the media paths themselves.
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\55040.jpg"), program() + QStringLiteral("\\birds\\..\\..\\x.jpg"), 25000, {}),
                 CopyFailure::PathNotFound);
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("x.jpg"))));
        QCOMPARE(copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\55040.jpg"), program() + QStringLiteral("\\birds"), 25000, {}),
                 CopyFailure::AccessError);
    }

    void readOnlyDestination()
    {
        writeFile(m_dir->filePath(QStringLiteral("disc/birds/55050.jpg")), pattern(10));
        ReadOnlyFolder locked(m_dir->filePath(QStringLiteral("program/birds")));
        if (!locked.ok())
            QSKIP("cannot make a read-only folder here");
        const CopyFailure failure = copyMediaFile(*m_fs, QStringLiteral("E:\\birds\\55050.jpg"),
                                                  program() + QStringLiteral("\\birds\\55050.jpg"), 25000, {});
        QCOMPARE(failure, CopyFailure::AccessError);
        QCOMPARE(failureDescription(failure), QStringLiteral("Path/File access error"));
    }

    void programPermissions()
    {
        writeFile(m_dir->filePath(QStringLiteral("program/Vireon.scr")), "#!/bin/sh\n");
        QDir().mkpath(m_dir->filePath(QStringLiteral("windows")));
        QCOMPARE(copyMediaFile(*m_fs, program() + QStringLiteral("\\Vireon.scr"),
                               m_dir->filePath(QStringLiteral("windows")) + QStringLiteral("\\Vireon.scr"), 1 << 20, {},
                               ProgramPermissions),
                 CopyFailure::None);
        QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("windows/Vireon.scr"))).isExecutable());
    }

private:
    QString program() const { return m_dir->filePath(QStringLiteral("program")); }
    QStringList entries(const QString &folder) const
    {
        return QDir(m_dir->filePath(folder)).entryList(QDir::Files | QDir::Hidden);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MediaFs> m_fs;
};

QTEST_GUILESS_MAIN(TestMediaCopy)
#include "tst_mediacopy.moc"
