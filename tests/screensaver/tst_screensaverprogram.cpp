#include "photoplaylist.h"
#include "screensaverargs.h"
#include "screensaverwindow.h"
#include "core/screensaverconfig.h"
#include "platform/base/mediafs.h"
#include "support/fakes.h"
#include "support/timelimit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Mode = ScreenSaverArgs::Mode;

void writePhoto(const QString &file, QColor colour = QColor(40, 90, 160))
{
    QDir().mkpath(QFileInfo(file).path());
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(file, "JPG"));
}

void writeCorrupt(const QString &file)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("\xff\xd8\xff\xe0 not really a photograph");
}

void writeSettings(MemorySettingsStore &store, const QString &interval, const QString &folder)
{
    using namespace ScreenSaverConfig;
    store.write(Application, Section, Interval, interval);
    store.write(Application, Section, VireonsDir, folder);
}
}

class TestScreenSaverProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<int>("mode");
        QTest::addColumn<qulonglong>("window");
        QTest::newRow("none") << QStringList() << QString() << int(Mode::FullScreen) << 0ull;
        QTest::newRow("/s") << QStringList{ u"/S"_qs } << QString() << int(Mode::FullScreen) << 0ull;
        QTest::newRow("/c:handle") << QStringList{ u"/c:1234"_qs } << QString() << int(Mode::Configure) << 0ull;
        QTest::newRow("/p handle") << QStringList{ u"/p"_qs, u"5678"_qs } << QString() << int(Mode::Preview) << 0ull;
        QTest::newRow("-root alone") << QStringList{ u"-root"_qs } << QString() << int(Mode::FullScreen) << 0ull;
        QTest::newRow("-root in xscreensaver") << QStringList{ u"-root"_qs } << u"0x3a00007"_qs << int(Mode::IntoWindow) << 0x3a00007ull;
        QTest::newRow("variable alone") << QStringList() << u"123"_qs << int(Mode::IntoWindow) << 123ull;
        QTest::newRow("-window-id") << QStringList{ u"-window-id"_qs, u"0x10"_qs } << u"99"_qs << int(Mode::IntoWindow) << 16ull;
        QTest::newRow("-window-id missing") << QStringList{ u"-window-id"_qs } << QString() << int(Mode::Usage) << 0ull;
        QTest::newRow("-window-id junk") << QStringList{ u"-window-id"_qs, u"zz"_qs } << QString() << int(Mode::Usage) << 0ull;
        QTest::newRow("junk variable ignored") << QStringList() << u"nonsense"_qs << int(Mode::FullScreen) << 0ull;
        QTest::newRow("unknown") << QStringList{ u"--explode"_qs } << QString() << int(Mode::Usage) << 0ull;
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(int, mode);
        QFETCH(qulonglong, window);
        const ScreenSaverArgs args = parseScreenSaverArgs(arguments, environment);
        QCOMPARE(int(args.mode), mode);
        QCOMPARE(qulonglong(args.window), window);
    }

    void settingsAndPlaylist()
    {
        MemorySettingsStore store;
        QCOMPARE(readScreenSaverSettings(store).intervalSeconds, 5);
        writeSettings(store, u"12"_qs, u"/x\\ssVireons\\"_qs);
        QCOMPARE(readScreenSaverSettings(store).intervalSeconds, 12);
        QCOMPARE(readScreenSaverSettings(store).folder, u"/x\\ssVireons\\"_qs);
        for (const char *bad : { "0", "-3", "1.5", "abc", "99999" }) {
            writeSettings(store, QLatin1String(bad), QString());
            QCOMPARE(readScreenSaverSettings(store).intervalSeconds, 5);
        }

        QTemporaryDir dir;
        for (const char *name : { "55010.JPG", "55020.jpg", "A2010.jpg" })
            writePhoto(dir.filePath(u"ssVireons/"_qs + QLatin1String(name)));
        touchOther(dir.filePath(u"ssVireons/notes.txt"_qs));
        const MediaFs fs;
        PhotoPlaylist playlist(fs, dir.path() + u"\\SSVIREONS\\"_qs, 7);
        QCOMPARE(playlist.count(), 3);
        QStringList shown;
        for (int i = 0; i < 9; ++i) {
            shown << playlist.next();
            playlist.shown(shown.constLast());
        }
        for (int round = 0; round < 3; ++round) {
            const QStringList one = shown.mid(round * 3, 3);
            QCOMPARE(QSet<QString>(one.begin(), one.end()).size(), 3);
        }
        for (int i = 1; i < shown.size(); ++i)
            QVERIFY(shown.at(i) != shown.at(i - 1));
        QVERIFY(shown.constFirst().startsWith(dir.path() + u"\\SSVIREONS\\"_qs));

        // One that cannot be shown is passed over for good.
        playlist.passOver(shown.constLast());
        QCOMPARE(playlist.count(), 2);
        for (int i = 0; i < 6; ++i)
            QVERIFY(playlist.next() != shown.constLast());

        QVERIFY(PhotoPlaylist(fs, dir.filePath(u"missing\\"_qs), 1).isEmpty());
        QVERIFY(PhotoPlaylist(fs, QString(), 1).next().isEmpty());
    }

    void corruptPhotographsArePassedOver()
    {
        QTemporaryDir dir;
        writeCorrupt(dir.filePath(u"birds/55010.jpg"_qs));
        writePhoto(dir.filePath(u"birds/55020.jpg"_qs));
        writeCorrupt(dir.filePath(u"birds/55030.jpg"_qs));
        const MediaFs fs;
        ScreenSaverWindow window(fs, PhotoPlaylist(fs, dir.path() + u"\\birds\\"_qs, 3), 1, true);
        window.resize(320, 240);
        for (int i = 0; i < 4; ++i) {
            window.showNext();
            QCOMPARE(window.shownPath(), dir.path() + u"\\birds\\55020.jpg"_qs);
        }
        QFile::remove(dir.filePath(u"birds/55020.jpg"_qs));
        ScreenSaverWindow nothing(fs, PhotoPlaylist(fs, dir.path() + u"\\birds\\"_qs, 3), 1, true);
        nothing.showNext();
        QVERIFY(nothing.shownPath().isEmpty()); // the title on a dark screen
        const QImage screen = nothing.grab().toImage();
        QCOMPARE(screen.pixelColor(0, 0), QColor(Qt::black));
    }

    void endsOnInputOnItsOwnScreenOnly()
    {
        const MediaFs fs;
        ScreenSaverWindow own(fs, PhotoPlaylist(fs, QString(), 1), 1, true);
        own.show();
        QTest::mouseMove(&own, QPoint(10, 10));
        QTest::mouseMove(&own, QPoint(12, 11)); // a knock on the table
        QVERIFY(own.isVisible());
        QTest::mouseMove(&own, QPoint(40, 30));
        QVERIFY(!own.isVisible());
        own.show();
        QTest::keyClick(&own, Qt::Key_Space);
        QVERIFY(!own.isVisible());

        ScreenSaverWindow embedded(fs, PhotoPlaylist(fs, QString(), 1), 1, false);
        embedded.show();
        QTest::keyClick(&embedded, Qt::Key_Space);
        QTest::mouseClick(&embedded, Qt::LeftButton);
        QVERIFY(embedded.isVisible());
    }

    // The program itself against the settings an installation writes: it
    // shows a photograph at once and another after each interval.
    void programShowsTheConfiguredFolder()
    {
        QTemporaryDir dir;
        writePhoto(dir.filePath(u"program/ssVireons/55010.JPG"_qs), Qt::red);
        writePhoto(dir.filePath(u"program/ssVireons/66010.JPG"_qs), Qt::green);
        writeCorrupt(dir.filePath(u"program/ssVireons/A2010.JPG"_qs));
        const QString config = dir.filePath(u"config/vireon-anthology"_qs);
        QDir().mkpath(config);
        QFile ini(config + u"/SCRNSAVE: The Vireon Anthology.ini"_qs);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\nInterval=1\nVireonsDir=" + QFile::encodeName(dir.filePath(u"program"_qs)) + "\\\\ssVireons\\\\\n");
        ini.close();

        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_qs, dir.filePath(u"config"_qs));
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        env.remove(u"XSCREENSAVER_WINDOW"_qs);
        saver.setProcessEnvironment(env);
        saver.start(QStringLiteral(VIREON_SCREENSAVER_PATH), { u"/s"_qs, u"--trace"_qs });
        QVERIFY(saver.waitForStarted());
        QStringList shown;
        QElapsedTimer timer;
        timer.start();
        while (shown.size() < 3 && timer.elapsed() < timeLimit(15000) && saver.state() == QProcess::Running) {
            saver.waitForReadyRead(500);
            while (saver.canReadLine())
                shown << QString::fromUtf8(saver.readLine()).trimmed();
        }
        saver.kill();
        saver.waitForFinished();
        QCOMPARE(shown.size(), 3);
        QVERIFY2(timer.elapsed() >= 1900, "one photograph a second");
        for (const QString &line : std::as_const(shown)) {
            QVERIFY2(line.startsWith(u"shown "_qs + dir.filePath(u"program"_qs) + u"\\ssVireons\\"_qs), qPrintable(line));
            QVERIFY2(!line.endsWith(u"A2010.JPG"_qs), "a corrupt photograph is passed over");
        }
        QVERIFY(shown.at(0) != shown.at(1) && shown.at(1) != shown.at(2));
    }

    void previewAndBadArguments()
    {
        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        saver.setProcessEnvironment(env);
        saver.start(QStringLiteral(VIREON_SCREENSAVER_PATH), { u"/p"_qs, u"1234"_qs });
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitCode(), 0);
        QVERIFY(saver.readAllStandardOutput().isEmpty());
        saver.start(QStringLiteral(VIREON_SCREENSAVER_PATH), { u"-window-id"_qs });
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitCode(), 2);
        QVERIFY(saver.readAllStandardError().contains("usage: Vireon.scr"));
    }

private:
    static void touchOther(const QString &file)
    {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
    }
};

QTEST_MAIN(TestScreenSaverProgram)
#include "tst_screensaverprogram.moc"
