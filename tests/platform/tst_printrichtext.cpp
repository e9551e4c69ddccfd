#include "platform/richtext/rtfreader.h"
#include "platform/base/printer.h"
#include "platform/ui/printerqt.h"
#include "support/pdftext.h"
#include "support/testprinter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {
constexpr PageMargins OneInch{ 1440, 1440, 1440, 1440 };

QTextDocument *readDocument(const QByteArray &rtf, QObject *parent)
{
    auto *document = new QTextDocument(parent);
    readRtf(rtf, *document);
    return document;
}

// Paragraphs of one line each, exactly 12 points apart: "L001" to "L<count>",
// in a font of the size given in half points.
QByteArray evenLines(int count, int fontSize = 20)
{
    QByteArray rtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\f0\\fs"
        + QByteArray::number(fontSize) + "\\sl-240\\slmult0 ");
    for (int i = 1; i <= count; ++i)
        rtf += "L" + QByteArray::number(i).rightJustified(3, '0') + (i < count ? "\\par " : "");
    return rtf + "}";
}

// Wrapped paragraphs of numbered words, bold and italic runs, a page break
// and tables of short cells.
QByteArray mixedDocument(QStringList *words)
{
    QByteArray rtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}\\f0\\fs24 ");
    int word = 0;
    for (int part = 1; part <= 6; ++part) {
        for (int paragraph = 0; paragraph < 4; ++paragraph) {
            for (int i = 0; i < 60; ++i) {
                const QString w = QStringLiteral("w%1").arg(++word, 4, 10, QLatin1Char('0'));
                *words << w;
                rtf += (i % 11 == 3 ? "{\\b " : i % 13 == 5 ? "{\\i\\f1 " : "{") + w.toLatin1() + "} ";
            }
            rtf += "\\par ";
        }
        for (int row = 1; row <= 8; ++row) {
            rtf += "\\trowd\\cellx3000\\cellx6000\\cellx9000 ";
            for (int cell = 1; cell <= 3; ++cell) {
                const QString w = QStringLiteral("t%1r%2c%3").arg(part).arg(row).arg(cell);
                *words << w;
                rtf += "\\intbl " + w.toLatin1() + "\\cell ";
            }
            rtf += "\\row ";
        }
        rtf += part == 3 ? "\\pard\\page " : "\\pard\\par ";
    }
    return rtf + "}";
}
}

class TestPrintRichText : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        if (!pdfToolsAvailable())
            QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the printed pages");
    }

    // A font taller than the spacing lifts each line into the one before it:
    // no page shows, or holds unseen, a line of the page before or after.
    void pagesContinueAtTheFirstLineNotPrinted_data()
    {
        QTest::addColumn<int>("fontSize");
        QTest::newRow("10-point font") << 20;
        QTest::newRow("18-point font") << 36;
    }

    void pagesContinueAtTheFirstLineNotPrinted()
    {
        QFETCH(int, fontSize);
        TestPrinter printer(m_dir.filePath(QStringLiteral("even%1").arg(fontSize)));
        QTextDocument *document = readDocument(evenLines(150, fontSize), this);
        const PrintOutcome outcome = PrintRichText(printer, *document, OneInch, QStringLiteral("Even lines"));
        QVERIFY2(outcome.printed, qPrintable(outcome.failure));
        QCOMPARE(printer.printed.size(), 1);
        QCOMPARE(printer.releases, 1);

        // Twelve-point lines on the page less two inches.
        QVERIFY(printer.startJob(QStringLiteral("paper")));
        const int perPage = (printer.paperSize().height() - 2 * 1440) / 240;
        printer.endJob();
        const int pages = (150 + perPage - 1) / perPage;
        const QString file = printer.printed.constFirst();
        QCOMPARE(pdfPageCount(file), pages);
        for (int page = 1; page <= pages; ++page) {
            QStringList expected;
            for (int line = (page - 1) * perPage + 1; line <= std::min(150, page * perPage); ++line)
                expected << QStringLiteral("L%1").arg(line, 3, 10, QLatin1Char('0'));
            QCOMPARE(pdfWords(file, page), expected);
        }
    }

    void noWordIsLostOrRepeatedAcrossPages()
    {
        TestPrinter printer(m_dir.filePath(QStringLiteral("mixed")));
        QStringList words;
        QTextDocument *document = readDocument(mixedDocument(&words), this);
        QVERIFY(PrintRichText(printer, *document, OneInch, QStringLiteral("Mixed")).printed);
        const QString file = printer.printed.constFirst();
        const int pages = pdfPageCount(file);
        QVERIFY(pages >= 4);
        QStringList printed;
        QStringList pageStarts;
        for (int page = 1; page <= pages; ++page) {
            const QStringList onPage = pdfWords(file, page);
            QVERIFY2(!onPage.isEmpty(), qPrintable(QStringLiteral("page %1 is blank").arg(page)));
            printed += onPage;
            pageStarts << onPage.constFirst();
        }
        // The page break after the third part: the fourth begins a page.
        QVERIFY(pageStarts.contains(QStringLiteral("w0721")));
        std::sort(words.begin(), words.end());
        std::sort(printed.begin(), printed.end());
        QCOMPARE(printed, words);
    }

    void oneJobHoldsDocumentsAndPictures()
    {
        TestPrinter printer(m_dir.filePath(QStringLiteral("booklet")));
        QTextDocument *first = readDocument(evenLines(3), this);
        QTextDocument *second = readDocument("{\\rtf1\\ansi Second document.}", this);
        QVERIFY(printer.startJob(QStringLiteral("Booklet")));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        printer.drawPicture(QRect(1440, 1440, 2880, 2160), picture);
        printer.drawText(QPoint(1440, 4000), QStringLiteral("Caption line"), QFont(QStringLiteral("Serif"), 12));
        printer.newPage();
        printRichTextPages(printer, *first, OneInch);
        printer.newPage();
        printRichTextPages(printer, *second, OneInch);
        QVERIFY(printer.endJob().printed);
        const QString file = printer.printed.constFirst();
        QCOMPARE(pdfPageCount(file), 3);
        QCOMPARE(pdfWords(file, 1), (QStringList{ "Caption", "line" }));
        QCOMPARE(pdfWords(file, 2), (QStringList{ "L001", "L002", "L003" }));
        QCOMPARE(pdfWords(file, 3), (QStringList{ "Second", "document." }));
    }

    // On paper as on screen: a bullet's text and its wrapped lines start at
    // the left indent, a right tab beyond the text ends at the right margin,
    // and a table wider than the text stays inside it.
    void indentsTabsAndTablesKeepToTheText()
    {
        TestPrinter printer(m_dir.filePath(QStringLiteral("indents")));
        QByteArray rtf("{\\rtf1\\ansi{\\pntext\\'b7\\tab}\\pard\\fi-720\\li1440 ");
        for (int i = 1; i <= 40; ++i)
            rtf += "w" + QByteArray::number(i).rightJustified(2, '0') + ' ';
        rtf += "\\par\\pard\\tqr\\tldot\\tx20000 Item\\tab Price\\par"
               "\\trowd\\cellx9000\\cellx18000\\intbl Left\\cell Right\\cell\\row}";
        QTextDocument *document = readDocument(rtf, this);
        QVERIFY(PrintRichText(printer, *document, OneInch, QStringLiteral("Indents")).printed);
        const QList<PdfWord> words = pdfWordBoxes(printer.printed.constFirst(), 1);
        const auto find = [&](const QString &text) {
            const auto it
                = std::find_if(words.begin(), words.end(), [&](const PdfWord &w) { return w.text == text; });
            return it == words.end() ? QRectF() : it->box;
        };
        const QRectF first = find(QStringLiteral("w01"));
        QVERIFY(!first.isNull());
        // An inch in from the margin, as are the wrapped lines.
        QVERIFY2(qAbs(first.left() - 144) < 2, qPrintable(QString::number(first.left())));
        const auto wrapped = std::find_if(words.begin(), words.end(),
            [&](const PdfWord &w) { return w.text.startsWith(u'w') && w.box.top() > first.bottom(); });
        QVERIFY(wrapped != words.end());
        QVERIFY2(qAbs(wrapped->box.left() - 144) < 2, qPrintable(QString::number(wrapped->box.left())));

        QVERIFY(printer.startJob(QStringLiteral("paper")));
        const qreal rightMargin = (printer.paperSize().width() - 1440) / 20.0; // twips to points
        printer.endJob();
        const QRectF price = find(QStringLiteral("Price"));
        QVERIFY2(qAbs(price.right() - rightMargin) < 2, qPrintable(QString::number(price.right())));
        QVERIFY(qAbs(price.top() - find(QStringLiteral("Item")).top()) < 1);
        QVERIFY(find(QStringLiteral("Right")).right() < rightMargin);
    }

    void withoutPrinterTheJobIsSavedAsANewPdf()
    {
        const QString folder = m_dir.filePath(QStringLiteral("Documents"));
        QtPrinter printer(QtPrinter::Target::PdfOnly, folder);
        QTextDocument *document = readDocument(evenLines(2), this);
        const PrintOutcome first = PrintRichText(printer, *document, OneInch, QStringLiteral("The Vireon Anthology       Notice"));
        const PrintOutcome second = PrintRichText(printer, *document, OneInch, QStringLiteral("The Vireon Anthology       Notice"));
        QVERIFY(first.printed && second.printed);
        QCOMPARE(first.pdfFile, QDir::toNativeSeparators(folder + QStringLiteral("/The Vireon Anthology Notice.pdf")));
        QCOMPARE(second.pdfFile, QDir::toNativeSeparators(folder + QStringLiteral("/The Vireon Anthology Notice (2).pdf")));
        QCOMPARE(pdfWords(first.pdfFile), (QStringList{ "L001", "L002" }));
        QCOMPARE(pdfPageCount(second.pdfFile), 1);
    }

    void aJobThatCannotStartSaysWhy()
    {
        // A file where the folder should be: nothing can be saved there.
        const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
        QFile(blocked).open(QIODevice::WriteOnly);
        QtPrinter printer(QtPrinter::Target::PdfOnly, blocked + QStringLiteral("/Documents"));
        QTextDocument *document = readDocument(evenLines(2), this);
        const PrintOutcome outcome = PrintRichText(printer, *document, OneInch, QStringLiteral("Notice"));
        QVERIFY(!outcome.printed);
        QVERIFY(outcome.pdfFile.isEmpty());
        QVERIFY2(outcome.failure.contains(QDir::toNativeSeparators(blocked)), qPrintable(outcome.failure));
        QVERIFY(!printer.endJob().printed); // nothing is left open
    }
};

QTEST_MAIN(TestPrintRichText)
#include "tst_printrichtext.moc"
