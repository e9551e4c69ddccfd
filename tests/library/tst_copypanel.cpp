#include "libraryfixture.h"
#include "restrictedfolders.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestCopyPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void opensPlacedWithCaptionsPerKind()
    {
        LibraryFixture f;
        f.menu("mnuCopyMovies");
        auto *panel = control<SSPanel>(f.window, QStringLiteral("pnlProgress"));
        QVERIFY(!panel->isHidden());
        QCOMPARE(control<QLabel>(panel, QStringLiteral("Label2"))->text(), QStringLiteral("Copy Movies from CD-ROM to hard drive"));
        QCOMPARE(control<SSCommand>(panel, QStringLiteral("cmdCopy"))->text(), QStringLiteral("Copy Movies"));
        QCOMPARE(f.run.session.CopyKind, false);
        f.menu("mnuCopy");
        QCOMPARE(control<QLabel>(panel, QStringLiteral("Label2"))->text(), QStringLiteral("Copy photos from CD-ROM to hard drive"));
        QCOMPARE(control<SSCommand>(panel, QStringLiteral("cmdCopy"))->text(), QStringLiteral("Copy Photos"));
        QCOMPARE(control<QLineEdit>(panel, QStringLiteral("Text1"))->text(), QStringLiteral(" "));
        QCOMPARE(control<SSPanel>(panel, QStringLiteral("ProgressGuage"))->caption(), QStringLiteral("0"));
        QCOMPARE(control<SSPanel>(panel, QStringLiteral("ProgressGuage2"))->floodPercent(), 0);
        QCOMPARE(panel->size(), QSize(481, 329));
        auto *exit = control<QWidget>(f.window, QStringLiteral("cmdExit"));
        const int exitRight = exit->mapTo(panel->parentWidget(), QPoint(exit->width(), 0)).x();
        QCOMPARE(panel->pos(), QPoint((exitRight - 481) / 2, control<QWidget>(f.window, QStringLiteral("cmdDesc"))->y() + 60));
        QCOMPARE(f.window->focusWidget(), control<QWidget>(panel, QStringLiteral("cmdCancel")));
        QVERIFY(f.texts().isEmpty());
    }

    // A real press and release on the shown window: the copy runs on the
    // release, with the main window out of play and the gauges moving.
    void copiesPhotosAndReadsTheCopies()
    {
        LibraryFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        f.menu("mnuCopy");
        auto *panel = control<SSPanel>(f.window, QStringLiteral("pnlProgress"));
        auto *copy = control<SSCommand>(panel, QStringLiteral("cmdCopy"));
        QStringList during;
        f.run.events.meanwhile.insert(1, [&] {
            during << control<SSPanel>(panel, QStringLiteral("ProgressGuage"))->caption()
                   << control<SSPanel>(panel, QStringLiteral("ProgressGuage2"))->caption()
                   << control<QLineEdit>(panel, QStringLiteral("Text1"))->text()
                   << (f.window->centralWidget()->isEnabled() ? u"enabled"_qs : u"disabled"_qs)
                   << (copy->isEnabled() ? u"on"_qs : u"off"_qs);
            // A second copy from inside the first is refused.
            QMetaObject::invokeMethod(copy, "clicked");
        });
        QTest::mousePress(copy, Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::mouseRelease(copy, Qt::LeftButton);

        // The first photograph's two chunks moved in one piece: 50000 of its bytes.
        const qint64 first = QFileInfo(f.disc(QStringLiteral("birds/55010.jpg"))).size();
        QCOMPARE(during, (QStringList{ QString::number(50000 * 100 / first), u"0"_qs, u"E:\\birds\\55010.JPG"_qs, u"disabled"_qs, u"off"_qs }));
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Photos successfully copied!\r\n") });
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(f.files(f.program(QStringLiteral("birds"))),
                 (QStringList{ u"55010.JPG"_qs, u"55020.JPG"_qs, u"55030.JPG"_qs, u"66010.JPG"_qs, u"A2010.JPG"_qs }));
        QCOMPARE(LibraryFixture::contents(f.program(QStringLiteral("birds/55010.JPG"))),
                 LibraryFixture::contents(f.disc(QStringLiteral("birds/55010.jpg"))));
        QCOMPARE(f.run.session.roots.PhotoRoot, f.run.session.roots.ProgramFolder);
        QVERIFY(f.run.session.photoIndex.pathAt(1).startsWith(f.run.session.roots.ProgramFolder + u"\\birds\\"));
        QVERIFY(panel->isHidden());
        QVERIFY(f.window->isEnabled());
        QVERIFY(!f.run.session.CopyPending);
        QCOMPARE(control<SSPanel>(panel, QStringLiteral("ProgressGuage2"))->caption(), QStringLiteral("100"));
        QCOMPARE(f.run.events.pumps, 1);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void copyAgainQuestionAndCancel()
    {
        LibraryFixture f;
        f.menu("mnuCopy");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        const QString copy = f.program(QStringLiteral("birds/55020.JPG"));
        QFile::resize(copy, 10);
        const QByteArray earlier = LibraryFixture::contents(copy);
        f.run.dialogs.clear();
        f.menu("mnuCopy");
        f.run.dialogs.script({ Dialogs::Answer::Cancel });
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("These files have already been copied\r\nto your hard drive.\r\n\r\n"
                                                        "Would you like to copy them again?") });
        QCOMPARE(f.run.dialogs.last().buttons, Dialogs::Buttons::OkCancel);
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::Question);
        QVERIFY(control<SSPanel>(f.window, QStringLiteral("pnlProgress"))->isHidden());
        QCOMPARE(LibraryFixture::contents(copy), earlier);
        QVERIFY(control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->isEnabled());

        f.menu("mnuCopy");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click(); // OK: copied again
        QCOMPARE(LibraryFixture::contents(copy), LibraryFixture::contents(f.disc(QStringLiteral("birds/55020.jpg"))));
    }

    void failedFreeSpaceQuery()
    {
        LibraryFixture f;
        f.run.session.roots.ProgramFolder = QStringLiteral("Q:"); // a volume that cannot be asked
        f.menu("mnuCopy");
        QCOMPARE(f.texts().size(), 2);
        QCOMPARE(f.run.dialogs.shown().at(0).text, QStringLiteral("Internal GetDisk error!"));
        QCOMPARE(f.run.dialogs.shown().at(0).icon, Dialogs::Icon::None);
        QVERIFY(f.texts().at(1).contains(QStringLiteral("\r\nYou have:   bytes\r\n\r\nYou need:   42,000,000 bytes more")));
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::Critical);
        QVERIFY(control<SSPanel>(f.window, QStringLiteral("pnlProgress"))->isHidden());
    }

    void failedFileKeepsTheDiscPhotos()
    {
        LibraryFixture f;
        // A name on the disc that would lead out of the photo folder.
        writePhoto(f.disc(QStringLiteral("birds/..\\escape.jpg")));
        f.menu("mnuCopy");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        QCOMPARE(f.texts(), (QStringList{ QStringLiteral("Bad file name or number"),
                                          QStringLiteral("1 of 6 photos could not be copied!\r\n\r\nThe photos are still read from the CD-ROM.") }));
        QCOMPARE(f.run.session.roots.PhotoRoot, QStringLiteral("E:"));
        QCOMPARE(f.files(f.program(QStringLiteral("birds"))).size(), 5);
        QVERIFY(!QFile::exists(f.program(QStringLiteral("escape.jpg"))));
        QVERIFY(!QFile::exists(f.program(QStringLiteral("..\\ESCAPE.JPG"))));
        QVERIFY(!f.run.session.CopyPending);
    }

    void readOnlyProgramFolder()
    {
        LibraryFixture f;
        ReadOnlyFolder locked(f.program());
        if (!locked.ok())
            QSKIP("cannot make a read-only folder here");
        f.menu("mnuCopy");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Path/File access error") });
        QVERIFY(control<SSPanel>(f.window, QStringLiteral("pnlProgress"))->isHidden());
        QVERIFY(!QFile::exists(f.program(QStringLiteral("birds"))));
        QCOMPARE(f.run.session.roots.PhotoRoot, QStringLiteral("E:"));
    }

    void copiesMovies()
    {
        LibraryFixture f;
        f.menu("mnuCopyMovies");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        QCOMPARE(f.texts(), QStringList{ QStringLiteral("Movies successfully copied!\r\n") });
        QCOMPARE(f.files(f.program(QStringLiteral("movies"))), (QStringList{ u"INTRO.AVI"_qs, u"ROAD.AVI"_qs }));
        QCOMPARE(f.run.session.roots.PhotoRoot, QStringLiteral("E:"));
    }

    void removesThePhotosAndCloses()
    {
        LibraryFixture f;
        f.menu("mnuCopy");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        f.run.dialogs.clear();
        QSignalSpy closed(f.window, &MainWindow::closed);
        f.run.dialogs.script({ Dialogs::Answer::No });
        f.menu("mnuRemove");
        QCOMPARE(f.files(f.program(QStringLiteral("birds"))).size(), 5);
        QCOMPARE(closed.size(), 0);
        f.menu("mnuRemove");
        QCOMPARE(f.run.dialogs.shown().at(0).text,
                 QStringLiteral("Would you like to remove all Vireon Anthology photos from your hard drive?"));
        QCOMPARE(f.run.dialogs.shown().at(0).buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(f.texts().constLast(),
                 QStringLiteral("All Photos Successfully Removed!\r\n\r\nYou must now exit and re-enter the Vireon Anthology to allow \r\n"
                                "the software to find the photos on the cdrom drive.\r\n\r\n"
                                "You must also re-install the Vireon Anthology Screen Saver \r\nif you have previously installed it."));
        QVERIFY(!QFile::exists(f.program(QStringLiteral("birds"))));
        QCOMPARE(f.run.session.roots.PhotoRoot, QStringLiteral("E:"));
        QCOMPARE(closed.size(), 1);
    }

    void removalLeavesOtherFilesAndNeverCopied()
    {
        LibraryFixture f;
        QSignalSpy closed(f.window, &MainWindow::closed);
        f.menu("mnuRemove"); // nothing was ever copied
        QVERIFY(f.texts().constLast().startsWith(QStringLiteral("All Photos Successfully Removed!")));
        QCOMPARE(closed.size(), 1);
        writePhoto(f.program(QStringLiteral("Birds/55010.jpg")));
        touchFile(f.program(QStringLiteral("Birds/notes.txt")));
        f.menu("mnuRemove");
        QCOMPARE(f.files(f.program(QStringLiteral("Birds"))), QStringList{ u"notes.txt"_qs });
    }

    void photosThatCannotBeRemoved()
    {
        LibraryFixture f;
        f.menu("mnuCopy");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        f.run.dialogs.clear();
        ReadOnlyFolder locked(f.program(QStringLiteral("birds")));
        if (!locked.ok())
            QSKIP("cannot make a read-only folder here");
        QSignalSpy closed(f.window, &MainWindow::closed);
        f.menu("mnuRemove");
        QCOMPARE(f.texts().constLast(), QStringLiteral("5 Vireon Anthology photos could not be removed from your hard drive.\r\n\r\n"
                                                       "Close any program that uses them and try again."));
        QCOMPARE(closed.size(), 0);
        QCOMPARE(f.run.session.roots.PhotoRoot, QStringLiteral("E:"));
        QCOMPARE(f.run.session.photoIndex.pathAt(1), QStringLiteral("E:\\birds\\55010.JPG"));
    }

    void removesTheMovies()
    {
        LibraryFixture f;
        f.menu("mnuCopyMovies");
        control<SSCommand>(f.window, QStringLiteral("cmdCopy"))->click();
        f.run.dialogs.clear();
        QSignalSpy closed(f.window, &MainWindow::closed);
        f.menu("mnuRemoveMovies");
        QCOMPARE(f.texts(), (QStringList{ QStringLiteral("Would you like to remove all Vireon Anthology movies from your hard drive?"),
                                          QStringLiteral("All movies successfully removed!") }));
        QVERIFY(!QFile::exists(f.program(QStringLiteral("movies"))));
        QCOMPARE(closed.size(), 0);
    }
};

QTEST_MAIN(TestCopyPanel)
#include "tst_copypanel.moc"
