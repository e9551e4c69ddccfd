#include "core/contentcatalog.h"
#include "main/browser.h"
#include "main/mainwindow.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"

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

    QString label() const { return window->panYear->caption(); }
    QWidget *focus() const { return window->focusWidget(); }

    QTemporaryDir dir;
    Harness run{ dir };
    MainWindow *window = nullptr;
};
}

class TestBrowser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void yearButtonSelectsAndPaints()
    {
        Fixture f;
        QTest::mouseClick(f.window->cmdYR(13), Qt::LeftButton);
        QCOMPARE(f.label(), QStringLiteral("2002"));
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("A2"));
        QVERIFY(!f.window->cmdNostalgia->isEnabled());
        QCOMPARE(f.window->cmdYR(13)->captionColor(), Red);
        QCOMPARE(f.window->cmdYR(13)->font().pointSize(), 12);
        QCOMPARE(f.window->cmdYR(12)->captionColor(), Navy);
        QCOMPARE(f.focus(), f.window->cmdYR(1));
        QVERIFY(f.window->Image4->hasImage());
        QVERIFY(f.window->panYear->isVisible() && f.window->SpinButton1->isVisible());
        QCOMPARE(f.window->panPhoto->caption(), QStringLiteral("1"));
        QCOMPARE(f.run.session.YearButtonIndex, qint16(13));
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        f.window->cmdYR(12)->click();
        QCOMPARE(f.focus(), f.window->cmdYR(13));
        QVERIFY(f.run.dialogs.shown().isEmpty());
    }

    void stepsFollowTheGroupAndMoveTheFocus()
    {
        Fixture f;
        f.window->cmdYR(1)->click();
        QTest::mouseClick(f.window->SpinButton1->upButton(), Qt::LeftButton);
        QCOMPARE(f.window->panPhoto->caption(), QStringLiteral("2"));
        QCOMPARE(f.focus(), f.window->cmdYR(2));
        QTest::keyClick(f.window->cmdYR(2), Qt::Key_Period);
        QTest::keyClick(f.window->cmdYR(2), Qt::Key_Period);
        QCOMPARE(f.window->panPhoto->caption(), QStringLiteral("1")); // wrapped
        QTest::keyClick(f.window->cmdYR(2), Qt::Key_Comma);
        QCOMPARE(f.window->panPhoto->caption(), QStringLiteral("3"));
        QCOMPARE(f.run.session.navigator.CurrentPhotoPath, QStringLiteral("E:\\birds\\55030.JPG"));
        QCOMPARE(f.label(), QStringLiteral("1955")); // the keys only step

        // A double-click on the number rebuilds the index and shows photograph 1.
        Q_EMIT f.window->panPhoto->doubleClicked();
        QCOMPARE(f.window->panPhoto->caption(), QStringLiteral("1"));
    }

    void fileNamesFollowTheStepsUntilClicked()
    {
        Fixture f;
        QAction *names = f.window->menu(QStringLiteral("mnuNames"));
        names->trigger(); // nothing selected: nothing happens
        QVERIFY(f.window->txtFile->isHidden());
        f.window->cmdYR(1)->click();
        names->trigger();
        QCOMPARE(names->text(), QStringLiteral("Hide File &Names"));
        QVERIFY(f.window->txtFile->isVisible());
        QCOMPARE(f.window->txtFile->text(), QStringLiteral("55010.JPG"));
        f.window->browser().NextPhoto();
        QCOMPARE(f.window->txtFile->text(), QStringLiteral("55020.JPG"));
        QTest::mouseClick(f.window->txtFile, Qt::LeftButton);
        QVERIFY(f.window->txtFile->isHidden());
        QCOMPARE(names->text(), QStringLiteral("Show File &Names"));
        f.window->browser().NextPhoto();
        QVERIFY(f.window->txtFile->isHidden());
    }

    void detailsPaneFollowsTheSteps()
    {
        Fixture f;
        f.window->cmdYR(1)->click();
        f.window->rtbDetails->show();
        f.window->browser().NextPhoto(); // photograph 2 has its own details
        QVERIFY(f.window->rtbDetails->toPlainText().contains(QStringLiteral("number two")));
        const QRect ad = f.window->cmdAd->geometry();
        QCOMPARE(f.window->rtbDetails->geometry().right(), ad.right() - 10);
        QCOMPARE(f.window->rtbDetails->y(), f.window->Image4->y() + 9);
        QVERIFY(f.run.dialogs.shown().isEmpty());

        // Photograph 3 has none: the step reports it.
        f.window->browser().NextPhoto();
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER012")));
    }

    void brokenAndMissingPhotographsAreReported()
    {
        Fixture f;
        f.window->cmdYR(2)->click(); // 1956: its only photograph cannot be decoded
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER023")));
        QVERIFY(f.window->Image4->isHidden());
        QCOMPARE(f.label(), QStringLiteral("1956")); // the selection stays

        f.run.dialogs.clear();
        f.window->browser().NextPhoto();
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER012")));

        f.run.dialogs.clear();
        f.window->menu(QStringLiteral("mnuStuff(3)"))->trigger(); // "Vireon Cookies ": no photograph
        QCOMPARE(f.label(), QStringLiteral("Vireon Cookies "));
        QVERIFY(f.run.dialogs.last().text.contains(QStringLiteral(" Vireon photo not found for year selected.")));
        QCOMPARE(f.run.session.navigator.CurrentPosition, f.run.session.photoIndex.Count() + 1);
        for (SSCommand *button : { f.window->cmdDesc, f.window->cmdStats, f.window->cmdOptions, f.window->cmdAd,
                                   f.window->cmdNostalgia })
            QVERIFY(!button->isEnabled());
        QVERIFY(f.window->picClipArt->isHidden());
        for (int i = 1; i <= 13; ++i)
            QVERIFY(f.window->cmdYR(i)->captionColor() != Red);
        QCOMPARE(f.focus(), f.window->cmdYR(1));
    }

    void clickCycleOnThePhotograph()
    {
        Fixture f;
        f.window->cmdYR(13)->click();
        QStringList labels;
        for (int click = 0; click < 7; ++click) {
            QTest::mouseClick(f.window->Image4, Qt::LeftButton);
            labels << f.label();
        }
        QCOMPARE(labels, QStringList({ "Danbury Mint Die Cast Models ", "Franklin Mint Die Cast Models ",
                                       "Vireon Metal Signs ", "Vireon Coin ", "Vireon Cookies ",
                                       "Vireon Postage Stamps ", "1955 " }));
        QCOMPARE(f.run.session.SelectionCode, QStringLiteral("55"));
        QCOMPARE(f.window->cmdYR(1)->captionColor(), Red);
        QCOMPARE(f.window->cmdStats->text(), QStringLiteral("Statistics"));
        QCOMPARE(f.focus(), f.window->cmdYR(2));
        QCOMPARE(f.run.session.YearButtonIndex, qint16(1));
    }

    void firstClickAndKeysBeforeAnySelection()
    {
        Fixture f;
        QTest::keyClick(f.window->cmdYR(5), Qt::Key_Comma);
        QCOMPARE(f.focus(), f.window->cmdYR(1));
        QCOMPARE(f.label(), QStringLiteral("panYear"));

        QTest::mouseClick(f.window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 550));
        QCOMPARE(f.label(), QStringLiteral("1955"));
        QVERIFY(!f.window->cmdYR(1)->isEnabled());
        QCOMPARE(f.focus(), f.window->cmdYR(2));
        QVERIFY(!f.run.session.FirstClickPending);

        // A later click on the background does nothing; a year button enables all again.
        QTest::mouseClick(f.window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 550));
        QVERIFY(!f.window->cmdYR(1)->isEnabled());
        f.window->cmdYR(11)->click();
        QVERIFY(f.window->cmdYR(1)->isEnabled());
    }

    void rightClickOpensTheScreenSaverPhotoWindow()
    {
        Fixture f;
        QTest::mouseClick(f.window->Image4, Qt::RightButton);
        QWidget *photoWindow = f.window->findChild<QWidget *>(QStringLiteral("frmSSPhoto"));
        QVERIFY(photoWindow && photoWindow->isVisible());
        QCOMPARE(photoWindow->windowTitle(), QStringLiteral("The Vireon Anthology"));
        QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("program/ssVireons"))).isDir());
        QCOMPARE(f.label(), QStringLiteral("panYear")); // no selection from a right click
        f.window->closeScreenSaverPhotoWindow();
        QVERIFY(!photoWindow->isVisible());
    }
};

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
