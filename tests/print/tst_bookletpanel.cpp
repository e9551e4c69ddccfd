#include "main/mainwindow.h"
#include "print/printsetup.h"
#include "platform/ui/sscommand.h"
#include "support/harness.h"
#include "support/pdftext.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {
void writeDocument(const QString &file)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write("{\\rtf1\\ansi A page of the booklet.\\par}");
}

// The main window over a disc with the cover pictures and the 1955 documents.
class Fixture
{
public:
    Fixture()
    {
        for (const char *name :
            { "graphics/logoBW.jpg", "clipart/55clip.jpg", "graphics/bklettxt.jpg", "graphics/quillon3.jpg" })
            writePhoto(dir.filePath(QStringLiteral("disc/") + QLatin1String(name)));
        for (const char *name : { "introduction", "55desc", "55opts", "55stats", "55colors" })
            writeDocument(dir.filePath(
                QStringLiteral("disc/richtext/") + QLatin1String(name) + QStringLiteral(".rtf")));
        writePhoto(dir.filePath(QStringLiteral("disc/birds/55010.jpg")));
        run.startup.run({});
        run.startup.Timer1_Timer();
        window = run.startup.mainWindow();
        panel = control<>(window, QStringLiteral("pnlPrint"));
        run.dialogs.clear();
    }
    ~Fixture() { window->close(); }

    void open() { window->menu(QStringLiteral("mnuPrnt"))->trigger(); }
    QCheckBox *box(int index) const
    {
        return control<QCheckBox>(panel, QStringLiteral("Check1(%1)").arg(index));
    }
    QListWidget *list(int index) const
    {
        return control<QListWidget>(panel, QStringLiteral("List1(%1)").arg(index));
    }
    SSCommand *button(const QString &name) const { return control<SSCommand>(panel, name); }
    void chooseYears(const QString &from, const QString &to)
    {
        for (int i = 0; i < 2; ++i) {
            const QString year = i == 0 ? from : to;
            if (!year.isEmpty())
                list(i)->findItems(year, Qt::MatchExactly).constFirst()->setSelected(true);
        }
    }
    QString lastMessage() const
    {
        return run.dialogs.shown().isEmpty() ? QString() : run.dialogs.last().text;
    }

    QTemporaryDir dir;
    Harness run { dir };
    MainWindow *window = nullptr;
    QWidget *panel = nullptr;
};
}

class TestBookletPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void controlsAtTheirPlaces()
    {
        Fixture f;
        QVERIFY(f.panel->isHidden());
        QCOMPARE(f.panel->size(), QSize(401, 393));
        QCOMPARE(control<QLabel>(f.panel, QStringLiteral("Label3"))->text(),
            QStringLiteral("Print Vireon Booklet"));
        const QStringList captions { " Cover", " Introduction", " Description", " Details" };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.box(i)->text(), captions.at(i));
            QVERIFY(!f.box(i)->isChecked());
        }
        QCOMPARE(f.box(0)->pos(), QPoint(64, 80));
        auto *frame = control<QGroupBox>(f.panel, QStringLiteral("Frame2"));
        QCOMPARE(frame->title(), QStringLiteral(" By year "));
        QCOMPARE(frame->geometry(), QRect(216, 56, 121, 89));
        QCOMPARE(f.box(3)->parentWidget(), frame);
        QCOMPARE(f.box(3)->pos(), QPoint(8, 56));
        QCOMPARE(control<>(f.panel, QStringLiteral("Image3"))->geometry(), QRect(88, 152, 225, 129));
        QCOMPARE(control<QLabel>(f.panel, QStringLiteral("Label5"))->text(),
            QStringLiteral("Choose print range:"));
        QCOMPARE(control<QLabel>(f.panel, QStringLiteral("Label4"))->text(), QStringLiteral("From:"));
        QCOMPARE(control<QLabel>(f.panel, QStringLiteral("Label6"))->text(), QStringLiteral("To:"));
        QCOMPARE(f.list(1)->geometry(), QRect(184, 312, 81, 52));
        QCOMPARE(f.button(QStringLiteral("cmdPrint"))->geometry(), QRect(280, 296, 97, 25));
        QCOMPARE(f.button(QStringLiteral("SSCommand7"))->text(), QStringLiteral("Clear"));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(f.list(i)->count(), 13);
            QCOMPARE(f.list(i)->item(0)->text(), QStringLiteral("1955"));
            QCOMPARE(f.list(i)->item(12)->text(), QStringLiteral("2002"));
        }
    }

    void openingKeepsTheCoverOnly()
    {
        Fixture f;
        f.window->showScreenSaverPhotoWindow();
        f.open();
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("frmSSPhoto"))->isVisible());
        QVERIFY(f.panel->isVisible());
        QCOMPARE(f.panel->y(), control<>(f.window, QStringLiteral("Image4"))->y() + 5);
        const QWidget *exit = control<>(f.window, QStringLiteral("cmdExit"));
        QCOMPARE(
            f.panel->x(), (exit->mapTo(f.window->centralWidget(), QPoint(exit->width(), 0)).x() - 401) / 2);

        QTest::mouseClick(f.box(0), Qt::LeftButton);
        QTest::mouseClick(f.box(2), Qt::LeftButton);
        f.chooseYears(QStringLiteral("1957"), QStringLiteral("1960"));
        QVERIFY(f.button(QStringLiteral("cmdPrint"))->isEnabled());
        f.button(QStringLiteral("cmdOK"))->click();
        QVERIFY(f.panel->isHidden());

        f.open();
        QVERIFY(f.box(0)->isChecked());
        QVERIFY(!f.box(2)->isChecked());
        QVERIFY(!f.button(QStringLiteral("cmdPrint"))->isEnabled());
        QVERIFY(f.list(0)->selectedItems().isEmpty() && f.list(1)->selectedItems().isEmpty());
        QTest::mouseClick(f.box(1), Qt::LeftButton);
        QVERIFY(f.button(QStringLiteral("cmdPrint"))->isEnabled());
        QTest::mouseClick(f.box(1), Qt::LeftButton);
        QVERIFY(f.button(QStringLiteral("cmdPrint"))->isEnabled()); // the Cover is still ticked
    }

    void captionsAfterAPrintAndAfterClear()
    {
        Fixture f;
        f.open();
        QTest::mouseClick(f.box(0), Qt::LeftButton);
        QTest::mouseClick(f.box(3), Qt::LeftButton);
        f.chooseYears(QStringLiteral("1955"), QStringLiteral("1955"));
        f.button(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(f.lastMessage(), QStringLiteral("Booklet printed!\r\n"));
        QCOMPARE(f.run.dialogs.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(f.button(QStringLiteral("cmdPrint"))->text(), QStringLiteral("Print Again"));
        QCOMPARE(f.button(QStringLiteral("cmdOK"))->text(), QStringLiteral("Exit"));
        QVERIFY(f.panel->isVisible());
        QCOMPARE(f.run.printer.jobs.size(), 1);
        QCOMPARE(f.run.printer.pages, 4); // the cover, then 55opts, 55stats and 55colors

        f.button(QStringLiteral("SSCommand7"))->click();
        QCOMPARE(f.button(QStringLiteral("cmdPrint"))->text(), QStringLiteral("Print"));
        QCOMPARE(f.button(QStringLiteral("cmdOK"))->text(), QStringLiteral("Cancel"));
        QVERIFY(!f.button(QStringLiteral("cmdPrint"))->isEnabled());
        QVERIFY(!f.box(0)->isChecked() && !f.box(3)->isChecked());
        QVERIFY(f.list(0)->selectedItems().isEmpty());

        f.button(QStringLiteral("cmdOK"))->click();
        QVERIFY(f.panel->isHidden());
        QVERIFY(f.window->centralWidget()->isEnabled());
    }

    void rangeErrorsAfterThePrintedCover_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("code");
        QTest::newRow("no From year") << QString() << "1957"
                                      << "ER034";
        QTest::newRow("1960 to 1955") << "1960"
                                      << "1955"
                                      << "ER036";
    }
    void rangeErrorsAfterThePrintedCover()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, code);
        Fixture f;
        f.open();
        QTest::mouseClick(f.box(0), Qt::LeftButton);
        QTest::mouseClick(f.box(2), Qt::LeftButton);
        f.chooseYears(from, to);
        f.button(QStringLiteral("cmdPrint"))->click();
        QVERIFY(f.lastMessage().startsWith(QStringLiteral("Error number: ") + code + QStringLiteral("\r\n")));
        QCOMPARE(f.run.dialogs.shown().size(), 1);
        QCOMPARE(f.run.printer.printed.size(), 1); // the cover came out before the check
        QCOMPARE(f.run.printer.pages, 1);
        QCOMPARE(f.button(QStringLiteral("cmdPrint"))->text(), QStringLiteral("Print"));
    }

    void aMissingDocumentIsReported()
    {
        Fixture f;
        QFile::remove(f.dir.filePath(QStringLiteral("disc/richtext/introduction.rtf")));
        f.open();
        QTest::mouseClick(f.box(1), Qt::LeftButton);
        f.button(QStringLiteral("cmdPrint"))->click();
        QVERIFY(f.lastMessage().startsWith(QStringLiteral("Error number: ER040\r\n")));
        QVERIFY(f.run.printer.jobs.isEmpty());
        QCOMPARE(f.button(QStringLiteral("cmdOK"))->text(), QStringLiteral("Cancel"));
    }

    void printSetupChoosesThePrinterOfTheRun()
    {
        Fixture f;
        const PrinterChoice before = f.run.printer.choice();
        f.window->showScreenSaverPhotoWindow();
        f.window->menu(QStringLiteral("mnuPrint"))->trigger(); // cancelled
        QCOMPARE(f.run.dialogs.printerSetups, 1);
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("frmSSPhoto"))->isVisible());
        QCOMPARE(f.run.printer.choice(), before);
        QVERIFY(f.run.settings.values.isEmpty());

        PrinterChoice letter;
        letter.pageSize = QPageSize(QPageSize::Letter);
        letter.orientation = QPageLayout::Landscape;
        f.run.dialogs.printerAnswers << letter;
        f.window->menu(QStringLiteral("mnuPrint"))->trigger();
        QCOMPARE(f.run.printer.choice(), letter);
        QCOMPARE(readPrinterChoice(f.run.settings, before), letter);

        // The booklet printed afterwards comes out on that paper.
        if (!pdfToolsAvailable())
            QSKIP("poppler's pdftoppm is not installed");
        f.open();
        QTest::mouseClick(f.box(0), Qt::LeftButton);
        f.button(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(pdfPageImage(f.run.printer.printed.constFirst(), 1, 72).size(), QSize(792, 612));
    }

    void printerSettingsThatCannotBeReadKeepTheDefault()
    {
        MemorySettingsStore settings;
        const QString section = QStringLiteral("The Vireon Anthology/Printer/");
        settings.values.insert(section + QStringLiteral("PaperSize"), QStringLiteral("99999x-1"));
        settings.values.insert(section + QStringLiteral("Orientation"), QStringLiteral("Sideways"));
        const PrinterChoice defaults;
        QCOMPARE(readPrinterChoice(settings, defaults), defaults);
        settings.values.insert(section + QStringLiteral("PaperSize"), QStringLiteral("612x792"));
        QCOMPARE(readPrinterChoice(settings, defaults).pageSize.id(), QPageSize::Letter);
    }
};

QTEST_MAIN(TestBookletPanel)
#include "tst_bookletpanel.moc"
