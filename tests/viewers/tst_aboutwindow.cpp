#include "core/maker.h"
#include "main/mainwindow.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "support/fakehost.h"
#include "support/harness.h"
#include "support/windowtest.h"
#include "viewers/aboutwindow.h"

#include <QAction>
#include <QLabel>
#include <QTest>

// The about window: its place by the main window's size alone, the maker's
// details, the web button and "OK".
class TestAboutWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void placedByTheMainWindowsSize_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("larger, at the top left") << QRect(0, 0, 800, 600) << QPoint(79, 59);
        // Its position does not enter: the window is centred over a main window at the top left only.
        QTest::newRow("larger, elsewhere") << QRect(150, 90, 800, 600) << QPoint(79, 59);
        QTest::newRow("smaller") << QRect(0, 0, 400, 300) << QPoint(-120, -90);
    }
    void placedByTheMainWindowsSize()
    {
        QFETCH(QRect, main);
        QFETCH(QPoint, place);
        QTemporaryDir dir;
        TestServices services(dir.filePath(QStringLiteral("disc")), dir.filePath(QStringLiteral("printed")));
        QWidget mainWindow;
        mainWindow.setGeometry(main);
        FakeHost host;
        host.window = &mainWindow;
        services.dialogs.scriptModal([&](QDialog &w) {
            QCOMPARE(w.objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(w.windowTitle(), QString());
            QCOMPARE(w.size(), QSize(641, 481));
            QCOMPARE(w.frameGeometry().topLeft(), place);
            QCOMPARE(control<SSPanel>(&w, QStringLiteral("panQuillon"))->caption(),
                Maker::Name + "\r\n" + Maker::Street + "\r\n" + Maker::Town + "\r\n\r\n" + Maker::WebAddress);
            QVERIFY(control<SSPanel>(&w, QStringLiteral("SSPanel2"))->caption().startsWith(u'\u00a9'));
            QCOMPARE(control<SSPanel>(&w, QStringLiteral("SSPanel1"))->caption(),
                QStringLiteral("Vireon Anthology"));
            QCOMPARE(control<SSPanel>(&w, QStringLiteral("SSPanel5"))->caption(), QStringLiteral("The"));
            QCOMPARE(control<QLabel>(&w, QStringLiteral("Picture2"))->geometry(), QRect(240, 16, 161, 86));
            QCOMPARE(control<SSCommand>(&w, QStringLiteral("SSCommand2"))->text(), Maker::WebAddress);
            QTest::mouseClick(control<SSCommand>(&w, QStringLiteral("SSCommand1")), Qt::LeftButton); // "OK"
            QVERIFY(!w.isVisible());
        });
        ShowAbout(services.platform, host);
        QCOMPARE(host.calls, QStringList({ "close saver" }));
        QCOMPARE(services.dialogs.modalWindows, QStringList({ "frmAbout" }));
    }

    // The web button shows the task bar the main window hid, and opens the
    // maker's site; the window stays open and the main window's entry still
    // offers to show the task bar.
    void webButton()
    {
        QTemporaryDir dir;
        writePhoto(dir.filePath(QStringLiteral("disc/birds/55001.jpg")));
        Harness run(dir);
        run.startup.run({});
        run.startup.Timer1_Timer();
        MainWindow *main = run.startup.mainWindow();
        main->mnuHideStatus_Click();
        QCOMPARE(main->menu(QStringLiteral("mnuHideStatus"))->text(), QStringLiteral("ShowStatusBar"));
        run.desktop.calls.clear();
        run.dialogs.scriptModal([&](QDialog &w) {
            QTest::mouseClick(control<SSCommand>(&w, QStringLiteral("SSCommand2")), Qt::LeftButton);
            QVERIFY(w.isVisible());
        });
        main->menu(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(run.desktop.calls, QStringList({ "show", "open " + Maker::WebAddress }));
        QVERIFY(!Maker::WebAddress.contains(u':')); // a bare host name
        QCOMPARE(main->menu(QStringLiteral("mnuHideStatus"))->text(), QStringLiteral("ShowStatusBar"));
        main->close();
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
