#include "documents.h"
#include "main/mainmenu.h"
#include "main/mainwindow.h"
#include "platform/ui/sscommand.h"
#include "support/harness.h"
#include "support/windowtest.h"
#include "util/help.h"
#include "util/helpcontext.h"
#include "util/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace {
void writeFile(const QString &file, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
}

// The main window with the program's own manual in the program folder.
class Fixture
{
public:
    explicit Fixture(QSize screen = QSize(800, 600))
        : run(dir, screen)
    {
        writePhoto(dir.filePath(QStringLiteral("disc/birds/55010.jpg")));
        writeFile(dir.filePath(QStringLiteral("program/Vireon.HLP")), helpFile());
        run.startup.run({});
        run.startup.Timer1_Timer();
        window = run.startup.mainWindow();
        run.dialogs.clear();
    }
    ~Fixture() { window->close(); }

    HelpWindow *help(QWidget *owner = nullptr) const
    {
        return (owner ? owner : window)->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    }
    QString page(QWidget *owner = nullptr) const
    {
        return control<QTextBrowser>(help(owner), QStringLiteral("txtHelp"))->toPlainText();
    }

    QTemporaryDir dir;
    Harness run;
    MainWindow *window = nullptr;
};

// Every "help:N" a topic links to.
QList<int> linksOf(const HelpTopic &topic)
{
    QList<int> links;
    static const QRegularExpression link(QStringLiteral("href=\"help:(\\d+)\""));
    for (auto match = link.globalMatch(topic.html); match.hasNext();)
        links << match.next().captured(1).toInt();
    return links;
}
}

class TestHelp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void attachHelpSetsTheHelpFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("helpFile");
        QTest::newRow("plain folder") << "C:\\VIREON"
                                      << "C:\\VIREON\\Vireon.HLP";
        QTest::newRow("trailing backslash") << "C:\\"
                                            << "C:\\Vireon.HLP";
        QTest::newRow("trailing backslash and blanks") << "C:\\Apps\\  "
                                                       << "C:\\Apps\\  Vireon.HLP";
        QTest::newRow("native folder") << "/opt/vireon"
                                       << "/opt/vireon\\Vireon.HLP";
    }
    void attachHelpSetsTheHelpFile()
    {
        QFETCH(QString, folder);
        QFETCH(QString, helpFile);
        RecordingDialogs dialogs;
        Session session(dialogs);
        QCOMPARE(session.HelpFile, QStringLiteral("C:\\VIREON\\Vireon.HLP")); // before any AttachHelp
        session.roots.ProgramFolder = folder;
        QObject owner;
        AttachHelp(session, &owner);
        QCOMPARE(session.HelpOwner.data(), &owner);
        QCOMPARE(session.HelpFile, helpFile);
    }

    void contentsOpensTheManual()
    {
        Fixture f;
        f.window->showScreenSaverPhotoWindow();
        f.window->menu(QStringLiteral("mnuContents"))->trigger();
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("frmSSPhoto"))->isVisible());
        // The help file setting still names the fixed path: the manual is found in the program folder.
        QVERIFY(f.help() && f.help()->isVisible());
        QCOMPARE(f.help()->currentTopic(), 0);
        QVERIFY(f.page().startsWith(
            QStringLiteral("The Vireon Anthology Help\nWelcome to The Vireon Anthology")));

        // A link, Back, Forward and Contents.
        auto *browser = control<QTextBrowser>(f.help(), QStringLiteral("txtHelp"));
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("help:1110")));
        QCOMPARE(f.help()->currentTopic(), 1110);
        QVERIFY(f.page().startsWith(QStringLiteral("Printing a booklet")));
        control<QPushButton>(f.help(), QStringLiteral("cmdBack"))->click();
        QCOMPARE(f.help()->currentTopic(), 0);
        control<QPushButton>(f.help(), QStringLiteral("cmdForward"))->click();
        QCOMPARE(f.help()->currentTopic(), 1110);
        f.window->menu(QStringLiteral("mnuContents"))->trigger();
        QCOMPARE(f.window->findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(f.help()->currentTopic(), 0);
    }

    void findGoesOnThroughTheTopics()
    {
        Fixture f;
        f.window->menu(QStringLiteral("mnuContents"))->trigger();
        control<QLineEdit>(f.help(), QStringLiteral("txtFind"))->setText(QStringLiteral("print setup"));
        QList<int> found;
        for (int i = 0; i < 5; ++i) {
            f.help()->findNext();
            found << f.help()->currentTopic().value_or(-1);
        }
        QCOMPARE(found, QList<int>({ 1110, 1510, 1630, 2011, 1110 }));
        auto *browser = control<QTextBrowser>(f.help(), QStringLiteral("txtHelp"));
        QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("Print Setup"));

        control<QLineEdit>(f.help(), QStringLiteral("txtFind"))->setText(QStringLiteral("carburettor"));
        f.help()->findNext();
        QCOMPARE(control<QLabel>(f.help(), QStringLiteral("lblStatus"))->text(),
            QStringLiteral("\"carburettor\" is not in the manual."));
    }

    void aTopicPrints()
    {
        Fixture f;
        f.window->menu(QStringLiteral("mnuContents"))->trigger();
        control<QPushButton>(f.help(), QStringLiteral("cmdPrint"))->click();
        QCOMPARE(f.run.printer.printed.size(), 1);
        QCOMPARE(f.run.dialogs.last().text, QStringLiteral("Printing complete!"));
    }

    void aMissingOrDamagedHelpFileIsSaidSo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("heading");
        QTest::newRow("missing") << QByteArray() << "The help file cannot be found";
        QTest::newRow("an RTF file") << QByteArray("{\\rtf1\\ansi Help}") << "The help file is damaged";
        QTest::newRow("binary") << QByteArray("\x3f\x5f\x03\x00\xff\xfe\x00\x01", 8)
                                << "The help file is damaged";
    }
    void aMissingOrDamagedHelpFileIsSaidSo()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, heading);
        Fixture f;
        const QString file = f.dir.filePath(QStringLiteral("program/Vireon.HLP"));
        if (bytes.isEmpty())
            QFile::remove(file);
        else
            writeFile(file, bytes);
        f.window->menu(QStringLiteral("mnuContents"))->trigger();
        QVERIFY(f.page().startsWith(heading));
        QCOMPARE(f.help()->currentTopic(), std::nullopt);
        QVERIFY(!control<QPushButton>(f.help(), QStringLiteral("cmdContents"))->isEnabled());
        f.help()->findNext();
        f.help()->showTopic(1510);
        QVERIFY(f.page().startsWith(heading));

        // Mended, the next call shows the manual in the same window.
        writeFile(file, helpFile());
        f.window->menu(QStringLiteral("mnuContents"))->trigger();
        QCOMPARE(f.help()->currentTopic(), 0);
    }

    void menuEntriesAndWindowsHaveTheirTopics()
    {
        QMenuBar bar;
        const MainMenu menu(&bar);
        QCOMPARE(helpContextOf(menu.action(QStringLiteral("mnuPrnt"))), 1630); // its group's
        QCOMPARE(helpContextOf(menu.action(QStringLiteral("mnuCopyPhoto"))), 1510); // its menu's
        QCOMPARE(helpContextOf(menu.action(QStringLiteral("mnuExit"))), 1660);
        QCOMPARE(helpContextOf(menu.action(QStringLiteral("mnuRegisterOL"))), 1670);
        QCOMPARE(helpContextOf(menu.action(QStringLiteral("mnuSound"))), 1520); // a command of its own
        QCOMPARE(helpContextOf(menu.action(QStringLiteral("mnuHideStatus"))), 0);

        // Every number a menu entry or window leads to, and every link, is a topic of the manual.
        const HelpManual::Parsed parsed = HelpManual::parse(helpFile());
        QVERIFY2(parsed.manual, qPrintable(parsed.error));
        QList<int> wanted;
        for (QAction *action : bar.findChildren<QAction *>())
            wanted << helpContextOf(action);
        for (const char *name : { "Form1", "pnlPrint", "pnlSSaver", "pnlProgress", "pnlSound", "txtForm",
                 "frmScroll", "frmSlide", "frmMovie", "frmSSPhoto", "frmAbout", "frmHelp" })
            wanted << windowHelpContext(QString::fromLatin1(name));
        for (const HelpTopic &topic : parsed.manual->topics())
            wanted << linksOf(topic);
        for (int context : wanted)
            QVERIFY2(parsed.manual->topic(context), qPrintable(QString::number(context)));
        QVERIFY(parsed.manual->topics().size() >= 40);
    }

    void f1OpensTheTopicOfTheFocusedPanel()
    {
        Fixture f;
        HelpKey key(f.run.platform, f.run.session);
        qApp->installEventFilter(&key);
        f.window->menu(QStringLiteral("mnuPrnt"))->trigger();
        QWidget *cover = control<QCheckBox>(f.window, QStringLiteral("Check1(0)"));
        cover->setFocus();
        QTest::keyClick(cover, Qt::Key_F1);
        QVERIFY(f.help());
        QCOMPARE(f.help()->currentTopic(), 1110);
        QVERIFY(f.page().startsWith(QStringLiteral("Printing a booklet")));
        qApp->removeEventFilter(&key);
    }

    void theSlideShowAttachesAndClosesHelp()
    {
        Fixture f;
        QPointer<HelpWindow> help;
        f.run.dialogs.scriptModal([&](QDialog &show) {
            QCOMPARE(f.run.session.HelpOwner.data(), &show);
            QCOMPARE(
                f.run.session.HelpFile, f.run.session.roots.ProgramFolder + QStringLiteral("\\Vireon.HLP"));
            help = showHelp(f.run.platform, f.run.session, &show, 1170);
            QCOMPARE(help->currentTopic(), 1170);
        });
        QTest::mouseClick(control<SSCommand>(f.window, QStringLiteral("ssCmdSlide")), Qt::LeftButton);
        QCOMPARE(f.run.dialogs.modalWindows, QStringList { "frmSlide" });
        QVERIFY(!help); // closed with the show, before the show's window is deleted
    }

    void closeHelpClosesTheOwnersWindowOnly()
    {
        Fixture f;
        QWidget owner;
        f.run.session.roots.ProgramFolder = f.dir.filePath(QStringLiteral("program"));
        AttachHelp(f.run.session, &owner);
        QPointer<HelpWindow> attached = showHelp(f.run.platform, f.run.session, &owner, 0);
        QPointer<HelpWindow> main = showHelp(f.run.platform, f.run.session, f.window, 0);
        CloseHelp(f.run.session);
        QVERIFY(!attached);
        QVERIFY(main);
    }

    void webLinksShowTheTaskBarAndOpenTheMakersPages()
    {
        Fixture f;
        f.window->showScreenSaverPhotoWindow();
        f.run.desktop.calls.clear();
        f.window->menu(QStringLiteral("mnuquillonsoftware"))->trigger();
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("frmSSPhoto"))->isVisible());
        f.window->menu(QStringLiteral("mnuRegisterOL"))->trigger();
        QCOMPARE(f.run.desktop.calls,
            QStringList({ "topmost off", "show", "open www.quillonsoftware.com", "topmost off", "show",
                "open www.quillonsoftware.com/register.htm" }));
    }

    void displayCheckThroughTheMenu_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("800 x 600") << QSize(800, 600) << "Your current screen resolution is set at 800x600.";
        QTest::newRow("1024 x 768") << QSize(1024, 768)
                                    << "Your current screen resolution is set at  1024 by 768 pixles.";
    }
    void displayCheckThroughTheMenu()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, firstLine);
        Fixture f(screen);
        f.window->menu(QStringLiteral("mnuCheckResolution"))->trigger();
        QCOMPARE(f.run.dialogs.last().text.section(QStringLiteral("\r\n"), 0, 0), firstLine);
        QCOMPARE(f.run.dialogs.last().title, QStringLiteral("The Vireon Anthology"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
