#include "platform/base/mediafs.h"
#include "platform/base/nativefs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void makeFile(const QString &path, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Puts a folder's modification time back (or forward), so a test can tell the
// cache's own bookkeeping apart from what the file system reports.
void setModified(const QString &folder, const QDateTime &when)
{
    const qint64 ms = when.toMSecsSinceEpoch();
    const timespec time { ms / 1000, (ms % 1000) * 1000000 };
    const timespec times[2] { time, time };
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
}
}

class TestMediaFs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MediaFs> m_fs;

    QString native(const QString &relative) const { return m_dir->path() + u'/' + relative; }
    // The program folder has a blank in its name and is given with a trailing separator.
    QString programRoot() const { return native(QStringLiteral("my program/")); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        makeFile(native(QStringLiteral("disc/Birds/55080.JPG")), "photo 55080");
        makeFile(native(QStringLiteral("disc/Birds/55081.jpg")));
        makeFile(native(QStringLiteral("disc/Birds/56001.Jpg")));
        makeFile(native(QStringLiteral("disc/Birds/[1].jpg")));
        makeFile(native(QStringLiteral("disc/Birds/notes.txt")));
        QDir().mkpath(native(QStringLiteral("disc/Birds/album.jpg")));
        makeFile(native(QStringLiteral("disc/RichText/57desc.rtf")));
        makeFile(native(QStringLiteral("disc/case/Readme.TXT")));
        makeFile(native(QStringLiteral("disc/case/README.txt")));
        makeFile(native(QStringLiteral("my program/passby.wav")));
        m_fs = std::make_unique<MediaFs>(DriveMap({ { u'E', native(QStringLiteral("disc")) } }));
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("mediaPath");
        QTest::addColumn<QString>("expected"); // below the temporary folder; empty: nothing
        QTest::newRow("exact") << "E:\\Birds\\55080.JPG" << "disc/Birds/55080.JPG";
        QTest::newRow("other case") << "E:\\birds\\55080.jpg" << "disc/Birds/55080.JPG";
        QTest::newRow("mixed separators") << "e:/BIRDS\\55080.jpg" << "disc/Birds/55080.JPG";
        QTest::newRow("doubled separators and dot") << "E:\\\\richtext\\.\\57DESC.RTF" << "disc/RichText/57desc.rtf";
        QTest::newRow("drive root") << "E:" << "disc";
        QTest::newRow("names differing in case, exact") << "E:\\case\\Readme.TXT" << "disc/case/Readme.TXT";
        QTest::newRow("names differing in case, first sorted") << "E:\\case\\readme.txt" << "disc/case/README.txt";
        QTest::newRow("program folder") << "<program>\\PASSBY.WAV" << "my program/passby.wav";
        QTest::newRow("missing") << "E:\\birds\\99999.jpg" << "";
        QTest::newRow("file as folder") << "E:\\birds\\55080.jpg\\x" << "";
        QTest::newRow("dot dot") << "E:\\birds\\..\\richtext\\57desc.rtf" << "";
        QTest::newRow("unmapped drive") << "F:\\birds\\55080.jpg" << "";
        QTest::newRow("relative") << "birds\\55080.jpg" << "";
    }

    void resolve()
    {
        QFETCH(QString, mediaPath);
        QFETCH(QString, expected);
        mediaPath.replace(QStringLiteral("<program>"), programRoot());
        const auto path = m_fs->resolve(mediaPath);
        QCOMPARE(path.value_or(QString()), expected.isEmpty() ? QString() : native(expected));
        QCOMPARE(m_fs->exists(mediaPath), !expected.isEmpty());
    }

    void list_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("jpg in any case, files only") << "E:\\birds\\*.jpg" << "55080.JPG,55081.jpg,56001.Jpg,[1].jpg";
        QTest::newRow("question mark") << "E:/BIRDS/55?8*.JPG" << "55080.JPG,55081.jpg";
        QTest::newRow("brackets are plain") << "E:\\birds\\[1]*" << "[1].jpg";
        QTest::newRow("missing folder") << "E:\\movies\\*.avi" << "";
        QTest::newRow("wildcard in a folder") << "E:\\*\\55080.jpg" << "";
        QTest::newRow("unmapped drive") << "G:\\birds\\*.jpg" << "";
    }

    void list()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(m_fs->list(pattern).join(u','), expected);
    }

    void isFolderAndSize()
    {
        QVERIFY(m_fs->isFolder(QStringLiteral("E:\\BIRDS\\Album.JPG")));
        QVERIFY(!m_fs->isFolder(QStringLiteral("E:\\birds\\55080.jpg")));
        QCOMPARE(m_fs->size(QStringLiteral("E:\\birds\\55080.jpg")), qint64(11));
        QVERIFY(!m_fs->size(QStringLiteral("E:\\birds")));
    }

    void writeAndReadBack()
    {
        QCOMPARE(m_fs->nativePathForWriting(QStringLiteral("e:\\BIRDS\\New Folder\\x.jpg")),
                 native(QStringLiteral("disc/Birds/New Folder/x.jpg")));
        // An existing file is replaced under its own name, whatever case the path uses.
        QVERIFY(m_fs->writeAll(QStringLiteral("E:\\birds\\55080.jpg"), "new bytes"));
        QCOMPARE(m_fs->readAll(QStringLiteral("E:\\BIRDS\\55080.JPG")), QByteArray("new bytes"));
        QVERIFY(!QFileInfo::exists(native(QStringLiteral("disc/Birds/55080.jpg"))));

        QVERIFY(!m_fs->writeAll(QStringLiteral("E:\\movies\\a.avi"), "x")); // no folders are made
        QVERIFY(!QFileInfo::exists(native(QStringLiteral("disc/movies"))));
        QVERIFY(!m_fs->writeAll(QStringLiteral("E:\\birds\\album.jpg"), "x"));
        QVERIFY(!m_fs->writeAll(QStringLiteral("K:\\birds\\55080.jpg"), "x")); // unmapped drive
        QVERIFY(!m_fs->writeAll(QStringLiteral("E:\\birds\\..\\escaped.txt"), "x"));
        QVERIFY(!QFileInfo::exists(native(QStringLiteral("disc/escaped.txt"))));
        QVERIFY(!m_fs->readAll(QStringLiteral("E:\\birds")));
    }

    void copyReplacesTargetOnlyOnSuccess()
    {
        const QString target = programRoot() + QStringLiteral("\\Birds\\55080.jpg");
        QVERIFY(!m_fs->copy(QStringLiteral("E:\\birds\\55080.jpg"), target)); // folder missing
        QVERIFY(m_fs->makeFolder(programRoot() + QStringLiteral("\\Birds")));
        QVERIFY(m_fs->copy(QStringLiteral("E:\\birds\\55080.jpg"), target));
        QCOMPARE(m_fs->readAll(target), QByteArray("photo 55080"));

        QVERIFY(!m_fs->copy(QStringLiteral("E:\\birds\\99999.jpg"), target));
        QVERIFY(!m_fs->copy(QStringLiteral("E:\\birds\\album.jpg"), target));
        QCOMPARE(m_fs->readAll(target), QByteArray("photo 55080"));
        QCOMPARE(QDir(native(QStringLiteral("my program/Birds"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList { QStringLiteral("55080.jpg") });
    }

    // A copy that fails half-way (the disk fills up) leaves the copy made
    // before and no half-written file.
    void aFailedCopyKeepsTheEarlierOne()
    {
        if (geteuid() != 0)
            QSKIP("needs root to mount a small filesystem");
        const QString full = native(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(full));
        QVERIFY(QProcess::execute(QStringLiteral("mount"), { "-t", "tmpfs", "-o", "size=64k", "tmpfs", full }) == 0);
        const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), { full }); });
        QFile big(native(QStringLiteral("disc/movies/big.avi")));
        QVERIFY(QDir().mkpath(native(QStringLiteral("disc/movies"))));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(200 * 1024, 'm'));
        big.close();
        MediaFs fs(DriveMap({ { u'E', native(QStringLiteral("disc")) }, { u'F', full } }));
        QVERIFY(fs.writeAll(QStringLiteral("F:\\big.avi"), "the good copy"));
        QVERIFY(!fs.copy(QStringLiteral("E:\\movies\\big.avi"), QStringLiteral("F:\\big.avi")));
        QCOMPARE(fs.readAll(QStringLiteral("F:\\big.avi")), QByteArray("the good copy"));
        QCOMPARE(QDir(full).entryList(QDir::Files | QDir::Hidden), QStringList{ QStringLiteral("big.avi") });
    }

    void folders()
    {
        QVERIFY(m_fs->makeFolder(QStringLiteral("E:\\Movies")));
        QVERIFY(m_fs->makeFolder(QStringLiteral("E:\\movies"))); // already there
        QVERIFY(!m_fs->makeFolder(QStringLiteral("E:\\a\\b"))); // parent missing
        QVERIFY(!m_fs->makeFolder(QStringLiteral("E:\\birds\\55080.jpg")));

        QVERIFY(!m_fs->removeFolder(QStringLiteral("E:\\birds"))); // not empty
        QVERIFY(!m_fs->removeFolder(QStringLiteral("E:\\birds\\55080.jpg")));
        QVERIFY(m_fs->removeFolder(QStringLiteral("E:\\MOVIES")));
        QVERIFY(!m_fs->exists(QStringLiteral("E:\\movies")));
    }

    void removeFiles()
    {
        QVERIFY(!m_fs->remove(QStringLiteral("E:\\birds\\album.jpg"))); // a folder
        QVERIFY(m_fs->remove(QStringLiteral("E:\\BIRDS\\NOTES.TXT")));
        QVERIFY(!m_fs->remove(QStringLiteral("E:\\birds\\notes.txt")));
        QCOMPARE(m_fs->removeMatching(QStringLiteral("E:\\birds\\55*.JPG")), 2);
        QCOMPARE(m_fs->list(QStringLiteral("E:\\birds\\*")), QStringList({ "56001.Jpg", "[1].jpg" }));
        QCOMPARE(m_fs->removeMatching(QStringLiteral("E:\\ads\\*.jpg")), 0);
        QVERIFY(m_fs->isFolder(QStringLiteral("E:\\birds\\album.jpg")));
    }

    // Our own writes must show at once, even when the folder's time stamp does not move.
    void cacheForgetsFoldersWeWriteTo()
    {
        const QString birds = native(QStringLiteral("disc/Birds"));
        const QDateTime modified = QFileInfo(birds).lastModified();
        QVERIFY(!m_fs->exists(QStringLiteral("E:\\birds\\new.txt")));
        QVERIFY(!m_fs->exists(QStringLiteral("E:\\birds\\copy.jpg")));
        QVERIFY(!m_fs->exists(QStringLiteral("E:\\birds\\sub")));

        QVERIFY(m_fs->writeAll(QStringLiteral("E:\\birds\\New.TXT"), "x"));
        setModified(birds, modified);
        QVERIFY(m_fs->exists(QStringLiteral("E:\\birds\\new.txt")));

        QVERIFY(m_fs->copy(QStringLiteral("E:\\birds\\55080.jpg"), QStringLiteral("E:\\birds\\Copy.JPG")));
        setModified(birds, modified);
        QVERIFY(m_fs->exists(QStringLiteral("E:\\birds\\copy.jpg")));

        QVERIFY(m_fs->makeFolder(QStringLiteral("E:\\birds\\Sub")));
        setModified(birds, modified);
        QVERIFY(m_fs->isFolder(QStringLiteral("E:\\birds\\SUB")));
    }

    // A disc inserted or files added by another program change the folder's time stamp.
    void cacheNoticesChangesMadeElsewhere()
    {
        const QString birds = native(QStringLiteral("disc/Birds"));
        const QDateTime modified = QFileInfo(birds).lastModified();
        QVERIFY(!m_fs->exists(QStringLiteral("E:\\birds\\other.jpg")));
        makeFile(birds + QStringLiteral("/Other.JPG"));
        setModified(birds, modified.addSecs(60));
        QCOMPARE(m_fs->list(QStringLiteral("E:\\birds\\o*")), QStringList { QStringLiteral("Other.JPG") });
        QVERIFY(m_fs->exists(QStringLiteral("E:\\birds\\other.jpg")));
    }

    void freeSpaceOfTheNearestExistingFolder()
    {
        const auto deep = m_fs->freeSpace(QStringLiteral("E:\\no\\such\\folder\\x.jpg"));
        QVERIFY(deep);
        const qint64 volume = QStorageInfo(m_dir->path()).bytesAvailable();
        QVERIFY(qAbs(*deep - volume) < 256 * 1024 * 1024); // other programs may write meanwhile
        QVERIFY(!m_fs->freeSpace(QStringLiteral("K:\\x")));
    }

    void readAllStopsAtTheLimit()
    {
        QCOMPARE(m_fs->readAll(QStringLiteral("E:\\birds\\55080.jpg"), 11), QByteArray("photo 55080"));
        QVERIFY(!m_fs->readAll(QStringLiteral("E:\\birds\\55080.jpg"), 10));
    }

    void openReadsAndSeeks()
    {
        const auto file = m_fs->open(QStringLiteral("e:\\BIRDS\\55080.jpg"));
        QVERIFY(file);
        QCOMPARE(file->size(), qint64(11));
        QVERIFY(file->seek(6));
        QCOMPARE(file->readAll(), QByteArray("55080"));
        QVERIFY(!m_fs->open(QStringLiteral("E:\\birds")));
        QVERIFY(!m_fs->open(QStringLiteral("E:\\birds\\99999.jpg")));
    }

    // A named pipe on the disc is a file that is not there: nothing may wait for its writer.
    void namedPipeIsNotAFile()
    {
        const QString pipe = native(QStringLiteral("disc/Birds/55999.jpg"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString path = QStringLiteral("E:\\birds\\55999.JPG");
        QVERIFY(!m_fs->exists(path));
        QVERIFY(!m_fs->resolve(path));
        QVERIFY(!m_fs->size(path));
        QVERIFY(!m_fs->readAll(path));
        QVERIFY(!m_fs->open(path));
        QVERIFY(!m_fs->nativeFile(path));
        QVERIFY(!m_fs->list(QStringLiteral("E:\\birds\\*.jpg")).contains(QStringLiteral("55999.jpg")));
        QVERIFY(!m_fs->copy(path, QStringLiteral("E:\\copy.jpg")));
    }

    // A folder copy of a period disc may hold Latin-1 names: the name listed is the file opened.
    void namesThatAreNotUtf8()
    {
        const QByteArray latin1 = QFile::encodeName(native(QStringLiteral("disc/Birds/"))) + "caf\xe9.jpg";
        const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "latin", 5), 5);
        ::close(fd);
        // Qt's own folder walk passes over the name, so the temporary folder cannot remove it.
        const auto removeIt = qScopeGuard([&] { ::unlink(latin1.constData()); });

        const QStringList listed = m_fs->list(QStringLiteral("E:\\birds\\c*.jpg"));
        QCOMPARE(listed.size(), 1);
        const QString path = QStringLiteral("E:\\birds\\") + listed.first();
        QCOMPARE(m_fs->readAll(path), QByteArray("latin"));
        QString otherCase = QStringLiteral("E:\\BIRDS\\") + listed.first();
        otherCase.replace(QStringLiteral("caf"), QStringLiteral("CAF")).replace(QStringLiteral(".jpg"), QStringLiteral(".JPG"));
        QCOMPARE(m_fs->size(otherCase), qint64(5));
        QCOMPARE(m_fs->nativeFile(path).value_or(QString()), m_fs->resolve(path).value_or(QStringLiteral("none")));
        // Qt cannot name the file, so nothing is written under a wrong name in its place.
        QVERIFY(!m_fs->writeAll(path, "new"));
        QVERIFY(!m_fs->copy(QStringLiteral("E:\\birds\\55080.jpg"), path));
        QCOMPARE(m_fs->readAll(path), QByteArray("latin"));
        QVERIFY(m_fs->remove(path));
        QVERIFY(::access(latin1.constData(), F_OK) != 0);
        QCOMPARE(m_fs->list(QStringLiteral("E:\\birds\\*")).size(), 5);
    }

    void namesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ascii") << QByteArray("55080.JPG") << true;
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x97.jpg") << true;
        QTest::newRow("latin-1") << QByteArray("caf\xe9.jpg") << false;
        QTest::newRow("cut character") << QByteArray("a\xe2\x82") << false;
        QTest::newRow("overlong") << QByteArray("\xc0\xaf.jpg") << false;
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xa9") << false;
        QTest::newRow("beside a four-byte character") << QByteArray("\xf0\x90\x82\x80\xe9") << false;
    }

    void namesKeepTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const QString name = NativeFs::decodeName(bytes);
        QCOMPARE(NativeFs::encodeName(name), bytes);
        QCOMPARE(NativeFs::hasRawBytes(name), !utf8);
        if (utf8)
            QCOMPARE(name, QString::fromUtf8(bytes));
    }

    void unreadableFolderGivesNothing()
    {
        if (geteuid() == 0)
            QSKIP("the superuser reads every folder");
        const QString locked = native(QStringLiteral("disc/locked"));
        makeFile(locked + QStringLiteral("/a.jpg"));
        QVERIFY(QFile::setPermissions(locked, {}));
        const bool listed = !m_fs->list(QStringLiteral("E:\\locked\\*.jpg")).isEmpty();
        const bool found = m_fs->exists(QStringLiteral("E:\\LOCKED\\A.JPG")) || m_fs->exists(QStringLiteral("E:\\locked\\a.jpg"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!listed);
        QVERIFY(!found);
    }
};

QTEST_GUILESS_MAIN(TestMediaFs)
#include "tst_mediafs.moc"
