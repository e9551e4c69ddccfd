#include "main/mainwindow.h"
#include "main/splashwindow.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"
#include "support/windowtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList captionsOf(const QList<QAction *> &actions)
{
    QStringList captions;
    for (const QAction *action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}
}

class TestStartup : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        touchFile(m_dir.filePath(QStringLiteral("disc/birds/55001.jpg")));
        touchFile(m_dir.filePath(QStringLiteral("disc/birds/57001.jpg")));
        touchFile(m_dir.filePath(QStringLiteral("program/passby.wav")));
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startsOnAnExact800x600Screen()
    {
        Harness run(m_dir);
        run.startup.run({});
        QVERIFY(run.startup.splash()->isVisible());
        QCOMPARE(run.session.roots.MediaRoot, QStringLiteral("E:"));
        QCOMPARE(run.session.roots.PhotoRoot, QStringLiteral("E:"));
        QCOMPARE(run.media->calls,
                 QStringList({ "close", "deviceType=WaveAudio",
                               "fileName=" + m_dir.filePath(QStringLiteral("program/passby.wav")), "open", "play" }));
        QCOMPARE(run.startup.splash()->Timer1.interval(), 5000);
        QVERIFY(run.startup.splash()->Timer1.isActive());
        QVERIFY(run.session.FirstClickPending);
        QCOMPARE(run.session.photoIndex.Count(), 2);
        QVERIFY(run.dialogs.shown().isEmpty());

        run.startup.Timer1_Timer();
        MainWindow *window = run.startup.mainWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(window->frameGeometry(), QRect(0, 0, 800, 600)); // first run: the whole screen
        QVERIFY(window->menu(QStringLiteral("mnuHideStatus"))->isVisible());
        QCOMPARE(control<QFrame>(window, QStringLiteral("Frame1"))->y(), 520);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        const QStringList years{ "1955", "1956", "1957", "1958", "1959", "1960", "1961",
                                 "1962", "1963", "1964", "1965", "1966", "2002" };
        for (int list : { 0, 1 }) {
            QStringList items;
            for (int row = 0; row < control<QListWidget>(window, arrayName(QStringLiteral("List1"), list))->count(); ++row)
                items << control<QListWidget>(window, arrayName(QStringLiteral("List1"), list))->item(row)->text();
            QCOMPARE(items, years);
        }
        window->close();
    }

    void otherScreensForceTheDesignedSize()
    {
        Harness run(m_dir, QSize(1024, 768));
        run.settings.write("The Vireon Anthology", "Settings", "MainLeft", "1500");
        run.settings.write("The Vireon Anthology", "Settings", "MainWidth", "3000");
        run.startup.run({});
        run.startup.Timer1_Timer();
        MainWindow *window = run.startup.mainWindow();
        QCOMPARE(window->frameGeometry(), QRect(100, 0, 799, 606)); // saved place, forced size
        QVERIFY(!window->menu(QStringLiteral("mnuHideStatus"))->isVisible());
        // The strip sits right below the photograph, wherever it was before.
        auto *strip = control<QFrame>(window, QStringLiteral("Frame1"));
        QCOMPARE(strip->y(), 24 + 496);
        strip->move(0, 300);
        window->takeDesignedSize();
        QCOMPARE(strip->geometry(), QRect(0, 520, 801, 33));
        window->close();
    }

    void missingIntroSoundIsSilent()
    {
        QTemporaryDir dir;
        touchFile(dir.filePath(QStringLiteral("disc/birds/55001.jpg")));
        Harness run(dir);
        run.startup.run({});
        QVERIFY(run.media->calls.isEmpty());
        QVERIFY(run.dialogs.shown().isEmpty());
        run.startup.playIntroSound();
        QCOMPARE(run.session.errors.errorCode(), QStringLiteral("ER055"));
        QVERIFY(run.media->calls.isEmpty());
        QVERIFY(run.dialogs.shown().isEmpty());
    }

    void programFolderWithoutPhotographsStarts()
    {
        QTemporaryDir dir;
        touchFile(dir.filePath(QStringLiteral("program/passby.wav")));
        Harness run(dir);
        run.startup.run({ QStringLiteral("HWI") });
        QCOMPARE(run.session.photoIndex.Count(), 0);
        QVERIFY(run.dialogs.shown().isEmpty());
        run.startup.Timer1_Timer();
        QVERIFY(run.startup.mainWindow()->isVisible());
        run.startup.mainWindow()->close();
    }

    void theMainWindowWaitsForARetryBoxOfStartUp()
    {
        QTemporaryDir dir;
        Harness run(dir); // "HWI" with no program folder: the photographs cannot be read
        bool mainWindowDuringBox = true;
        run.dialogs.whileShown = [&] {
            run.startup.Timer1_Timer(); // the splash delay runs out while the box is open
            mainWindowDuringBox = run.startup.mainWindow() != nullptr;
            touchFile(dir.filePath(QStringLiteral("program/birds/60001.jpg")));
        };
        run.dialogs.script({ Dialogs::Answer::Retry });
        run.startup.run({ QStringLiteral("HWI") });
        QVERIFY(run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER037")));
        QVERIFY(!mainWindowDuringBox);
        QCOMPARE(run.session.photoIndex.Count(), 1);
        QVERIFY(run.startup.mainWindow() && run.startup.mainWindow()->isVisible()); // opened once it was answered
        run.startup.mainWindow()->close();
    }

    void programFolderModeNeedsNoDisc()
    {
        QTemporaryDir dir;
        touchFile(dir.filePath(QStringLiteral("program/birds/60001.jpg")));
        Harness run(dir);
        run.startup.run({ QStringLiteral("HWI") });
        QCOMPARE(run.session.roots.MediaRoot, run.session.roots.ProgramFolder);
        QCOMPARE(run.session.roots.PhotoRoot, run.session.roots.ProgramFolder);
        QCOMPARE(run.session.photoIndex.Count(), 1);
        QVERIFY(run.dialogs.shown().isEmpty());
    }

    void secondInstanceIsRefused()
    {
        SingleInstance first(m_dir.filePath(QStringLiteral("lock")));
        QVERIFY(first.acquire());
        Harness run(m_dir);
        TerminationCatcher catcher;
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, run.startup.run({}));
        QCOMPARE(run.dialogs.shown().size(), 1);
        const Dialogs::Message &box = run.dialogs.last();
        QCOMPARE(box.text, QStringLiteral("The Vireon Anthology is already running!"));
        QCOMPARE(box.title, QStringLiteral("The Vireon Anthology"));
        QCOMPARE(box.icon, Dialogs::Icon::Critical);
        QVERIFY(box.systemModal);
        QVERIFY(run.media->calls.isEmpty());
        run.startup.splash()->close();
    }

    void closingSavesThePlaceUnlessMinimised()
    {
        Harness run(m_dir);
        run.startup.run({});
        run.startup.Timer1_Timer();
        MainWindow *window = run.startup.mainWindow();
        window->move(30, 40);
        QSignalSpy closed(window, &MainWindow::closed);
        QTest::mouseClick(control<SSCommand>(window, QStringLiteral("cmdExit")), Qt::LeftButton);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(run.settings.read("The Vireon Anthology", "Settings", "MainLeft", {}), QStringLiteral("450"));
        QCOMPARE(run.settings.read("The Vireon Anthology", "Settings", "MainTop", {}), QStringLiteral("600"));
        QCOMPARE(run.settings.read("The Vireon Anthology", "Settings", "MainWidth", {}), QStringLiteral("12000"));
        QVERIFY(run.media->calls.endsWith(QStringLiteral("close")));
        QCOMPARE(run.desktop.calls, QStringList({ "show" }));

        run.settings.values.clear();
        window->show();
        window->setWindowState(Qt::WindowMinimized);
        window->close();
        QVERIFY(run.settings.values.isEmpty());
    }

    void hideStatusBarTogglesAndAnyResizeUndoesIt()
    {
        Harness run(m_dir);
        run.startup.run({});
        run.startup.Timer1_Timer();
        MainWindow *window = run.startup.mainWindow();
        QAction *item = window->menu(QStringLiteral("mnuHideStatus"));
        window->setGeometry(50, 50, 400, 300);
        QCoreApplication::processEvents();

        run.desktop.calls.clear();
        item->trigger();
        QCoreApplication::processEvents(); // the window system reports our own resize
        QCOMPARE(item->text(), QStringLiteral("ShowStatusBar"));
        QCOMPARE(window->frameGeometry(), QRect(0, 0, 800, 600));
        QCOMPARE(run.desktop.calls, QStringList({ "find", "hide" }));

        window->resize(500, 400); // the user resizes: the task bar comes back
        QCoreApplication::processEvents();
        QCOMPARE(item->text(), QStringLiteral("HideStatusBar"));
        QCOMPARE(run.desktop.calls.constLast(), QStringLiteral("show"));

        item->trigger();
        item->trigger();
        QCOMPARE(item->text(), QStringLiteral("HideStatusBar"));
        QCOMPARE(run.desktop.calls.mid(run.desktop.calls.size() - 2), QStringList({ "find", "show" }));
        window->close();
    }

    void layoutAndMenusAreAsDesigned()
    {
        Harness run(m_dir);
        run.startup.run({});
        run.startup.Timer1_Timer();
        MainWindow *window = run.startup.mainWindow();
        QCOMPARE(window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("The Vireon Anthology"));
        QCOMPARE(yearButton(window, 1)->geometry(), QRect(8, 4, 48, 25));
        QCOMPARE(yearButton(window, 13)->geometry(), QRect(592, 4, 48, 25));
        QCOMPARE(yearButton(window, 13)->text(), QStringLiteral("2002"));
        QCOMPARE(window->findChild<QWidget *>(QStringLiteral("Image4"))->geometry(), QRect(8, 24, 776, 496));
        QCOMPARE(control<SSCommand>(window, QStringLiteral("cmdClipArt"))->text(), QStringLiteral("ClipArt "));
        for (const char *hidden : { "SpinButton1", "panPhoto", "panYear", "txtFile", "rtbDetails", "pnlPrint",
                                    "pnlSSaver", "pnlProgress", "pnlSound", "ssPnlSongs", "picClipArt" })
            QVERIFY2(window->findChild<QWidget *>(QLatin1String(hidden))->isHidden(), hidden);

        QCOMPARE(captionsOf(window->menuBar()->actions()),
                 QStringList({ "File", "Sound Effects", "Movies", "Miscellaneous", "Vireon Stuff", "HideStatusBar", "Help" }));
        const QMenu *file = window->menu(QStringLiteral("mnuFile"))->menu();
        // Every designed separator is shown, the one at the top of File too.
        for (QAction *line : file->actions())
            QVERIFY(!const_cast<QMenu *>(file)->actionGeometry(line).isEmpty());
        QCOMPARE(captionsOf(file->actions()),
                 QStringList({ "-", "Create &Wallpaper Instructions", "Copy Photo", "-",
                               "Copy CD-ROM photos to hard drive", "Remove photos from hard drive", "-",
                               "Copy CD-ROM movies to hard drive", "Remove movies from hard drive", "-",
                               "Install Screen saver", "Install Intel Video Software", "-", "Print Photo",
                               "Print Booklet", "Print Setup", "-", "Check Screen Resolution", "-",
                               "Show File &Names", "-", "Exit" }));
        QCOMPARE(captionsOf(window->menu(QStringLiteral("mnuHelp"))->menu()->actions()),
                 QStringList({ "Contents", "-", "Visit the Quillon Software website ", "Register On-line",
                               "Print Registration Form", "-", "Introduction", "Notice", "Credits",
                               "Contributions", "-", "About" }));
        QCOMPARE(window->menu(QStringLiteral("mnuFile"))->property("HelpContextID").toInt(), 1510);
        QCOMPARE(file->actions().at(9)->property("HelpContextID").toInt(), 1620);

        QSignalSpy closed(window, &MainWindow::closed);
        window->menu(QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(closed.size(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
