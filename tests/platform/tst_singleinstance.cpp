#include "platform/base/singleinstance.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
const char HoldLockArgument[] = "--hold-lock";

// Another run of the program: this test executable started with --hold-lock.
class LockHolder
{
public:
    explicit LockHolder(const QString &lockPath)
    {
        m_process.start(
            QCoreApplication::applicationFilePath(), { QString::fromLatin1(HoldLockArgument), lockPath });
    }
    ~LockHolder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool waitUntilHeld()
    {
        return m_process.waitForReadyRead(10000) && m_process.readAll().startsWith("held");
    }
    // A crash: the process ends without releasing its lock.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

qint64 pidOfAFinishedProcess()
{
    QProcess process;
    process.start(QStringLiteral("true"));
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}
}

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString lockPath() const { return m_dir.filePath(QStringLiteral("vireon.lock")); }

private Q_SLOTS:
    void secondLockFailsWhileTheFirstIsHeld()
    {
        SingleInstance first(lockPath());
        SingleInstance second(lockPath());
        QVERIFY(first.acquire());
        QVERIFY(first.acquire()); // already ours
        QVERIFY(!second.acquire());
        QVERIFY(QFile::exists(lockPath()));
        first.release();
        QVERIFY(second.acquire());
        second.release();
    }

    void runningProcessBlocksUntilItIsKilled()
    {
        LockHolder holder(lockPath());
        QVERIFY(holder.waitUntilHeld());
        SingleInstance mine(lockPath());
        QVERIFY(!mine.acquire());
        holder.kill();
        QVERIFY(QFile::exists(lockPath())); // left behind by the crash
        QVERIFY(mine.acquire());
        mine.release();
    }

    void lockOfADeadProcessIsTakenOver()
    {
        const qint64 pid = pidOfAFinishedProcess();
        QVERIFY(pid > 0);
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n'
            + QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();

        SingleInstance mine(lockPath());
        QVERIFY(mine.acquire());
        mine.release();
        QVERIFY(!QFile::exists(lockPath()));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], HoldLockArgument) == 0) {
        SingleInstance lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.acquire())
            return 1;
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        out.write("held\n");
        out.flush();
        for (;;)
            QThread::sleep(60);
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
