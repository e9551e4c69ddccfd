#include "catalog.h"
#include "main/mainwindow.h"
#include "main/soundpanel.h"
#include "main/soundtable.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "support/harness.h"
#include "support/windowtest.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace {
// The main window over a disc whose wav folder holds the sounds asked for.
struct Fixture
{
    explicit Fixture(const QStringList &sounds = {})
    {
        for (const QString &name : sounds)
            touchFile(dir.filePath(QStringLiteral("disc/wav/") + name));
        writePhoto(dir.filePath(QStringLiteral("disc/birds/55001.jpg")));
        run.startup.run({});
        run.startup.Timer1_Timer();
        main = run.startup.mainWindow();
        panel = control<SoundPanel>(main, QStringLiteral("pnlSound"));
        run.dialogs.clear();
        run.media->calls.clear();
    }
    ~Fixture() { main->close(); }

    SSCommand *play(int index) const
    {
        return control<SSCommand>(panel, arrayName(QStringLiteral("SSCommand2"), index));
    }
    QString wav(const QString &name) const { return dir.filePath(QStringLiteral("disc/wav/") + name); }
    QStringList playing(const QString &name) const
    {
        return { "close", "deviceType=WaveAudio", "fileName=" + wav(name), "open", "play" };
    }

    QTemporaryDir dir;
    Harness run { dir };
    MainWindow *main = nullptr;
    SoundPanel *panel = nullptr;
};
} // namespace

// The sound-effects panel: its table of sounds, the order of the commands
// to the main window's media control, and the failures it reports.
class TestSoundPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void table_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        const char *rows[][2] = {
            { "Backfiring", "backfrng.wav" },
            { "Car Door", "car_door.wav" },
            { "Car Horns", "carhorns.wav" },
            { "Traffic", "horns.wav" },
            { "Police Car", "cop-car.wav" },
            { "Taxi Horns", "taxi.wav" },
            { "Sport Car", "sportcar.wav" },
            { "18 Wheeler", "18wheelr.wav" },
            { "Race Car Takeoff", "peel-out.wav" },
            { "At the Track", "Track2.wav" },
            { "Race Car Passby", "nascar.wav" },
            { "Race Car 1", "racecar.wav" },
            { "Race Car 2", "indy-car.wav" },
            { "Motorcycle", "mcycle.wav" },
            { "Batmobile", "batmoble.wav" },
            { "Mustang", "62mirral.wav" },
            { "Tarvello", "63mirral.wav" },
            { "Cars Starting", "mirralstart.wav" },
            { "Passby", "passby.wav" },
            { "Mirral C5", "mirral.wav" },
            { "ZR-1 Starting", "zr1start.wav" },
            { "Motorcycle 2", "motorcyc2.wav" },
            { "Hot Rod", "hot_rod.wav" },
            { "Red Light", "red_lght.wav" },
            { "Mustang Mach I", "porche.wav" },
            { "Ford Cobra", "stealth.wav" },
            { "Stuck on Ice", "stuck.wav" },
            { "Rev n' Run", "revnrun.wav" },
            { "Going By", "goingby.wav" },
        };
        QCOMPARE(int(std::size(rows)), SoundCount);
        for (int i = 0; i < SoundCount; ++i)
            QTest::addRow("%d %s", i, rows[i][0])
                << i << QString::fromLatin1(rows[i][0]) << QString::fromLatin1(rows[i][1]);
    }
    // Each button plays its own file, also where the file does not echo the
    // name beside the button (Traffic plays horns.wav).
    void table()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(::soundTable().at(index).name, name);
        QCOMPARE(::soundTable().at(index).fileName, file);
        QCOMPARE(soundPath(QStringLiteral("E:"), index), QStringLiteral("E:\\wav\\") + file);

        Fixture f({ file });
        QCOMPARE(control<QLabel>(f.panel, arrayName(QStringLiteral("lblSound"), index))->text(), name);
        QCOMPARE(f.play(index)->accessibleName(), QStringLiteral("Play ") + name);
        f.panel->SSCommand2_Click(index);
        QCOMPARE(f.run.media->calls, f.playing(file));
        QVERIFY(f.run.dialogs.shown().isEmpty());
    }

    // The sample disc holds every sound of the table under its name.
    void sampleDiscHasEverySound()
    {
        const QList<Layout::Sound> &disc = Layout::sounds();
        QCOMPARE(disc.size(), SoundCount);
        for (int i = 0; i < SoundCount; ++i) {
            QCOMPARE(disc.at(i).fileName, ::soundTable().at(i).fileName);
            QCOMPARE(disc.at(i).name, ::soundTable().at(i).name);
        }
    }

    void layout()
    {
        Fixture f;
        QCOMPARE(f.panel->size(), QSize(561, 393));
        QVERIFY(f.panel->isHidden());
        // Three columns, 24 pixels apart, from 40 down.
        const QList<QPair<int, QPoint>> buttons = { { 0, { 24, 40 } }, { 12, { 24, 328 } },
            { 13, { 216, 40 } }, { 20, { 216, 208 } }, { 21, { 368, 40 } }, { 28, { 368, 208 } } };
        for (const auto &[index, place] : buttons) {
            QCOMPARE(f.play(index)->geometry(), QRect(place, QSize(17, 17)));
            QCOMPARE(
                control<QLabel>(f.panel, arrayName(QStringLiteral("lblSound"), index))->x(), place.x() + 24);
        }
        QCOMPARE(control<QLabel>(f.panel, QStringLiteral("Label10"))->geometry(), QRect(152, 8, 233, 25));
        QCOMPARE(control<QLabel>(f.panel, QStringLiteral("Label10"))->text(),
            QStringLiteral("Automobile Sound Effects"));
        QCOMPARE(
            control<SSCommand>(f.panel, QStringLiteral("SSCommand3"))->geometry(), QRect(24, 352, 241, 25));
        QCOMPARE(control<SSCommand>(f.panel, QStringLiteral("SSCommand3"))->text(), QStringLiteral("Stop"));
        QCOMPARE(
            control<SSCommand>(f.panel, QStringLiteral("SSCommand1"))->geometry(), QRect(264, 352, 241, 25));
        QVERIFY(control<QWidget>(f.panel, QStringLiteral("Image5"))->isVisibleTo(f.panel));
    }

    // "Sound Effects" closes the screen-saver photo window, lays the panel
    // from the top of the photograph, centred left of the end of the year
    // strip, and gives the focus to "Close".
    void openingPlacesThePanel()
    {
        Fixture f;
        f.main->showScreenSaverPhotoWindow();
        f.run.desktop.calls.clear();
        f.main->menu(QStringLiteral("mnuSound"))->trigger();
        QVERIFY(f.panel->isVisible());
        QCOMPARE(f.run.desktop.calls, QStringList({ "topmost off" }));
        const QWidget *exit = control<QWidget>(f.main, QStringLiteral("cmdExit"));
        const int exitRight = exit->mapTo(f.panel->parentWidget(), QPoint(exit->width(), 0)).x();
        QCOMPARE(f.panel->x(), (exitRight - 561) / 2);
        QCOMPARE(f.panel->y(), control<QWidget>(f.main, QStringLiteral("Image4"))->y());
        QCOMPARE(f.main->focusWidget(), control<QWidget>(f.panel, QStringLiteral("SSCommand1")));
        QVERIFY(f.run.media->calls.isEmpty());
    }

    // A second sound ends the first: "close" comes before the second is
    // opened. The first click is a real press and release.
    void aSecondSoundInterruptsTheFirst()
    {
        Fixture f({ "taxi.wav", "stuck.wav" });
        f.main->show();
        f.main->menu(QStringLiteral("mnuSound"))->trigger();
        QTest::mousePress(f.play(5), Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::mouseRelease(f.play(5), Qt::LeftButton);
        f.panel->SSCommand2_Click(26);
        QCOMPARE(f.run.media->calls, f.playing("taxi.wav") + f.playing("stuck.wav"));
    }

    void stopEndsTheSoundAndCloseLetsItPlayOn()
    {
        Fixture f({ "passby.wav" });
        f.main->menu(QStringLiteral("mnuSound"))->trigger();
        f.panel->SSCommand3_Click(); // nothing plays: nothing to see
        QCOMPARE(f.run.media->calls, QStringList({ "close" }));
        f.panel->SSCommand2_Click(18);
        f.run.media->calls.clear();
        f.panel->SSCommand3_Click();
        QCOMPARE(f.run.media->calls, QStringList({ "close" }));

        f.panel->SSCommand2_Click(18);
        f.run.media->calls.clear();
        f.main->disableMainWindow();
        f.panel->SSCommand1_Click();
        QVERIFY(f.panel->isHidden());
        QVERIFY(f.main->centralWidget()->isEnabled());
        QVERIFY(f.run.media->calls.isEmpty()); // the sound goes on to its end
        QVERIFY(f.run.dialogs.shown().isEmpty());
    }

    void missingOrUnplayableSoundReportsER038_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("missing") << false << QStringList();
        QTest::newRow("cannot be played")
            << true << QStringList({ "close", "deviceType=WaveAudio", "fileName=", "open" });
    }
    // Nothing plays, the box says ER038 and the panel stays open.
    void missingOrUnplayableSoundReportsER038()
    {
        QFETCH(bool, present);
        QFETCH(QStringList, sent);
        Fixture f(present ? QStringList { "stuck.wav" } : QStringList {});
        f.run.media->answers.insert(QStringLiteral("open"), false);
        f.main->menu(QStringLiteral("mnuSound"))->trigger();
        f.panel->SSCommand2_Click(26);
        if (present)
            sent[2] += f.wav("stuck.wav");
        QCOMPARE(f.run.media->calls, sent);
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QVERIFY(f.run.dialogs.last().text.startsWith(
            QStringLiteral("Error number: ER038\r\n\r\n Unable to load the 'Sound Effects' file.")));
        QVERIFY(f.panel->isVisible());
    }
};

QTEST_MAIN(TestSoundPanel)
#include "tst_soundpanel.moc"
