#include "core/errortable.h"
#include "platform/ui/codeccheck.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/transportbar.h"
#include "support/fakehost.h"
#include "support/harness.h"
#include "support/windowtest.h"
#include "viewers/movieplayer.h"
#include "viewers/moviewindow.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {
const QStringList AllMovies = { "1956.avi", "1958_3.avi", "Vireon2002.avi", "1962_2.avi", "1966.avi" };

// The movie player over a disc in E: and a program folder, with a fake main
// window; what the movie window does is scripted by each test.
struct Fixture
{
    explicit Fixture(const QStringList &discMovies = AllMovies, const QStringList &copied = {})
    {
        for (const QString &name : discMovies)
            touchFile(dir.filePath(QStringLiteral("disc/movies/") + name));
        for (const QString &name : copied)
            touchFile(dir.filePath(QStringLiteral("program/movies/") + name));
        services.session.roots.ProgramFolder = dir.filePath(QStringLiteral("program"));
        services.session.errors.setHost(&host);
    }
    // Opens the movie window from the menu and runs action inside it.
    void open(const std::function<void(MovieWindow &)> &action)
    {
        services.dialogs.scriptModal(
            [action](QDialog &window) { action(static_cast<MovieWindow &>(window)); });
        player.mnuMovies_Click();
    }
    QStringList opening(const QString &file) const
    {
        return { "wait=true", "close", "deviceType=AVIVideo", "fileName=" + file, "open" };
    }
    QString disc(const QString &name) const { return dir.filePath(QStringLiteral("disc/movies/") + name); }
    QStringList reported() const
    {
        QStringList codes;
        for (const Dialogs::Message &box : services.dialogs.shown())
            codes << box.text.section(QStringLiteral("\r\n"), 0, 0);
        return codes;
    }
    QStringList &calls() { return services.media->calls; }

    QTemporaryDir dir;
    TestServices services { dir.filePath(QStringLiteral("disc")), dir.filePath(QStringLiteral("printed")) };
    FakeHost host;
    MoviePlayer player { services.platform, services.session, host };
};

QToolButton *barButton(QWidget &window, const char *name)
{
    return control<QToolButton>(
        control<TransportBar>(&window, QStringLiteral("MMControl1")), QLatin1String(name));
}
} // namespace

// The movie window: where it reads the movies from, how it opens them and
// drives its media bar, how it closes, and the offer of the video software.
class TestMoviePlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Without a copy the movies come from the disc; opening the window
    // opens the first movie at once, ready to play, and draws it into PicMovie.
    void openingReadsTheDiscAndOpensTheFirstMovie()
    {
        Fixture f;
        f.open([&](MovieWindow &w) {
            QCOMPARE(w.objectName(), QStringLiteral("frmMovie"));
            QCOMPARE(w.windowTitle(), QStringLiteral("Vireon Movies"));
            QCOMPARE(w.size(), QSize(322, 406));
            QCOMPARE(w.frameGeometry().topLeft(), QPoint((800 - 322) / 2, (600 - 406) / 2));
            QCOMPARE(f.host.calls, QStringList({ "close saver", "disable" }));
            QCOMPARE(f.calls(), f.opening(f.disc("1956.avi")) + QStringList { "displayWindow=PicMovie" });
            QVERIFY(w.optMovie(0)->isChecked());
            QVERIFY(control<TransportBar>(&w, QStringLiteral("MMControl1"))->isVisible());
        });
        QCOMPARE(f.player.MovieFolder, QStringLiteral("E:\\movies\\"));
        QCOMPARE(f.services.dialogs.modalWindows, QStringList({ "frmMovie" }));
        // Closed by the window's own close box: the main window comes back, the focus stays.
        QCOMPARE(f.host.calls.mid(2), QStringList({ "enable" }));
        QVERIFY(f.services.dialogs.shown().isEmpty());
    }

    // A copy with any movie at all is used; a movie missing from it is ER045
    // and the movie that was open stays open.
    void aPartialCopyIsUsed()
    {
        Fixture f(AllMovies, { "1956.AVI" });
        f.open([&](MovieWindow &w) {
            QCOMPARE(
                f.calls().at(3), "fileName=" + f.dir.filePath(QStringLiteral("program/movies/1956.AVI")));
            f.calls().clear();
            w.optMovie_Click(3);
            QVERIFY(f.calls().isEmpty());
            QCOMPARE(f.reported(), QStringList({ "Error number: ER045" }));
            QVERIFY(f.services.dialogs.last().text.contains(QStringLiteral(" Unable to load Vireon Movie.")));
            QVERIFY(w.isVisible());
        });
        QCOMPARE(
            f.player.MovieFolder, f.dir.filePath(QStringLiteral("program")) + QStringLiteral("\\movies\\"));
    }

    void movieTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QRect>("place");
        QTest::newRow("0") << 0 << "56 A Classic Design"
                           << "1956.avi" << QRect(16, 56, 153, 17);
        QTest::newRow("1") << 1 << "58 Inverness"
                           << "1958_3.avi" << QRect(16, 80, 137, 17);
        QTest::newRow("2 plays Vireon2002") << 2 << "58 Vireon Country"
                                            << "Vireon2002.avi" << QRect(16, 104, 153, 18);
        QTest::newRow("3") << 3 << "62 Vireon"
                           << "1962_2.avi" << QRect(176, 56, 113, 18);
        QTest::newRow("4") << 4 << "66 Moon River"
                           << "1966.avi" << QRect(176, 80, 113, 17);
    }
    // Each option opens its own movie in place of the one that was open.
    void movieTable()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QFETCH(QRect, place);
        Fixture f;
        f.open([&](MovieWindow &w) {
            QCOMPARE(w.optMovie(index)->text(), caption);
            QCOMPARE(w.optMovie(index)->geometry(), place);
            f.calls().clear();
            QTest::mouseClick(w.optMovie(index), Qt::LeftButton);
            QCOMPARE(f.calls(), f.opening(f.disc(file)));
        });
        QVERIFY(f.services.dialogs.shown().isEmpty());
    }

    void layout()
    {
        Fixture f;
        f.open([&](MovieWindow &w) {
            QCOMPARE(control<QLabel>(&w, QStringLiteral("PicMovie"))->geometry(), QRect(8, 8, 305, 201));
            QCOMPARE(control<QWidget>(&w, QStringLiteral("SSPanel1"))->geometry(), QRect(8, 220, 305, 169));
            auto *bar = control<TransportBar>(&w, QStringLiteral("MMControl1"));
            QCOMPARE(bar->geometry(), QRect(16, 16, 271, 20));
            QStringList words;
            for (int i = 0; i < bar->count(); ++i)
                words << bar->button(i)->toolTip();
            QCOMPARE(words, QStringList({ "Prev", "Next", "Play", "Pause", "Back", "Step", "Stop" }));
            QCOMPARE(control<SSCommand>(&w, QStringLiteral("SSCommand2"))->text(), QStringLiteral("Help"));
            QCOMPARE(
                control<SSCommand>(&w, QStringLiteral("SSCommand2"))->geometry(), QRect(16, 128, 137, 25));
            QCOMPARE(control<SSCommand>(&w, QStringLiteral("SSCommand1"))->text(), QStringLiteral("Exit"));
            QCOMPARE(
                control<SSCommand>(&w, QStringLiteral("SSCommand1"))->geometry(), QRect(152, 128, 129, 25));
        });
    }

    // Back, Next and Play send their commands; Stop stops and rewinds, so
    // that Play then plays from the start; Prev, Pause and Step do what a
    // media bar does. The bar follows the playing.
    void mediaBar()
    {
        Fixture f;
        f.open([&](MovieWindow &w) {
            f.calls().clear();
            for (const char *button : { "Play", "Stop", "Play", "Pause", "Back", "Step", "Next", "Prev" })
                QTest::mouseClick(barButton(w, button), Qt::LeftButton);
            QCOMPARE(f.calls(),
                QStringList({ "play", "stop", "prev", "play", "pause", "back", "step", "next", "prev" }));

            w.MMControl1_PlayClick();
            QVERIFY(barButton(w, "Pause")->isEnabled() && !barButton(w, "Step")->isEnabled());
            f.services.media->last()->done(); // played to its end
            QVERIFY(!barButton(w, "Pause")->isEnabled() && barButton(w, "Step")->isEnabled());
        });
    }

    // A disc without the first movie: ER045 at once, and no bar to play nothing with.
    void missingFirstMovie()
    {
        Fixture f(QStringList {});
        f.open([&](MovieWindow &w) {
            QCOMPARE(f.reported(), QStringList({ "Error number: ER045" }));
            QVERIFY(!control<TransportBar>(&w, QStringLiteral("MMControl1"))->isVisible());
            QVERIFY(control<QLabel>(&w, QStringLiteral("PicMovie"))->isVisible());
        });
    }

    // A movie that cannot be opened is ER045 from the failure handler: the
    // main window comes back, the focus stays where it is.
    void aMovieThatCannotBeOpened()
    {
        Fixture f;
        f.services.media->answers.insert(QStringLiteral("open"), false);
        f.open([&](MovieWindow &) {
            QCOMPARE(f.reported(), QStringList({ "Error number: ER045" }));
            QCOMPARE(f.host.calls, QStringList({ "close saver", "disable", "enable" }));
        });
    }

    void exitGivesTheFocusToTheYearButtons()
    {
        Fixture f;
        f.open([&](MovieWindow &w) {
            f.host.calls.clear();
            QTest::mouseClick(control<SSCommand>(&w, QStringLiteral("SSCommand1")), Qt::LeftButton);
            QVERIFY(!w.isVisible());
        });
        QCOMPARE(f.host.calls, QStringList({ "enable", "focus" }));
    }

    // Where the disc's installer cannot run, Yes checks the decoders of the
    // period's formats and shows which play here; the window then opens
    // afresh, from the same folder.
    void helpOfferWithoutAnInstaller()
    {
        Fixture f(AllMovies, { "1956.avi" });
        f.services.desktop.windowsPrograms = false;
        f.open([&](MovieWindow &w) {
            f.host.calls.clear();
            f.calls().clear();
            w.SSCommand2_Click();
        });
        const QList<Dialogs::Message> &boxes = f.services.dialogs.shown();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes.at(0).title, ProgramTitle);
        QCOMPARE(boxes.at(0).text,
            QStringLiteral("If you are experiencing difficulties running the Vireon movies,\r\n"
                           "you may need to install the Intel Indeo Video Software.\r\n\r\n"
                           "Would you like to install this software now?"));
        QCOMPARE(boxes.at(0).buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(boxes.at(0).icon, Dialogs::Icon::Question);
        QCOMPARE(boxes.at(1).title, ProgramTitle);
        QVERIFY(boxes.at(1).text.endsWith(CodecCheck::periodFormatReport()));
        QVERIFY(boxes.at(1).text.contains(QStringLiteral("Cinepak video: ")));
        QVERIFY(f.services.desktop.calls.isEmpty()); // nothing was run
        QCOMPARE(f.services.dialogs.modalWindows, QStringList({ "frmMovie", "frmMovie" }));
        QCOMPARE(f.host.calls, QStringList({ "disable", "enable", "enable", "disable", "enable" }));
        QCOMPARE(f.calls().mid(0, 5), f.opening(f.dir.filePath(QStringLiteral("program/movies/1956.avi"))));
    }

    void helpOfferAnsweredNo()
    {
        Fixture f;
        f.services.dialogs.script({ Dialogs::Answer::No });
        f.open([&](MovieWindow &w) {
            f.host.calls.clear();
            w.SSCommand2_Click();
            QVERIFY(w.isVisible());
            QVERIFY(f.host.calls.isEmpty());
        });
        QCOMPARE(f.services.dialogs.shown().size(), 1);
        QCOMPARE(f.services.dialogs.modalWindows.size(), 1);
    }

    // Where it can run, Yes runs the disc's installer and waits for it, with
    // the main window out of play; one that cannot be started is ER003.
    void helpOfferRunsTheInstaller_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("starts");
        QTest::newRow("runs") << true << true;
        QTest::newRow("cannot start") << true << false;
        QTest::newRow("missing") << false << false;
    }
    void helpOfferRunsTheInstaller()
    {
        QFETCH(bool, present);
        QFETCH(bool, starts);
        Fixture f;
        const QString installer = f.dir.filePath(QStringLiteral("disc/IndeoVideo/iv5play.exe"));
        if (present)
            touchFile(installer);
        f.services.desktop.run.started = starts;
        f.open([&](MovieWindow &w) {
            f.host.calls.clear();
            w.SSCommand2_Click();
        });
        QCOMPARE(f.services.desktop.calls, present ? QStringList { "run " + installer } : QStringList {});
        if (present && starts) {
            QCOMPARE(f.services.dialogs.shown().size(), 1);
            QCOMPARE(f.services.dialogs.modalWindows.size(), 2);
        } else {
            QCOMPARE(f.reported().mid(1), QStringList({ "Error number: ER003" }));
            QVERIFY(f.services.dialogs.last().text.contains(
                QStringLiteral(" Unable to load Intel Video driver install software.")));
            QCOMPARE(f.services.dialogs.modalWindows.size(), 1);
            QCOMPARE(
                f.host.calls.mid(0, 2), QStringList({ "disable", "enable" })); // the report gives it back
        }
    }

    // From the main window's menu: the same offer, and no movie window.
    void installMenuEntry()
    {
        Fixture f;
        touchFile(f.dir.filePath(QStringLiteral("disc/IndeoVideo/IV5PLAY.EXE")));
        f.player.mnuVideo_Click();
        QCOMPARE(f.host.calls, QStringList({ "close saver", "disable", "enable" }));
        QCOMPARE(f.services.desktop.calls,
            QStringList({ "run " + f.dir.filePath(QStringLiteral("disc/IndeoVideo/IV5PLAY.EXE")) }));
        QVERIFY(f.services.dialogs.modalWindows.isEmpty());
    }
};

QTEST_MAIN(TestMoviePlayer)
#include "tst_movieplayer.moc"
