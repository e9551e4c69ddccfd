#include "libraryfixture.h"
#include "core/screensaverconfig.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"

#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {
QString setting(const LibraryFixture &f, const QString &key)
{
    using namespace ScreenSaverConfig;
    return f.run.settings.values.value(Application + u'/' + Section + u'/' + key);
}

SSPanel *installPanel(const LibraryFixture &f)
{
    return control<SSPanel>(f.window, QStringLiteral("pnlSSaver"));
}

void install(const LibraryFixture &f)
{
    control<SSCommand>(installPanel(f), QStringLiteral("SSCommand4"))->click();
}
}

class TestScreenSaverPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void opensWithTheListOptionAndTheFirstDelay()
    {
        LibraryFixture f;
        f.run.session.PhotoDelay = 15000;
        f.menu("mnuSaver");
        SSPanel *panel = installPanel(f);
        QVERIFY(!panel->isHidden());
        QCOMPARE(panel->size(), QSize(417, 345));
        auto *exit = control<QWidget>(f.window, QStringLiteral("cmdExit"));
        const int exitRight = exit->mapTo(panel->parentWidget(), QPoint(exit->width(), 0)).x();
        QCOMPARE(panel->pos(), QPoint((exitRight - 417) / 2, control<QWidget>(f.window, QStringLiteral("Image4"))->y() + 5));
        QVERIFY(!control<QRadioButton>(panel, QStringLiteral("Option1(1)"))->isEnabled());
        QVERIFY(control<QRadioButton>(panel, QStringLiteral("Option1(0)"))->isChecked());
        QCOMPARE(f.window->focusWidget(), control<QWidget>(panel, QStringLiteral("SSCommand6")));
        QCOMPARE(f.run.session.PhotoDelay, 1000);
        QCOMPARE(control<SSPanel>(panel, QStringLiteral("panInterval"))->caption(), QStringLiteral("1 Second"));
        QCOMPARE(control<SpinButton>(panel, QStringLiteral("SpinInterval"))->toolTip(), QStringLiteral("Set Slide Show Delay"));

        writePhoto(f.program(QStringLiteral("ssVireons/55010.JPG")));
        f.menu("mnuSaver");
        QVERIFY(control<QRadioButton>(panel, QStringLiteral("Option1(1)"))->isEnabled());
    }

    void delayTextAfterCancelAndTheIntervalWritten()
    {
        LibraryFixture f;
        f.menu("mnuSaver");
        auto *spin = control<SpinButton>(installPanel(f), QStringLiteral("SpinInterval"));
        for (int i = 0; i < 5; ++i) // 2, 3, 4, 5 and 10 seconds
            QTest::mouseClick(spin->upButton(), Qt::LeftButton);
        QCOMPARE(control<SSPanel>(installPanel(f), QStringLiteral("panInterval"))->caption(), QStringLiteral("10 Seconds"));
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        QCOMPARE(control<SSPanel>(installPanel(f), QStringLiteral("panInterval"))->caption(), QStringLiteral("5 Seconds"));
        QCOMPARE(f.window->focusWidget(), control<QWidget>(installPanel(f), QStringLiteral("SSCommand6")));
        control<SSCommand>(installPanel(f), QStringLiteral("SSCommand6"))->click();
        QVERIFY(installPanel(f)->isHidden());

        f.menu("mnuSaver");
        QCOMPARE(control<SSPanel>(installPanel(f), QStringLiteral("panInterval"))->caption(), QStringLiteral("1 Second"));
        f.run.dialogs.script({ Dialogs::Answer::No });
        install(f);
        QCOMPARE(setting(f, ScreenSaverConfig::Interval), QStringLiteral("1"));
    }

    void selectedPhotosAndCopiesOnTheHardDisk()
    {
        LibraryFixture f;
        writePhoto(f.program(QStringLiteral("ssVireons/55010.JPG")));
        f.menu("mnuSaver");
        control<QRadioButton>(installPanel(f), QStringLiteral("Option1(1)"))->setChecked(true);
        install(f);
        QCOMPARE(setting(f, ScreenSaverConfig::VireonsDir), f.program() .chopped(1) + u"\\ssVireons\\");

        writePhoto(f.program(QStringLiteral("birds/55010.JPG")));
        f.run.dialogs.clear();
        f.menu("mnuSaver");
        control<QRadioButton>(installPanel(f), QStringLiteral("Option1(0)"))->setChecked(true);
        install(f);
        // Photographs on the hard disk: no question.
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QCOMPARE(setting(f, ScreenSaverConfig::VireonsDir), f.program().chopped(1) + u"\\Birds\\");
    }

    void installsTheProgramAndSaysHow()
    {
        LibraryFixture f;
        f.menu("mnuSaver");
        f.run.dialogs.script({ Dialogs::Answer::No });
        install(f);
        QCOMPARE(f.run.dialogs.shown().at(0).text,
                 QStringLiteral("To improve performance, the Vireon photos may be copied from\r\nthe Vireon Anthology CDROM to your hard drive "
                                "before you install\r\nthe Vireon Anthology Screen Saver.\r\n\r\nWould you like to copy the photos now?"));
        QCOMPARE(setting(f, ScreenSaverConfig::VireonsDir), QStringLiteral("E:\\Birds\\"));
        const QString installed = f.dir.filePath(QStringLiteral("windows/Vireon.scr"));
        QCOMPARE(LibraryFixture::contents(installed), LibraryFixture::contents(f.program(QStringLiteral("Vireon.scr"))));
        QVERIFY(QFileInfo(installed).isExecutable());
        QVERIFY(f.texts().constLast().startsWith(QStringLiteral("The Vireon Anthology Screen Saver has been installed!\r\n")));
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::None);
        QCOMPARE(control<SSCommand>(installPanel(f), QStringLiteral("SSCommand6"))->text(), QStringLiteral("Exit"));
        QVERIFY(!installPanel(f)->isHidden());
    }

    void missingProgramIsReported()
    {
        LibraryFixture f;
        QFile::remove(f.program(QStringLiteral("Vireon.scr")));
        f.menu("mnuSaver");
        f.run.dialogs.script({ Dialogs::Answer::No });
        install(f);
        QCOMPARE(f.texts().constLast(), QStringLiteral("Error number: ER049\r\n\r\n Unable to find Screen Saver.\r\n\r\n"
                                                       "Make sure that the Vireon Anthology is in the CDROM drive."));
        QCOMPARE(control<SSCommand>(installPanel(f), QStringLiteral("SSCommand6"))->text(), QStringLiteral("Cancel"));
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("windows/Vireon.scr"))));
    }

    // Yes to the copy question: the copy panel opens and the installation
    // waits until its job has completed.
    void waitsForThePhotoCopy()
    {
        LibraryFixture f;
        f.menu("mnuSaver");
        f.run.events.meanwhile.insert(1, [&] {
            QVERIFY(f.run.session.CopyPending);
            QVERIFY(!control<SSPanel>(f.window, QStringLiteral("pnlProgress"))->isHidden());
            control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        });
        install(f);
        QCOMPARE(f.texts().at(1), QStringLiteral("Photos successfully copied!\r\n"));
        QCOMPARE(setting(f, ScreenSaverConfig::VireonsDir), f.program().chopped(1) + u"\\Birds\\");
        QVERIFY(!f.run.session.CopyPending);
        QVERIFY(f.texts().constLast().startsWith(QStringLiteral("The Vireon Anthology Screen Saver has been installed!")));
    }

    // Closing the copy panel without copying ends the wait: the disc's photographs are used.
    void closingTheCopyPanelEndsTheWait()
    {
        LibraryFixture f;
        f.menu("mnuSaver");
        f.run.events.meanwhile.insert(3, [&] { control<SSCommand>(f.window, QStringLiteral("cmdCancel"))->click(); });
        install(f);
        QCOMPARE(f.run.events.pumps, 3);
        QCOMPARE(setting(f, ScreenSaverConfig::VireonsDir), QStringLiteral("E:\\Birds\\"));
        QVERIFY(!f.run.session.CopyPending);
        QVERIFY(!QFile::exists(f.program(QStringLiteral("birds"))));
    }

    void helpWithoutItsDocument()
    {
        LibraryFixture f;
        f.menu("mnuSaver");
        control<SSCommand>(installPanel(f), QStringLiteral("SSCommand5"))->click();
        QVERIFY(f.texts().constLast().startsWith(
            QStringLiteral("Error number: ER052\r\n\r\n Unable to load 'Install Screen Saver Help' text file.")));
        QVERIFY(f.run.dialogs.modalWindows.isEmpty());
    }
};

QTEST_MAIN(TestScreenSaverPanel)
#include "tst_screensaverpanel.moc"
