#include "libraryfixture.h"
#include "library/ssphotowindow.h"
#include "main/selection.h"
#include "viewers/slideshowviewer.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"
#include "support/fakehost.h"
#include "support/pdftext.h"

#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

namespace {
struct PhotoWindowFixture : LibraryFixture
{
    ScreenSaverPhotoWindow *open()
    {
        menu("mnuCopyPhoto");
        return photoWindow();
    }
    ScreenSaverPhotoWindow *photoWindow() const
    {
        return window->findChild<ScreenSaverPhotoWindow *>(QStringLiteral("frmSSPhoto"));
    }
    SSCommand *button(const char *name) const { return control<SSCommand>(photoWindow(), QLatin1String(name)); }
    bool addOn() const { return button("SSCommand7")->isEnabled(); }
    bool removeOn() const { return button("SSCommand8")->isEnabled(); }
    void select1955() const { yearButton(window, 1)->click(); }
};
}

class TestPhotoWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void addAndRemoveFollowTheList()
    {
        PhotoWindowFixture f;
        f.select1955();
        ScreenSaverPhotoWindow *w = f.open();
        QVERIFY(w);
        QVERIFY(QFileInfo(f.program(QStringLiteral("ssvireons"))).isDir());
        QCOMPARE(f.run.desktop.calls.constLast(), QStringLiteral("topmost on"));
        QCOMPARE(w->windowTitle(), QStringLiteral("The Vireon Anthology"));
        QCOMPARE(f.button("SSCommand2")->geometry(), QRect(16, 264, 273, 25));
        QVERIFY(f.addOn() && !f.removeOn());

        f.button("SSCommand7")->click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Photo Successfully Copied!") });
        QCOMPARE(LibraryFixture::contents(f.program(QStringLiteral("ssvireons/55010.JPG"))),
                 LibraryFixture::contents(f.disc(QStringLiteral("birds/55010.jpg"))));
        QVERIFY(!f.addOn() && f.removeOn());
        QVERIFY(control<SSPanel>(w, QStringLiteral("ProgressGuage"))->floodPercent() > 0);

        // Reopened: the same states. A step to another photograph: Add again.
        f.button("SSCommand9")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.photoWindow());
        QCOMPARE(f.run.desktop.calls.constLast(), QStringLiteral("topmost off"));
        f.open();
        QVERIFY(!f.addOn() && f.removeOn());
        f.window->selection().NextPhoto();
        QVERIFY(f.addOn() && !f.removeOn());
        f.window->selection().PreviousPhoto();
        QVERIFY(!f.addOn() && f.removeOn());

        f.run.dialogs.clear();
        f.button("SSCommand8")->click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Photo Successfully Removed!") });
        QVERIFY(!QFile::exists(f.program(QStringLiteral("ssvireons/55010.JPG"))));
        QVERIFY(f.addOn() && !f.removeOn());
        QCOMPARE(control<SSPanel>(f.photoWindow(), QStringLiteral("ProgressGuage"))->floodPercent(), 0);
    }

    void nothingSelectedUsesTheStandIns()
    {
        PhotoWindowFixture f;
        writePhoto(f.program(QStringLiteral("ssVireons/55080.jpg")));
        f.open();
        QVERIFY(!f.addOn() && f.removeOn()); // 55080.jpg is what the check looks for
        // Add copies 55090.jpg from the program's own photo folder; there is none.
        f.photoWindow()->SSCommand7_Click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("File not found") });
        QVERIFY(!QFile::exists(f.program(QStringLiteral("ssVireons/55090.jpg"))));
        writePhoto(f.program(QStringLiteral("birds/55090.jpg")));
        f.photoWindow()->SSCommand7_Click();
        QCOMPARE(f.texts().constLast(), QStringLiteral("Photo Successfully Copied!"));
        QVERIFY(QFile::exists(f.program(QStringLiteral("ssVireons/55090.jpg"))));
    }

    void emptyingTheListDisablesSelectedPhotos()
    {
        PhotoWindowFixture f;
        f.select1955();
        f.open();
        f.button("SSCommand7")->click();
        f.run.dialogs.clear();
        f.run.dialogs.script({ Dialogs::Answer::No });
        f.button("SSCommand2")->click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Would you like to remove all photos from the Vireon Anthology Screen Saver list?") });
        QVERIFY(QFile::exists(f.program(QStringLiteral("ssvireons/55010.JPG"))));
        f.button("SSCommand2")->click();
        QCOMPARE(f.texts().constLast(), QStringLiteral("All Photos Successfully Removed!\r\n\r\nYou must re-install The Vireon Anthology "
                                                       "Screen Saver \r\nif you have previously installed it to play Selected Photos."));
        QVERIFY(f.files(f.program(QStringLiteral("ssvireons"))).isEmpty());
        QVERIFY(f.addOn() && !f.removeOn() && !f.button("SSCommand2")->isEnabled());

        f.menu("mnuSaver"); // closes the photo window
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.photoWindow());
        QVERIFY(!control<QRadioButton>(f.window, QStringLiteral("Option1(1)"))->isEnabled());
        f.open();
        QVERIFY(f.button("SSCommand2")->isEnabled());
    }

    void helpText()
    {
        PhotoWindowFixture f;
        f.open();
        f.button("SSCommand1")->click();
        QCOMPARE(f.texts().constFirst().split(QStringLiteral("\r\n")).size(), 9);
        QVERIFY(f.texts().constFirst().endsWith(QStringLiteral("Screen Saver and choose the Select All Photos option.")));
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::None);
    }

    void clipboardHoldsThePhotograph()
    {
        PhotoWindowFixture f;
        f.select1955();
        f.open();
        f.button("SSCommand3")->click();
        QCOMPARE(f.run.clipboard.image(), control<StretchedImage>(f.window, QStringLiteral("Image4"))->image());
        QVERIFY(!f.run.clipboard.image().isNull());
        QVERIFY(f.texts().isEmpty());
    }

    void saveDialogRefusesAndCopies()
    {
        PhotoWindowFixture f;
        f.select1955();
        f.open();
        const QString photos = f.disc(QStringLiteral("birds/"));
        const QString chosen = f.dir.filePath(QStringLiteral("mine/first.jpg"));
        QDir().mkpath(f.dir.filePath(QStringLiteral("mine")));
        f.run.dialogs.saveAnswers = { photos + QStringLiteral("55010.JPG"), // the source itself, in another case
                                      photos + QStringLiteral("mine.jpg"), chosen };
        f.button("SSCommand4")->click();
        QCOMPARE(f.run.dialogs.saveRequests.size(), 3);
        const Dialogs::SaveFile &request = f.run.dialogs.saveRequests.constFirst();
        QCOMPARE(request.title, QStringLiteral("Copy Vireon photo to disk"));
        QCOMPARE(request.defaultExtension, QStringLiteral(".jpg"));
        QCOMPARE(request.fileName, QStringLiteral("55010.JPG"));
        QCOMPARE(request.folder, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        QCOMPARE(request.filters.size(), 2);
        QCOMPARE(request.filters.at(1), (QPair<QString, QString>(u"All Files (*.*)"_qs, u"*.*"_qs)));
        QCOMPARE(f.texts(), (QStringList{
            QStringLiteral("The target file name and location can not be the same as the source file name and location!\r\n\r\n"
                           "Please choose a different location and/or filename for this photo."),
            QStringLiteral("The target file directory location can not be the same as the Vireon Anthology photos!\r\n\r\n"
                           "Please choose a different location for this photo.") }));
        QCOMPARE(LibraryFixture::contents(chosen), LibraryFixture::contents(f.disc(QStringLiteral("birds/55010.jpg"))));
        QVERIFY(!QFile::exists(photos + QStringLiteral("mine.jpg")));

        // Cancelled: nothing written, nothing said.
        f.run.dialogs.clear();
        f.button("SSCommand4")->click();
        QVERIFY(f.texts().isEmpty());
    }

    void saveProposesTheStandInBeforeASelection()
    {
        PhotoWindowFixture f;
        f.open();
        f.button("SSCommand4")->click();
        QCOMPARE(f.run.dialogs.saveRequests.constFirst().fileName, QStringLiteral("65090.jpg"));
    }

    void printedHeadingsDiffer()
    {
        if (!pdfToolsAvailable())
            QSKIP("pdftotext is not installed");
        PhotoWindowFixture f;
        yearButton(f.window, 12)->click();
        f.open();
        f.run.dialogs.script({ Dialogs::Answer::Cancel });
        f.button("SSCommand5")->click();
        QVERIFY(f.run.printer.printed.isEmpty());
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Would you like to print this photograph?") });
        f.button("SSCommand5")->click();
        f.menu("mnuPrintPhoto");
        QCOMPARE(f.run.printer.printed.size(), 2);
        const QStringList window = pdfWords(f.run.printer.printed.at(0));
        const QStringList menu = pdfWords(f.run.printer.printed.at(1));
        QCOMPARE(window, (QStringList{ u"The"_qs, u"Vireon"_qs, u"Anthology"_qs, u"2002"_qs, u"1966"_qs }));
        QCOMPARE(menu, (QStringList{ u"The"_qs, u"Vireon"_qs, u"Anthology"_qs, u"1966"_qs }));
    }

    void slideShowLoadRefreshesTheButtons()
    {
        QTemporaryDir dir;
        TestServices run(dir.filePath(QStringLiteral("disc")), dir.filePath(QStringLiteral("printed")));
        FakeHost host;
        SlideShowViewer viewer(run.platform, run.session, host);
        std::unique_ptr<QWidget> show(viewer.openShow());
        QCOMPARE(host.calls.mid(0, 2), (QStringList{ u"close saver"_qs, u"saver buttons"_qs }));
    }
};

QTEST_MAIN(TestPhotoWindow)
#include "tst_ssphotowindow.moc"
