#include "platform/base/mediafs.h"
#include "platform/base/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every file below the folder with its size and time, to see that nothing was written there.
QStringList inventory(const QString &folder)
{
    QStringList entries;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries << entry.filePath() + u' ' + QString::number(entry.size()) + u' '
                + entry.lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

void setReadOnly(const QString &folder, bool readOnly)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList entries { folder };
    while (it.hasNext())
        entries << it.next();
    for (const QString &entry : entries) {
        QFile::Permissions permissions = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (QFileInfo(entry).isDir())
            permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        if (!readOnly)
            permissions |= QFile::WriteOwner;
        QFile::setPermissions(entry, permissions);
    }
}
}

class TestProgramFolder : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_prefix;
    QString m_user;

private Q_SLOTS:
    void init()
    {
        m_prefix = m_dir.filePath(QStringLiteral("usr"));
        m_user = m_dir.filePath(QStringLiteral("home/.local/share"));
        QDir().mkpath(m_prefix + QStringLiteral("/bin"));
        writeFile(m_prefix + QStringLiteral("/share/vireon-anthology/passby.wav"), "RIFF intro");
        writeFile(m_prefix + QStringLiteral("/share/vireon-anthology/Vireon.HLP"), "{\\rtf1 help}");
        writeFile(m_prefix + QStringLiteral("/share/vireon-anthology/Vireon.scr"), "screen saver");
        setReadOnly(m_prefix, true);
    }

    void cleanup()
    {
        setReadOnly(m_prefix, false);
        QDir(m_prefix).removeRecursively();
        QDir(m_dir.filePath(QStringLiteral("home"))).removeRecursively();
    }

    void installedProgramWritesInAFolderOfTheUser()
    {
        const QStringList installed = inventory(m_prefix);
        const QString folder = programFolderOf(
            m_prefix + QStringLiteral("/bin"), QStringLiteral("../share/vireon-anthology"), m_user);
        QCOMPARE(folder, m_user + QStringLiteral("/vireon-anthology/program"));

        // The shipped files are read through the program folder, in any letter case.
        MediaFs fs;
        QCOMPARE(fs.readAll(folder + QStringLiteral("\\passby.wav")), QByteArray("RIFF intro"));
        QCOMPARE(fs.readAll(folder + QStringLiteral("\\vireon.hlp")), QByteArray("{\\rtf1 help}"));
        // Copies go into the user's folder.
        QVERIFY(fs.makeFolder(folder + QStringLiteral("\\Birds")));
        QVERIFY(fs.writeAll(folder + QStringLiteral("\\Birds\\55001.jpg"), "photo"));
        QVERIFY(fs.writeAll(folder + QStringLiteral("\\ssVireons.txt"), "55001.jpg"));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Birds/55001.jpg")));
        QCOMPARE(inventory(m_prefix), installed);

        // A file written over a shipped one replaces its link; a later start
        // finds the same folder and leaves the user's files alone.
        QVERIFY(fs.writeAll(folder + QStringLiteral("\\Vireon.scr"), "the user's own"));
        QVERIFY(!QFileInfo(folder + QStringLiteral("/Vireon.scr")).isSymLink());
        QCOMPARE(programFolderOf(
                     m_prefix + QStringLiteral("/bin"), QStringLiteral("../share/vireon-anthology"), m_user),
            folder);
        QCOMPARE(fs.readAll(folder + QStringLiteral("\\Vireon.scr")), QByteArray("the user's own"));
        QCOMPARE(fs.readAll(folder + QStringLiteral("\\Birds\\55001.jpg")), QByteArray("photo"));
        QCOMPARE(inventory(m_prefix), installed);
    }

    void linksFollowWhatIsShipped()
    {
        const QString shipped = m_prefix + QStringLiteral("/share/vireon-anthology");
        const QString folder = programFolderOf(
            m_prefix + QStringLiteral("/bin"), QStringLiteral("../share/vireon-anthology"), m_user);
        // A newer version ships no help file and a new sound.
        setReadOnly(m_prefix, false);
        QFile::remove(shipped + QStringLiteral("/Vireon.HLP"));
        writeFile(shipped + QStringLiteral("/click.wav"), "RIFF click");
        linkShippedFiles(shipped, folder);
        QVERIFY(!QFileInfo(folder + QStringLiteral("/Vireon.HLP")).isSymLink());
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Vireon.HLP")));
        QCOMPARE(QFileInfo(folder + QStringLiteral("/click.wav")).symLinkTarget(),
            shipped + QStringLiteral("/click.wav"));
    }

    void programRunWhereItWasBuiltUsesItsOwnFolder()
    {
        const QString build = m_dir.filePath(QStringLiteral("build/src"));
        QDir().mkpath(build);
        QCOMPARE(programFolderOf(build + u'/', QStringLiteral("../share/vireon-anthology"), m_user), build);
        QVERIFY(!QFileInfo::exists(m_user));
    }

    void variableNamesTheFolder()
    {
        qputenv("VIREON_PROGRAM_FOLDER", m_dir.filePath(QStringLiteral("chosen//")).toLocal8Bit());
        QCOMPARE(programFolder(), m_dir.filePath(QStringLiteral("chosen")));
        qunsetenv("VIREON_PROGRAM_FOLDER");
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
