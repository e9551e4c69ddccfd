#include "main/selection.h"
#include "main/detailpanes.h"
#include "main/mainwindow.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"
#include "support/windowtest.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

namespace {
void writeDocument(const QString &file, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write("{\\rtf1\\ansi " + text + "\\par}");
}

// The main window on a disc with 1957 and 1958 documents and pictures, and
// stamps with their per-photograph statistics; documents open into a recorder.
class Fixture
{
public:
    Fixture()
    {
        for (const char *name : { "57010.jpg", "58010.jpg", "ZZ001.jpg", "ZZ002.jpg", "VC001.jpg" })
            writePhoto(dir.filePath(QStringLiteral("disc/birds/") + QLatin1String(name)));
        writeDocument(dir.filePath(QStringLiteral("disc/richtext/57DESC.RTF")), "1957 description");
        writeDocument(dir.filePath(QStringLiteral("disc/richtext/57stats.rtf")), "1957 statistics");
        writeDocument(dir.filePath(QStringLiteral("disc/richtext/58desc.rtf")), "1958 description, damaged");
        writeDocument(dir.filePath(QStringLiteral("disc/richtext/zz004.rtf")), "Stamp number two");
        writePhoto(dir.filePath(QStringLiteral("disc/scripts/scri57.jpg")), QSize(120, 30));
        writePhoto(dir.filePath(QStringLiteral("disc/scripts/scri58.jpg")), QSize(140, 30));
        writePhoto(dir.filePath(QStringLiteral("disc/emblems/emb57.jpg")), QSize(60, 40));
        writePhoto(dir.filePath(QStringLiteral("disc/ClipArt/57clip.jpg")), QSize(90, 50));
        run.startup.run({});
        run.startup.Timer1_Timer();
        window = run.startup.mainWindow();
        window->detailPanes().setDocumentOpener([this](const QString &path, const QString &caption) {
            opened << path + u'|' + caption;
            return !path.contains(QStringLiteral("nostalgia")) && !path.contains(QStringLiteral("58desc"));
        });
        run.dialogs.clear();
    }
    ~Fixture() { window->close(); }

    QTemporaryDir dir;
    Harness run{ dir };
    MainWindow *window = nullptr;
    QStringList opened;
};
}

class TestDetailPanes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void documentsOpenWithTheirCaptions()
    {
        Fixture f;
        control<SSCommand>(f.window, QStringLiteral("cmdOptions"))->click(); // nothing selected: nothing
        QVERIFY(f.opened.isEmpty() && f.run.dialogs.shown().isEmpty());

        yearButton(f.window, 3)->click();
        control<SSCommand>(f.window, QStringLiteral("cmdDesc"))->click();
        QCOMPARE(f.opened, QStringList{ "E:\\richtext\\57DESC.RTF|The Vireon Anthology       1957 Description" });

        control<SSCommand>(f.window, QStringLiteral("cmdOptions"))->click(); // not on the disc
        QCOMPARE(f.opened.size(), 1);
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER026")));
        QCOMPARE(f.window->focusWidget(), yearButton(f.window, 4));

        control<SSCommand>(f.window, QStringLiteral("cmdNostalgia"))->click(); // opened without a lookup; the load fails
        QCOMPARE(f.opened.last(), QStringLiteral("E:\\richtext\\nostalgia57.rtf|The Vireon Anthology     Nostalgia 1957"));
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER005")));

        control<SSCommand>(f.window, QStringLiteral("cmdStats"))->click(); // a year: its statistics in the viewer
        QCOMPARE(f.opened.last(), QStringLiteral("E:\\richtext\\57stats.rtf|The Vireon Anthology       1957 Statistics"));
        QVERIFY(control<RichTextBox>(f.window, QStringLiteral("rtbDetails"))->isHidden());
    }

    void aDocumentThatCannotBeReadLeavesTheFocus()
    {
        Fixture f;
        yearButton(f.window, 4)->click(); // 1958
        yearButton(f.window, 8)->setFocus();
        control<SSCommand>(f.window, QStringLiteral("cmdDesc"))->click();
        QCOMPARE(f.opened.last(), QStringLiteral("E:\\richtext\\58desc.rtf|The Vireon Anthology       1958 Description"));
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER002")));
        QCOMPARE(f.window->focusWidget(), yearButton(f.window, 8));
    }

    void picturesToggleAndFollowTheSelection()
    {
        Fixture f;
        yearButton(f.window, 3)->click();
        control<SSCommand>(f.window, QStringLiteral("cmdScript"))->click();
        QLabel *script = control<QLabel>(f.window, QStringLiteral("picScript"));
        QVERIFY(script->isVisible());
        QCOMPARE(script->pos(), control<StretchedImage>(f.window, QStringLiteral("Image4"))->pos() + QPoint(1, 25));
        QCOMPARE(script->width(), 120);
        QCOMPARE(f.window->focusWidget(), yearButton(f.window, 4));

        yearButton(f.window, 4)->click(); // 1958: the visible script is reloaded
        QVERIFY(script->isVisible());
        QCOMPARE(script->width(), 140);

        control<SSCommand>(f.window, QStringLiteral("cmdScript"))->click();
        QVERIFY(script->isHidden());

        control<SSCommand>(f.window, QStringLiteral("cmdEmblem"))->click(); // no 1958 emblem
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER022")));
        QVERIFY(control<QLabel>(f.window, QStringLiteral("picEmblem"))->isHidden());

        yearButton(f.window, 3)->click();
        control<SSCommand>(f.window, QStringLiteral("cmdEmblem"))->click();
        QLabel *emblem = control<QLabel>(f.window, QStringLiteral("picEmblem"));
        QCOMPARE(emblem->geometry().bottom() + 1, control<QFrame>(f.window, QStringLiteral("Frame1"))->y() - 1);
        QCOMPARE(emblem->x(), control<StretchedImage>(f.window, QStringLiteral("Image4"))->width() - 60 + 9);
        control<SSCommand>(f.window, QStringLiteral("cmdClipArt"))->click();
        QVERIFY(control<QLabel>(f.window, QStringLiteral("picClipArt"))->isVisible());
        QCOMPARE(control<QLabel>(f.window, QStringLiteral("picClipArt"))->pos(), QPoint(control<StretchedImage>(f.window, QStringLiteral("Image4"))->width() - 90 + 6, control<StretchedImage>(f.window, QStringLiteral("Image4"))->y()));

        // A collectable has no pictures: all three go.
        f.window->menu(QStringLiteral("mnuStuff(5)"))->trigger();
        QVERIFY(emblem->isHidden() && control<QLabel>(f.window, QStringLiteral("picClipArt"))->isHidden());

        // A left click on a picture hides it.
        yearButton(f.window, 3)->click();
        control<SSCommand>(f.window, QStringLiteral("cmdEmblem"))->click();
        QTest::mouseClick(emblem, Qt::LeftButton);
        QVERIFY(emblem->isHidden());
    }

    void rightClickCopiesThePictureWhenAskedTo()
    {
        Fixture f;
        yearButton(f.window, 3)->click();
        control<SSCommand>(f.window, QStringLiteral("cmdEmblem"))->click();
        f.run.clipboard.setText(QStringLiteral("before"));
        f.run.dialogs.script({ Dialogs::Answer::No, Dialogs::Answer::Yes });
        QTest::mouseClick(control<QLabel>(f.window, QStringLiteral("picEmblem")), Qt::RightButton);
        QCOMPARE(f.run.dialogs.last().text, QStringLiteral("Would you like to copy this image to the Windows Clipboard?"));
        QCOMPARE(f.run.dialogs.last().buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(f.run.clipboard.text(), QStringLiteral("before"));
        QTest::mouseClick(control<QLabel>(f.window, QStringLiteral("picEmblem")), Qt::RightButton);
        QCOMPARE(f.run.clipboard.image().size(), QSize(60, 40));
        QVERIFY(control<QLabel>(f.window, QStringLiteral("picEmblem"))->isVisible());
    }

    void statisticsOfTheCollectableOnScreen()
    {
        Fixture f;
        f.window->menu(QStringLiteral("mnuStuff(5)"))->trigger(); // stamps
        f.window->selection().NextPhoto();                           // photograph 2
        QVERIFY(!control<SSCommand>(f.window, QStringLiteral("cmdStats"))->isEnabled()); // kept disabled for stamps; the handler still knows them
        f.window->detailPanes().cmdStats_Click();
        RichTextBox *pane = control<RichTextBox>(f.window, QStringLiteral("rtbDetails"));
        QVERIFY(pane->isVisible());
        QVERIFY(pane->toPlainText().contains(QStringLiteral("Stamp number two")));
        QCOMPARE(pane->size(), QSize(329, 106));
        QCOMPARE(pane->geometry().right(), control<SSCommand>(f.window, QStringLiteral("cmdAd"))->geometry().right() - 10);
        QCOMPARE(pane->y(), control<StretchedImage>(f.window, QStringLiteral("Image4"))->y() + 9);
        f.window->detailPanes().cmdStats_Click();
        QVERIFY(pane->isHidden());
        QVERIFY(f.opened.isEmpty());

        f.window->selection().NextPhoto(); // photograph 1: zz002.rtf is not on the disc
        f.window->detailPanes().cmdStats_Click();
        QVERIFY(f.run.dialogs.last().text.startsWith(QStringLiteral("Error number: ER027")));
        QVERIFY(pane->isHidden());
    }
};

QTEST_MAIN(TestDetailPanes)
#include "tst_detailpanes.moc"
