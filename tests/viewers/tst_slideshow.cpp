#include "main/mainwindow.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"
#include "support/windowtest.h"
#include "viewers/slideshowtransportbar.h"
#include "viewers/slideshowviewer.h"

#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
using Bar = SlideShowTransportBar;

// A disc of 21 photographs in index order: 1955 at 1..8, 1962 at 9..12,
// 2002 at 13..15, then "The Vostrel Vireon " (16), two Danbury models (17,
// 18), a Franklin Mint model that cannot be decoded (19), a cookie and a coin.
struct Fixture
{
    explicit Fixture(QSize screen = QSize(800, 600)) : run(dir, screen)
    {
        QStringList names;
        for (int i = 1; i <= 8; ++i)
            names << QStringLiteral("55%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        names << "62001.jpg" << "62002.jpg" << "62003.jpg" << "62004.jpg" << "A2001.jpg" << "A2002.jpg"
              << "A2003.jpg" << "CW001.jpg" << "TD001.jpg" << "TD002.jpg" << "VC001.jpg" << "ZY001.jpg";
        for (const QString &name : names)
            writePhoto(dir.filePath(QStringLiteral("disc/birds/") + name));
        QFile broken(dir.filePath(QStringLiteral("disc/birds/TF001.jpg")));
        broken.open(QIODevice::WriteOnly);
        broken.write("not a photograph");
        broken.close();
        touchFile(dir.filePath(QStringLiteral("program/passby.wav")));
        run.startup.run({});
        run.startup.Timer1_Timer();
        main = run.startup.mainWindow();
        run.dialogs.clear();
    }
    ~Fixture()
    {
        if (show)
            show->close();
        main->close();
    }
    SlideShowWindow *open()
    {
        show = main->slideShow().openShow();
        show->show();
        return show;
    }
    QToolButton *bar(Bar::Button button) const { return show->mmSlide->button(button); }
    int &cursor() { return run.session.navigator.PhotoCursor; }
    QString counter() const { return show->pnlPhotoNumber->caption(); }
    QStringList reported() const
    {
        QStringList codes;
        for (const Dialogs::Message &box : run.dialogs.shown())
            codes << box.text.section(QStringLiteral("\r\n"), 0, 0).right(5);
        return codes;
    }

    QTemporaryDir dir;
    Harness run;
    MainWindow *main = nullptr;
    QPointer<SlideShowWindow> show;
};

}

class TestSlideShow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startWithoutPhotographThenFirstTick()
    {
        Fixture f;
        f.run.session.SelectionCode = QStringLiteral("A2");
        f.main->slideShow().show().PhotoDelay = 30000;
        SlideShowWindow *w = f.open();
        QCOMPARE(w->objectName(), QStringLiteral("frmSlide"));
        QCOMPARE(w->geometry(), f.main->geometry());
        QVERIFY(!w->Image1->hasImage() && w->panYear->isHidden() && w->pnlPhotoNumber->isHidden());
        QCOMPARE(w->panYear->caption(), QStringLiteral("1955 ")); // from photograph 1
        QCOMPARE(w->panInterval->caption(), QStringLiteral(" 1 second"));
        QCOMPARE(f.cursor(), 0);
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("55"));
        QVERIFY(w->optSeq(0)->isChecked());
        QVERIFY(!f.bar(Bar::Pause)->isEnabled() && f.bar(Bar::Play)->isEnabled() && f.bar(Bar::Bkwd)->isEnabled());

        w->Timer1_Timer(); // the timer is stopped: nothing happens
        QVERIFY(!w->Image1->hasImage());
        QTest::mouseClick(f.bar(Bar::Play), Qt::LeftButton);
        QCOMPARE(w->Timer1->interval(), 1000);
        w->Timer1_Timer();
        QVERIFY(w->Image1->hasImage() && w->panYear->isVisible());
        QCOMPARE(f.counter(), QStringLiteral("1 of 21"));
    }

    void startOnTheMainWindowsPhotograph()
    {
        Fixture f;
        yearButton(f.main, 13)->click(); // 2002: photograph 13
        SlideShowWindow *w = f.open();
        QVERIFY(w->Image1->hasImage() && w->panYear->isVisible());
        QCOMPARE(w->panYear->caption(), QStringLiteral("2002"));
        QCOMPARE(f.counter(), QStringLiteral("13 of 21"));
        QCOMPARE(f.cursor(), 13);
    }

    void handStepsWrapAndKeepTheFocus()
    {
        Fixture f;
        SlideShowWindow *w = f.open();
        auto step = [&](int from, Bar::Button button) {
            f.cursor() = from;
            f.bar(button)->click();
            return f.cursor();
        };
        QCOMPARE(step(21, Bar::Fwd), 1);
        QCOMPARE(step(1, Bar::Bkwd), 21);
        QCOMPARE(w->panYear->caption(), QStringLiteral("Vireon Coin "));
        QCOMPARE(f.counter(), QStringLiteral("21 of 21"));
        QCOMPARE(step(11, Bar::JumpFwd), 1);
        QCOMPARE(step(11, Bar::JumpBkwd), 1);
        QCOMPARE(step(10, Bar::JumpBkwd), 21);
        QCOMPARE(w->focusWidget(), w->SSCommand1);
        QVERIFY(!f.run.session.SlideShowFlag);

        QTest::keyClick(w->SSCommand1, Qt::Key_Period);
        QCOMPARE(f.cursor(), 1);
        QTest::keyClick(w->SSCommand1, Qt::Key_Comma);
        QCOMPARE(f.cursor(), 21);

        QTest::mouseClick(w->SSCommand2, Qt::LeftButton); // Middle of 21 is 10
        QCOMPARE(f.counter(), QStringLiteral("10 of 21"));
        QCOMPARE(w->panYear->caption(), QStringLiteral("1962"));
        w->SSCommand1->click(); // Beginning
        QCOMPARE(f.counter(), QStringLiteral("1 of 21"));
        QCOMPARE(w->panYear->caption(), QStringLiteral("1955"));
        QCOMPARE(f.cursor(), 1);
        QVERIFY(f.reported().isEmpty());
    }

    void brokenPhotographReportedByItsStep()
    {
        Fixture f;
        SlideShowWindow *w = f.open();
        f.cursor() = 17;
        w->mmSlide_FwdClick();
        w->mmSlide_FwdClick(); // 19 fails
        QCOMPARE(f.counter(), QStringLiteral("19 of 21")); // "Fwd" counts before loading
        QCOMPARE(w->panYear->caption(), QStringLiteral("Danbury Mint Die Cast Models ")); // of 18, still on screen
        f.cursor() = 20;
        w->mmSlide_BkwdClick();
        QCOMPARE(f.cursor(), 19);
        QCOMPARE(f.reported(), QStringList({ "ER014", "ER015" }));
        QCOMPARE(w->focusWidget(), w->SSCommand1);

        // Timed: reported once, retried once, then passed over.
        f.run.dialogs.clear();
        f.cursor() = 17;
        w->mmSlide_PlayClick();
        for (int tick = 0; tick < 3; ++tick)
            w->Timer1_Timer();
        QCOMPARE(f.reported(), QStringList({ "ER016" }));
        QCOMPARE(f.cursor(), 20);
        w->Timer1_Timer();
        QCOMPARE(f.counter(), QStringLiteral("20 of 21"));
        QVERIFY(w->Timer1->isActive());
    }

    void ticksWhileAReportIsOpenShowNothing()
    {
        Fixture f;
        RecordingDialogs dialogs;
        Session session(dialogs);
        session.roots = f.run.session.roots;
        session.photoIndex = f.run.session.photoIndex;
        SlideShow show(session.photoIndex, session.navigator, session.PhotoDelay);
        f.show = new SlideShowWindow(f.run.platform, session, *f.main, show, &QDateTime::currentDateTime);
        f.show->startShow();
        session.navigator.PhotoCursor = 18;
        f.show->mmSlide_PlayClick(); // 19 cannot be decoded
        dialogs.whileShown = [&] {
            f.show->Timer1_Timer();
            f.show->Timer1_Timer();
        };
        f.show->Timer1_Timer();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(session.navigator.PhotoCursor, 19);
    }

    void playPauseAndTheDelay()
    {
        Fixture f;
        SlideShowWindow *w = f.open();
        w->SpinInterval_SpinDown();
        QCOMPARE(w->panInterval->caption(), QStringLiteral("60 seconds"));
        w->SpinInterval_SpinUp();
        w->SpinInterval_SpinUp();
        QCOMPARE(w->panInterval->caption(), QStringLiteral("2 seconds"));
        w->optSeq(1)->setFocus();
        w->Image1_Click(); // the focus returns until the first "Play"
        QCOMPARE(w->focusWidget(), w->SSCommand1);

        f.cursor() = 4;
        w->mmSlide_PlayClick();
        QCOMPARE(w->Timer1->interval(), 2000);
        QVERIFY(f.run.session.SlideShowFlag);
        const QList<QWidget *> disabled{ w->SpinInterval, w->SSCommand1, w->SSCommand2, f.bar(Bar::Bkwd),
                                         f.bar(Bar::Fwd), f.bar(Bar::JumpBkwd), f.bar(Bar::JumpFwd) };
        for (QWidget *control : disabled)
            QVERIFY(!control->isEnabled());
        QVERIFY(f.bar(Bar::Pause)->isEnabled() && f.bar(Bar::Exit)->isEnabled());
        w->Timer1_Timer();
        w->Timer1_Timer(); // 5, 6
        w->mmSlide_PauseClick();
        QCOMPARE(f.cursor(), 6);
        QVERIFY(!w->Timer1->isActive() && !f.run.session.SlideShowFlag && w->SpinInterval->isEnabled());
        QCOMPARE(w->focusWidget(), w->SSCommand1);
        w->optSeq(1)->setFocus();
        w->Image1_Click();
        w->Form_Paint();
        QCOMPARE(w->focusWidget(), w->optSeq(1));
    }

    void exitWhilePlayingHandsBackTheYear()
    {
        Fixture f;
        yearButton(f.main, 1)->click();
        SlideShowWindow *w = f.open();
        w->mmSlide_JumpFwdClick(); // 11
        w->mmSlide_PlayClick();
        w->Timer1_Timer(); // 12, the last of 1962
        QTest::mouseClick(f.bar(Bar::Exit), Qt::LeftButton);
        QVERIFY(w->isVisible() && w->Timer1->isActive());
        QCOMPARE(control<SSPanel>(f.main, QStringLiteral("panYear"))->caption(), QStringLiteral("1962 "));
        QCOMPARE(control<SSPanel>(f.main, QStringLiteral("panPhoto"))->caption(), QStringLiteral("4"));
        QCOMPARE(control<QLineEdit>(f.main, QStringLiteral("txtFile"))->text(), QStringLiteral("62004.JPG"));
        QCOMPARE(control<SSCommand>(f.main, QStringLiteral("cmdStats"))->text(), QStringLiteral("Engines"));
        QCOMPARE(f.run.session.navigator.CurrentPosition, 12);
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("62"));
        QCOMPARE(f.run.session.YearButtonIndex, qint16(8));
        QCOMPARE(f.main->focusWidget(), yearButton(f.main, 9));
        QCOMPARE(f.cursor(), 11);

        f.run.dialogs.script({ Dialogs::Answer::Cancel });
        QVERIFY(!w->close());
        QCOMPARE(f.run.dialogs.last().text, QStringLiteral("Exit The Vireon Anthology?"));
        QCOMPARE(f.run.dialogs.last().buttons, Dialogs::Buttons::OkCancel);
        QVERIFY(w->close());
    }

    void exitHandsBackCategories()
    {
        Fixture f;
        SlideShowWindow *w = f.open();
        w->mmSlide_ExitClick(); // nothing selected yet: only the refresh
        QCOMPARE(control<SSPanel>(f.main, QStringLiteral("panYear"))->caption(), QStringLiteral("panYear"));
        QVERIFY(!control<StretchedImage>(f.main, QStringLiteral("Image4"))->hasImage());

        yearButton(f.main, 1)->click();
        f.cursor() = 16;
        w->mmSlide_FwdClick(); // 17: a Danbury model
        w->mmSlide_ExitClick();
        QCOMPARE(control<SSPanel>(f.main, QStringLiteral("panYear"))->caption(), QStringLiteral("Danbury Mint Die Cast Models "));
        QCOMPARE(control<SSCommand>(f.main, QStringLiteral("cmdStats"))->text(), QStringLiteral("Details"));
        QVERIFY(control<SSCommand>(f.main, QStringLiteral("cmdDesc"))->isEnabled() && !control<SSCommand>(f.main, QStringLiteral("cmdOptions"))->isEnabled() && !control<SSCommand>(f.main, QStringLiteral("cmdAd"))->isEnabled());
        QCOMPARE(f.main->focusWidget(), yearButton(f.main, 1));

        QCOMPARE(f.cursor(), 16); // one before the photograph handed back
        w->mmSlide_BkwdClick(); // 15
        w->mmSlide_FwdClick(); // 16
        w->mmSlide_ExitClick();
        QCOMPARE(control<SSPanel>(f.main, QStringLiteral("panYear"))->caption(), QStringLiteral("The Vostrel Vireon "));
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("CW"));
        QCOMPARE(f.run.session.YearButtonIndex, qint16(0));
        QCOMPARE(f.main->focusWidget(), yearButton(f.main, 1));
        QVERIFY(f.reported().isEmpty());
    }

    void closingWithoutExitAsksNothing()
    {
        Fixture f;
        QVERIFY(f.open()->close());
        QVERIFY(f.run.dialogs.shown().isEmpty());
    }

    // Escape closes the show the way its window's close does: at once before
    // Exit, through the question after an Exit while playing.
    void escapeClosesAsTheWindowDoes()
    {
        Fixture f;
        SlideShowWindow *w = f.open();
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(f.run.dialogs.shown().isEmpty());

        yearButton(f.main, 1)->click();
        w = f.open();
        w->mmSlide_PlayClick();
        w->mmSlide_ExitClick(); // while playing the show stays open
        QVERIFY(w->isVisible());
        f.run.dialogs.script({ Dialogs::Answer::Cancel });
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        QCOMPARE(f.run.dialogs.last().text, QStringLiteral("Exit The Vireon Anthology?"));
        f.run.dialogs.script({ Dialogs::Answer::Ok });
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void clockAndClipboard()
    {
        Fixture f;
        QDateTime now(QDate(2026, 12, 9), QTime(21, 41, 7));
        SlideShowViewer viewer(f.run.platform, f.run.session, *f.main, [&] { return now; });
        yearButton(f.main, 1)->click();
        f.show = viewer.openShow();
        SlideShowWindow *w = f.show;
        w->show();
        QCOMPARE(w->StatusTime->caption(), QStringLiteral("09:41:07 pm"));
        QCOMPARE(w->StatusDate->caption(), QStringLiteral("12/09/26"));
        QCOMPARE(w->StatusDay->caption(), QStringLiteral("Wednesday"));
        now = now.addSecs(3 * 3600);
        w->Timer3_Timer();
        QCOMPARE(w->StatusTime->caption(), QStringLiteral("12:41:07 am"));
        QCOMPARE(w->StatusDay->caption(), QStringLiteral("Thursday"));

        f.run.clipboard.setText(QStringLiteral("kept"));
        f.run.dialogs.script({ Dialogs::Answer::No });
        QTest::mousePress(w->Image1, Qt::RightButton);
        QCOMPARE(f.run.clipboard.text(), QStringLiteral("kept"));
        QCOMPARE(f.run.dialogs.last().text,
            QStringLiteral("Would you like to copy this image to the Windows Clipboard?"));
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::Question);
        w->Image1_MouseDown(Qt::RightButton); // Yes
        QCOMPARE(f.run.clipboard.image().size(), w->Image1->image().size());
        QVERIFY(f.run.clipboard.text().isEmpty());
    }

    void aFreshShowTakesRealClicks()
    {
        Fixture f;
        yearButton(f.main, 1)->click();
        SlideShowWindow *w = f.open();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        realClick(w->SSCommand2); // "Middle"
        QCOMPARE(f.counter(), QStringLiteral("10 of 21"));
        realClick(w->optSeq(1)); // "Random"
        QVERIFY(w->optSeq(1)->isChecked());
        QPointer<SlideShowWindow> show(w);
        realClick(w->cmdExit);
        QVERIFY(!show || !show->isVisible());
    }

    void compactLayoutOnA640x480Screen()
    {
        Fixture f(QSize(640, 480));
        SlideShowWindow *w = f.open();
        QCOMPARE(w->mmSlide->geometry(), toPixels(Twips { 4160, 6140, 2736, 330 }));
        QCOMPARE(w->Image1->size(), QSize(620, 390));
        QCOMPARE(w->panInterval->x(), twips(8170));
    }

    void slideShowButtonRunsModally()
    {
        Fixture f;
        QString seen;
        f.run.dialogs.scriptModal([&](QDialog &modal) {
            seen = modal.objectName() + u'|' + modal.windowTitle() + u'|' + QString::number(f.run.session.SlideShowFlag);
        });
        QTest::mouseClick(control<SSCommand>(f.main, QStringLiteral("ssCmdSlide")), Qt::LeftButton);
        QCOMPARE(seen, QStringLiteral("frmSlide|The Vireon Anthology Slide Show|0"));
        QVERIFY(f.run.session.SlideShowFlag);
    }

    void aShowClosedWithoutHandBackKeepsTheSelection()
    {
        Fixture f;
        yearButton(f.main, 13)->click(); // 2002
        f.run.dialogs.scriptModal([](QDialog &modal) { modal.close(); }); // the close box
        f.main->slideShow().ssCmdSlide_Click();
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("A2"));
        QCOMPARE(control<SSPanel>(f.main, QStringLiteral("panYear"))->caption(), QStringLiteral("2002"));

        f.run.dialogs.scriptModal([](QDialog &modal) {
            auto &show = static_cast<SlideShowWindow &>(modal);
            show.SSCommand1_Click(); // Beginning: the first 1955 photograph
            show.mmSlide_ExitClick();
            show.close();
        });
        f.main->slideShow().ssCmdSlide_Click();
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("55")); // handed back
    }
};

QTEST_MAIN(TestSlideShow)
#include "tst_slideshow.moc"
