#include "core/setupchoices.h"
#include "platform/base/commandline.h"
#include "platform/base/drivemap.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
CommandLine parsed(const QStringList &arguments)
{
    return parseCommandLine(arguments);
}

// What one start settles from its command line, and the drives it then has.
struct Start
{
    std::optional<EarlyExit> exit;
    DriveMap drives;
};

Start start(MemorySettingsStore &settings, const QStringList &arguments, const QString &workingFolder)
{
    SetupChoices choices(settings);
    Start result {
        settleCommandLine(parsed(arguments), choices, QStringLiteral("vireon-anthology"), workingFolder), {}
    };
    result.drives = DriveMap::fromEnvironment(choices.disc());
    return result;
}

bool maps(const DriveMap &drives, const QString &folder)
{
    return drives.folders().values().contains(folder);
}
}

class TestSetupChoices : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { qunsetenv("VIREON_DRIVES"); }

    void parsesOptionsAndLeavesTheRest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("disc");
        QTest::addColumn<double>("zoom"); // -1: not given
        QTest::addColumn<QStringList>("remaining");
        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList {} << int(A::Run) << QString() << -1.0 << QStringList {};
        QTest::newRow("HWI alone") << QStringList { "HWI" } << int(A::Run) << QString() << -1.0
                                   << QStringList { "HWI" };
        QTest::newRow("disc then HWI") << QStringList { "--disc", "a b.iso", "HWI" } << int(A::Run)
                                       << "a b.iso" << -1.0 << QStringList { "HWI" };
        QTest::newRow("disc=") << QStringList { "--disc=/x" } << int(A::Run) << "/x" << -1.0
                               << QStringList {};
        QTest::newRow("launcher without a file")
            << QStringList { "--disc=" } << int(A::Run) << "" << -1.0 << QStringList {};
        QTest::newRow("toolkit options stay")
            << QStringList { "-platform", "xcb", "--zoom", "1.5", "-reverse" } << int(A::Run) << QString()
            << 1.5 << QStringList { "-platform", "xcb", "-reverse" };
        QTest::newRow("zoom auto") << QStringList { "--zoom=AUTO" } << int(A::Run) << QString()
                                   << AutomaticZoom << QStringList {};
        QTest::newRow("help wins") << QStringList { "--disc", "/x", "--help" } << int(A::Help) << "/x" << -1.0
                                   << QStringList {};
        QTest::newRow("version") << QStringList { "--version", "--bogus" } << int(A::Version) << QString()
                                 << -1.0 << QStringList {};
        QTest::newRow("forget") << QStringList { "--forget-disc" } << int(A::ForgetDisc) << QString() << -1.0
                                << QStringList {};
        QTest::newRow("disc without a value")
            << QStringList { "--disc" } << int(A::Error) << QString() << -1.0 << QStringList {};
        QTest::newRow("zoom too large")
            << QStringList { "--zoom", "9" } << int(A::Error) << QString() << -1.0 << QStringList {};
        QTest::newRow("zoom not a number")
            << QStringList { "--zoom", "big" } << int(A::Error) << QString() << -1.0 << QStringList {};
        QTest::newRow("zoom without a value")
            << QStringList { "--zoom" } << int(A::Error) << QString() << -1.0 << QStringList {};
        QTest::newRow("unknown option")
            << QStringList { "--dsic", "/x" } << int(A::Error) << QString() << -1.0 << QStringList {};
    }
    void parsesOptionsAndLeavesTheRest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, disc);
        QFETCH(double, zoom);
        QFETCH(QStringList, remaining);
        const CommandLine line = parsed(arguments);
        QCOMPARE(int(line.action), action);
        if (line.action == CommandLine::Action::Error) {
            QVERIFY(!line.error.isEmpty());
            return;
        }
        QCOMPARE(line.disc.value_or(QString()), disc);
        QCOMPARE(line.disc.has_value(), !disc.isNull());
        QCOMPARE(line.zoom.value_or(-1.0), zoom);
        QCOMPARE(line.remaining, remaining);
    }

    void discIsRememberedAcrossStartsAndForgotten()
    {
        MemorySettingsStore settings;
        QDir().mkpath(m_dir.filePath(QStringLiteral("copies/anthology")));
        const QString disc = m_dir.filePath(QStringLiteral("copies/anthology"));

        // Named relative to the folder the program was started in.
        const Start first = start(settings, { QStringLiteral("--disc"), QStringLiteral("anthology/") },
            m_dir.filePath(QStringLiteral("copies")));
        QVERIFY(!first.exit);
        QVERIFY(maps(first.drives, disc));
        QCOMPARE(SetupChoices(settings).disc(), disc);

        const Start second = start(settings, {}, QDir::rootPath());
        QVERIFY(!second.exit);
        QCOMPARE(second.drives.folders(), first.drives.folders());

        // VIREON_DRIVES decides the drives while it is set, and the disc stays remembered.
        qputenv("VIREON_DRIVES", "E=/srv/other");
        QVERIFY(!maps(start(settings, {}, QDir::rootPath()).drives, disc));
        qunsetenv("VIREON_DRIVES");

        const Start forgetting = start(settings, { QStringLiteral("--forget-disc") }, QDir::rootPath());
        QVERIFY(forgetting.exit);
        QCOMPARE(forgetting.exit->exitCode, 0);
        QCOMPARE(forgetting.exit->output, QStringLiteral("Forgot the disc %1.\n").arg(disc));
        QVERIFY(settings.values.isEmpty());
        QVERIFY(!maps(start(settings, {}, QDir::rootPath()).drives, disc));
        QCOMPARE(start(settings, { QStringLiteral("--forget-disc") }, QDir::rootPath()).exit->output,
            QStringLiteral("No disc was remembered.\n"));
    }

    void missingDiscIsRefusedAndTheOldOneKept()
    {
        MemorySettingsStore settings;
        SetupChoices(settings).rememberDisc(QStringLiteral("/srv/anthology.iso"));
        const Start refused = start(settings, { QStringLiteral("--disc=nowhere.iso") }, m_dir.path());
        QVERIFY(refused.exit);
        QCOMPARE(refused.exit->exitCode, 2);
        QCOMPARE(
            refused.exit->errors, QStringLiteral("vireon-anthology: no folder or disc image nowhere.iso\n"));
        QCOMPARE(SetupChoices(settings).disc(), QStringLiteral("/srv/anthology.iso"));
        // A launcher that had no file to give changes nothing.
        QVERIFY(!start(settings, { QStringLiteral("--disc=") }, m_dir.path()).exit);
        QCOMPARE(SetupChoices(settings).disc(), QStringLiteral("/srv/anthology.iso"));
    }

    void zoomIsRememberedUntilAuto()
    {
        MemorySettingsStore settings;
        QVERIFY(!start(settings, { QStringLiteral("--zoom"), QStringLiteral("1.75") }, m_dir.path()).exit);
        QCOMPARE(SetupChoices(settings).zoom(), 1.75);
        QVERIFY(!start(settings, {}, m_dir.path()).exit);
        QCOMPARE(SetupChoices(settings).zoom(), 1.75);
        QVERIFY(!start(settings, { QStringLiteral("--zoom=auto") }, m_dir.path()).exit);
        QVERIFY(!SetupChoices(settings).zoom());
        // A value damaged in the file is no zoom.
        settings.write(QStringLiteral("The Vireon Anthology"), QStringLiteral("Setup"),
            QStringLiteral("Zoom"), QStringLiteral("20"));
        QVERIFY(!SetupChoices(settings).zoom());
    }

    void helpAndVersionNeedNoDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        for (const QString &option : { QStringLiteral("--help"), QStringLiteral("--version") }) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(PROGRAM_PATH), { option });
            QVERIFY(program.waitForFinished(20000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
            QCOMPARE(output,
                option == u"--help" ? helpText(QStringLiteral("vireon-anthology"))
                                    : versionText(QStringLiteral("vireon-anthology")));
            QVERIFY(output.startsWith(option == u"--help" ? QStringLiteral("Usage: vireon-anthology")
                                                          : QStringLiteral("vireon-anthology 1.")));
        }
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("config"))));
    }
};

QTEST_GUILESS_MAIN(TestSetupChoices)
#include "tst_setupchoices.moc"
