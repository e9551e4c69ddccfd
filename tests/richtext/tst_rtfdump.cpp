#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// rtfdump, the tool that prints what the reader makes of documents, run as
// a whole set of them is checked: several files in one process.
class TestRtfDump : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

    struct Run
    {
        int status = -1;
        QString out;
        QString err;
    };

    static Run rtfdump(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(QT_TESTCASE_BUILDDIR "/../tools/rtfdump/rtfdump"), arguments);
        Run run;
        if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
            run.status = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private Q_SLOTS:
    void severalFilesInOneRun()
    {
        const QString first
            = write(u"first.rtf"_s, R"({\rtf1\ansi Caf\'e9\par{\super\chftn}{\footnote Note.}})");
        const QString second
            = write(u"second.rtf"_s, R"({\rtf1\trowd\cellx1000\cellx2000\intbl a\cell b\cell\row})");
        const QString broken = write(u"broken.rtf"_s, "<html>not a document</html>");
        QVERIFY(!first.isEmpty() && !second.isEmpty() && !broken.isEmpty());

        Run run = rtfdump({ u"--names"_s, first, second });
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, first + u"\nCafé\n1\n\n1 Note.\n"_s + second + u"\n\na\tb\n"_s);

        // One file that is no document makes the status 1; the others are still printed.
        run = rtfdump({ first, broken, second, m_dir.filePath(u"missing.rtf"_s) });
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, u"Café\n1\n\n1 Note.\n\na\tb\n"_s);
        QVERIFY2(run.err.contains(broken) && run.err.contains(u"missing.rtf"_s), qPrintable(run.err));

        QCOMPARE(rtfdump({}).status, 2);
        QCOMPARE(rtfdump({ u"--colour"_s, first }).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestRtfDump)
#include "tst_rtfdump.moc"
