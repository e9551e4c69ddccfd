#include "core/errortable.h"
#include "core/session.h"
#include "main/mainwindow.h"
#include "platform/base/mediafs.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/printerqt.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/sscommand.h"
#include "support/fakehost.h"
#include "support/harness.h"
#include "support/pdftext.h"
#include "viewers/documenttable.h"
#include "viewers/documentviewer.h"
#include "viewers/documentviewerrules.h"
#include "viewers/documentviewerwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
void writeFile(const QString &file, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

// Lines of 12 points, "D001" to "D<count>": several pages at one-inch margins.
QByteArray longDocument(int count)
{
    QByteArray rtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs20\\sl-240\\slmult0 ");
    for (int i = 1; i <= count; ++i)
        rtf += "D" + QByteArray::number(i).rightJustified(3, '0') + "\\par ";
    return rtf + "}";
}

// A disc in E: with the menu documents, a screen of 800 x 600 and a printer
// that prints into PDF files of the temporary folder.
// The folder comes first, so that it exists before the services that use it.
struct Folder
{
    QTemporaryDir dir;
};

struct Run : Folder, TestServices
{
    Run()
        : TestServices(dir.filePath(QStringLiteral("disc")), dir.filePath(QStringLiteral("printed")))
    {
        writeFile(dir.filePath("disc/RICHTEXT/Credits.RTF"), "{\\rtf1\\ansi Thanks to everyone.}");
        writeFile(dir.filePath("disc/RICHTEXT/wallpaper instructions.rtf"), "{\\rtf1\\ansi Right-click the desktop.}");
        writeFile(dir.filePath("disc/RICHTEXT/register.rtf"), "{\\rtf1\\ansi Name and address.}");
        writeFile(dir.filePath("disc/RICHTEXT/notice.rtf"), longDocument(130));
        writeFile(dir.filePath("disc/RICHTEXT/SSHELP.RTF"), "{\\rtf1\\ansi Choose photographs first.}");
        writeFile(dir.filePath("disc/RICHTEXT/introduction.rtf"), "{\\rtf1\\ansi Welcome.}");
        writeFile(dir.filePath("disc/RICHTEXT/contrib.rtf"), "{\\rtf1\\ansi With the help of many.}");
        writeFile(dir.filePath("disc/RICHTEXT/vireonadslist.rtf"), "{\\rtf1\\ansi Every advertisement.}");
        writeFile(dir.filePath("disc/RICHTEXT/2002_press_release.rtf"), "{\\rtf1\\ansi The new Vireon.}");
    }

    // Opens the table's document; check() runs on the open viewer, which is
    // then closed with OK unless check closed it.
    void whileOpen(const QString &control, const std::function<void(DocumentViewerWindow *)> &check)
    {
        dialogs.scriptModal([check](QDialog &modal) {
            auto *viewer = qobject_cast<DocumentViewerWindow *>(&modal);
            QVERIFY(viewer);
            check(viewer);
            if (viewer->isVisible())
                viewer->SSCommand1->click();
        });
        OpenDocument(platform, session, host, *documentEntry(control));
    }

    FakeHost host;
};
}

class TestDocumentViewer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void opensWithTheTablesCaption_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("seven blanks") << "mnuCredits" << "The Vireon Anthology       Credits" << "Thanks to everyone.";
        QTest::newRow("five blanks") << "mnuWallPaper" << "The Vireon Anthology     Wallpaper Instructions"
                                     << "Right-click the desktop.";
        QTest::newRow("no prefix") << "mnuRegister" << "Quillon Software Registration Form" << "Name and address.";
        QTest::newRow("looked up first") << "SSCommand5" << "The Vireon Anthology       Install Screen Saver Help"
                                         << "Choose photographs first.";
        QTest::newRow("introduction") << "mnuIntro" << "The Vireon Anthology       Introduction" << "Welcome.";
        QTest::newRow("notice") << "mnuNotice" << "The Vireon Anthology       Notice" << QString();
        QTest::newRow("contributions") << "mnuContrib" << "The Vireon Anthology       Contributions"
                                       << "With the help of many.";
        QTest::newRow("checklist") << "mnuMisc(1)" << "The Vireon Anthology       Advertising Checklist"
                                   << "Every advertisement.";
        QTest::newRow("press release") << "mnuMisc(3)" << "The Vireon Anthology       2002 Press Release"
                                       << "The new Vireon.";
    }
    void opensWithTheTablesCaption()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        Run run;
        run.whileOpen(control, [&](DocumentViewerWindow *viewer) {
            QCOMPARE(viewer->objectName(), QStringLiteral("txtForm"));
            QCOMPARE(viewer->windowTitle(), caption);
            if (!text.isNull())
                QCOMPARE(viewer->rtbText->toPlainText(), text);
            QCOMPARE(viewer->size(), QSize(531, 456));
            // Centred, frame included (the offscreen frame is 2 pixels a side).
            QCOMPARE(viewer->frameGeometry().topLeft(), QPoint((800 - 535) / 2, (600 - 460) / 2));
            // OK reaches from the text's left edge to the print button, 4 twips short of it.
            QCOMPARE(viewer->SSCommand1->geometry(), QRect(8, 424, (7695 - 495 - 4) / 15, 25));
            QCOMPARE(viewer->cmdPrint->geometry().right(), viewer->rtbText->geometry().right());
            QCOMPARE(viewer->cmdPrint->accessibleName(), QStringLiteral("Print"));
            QVERIFY(!viewer->cmdPrint->icon().isNull());
            viewer->rtbText->setFocus();
            QVERIFY(QTest::qWaitForWindowActive(viewer));
            QCOMPARE(viewer->focusWidget(), viewer->SSCommand1);
            QCOMPARE(run.host.enabled, 0);
        });
        QCOMPARE(run.host.saverClosed, 1);
        QCOMPARE(run.host.enabled, 1);
        QCOMPARE(run.host.focusedNext, 1);
        QVERIFY(run.dialogs.shown().isEmpty());
    }

    void doubleClickInTheTextClosesLikeOk()
    {
        Run run;
        run.whileOpen(QStringLiteral("mnuCredits"), [](DocumentViewerWindow *viewer) {
            QTest::mouseDClick(viewer->rtbText->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            QVERIFY(!viewer->isVisible());
        });
        QCOMPARE(run.host.enabled, 1);
        QCOMPARE(run.host.focusedNext, 1);
    }

    void aDocumentThatCannotBeLoadedReportsTheCallersCode_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("saverClosed");
        QTest::newRow("missing") << "mnuContrib" << "ER053" << 1;
        // The same file opens as a document in opensWithTheTablesCaption.
        QTest::newRow("not a document") << "mnuIntro" << "ER007" << 1;
        QTest::newRow("looked up and not found") << "SSCommand5" << "ER052" << 0;
    }
    void aDocumentThatCannotBeLoadedReportsTheCallersCode()
    {
        QFETCH(QString, control);
        QFETCH(QString, code);
        Run run;
        writeFile(run.dir.filePath("disc/RICHTEXT/introduction.rtf"), "plain words, not rich text");
        QFile::remove(run.dir.filePath("disc/RICHTEXT/SSHELP.RTF"));
        QFile::remove(run.dir.filePath("disc/RICHTEXT/contrib.rtf"));
        OpenDocument(run.platform, run.session, run.host, *documentEntry(control)); // would block if a viewer opened
        QCOMPARE(run.session.errors.errorCode(), code);
        QCOMPARE(run.dialogs.shown().size(), 1);
        QCOMPARE(run.dialogs.last().text, composeErrorMessage(code));
        QTEST(run.host.saverClosed, "saverClosed");
        QVERIFY(!ShowDocument(run.platform, run.host, QStringLiteral("E:\\richtext\\contrib.rtf"), QStringLiteral("x")));
    }

    void printQuestionAnsweredNoPrintsNothing()
    {
        Run run;
        run.dialogs.script({ Dialogs::Answer::No });
        run.whileOpen(QStringLiteral("mnuCredits"), [](DocumentViewerWindow *viewer) { viewer->cmdPrint->click(); });
        QCOMPARE(run.dialogs.shown().size(), 1);
        const Dialogs::Message question = run.dialogs.last();
        QCOMPARE(question.title, QStringLiteral("The Vireon Anthology"));
        QCOMPARE(question.text, QStringLiteral("Would you like to print the \r\n\r\nThe Vireon Anthology       Credits?"));
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(question.icon, Dialogs::Icon::Question);
        QVERIFY(run.printer.jobs.isEmpty());
    }

    void printQuestionAnsweredYesPrintsEveryPage()
    {
        if (!pdfToolsAvailable())
            QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the printed pages");
        Run run;
        run.whileOpen(QStringLiteral("mnuNotice"), [](DocumentViewerWindow *viewer) { viewer->cmdPrint_Click(); });
        QCOMPARE(run.dialogs.shown().size(), 2);
        QCOMPARE(run.dialogs.last().text, QStringLiteral("Printing complete!"));
        QCOMPARE(run.dialogs.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(run.printer.jobs, QStringList{ QStringLiteral("The Vireon Anthology       Notice") });
        QCOMPARE(run.printer.releases, 1);

        // 130 lines of 12 points on pages less two inches high.
        const QString file = run.printer.printed.constFirst();
        QVERIFY(run.printer.startJob(QStringLiteral("paper")));
        const int perPage = (run.printer.paperSize().height() - 2 * 1440) / 240;
        run.printer.endJob();
        QCOMPARE(pdfPageCount(file), (130 + perPage - 1) / perPage);
        QStringList expected;
        for (int i = 1; i <= 130; ++i)
            expected << QStringLiteral("D%1").arg(i, 3, 10, QLatin1Char('0'));
        QCOMPARE(pdfWords(file), expected);
        QCOMPARE(pdfWords(file, 2).constFirst(), expected.at(perPage));
    }

    // The buttons keep the focus, yet the keys a reader pages with move the
    // text, Ctrl+P prints and Return presses the button.
    void theKeyboardScrollsPrintsAndCloses()
    {
        Run run;
        run.dialogs.script({ Dialogs::Answer::No });
        run.whileOpen(QStringLiteral("mnuNotice"), [&run](DocumentViewerWindow *viewer) {
            QVERIFY(QTest::qWaitForWindowActive(viewer));
            QScrollBar *bar = viewer->rtbText->verticalScrollBar();
            QVERIFY(bar->maximum() > 0);
            for (QWidget *button : { static_cast<QWidget *>(viewer->SSCommand1), static_cast<QWidget *>(viewer->cmdPrint) }) {
                button->setFocus();
                QTest::keyClick(button, Qt::Key_PageDown);
                QCOMPARE(bar->value(), bar->pageStep());
                QTest::keyClick(button, Qt::Key_Down);
                QCOMPARE(bar->value(), bar->pageStep() + bar->singleStep());
                QTest::keyClick(button, Qt::Key_End);
                QCOMPARE(bar->value(), bar->maximum());
                QTest::keyClick(button, Qt::Key_Home);
                QCOMPARE(bar->value(), 0);
            }
            QTest::keyClick(viewer->SSCommand1, Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(run.dialogs.shown().size(), 1);
            QVERIFY(run.dialogs.last().text.startsWith(QStringLiteral("Would you like to print")));
            QTest::keyClick(viewer->SSCommand1, Qt::Key_Return);
            QTRY_VERIFY(!viewer->isVisible());
        });
    }

    void withoutAPrinterTheMessageSaysWhereTheFileIs()
    {
        Run run;
        const QString folder = run.dir.filePath(QStringLiteral("Documents"));
        QtPrinter pdf(QtPrinter::Target::PdfOnly, folder);
        Platform platform{ run.fs, run.dialogs, run.settings, run.screen, run.desktop, {}, pdf, run.clipboard, run.events };
        run.dialogs.scriptModal([](QDialog &modal) {
            auto *viewer = qobject_cast<DocumentViewerWindow *>(&modal);
            viewer->cmdPrint_Click();
            viewer->SSCommand1_Click();
        });
        QVERIFY(ShowDocument(platform, run.host, QStringLiteral("E:\\richtext\\credits.rtf"), QStringLiteral("Credits")));
        const QString saved = QDir::toNativeSeparators(folder + QStringLiteral("/Credits.pdf"));
        QVERIFY(QFile::exists(saved));
        QCOMPARE(run.dialogs.last().text,
                 QStringLiteral("No printer is set up, so the document was saved as a PDF file:\r\n\r\n") + saved);
        QCOMPARE(run.dialogs.last().icon, Dialogs::Icon::Information);
    }

    void aFailedJobSaysSoAndNotPrintingComplete()
    {
        Run run;
        writeFile(run.dir.filePath("blocked"), "a file where the folder should be");
        QtPrinter pdf(QtPrinter::Target::PdfOnly, run.dir.filePath(QStringLiteral("blocked/Documents")));
        Platform platform{ run.fs, run.dialogs, run.settings, run.screen, run.desktop, {}, pdf, run.clipboard, run.events };
        run.dialogs.scriptModal([](QDialog &modal) {
            auto *viewer = qobject_cast<DocumentViewerWindow *>(&modal);
            viewer->cmdPrint_Click();
            viewer->SSCommand1_Click();
        });
        QVERIFY(ShowDocument(platform, run.host, QStringLiteral("E:\\richtext\\credits.rtf"), QStringLiteral("Credits")));
        QCOMPARE(run.dialogs.shown().size(), 2);
        QVERIFY(run.dialogs.last().text.startsWith(QStringLiteral("The document could not be printed.\r\n\r\n")));
        QVERIFY(run.dialogs.last().text.contains(QDir::toNativeSeparators(run.dir.filePath(QStringLiteral("blocked")))));
        QCOMPARE(run.dialogs.last().icon, Dialogs::Icon::Critical);
    }

    void mainWindowMenuOpensTheDocuments()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("disc/richtext/notice.rtf"), "{\\rtf1\\ansi Notice text.}");
        touchFile(dir.filePath(QStringLiteral("program/passby.wav")));
        writePhoto(dir.filePath(QStringLiteral("disc/birds/55010.jpg")));
        Harness run(dir);
        run.startup.run({});
        run.startup.Timer1_Timer();
        MainWindow *window = run.startup.mainWindow();
        run.dialogs.clear();

        run.dialogs.scriptModal([](QDialog &modal) {
            auto *viewer = qobject_cast<DocumentViewerWindow *>(&modal);
            QCOMPARE(viewer->windowTitle(), QStringLiteral("The Vireon Anthology       Notice"));
            QCOMPARE(viewer->parentWidget()->objectName(), QStringLiteral("Form1"));
            viewer->SSCommand1_Click();
        });
        window->menu(QStringLiteral("mnuNotice"))->trigger();
        QVERIFY(run.dialogs.shown().isEmpty());

        // Credits is not on this disc: ER010, and the main window stays usable.
        window->menu(QStringLiteral("mnuCredits"))->trigger();
        QCOMPARE(run.dialogs.last().text, composeErrorMessage(QStringLiteral("ER010")));
        QVERIFY(window->centralWidget()->isEnabled());
        for (const QString &name : documentMenuEntries())
            QVERIFY2(window->menu(name), qPrintable(name));
        window->close();
    }
};

QTEST_MAIN(TestDocumentViewer)
#include "tst_documentviewer.moc"
