#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

#include "platform/richtext/rtfplaintext.h"
#include "platform/richtext/rtfreader.h"
#include "support/timelimit.h"

using namespace Qt::StringLiterals;

namespace {

// The document laid out at the width, after the event loop let it fit itself
// to that width.
void layOut(QTextDocument &doc, qreal width)
{
    doc.setTextWidth(width);
    doc.documentLayout()->documentSize();
    QCoreApplication::processEvents();
    doc.documentLayout()->documentSize();
}

// Where the character at the position of the block starts, from the left edge
// of the text.
qreal xOf(const QTextBlock &block, int position)
{
    const QTextLine line = block.layout()->lineForTextPosition(position);
    return line.cursorToX(position);
}

QList<QTextTable *> tablesIn(const QTextDocument &doc)
{
    QList<QTextTable *> tables;
    for (QTextFrame *child : doc.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables.append(table);
    }
    return tables;
}

} // namespace

class TestRtfLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bulletTextLinesUpWithItsWrappedLines();
    void rightTabBeyondTheWidthAlignsAtTheMargin();
    void stopsAlignAsStated();
    void defaultStopsFollowDeftab();
    void wideTablesFitTheWidth();
    void boxFitsWhatItShows();
    void hugeParagraphsLayOutQuickly_data();
    void hugeParagraphsLayOutQuickly();
};

// A negative first-line indent makes the left indent a stop: the bullet's tab
// goes there, where the wrapped lines start.
void TestRtfLayout::bulletTextLinesUpWithItsWrappedLines()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1{\pntext\'b7\tab}\pard\fi-360\li720 Chrome wheel covers, whitewall tyres and a )"
                    R"(two-tone roof in every colour the factory offered that year.\par})",
        doc)
                .ok);
    layOut(doc, 300);
    const QTextBlock block = doc.begin();
    QVERIFY(block.layout()->lineCount() >= 2);
    QCOMPARE(block.layout()->lineAt(0).x(), 24.0); // the bullet, at 360 twips
    QCOMPARE(xOf(block, 2), 48.0); // the text after its tab, at 720 twips
    QCOMPARE(block.layout()->lineAt(1).x(), 48.0);
}

void TestRtfLayout::rightTabBeyondTheWidthAlignsAtTheMargin()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\pard\tx1440\tqr\tldot\tx12000 Item\tab PS-1\tab $98.00\par})", doc).ok);
    layOut(doc, 300);
    const QTextBlock block = doc.begin();
    const QString text = block.text();
    QCOMPARE(block.layout()->lineCount(), 1);
    QCOMPARE(xOf(block, text.indexOf(u"PS-1")), 96.0);
    const qreal edge = 300 - 2 * doc.documentMargin();
    QVERIFY2(qAbs(xOf(block, text.size()) - edge) < 1, qPrintable(QString::number(xOf(block, text.size()))));

    // The leader is drawn across the space of the tab that goes to its stop.
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + text.lastIndexOf(u'\t') + 1);
    QCOMPARE(cursor.charFormat().underlineStyle(), QTextCharFormat::DotLine);
    cursor.setPosition(block.position() + text.indexOf(u'\t') + 1);
    QCOMPARE(cursor.charFormat().underlineStyle(), QTextCharFormat::NoUnderline);

    // Wide enough again, the stop is where the document put it.
    layOut(doc, 1000);
    QVERIFY(qAbs(xOf(block, text.size()) - 800) < 1);
}

void TestRtfLayout::stopsAlignAsStated()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\pard\tqc\tx2880\tqdec\tx5760\tqr\tx7200\tab Centre\tab 1234.50\tab End\par)"
                    R"(\pard\li1440\tx2880\tqr\tx5760 a\tab b\tab c\par})",
        doc)
                .ok);
    layOut(doc, 600);
    const QTextBlock first = doc.begin();
    const QString text = first.text();
    const int centre = text.indexOf(u"Centre");
    QVERIFY(qAbs((xOf(first, centre) + xOf(first, centre + 6)) / 2 - 192) < 1);
    QVERIFY(qAbs(xOf(first, text.indexOf(u'.')) - 384) < 1);
    QVERIFY(qAbs(xOf(first, text.size()) - 480) < 1);

    // Stops are measured from the text's left edge, not from the indent.
    const QTextBlock second = first.next();
    QCOMPARE(xOf(second, 2), 192.0);
    QVERIFY(qAbs(xOf(second, 5) - 384) < 1);
}

void TestRtfLayout::defaultStopsFollowDeftab()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\deftab1440 a\tab b\par\pard\li360 \tab c\tab d\par})", doc).ok);
    QCOMPARE(doc.defaultTextOption().tabStopDistance(), 96.0);
    layOut(doc, 600);
    QCOMPARE(xOf(doc.begin(), 2), 96.0);
    const QTextBlock indented = doc.begin().next();
    QCOMPARE(xOf(indented, 1), 96.0); // the first stop from the edge, not 360 twips on
    QCOMPARE(xOf(indented, 3), 192.0);

    QVERIFY(readRtf(R"({\rtf1 a\tab b})", doc).ok);
    QCOMPARE(doc.defaultTextOption().tabStopDistance(), 48.0); // 720 twips when absent
}

void TestRtfLayout::wideTablesFitTheWidth()
{
    QTextDocument doc;
    QVERIFY(readRtf(R"({\rtf1\trowd\cellx6000\cellx9000\cellx12000\intbl A\cell B\cell C\cell\row)"
                    R"(\pard between\par\trowd\cellx1500\cellx3000\intbl D\cell E\cell\row\pard after})",
        doc)
                .ok);
    const QList<QTextTable *> tables = tablesIn(doc);
    QCOMPARE(tables.size(), 2);
    QTextTable *wide = tables.at(0);
    QTextTable *narrow = tables.at(1);

    layOut(doc, 400);
    const qreal text = 400 - 2 * doc.documentMargin();
    const QRectF wideRect = doc.documentLayout()->frameBoundingRect(wide);
    QVERIFY2(wideRect.width() <= text + 0.5, qPrintable(QString::number(wideRect.width())));
    const QList<QTextLength> columns = wide->format().columnWidthConstraints();
    QCOMPARE(columns.size(), 3);
    QCOMPARE(columns.at(0), QTextLength(QTextLength::PercentageLength, 50));
    QCOMPARE(columns.at(2), QTextLength(QTextLength::PercentageLength, 25));
    // The last column is whole: its cell ends inside the text.
    const QRectF last
        = doc.documentLayout()->blockBoundingRect(wide->cellAt(0, 2).firstCursorPosition().block());
    QVERIFY(last.left() > wideRect.left() + text * 0.7);
    QVERIFY(last.left() < wideRect.right());
    QCOMPARE(narrow->format().columnWidthConstraints().at(0), QTextLength(QTextLength::FixedLength, 100));
    QVERIFY(doc.documentLayout()->frameBoundingRect(narrow).width() < 250);

    layOut(doc, 1000);
    QCOMPARE(wide->format().columnWidthConstraints().at(0), QTextLength(QTextLength::FixedLength, 400));
    QVERIFY(doc.documentLayout()->frameBoundingRect(wide).width() < 850);
}

// The viewer's box: its document keeps \deftab and fits to the box as it is
// resized.
void TestRtfLayout::boxFitsWhatItShows()
{
    QTextBrowser box;
    auto *doc = new QTextDocument(&box);
    QVERIFY(readRtf(R"({\rtf1\deftab1440\pard\tqr\tldot\tx12000 Item\tab $98.00\par})", *doc).ok);
    box.setDocument(doc);
    box.resize(320, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();
    QCOMPARE(box.document()->defaultTextOption().tabStopDistance(), 96.0);
    const QTextBlock block = doc->begin();
    QCOMPARE(block.layout()->lineCount(), 1);
    const qreal edge = doc->textWidth() - 2 * doc->documentMargin();
    QVERIFY(qAbs(xOf(block, block.text().size()) - edge) < 1);

    box.resize(260, 200);
    QCoreApplication::processEvents();
    QCOMPARE(block.layout()->lineCount(), 1);
    QVERIFY(qAbs(xOf(block, block.text().size()) - (doc->textWidth() - 2 * doc->documentMargin())) < 1);
}

void TestRtfLayout::hugeParagraphsLayOutQuickly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a word of 600 000 letters") << QString(600'000, u'x');
    QTest::newRow("3 MB of words") << u"Vireon chrome hardtop "_s.repeated(140'000);
    QTest::newRow("East Asian text") << u"日本語の文章"_s.repeated(100'000);
}

// One paragraph of megabytes must not keep the box from answering: Qt lays
// out a paragraph whole, and a long word in time that grows with its square.
void TestRtfLayout::hugeParagraphsLayOutQuickly()
{
    QFETCH(QString, text);
    QByteArray rtf = "{\\rtf1\\ansi\\uc0 ";
    for (const QChar c : text)
        rtf += c.unicode() < 0x80 ? QByteArray(1, char(c.unicode()))
                                  : "\\u" + QByteArray::number(c.unicode()) + ' ';
    rtf += '}';
    QElapsedTimer timer;
    timer.start();
    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc).ok);
    doc.setTextWidth(500);
    doc.documentLayout()->documentSize();
    QVERIFY2(timer.elapsed() < timeLimit(5000), qPrintable(QString::number(timer.elapsed()) + u" ms"_s));
    QCOMPARE(plainTextOf(doc), text); // whole, on one line
}

QTEST_MAIN(TestRtfLayout)
#include "tst_rtflayout.moc"
