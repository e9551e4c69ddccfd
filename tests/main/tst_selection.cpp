#include "core/contentcatalog.h"
#include "main/selection.h"
#include "main/mainwindow.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"
#include "support/windowtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {
const QColor Navy(0, 0, 128);
const QColor Red(255, 0, 0);

// The main window after start-up on a small disc: 1955 has three
// photographs, 1956 one that cannot be decoded, 1966 and 2002 some, and a
// few collectables; no photograph of "Vireon Cookies ".
class Fixture
{
public:
    Fixture()
    {
        for (const char *name : { "55010.jpg", "55020.jpg", "55030.JPG", "66010.jpg", "A2010.jpg", "a2020.jpg",
                                  "TD001.jpg", "TF001.jpg", "VM001.jpg", "ZY001.jpg", "ZZ001.jpg" })
            writePhoto(dir.filePath(QStringLiteral("disc/birds/") + QLatin1String(name)));
        QFile broken(dir.filePath(QStringLiteral("disc/birds/56010.jpg")));
        broken.open(QIODevice::WriteOnly);
        broken.write("not a photograph");
        broken.close();
        touchFile(dir.filePath(QStringLiteral("program/passby.wav")));
        QDir().mkpath(dir.filePath(QStringLiteral("disc/RichText")));
        QFile details(dir.filePath(QStringLiteral("disc/RichText/55020.RTF")));
        details.open(QIODevice::WriteOnly);
        details.write("{\\rtf1\\ansi 1955 number two: a two-door hardtop.\\par}");
        details.close();
        run.startup.run({});
        run.startup.Timer1_Timer();
        window = run.startup.mainWindow();
        run.dialogs.clear();
    }
    ~Fixture() { window->close(); }

    QString label() const { return control<SSPanel>(window, QStringLiteral("panYear"))->caption(); }
    QWidget *focus() const { return window->focusWidget(); }

    QTemporaryDir dir;
    Harness run{ dir };
    MainWindow *window = nullptr;
};
}

class TestSelection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void yearButtonSelectsAndPaints()
    {
        Fixture f;
        QTest::mouseClick(yearButton(f.window, 13), Qt::LeftButton);
        QCOMPARE(f.label(), QStringLiteral("2002"));
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("A2"));
        QVERIFY(!control<SSCommand>(f.window, QStringLiteral("cmdNostalgia"))->isEnabled());
        QCOMPARE(yearButton(f.window, 13)->captionColor(), Red);
        QCOMPARE(yearButton(f.window, 13)->font().pointSize(), 12);
        QCOMPARE(yearButton(f.window, 12)->captionColor(), Navy);
        QCOMPARE(f.focus(), yearButton(f.window, 1));
        QVERIFY(control<StretchedImage>(f.window, QStringLiteral("Image4"))->hasImage());
        QVERIFY(control<SSPanel>(f.window, QStringLiteral("panYear"))->isVisible() && control<SpinButton>(f.window, QStringLiteral("SpinButton1"))->isVisible());
        QCOMPARE(control<SSPanel>(f.window, QStringLiteral("panPhoto"))->caption(), QStringLiteral("1"));
        QCOMPARE(f.run.session.YearButtonIndex, qint16(13));
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        yearButton(f.window, 12)->click();
        QCOMPARE(f.focus(), yearButton(f.window, 13));
        QVERIFY(f.run.dialogs.shown().isEmpty());
    }

    void stepsFollowTheGroupAndMoveTheFocus()
    {
        Fixture f;
        yearButton(f.window, 1)->click();
        QTest::mouseClick(control<SpinButton>(f.window, QStringLiteral("SpinButton1"))->upButton(), Qt::LeftButton);
        QCOMPARE(control<SSPanel>(f.window, QStringLiteral("panPhoto"))->caption(), QStringLiteral("2"));
        QCOMPARE(f.focus(), yearButton(f.window, 2));
        QTest::keyClick(yearButton(f.window, 2), Qt::Key_Period);
        QTest::keyClick(yearButton(f.window, 2), Qt::Key_Period);
        QCOMPARE(control<SSPanel>(f.window, QStringLiteral("panPhoto"))->caption(), QStringLiteral("1")); // wrapped
        QTest::keyClick(yearButton(f.window, 2), Qt::Key_Comma);
        QCOMPARE(control<SSPanel>(f.window, QStringLiteral("panPhoto"))->caption(), QStringLiteral("3"));
        QCOMPARE(f.run.session.navigator.CurrentPhotoPath, QStringLiteral("E:\\birds\\55030.JPG"));
        QCOMPARE(f.label(), QStringLiteral("1955")); // the keys only step

        // A double-click on the number rebuilds the index and shows photograph 1.
        Q_EMIT control<SSPanel>(f.window, QStringLiteral("panPhoto"))->doubleClicked();
        QCOMPARE(control<SSPanel>(f.window, QStringLiteral("panPhoto"))->caption(), QStringLiteral("1"));
    }

    // From the keyboard the photograph comes after the detail buttons, and
    // the arrow keys step it as its arrows do.
    void thePhotographStepsFromTheKeyboard()
    {
        Fixture f;
        yearButton(f.window, 1)->click();
        auto *photo = control<StretchedImage>(f.window, QStringLiteral("Image4"));
        auto *arrows = control<SpinButton>(f.window, QStringLiteral("SpinButton1"));
        auto caption = [&f] { return control<SSPanel>(f.window, QStringLiteral("panPhoto"))->caption(); };
        QCOMPARE(control<SSCommand>(f.window, QStringLiteral("cmdNostalgia"))->nextInFocusChain(), photo);
        QCOMPARE(photo->nextInFocusChain(), arrows);
        QTest::keyClick(photo, Qt::Key_Right);
        QCOMPARE(caption(), QStringLiteral("2"));
        QTest::keyClick(arrows, Qt::Key_Down);
        QCOMPARE(caption(), QStringLiteral("1"));
        QTest::keyClick(photo, Qt::Key_Left);
        QCOMPARE(caption(), QStringLiteral("3")); // wrapped
        QTest::keyClick(arrows, Qt::Key_Up);
        QCOMPARE(caption(), QStringLiteral("1"));
        QTest::keyClick(photo, Qt::Key_X);
        QCOMPARE(caption(), QStringLiteral("1"));
    }

    void fileNamesFollowTheStepsUntilClicked()
    {
        Fixture f;
        QAction *names = f.window->menu(QStringLiteral("mnuNames"));
        names->trigger(); // nothing selected: nothing happens
        QVERIFY(control<QLineEdit>(f.window, QStringLiteral("txtFile"))->isHidden());
        yearButton(f.window, 1)->click();
        names->trigger();
        QCOMPARE(names->text(), QStringLiteral("Hide File &Names"));
        QVERIFY(control<QLineEdit>(f.window, QStringLiteral("txtFile"))->isVisible());
        QCOMPARE(control<QLineEdit>(f.window, QStringLiteral("txtFile"))->text(), QStringLiteral("55010.JPG"));
        f.window->selection().NextPhoto();
        QCOMPARE(control<QLineEdit>(f.window, QStringLiteral("txtFile"))->text(), QStringLiteral("55020.JPG"));
        QTest::mouseClick(control<QLineEdit>(f.window, QStringLiteral("txtFile")), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(f.window, QStringLiteral("txtFile"))->isHidden());
        QCOMPARE(names->text(), QStringLiteral("Show File &Names"));
        f.window->selection().NextPhoto();
        QVERIFY(control<QLineEdit>(f.window, QStringLiteral("txtFile"))->isHidden());
    }

    void detailsPaneFollowsTheSteps()
    {
        Fixture f;
        yearButton(f.window, 1)->click();
        control<RichTextBox>(f.window, QStringLiteral("rtbDetails"))->show();
        f.window->selection().NextPhoto(); // photograph 2 has its own details
        QVERIFY(control<RichTextBox>(f.window, QStringLiteral("rtbDetails"))->toPlainText().contains(QStringLiteral("number two")));
        const QRect ad = control<SSCommand>(f.window, QStringLiteral("cmdAd"))->geometry();
        QCOMPARE(control<RichTextBox>(f.window, QStringLiteral("rtbDetails"))->geometry().right(), ad.right() - 10);
        QCOMPARE(control<RichTextBox>(f.window, QStringLiteral("rtbDetails"))->y(), control<StretchedImage>(f.window, QStringLiteral("Image4"))->y() + 9);
        QVERIFY(f.run.dialogs.shown().isEmpty());

        // Photograph 3 has none: the step reports it.
        f.window->selection().NextPhoto();
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER012")));
    }

    void brokenAndMissingPhotographsAreReported()
    {
        Fixture f;
        yearButton(f.window, 2)->click(); // 1956: its only photograph cannot be decoded
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER023")));
        QVERIFY(control<StretchedImage>(f.window, QStringLiteral("Image4"))->isHidden());
        QCOMPARE(f.label(), QStringLiteral("1956")); // the selection stays

        f.run.dialogs.clear();
        f.window->selection().NextPhoto();
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER012")));

        f.run.dialogs.clear();
        f.window->menu(QStringLiteral("mnuStuff(3)"))->trigger(); // "Vireon Cookies ": no photograph
        QCOMPARE(f.label(), QStringLiteral("Vireon Cookies "));
        QVERIFY(f.run.dialogs.last().text.contains(QStringLiteral(" Vireon photo not found for year selected.")));
        QCOMPARE(f.run.session.navigator.CurrentPosition, f.run.session.photoIndex.Count() + 1);
        for (SSCommand *button : { control<SSCommand>(f.window, QStringLiteral("cmdDesc")), control<SSCommand>(f.window, QStringLiteral("cmdStats")), control<SSCommand>(f.window, QStringLiteral("cmdOptions")), control<SSCommand>(f.window, QStringLiteral("cmdAd")),
                                   control<SSCommand>(f.window, QStringLiteral("cmdNostalgia")) })
            QVERIFY(!button->isEnabled());
        QVERIFY(control<QLabel>(f.window, QStringLiteral("picClipArt"))->isHidden());
        for (int i = 1; i <= 13; ++i)
            QVERIFY(yearButton(f.window, i)->captionColor() != Red);
        QCOMPARE(f.focus(), yearButton(f.window, 1));
    }

    void clickCycleOnThePhotograph()
    {
        Fixture f;
        yearButton(f.window, 13)->click();
        QStringList labels;
        for (int click = 0; click < 7; ++click) {
            QTest::mouseClick(control<StretchedImage>(f.window, QStringLiteral("Image4")), Qt::LeftButton);
            labels << f.label();
        }
        QCOMPARE(labels, QStringList({ "Danbury Mint Die Cast Models ", "Franklin Mint Die Cast Models ",
                                       "Vireon Metal Signs ", "Vireon Coin ", "Vireon Cookies ",
                                       "Vireon Postage Stamps ", "1955 " }));
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("55"));
        QCOMPARE(yearButton(f.window, 1)->captionColor(), Red);
        QCOMPARE(control<SSCommand>(f.window, QStringLiteral("cmdStats"))->text(), QStringLiteral("Statistics"));
        QCOMPARE(f.focus(), yearButton(f.window, 2));
        QCOMPARE(f.run.session.YearButtonIndex, qint16(1));
    }

    void firstClickAndKeysBeforeAnySelection()
    {
        Fixture f;
        QTest::keyClick(yearButton(f.window, 5), Qt::Key_Comma);
        QCOMPARE(f.focus(), yearButton(f.window, 1));
        QCOMPARE(f.label(), QStringLiteral("panYear"));

        QTest::mouseClick(control<>(f.window, QStringLiteral("client")), Qt::LeftButton, {}, QPoint(2, 100));
        QCOMPARE(f.label(), QStringLiteral("1955"));
        QVERIFY(!yearButton(f.window, 1)->isEnabled());
        QCOMPARE(f.focus(), yearButton(f.window, 2));
        QVERIFY(!f.run.session.FirstClickPending);

        // A later click on the background does nothing; a year button enables all again.
        QTest::mouseClick(control<>(f.window, QStringLiteral("client")), Qt::LeftButton, {}, QPoint(2, 100));
        QVERIFY(!yearButton(f.window, 1)->isEnabled());
        yearButton(f.window, 11)->click();
        QVERIFY(yearButton(f.window, 1)->isEnabled());
    }

    void pressesOnPanelsAndTheStripAreNotTheFirstClick()
    {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        yearButton(f.window, 13)->click(); // 2002, while the first click is still pending
        f.window->selection().NextPhoto();
        auto *panPhoto = control<SSPanel>(f.window, QStringLiteral("panPhoto"));
        QCOMPARE(panPhoto->caption(), QStringLiteral("2"));
        realClick(control<SSPanel>(f.window, QStringLiteral("panYear")));
        realClick(control<QFrame>(f.window, QStringLiteral("Frame1")), Qt::LeftButton, QPoint(2, 10)); // a gap in the strip
        QCOMPARE(f.label(), QStringLiteral("2002"));
        QVERIFY(yearButton(f.window, 1)->isEnabled());
        QTest::mouseDClick(panPhoto, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(f.label(), QStringLiteral("2002"));
        QCOMPARE(panPhoto->caption(), QStringLiteral("1"));
        QVERIFY(f.run.session.FirstClickPending);
    }

    void theSpaceBarBeforeAnySelectionLeavesNoButtonPressed()
    {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        SSCommand *button = yearButton(f.window, 1);
        button->setFocus();
        QTest::keyPress(button, Qt::Key_Space);
        QCoreApplication::processEvents();
        QTest::keyRelease(f.window->focusWidget(), Qt::Key_Space);
        QCOMPARE(f.label(), QStringLiteral("1955"));
        QCOMPARE(f.focus(), yearButton(f.window, 2));
        QVERIFY(!button->isDown());
    }

    void aDoubleClickOnThePhotographIsOneStepOfTheCycle()
    {
        Fixture f;
        yearButton(f.window, 13)->click();
        realDoubleClick(control<StretchedImage>(f.window, QStringLiteral("Image4")));
        QCOMPARE(f.label(), QStringLiteral("Danbury Mint Die Cast Models "));
    }

    void thePhotographArrowsPointUpAndDown()
    {
        Fixture f;
        yearButton(f.window, 1)->click();
        auto *arrows = control<SpinButton>(f.window, QStringLiteral("SpinButton1"));
        QVERIFY(arrows->isVisible());
        QCOMPARE(arrows->upButton()->arrowType(), Qt::UpArrow);
        QCOMPARE(arrows->downButton()->arrowType(), Qt::DownArrow);
        QVERIFY(arrows->upButton()->geometry().bottom() < arrows->downButton()->geometry().top());
        QCOMPARE(arrows->geometry(), QRect(8, 24, 41, 20));
    }

    void focusGoesToTheYearButtonAfterTheSelectedOne()
    {
        Fixture f;
        for (const auto &[index, next] : QList<QPair<qint16, int>>{ { 0, 1 }, { 5, 6 }, { 12, 13 }, { 13, 1 } }) {
            f.run.session.YearButtonIndex = index;
            f.window->FocusYearButton();
            QCOMPARE(f.focus(), yearButton(f.window, next));
        }
    }

    void rightClickOpensTheScreenSaverPhotoWindow()
    {
        Fixture f;
        QTest::mouseClick(control<StretchedImage>(f.window, QStringLiteral("Image4")), Qt::RightButton);
        QWidget *photoWindow = f.window->findChild<QWidget *>(QStringLiteral("frmSSPhoto"));
        QVERIFY(photoWindow && photoWindow->isVisible());
        QCOMPARE(photoWindow->windowTitle(), QStringLiteral("The Vireon Anthology"));
        QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("program/ssVireons"))).isDir());
        QCOMPARE(f.label(), QStringLiteral("panYear")); // no selection from a right click
        f.window->closeScreenSaverPhotoWindow();
        QVERIFY(!photoWindow->isVisible());
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
