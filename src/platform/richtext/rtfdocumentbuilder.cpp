#include "rtfdocumentbuilder.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "rtfproperties.h"

namespace Rtf {

namespace {

// A paragraph is cut at the first word boundary after this many characters,
// and a word longer than a few lines wherever it reaches this many.
constexpr int ParagraphLength = 8192;
constexpr int WordLength = 512;

// Spaces, and East Asian characters, between which lines break anyway.
bool breaksAfter(char16_t c)
{
    return c == u' ' || c == u'\t' || c == 0x2028 || (c >= 0x2E80 && c < 0xD800)
        || (c >= 0xF900 && c < 0xFB00) || (c >= 0xFF00 && c < 0xFFF0);
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &doc)
    : m_doc(doc)
    , m_cursor(&doc)
    , m_tables(m_cursor, m_budget)
{
    m_cursor.beginEditBlock();
}

DocumentBuilder::~DocumentBuilder()
{
    m_cursor.endEditBlock();
}

void DocumentBuilder::startParagraph(int tableLevel)
{
    if (m_tables.enter(tableLevel))
        m_pendingBlock = false;
    if (m_pendingBlock && m_budget.take(LayoutBudget::Block))
        m_cursor.insertBlock();
    m_pendingBlock = false;
    m_paragraphStart = m_cursor.position();
    m_cut = false;
    m_blockLength = 0;
    m_wordLength = 0;
}

void DocumentBuilder::insertText(const QString &text, const QTextCharFormat &format)
{
    if (!m_budget.take(text.size() + LayoutBudget::Run))
        return;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        ++m_blockLength;
        m_wordLength = breaksAfter(c) ? 0 : m_wordLength + 1;
        const bool cut
            = m_wordLength >= WordLength || (m_wordLength == 0 && m_blockLength >= ParagraphLength);
        if (cut && !QChar::isHighSurrogate(c)) {
            m_cursor.insertText(text.sliced(from, i + 1 - from), format);
            from = i + 1;
            if (!cutParagraph())
                return;
        }
    }
    if (from < text.size())
        m_cursor.insertText(from == 0 ? text : text.sliced(from), format);
}

bool DocumentBuilder::cutParagraph()
{
    if (!m_budget.take(LayoutBudget::Block))
        return false;
    m_cursor.insertBlock();
    m_cut = true;
    m_blockLength = 0;
    m_wordLength = 0;
    return true;
}

void DocumentBuilder::insertImage(const QImage &image, const QSizeF &size)
{
    if (!m_budget.take(LayoutBudget::Run))
        return;
    QString name;
    if (image.isNull()) {
        // One small grey image serves every box; the format stretches it.
        if (m_placeholder.isEmpty()) {
            m_placeholder = QStringLiteral("rtf-picture:placeholder");
            QImage grey(8, 8, QImage::Format_RGB32);
            grey.fill(QColor(0xD0, 0xD0, 0xD0));
            m_doc.addResource(QTextDocument::ImageResource, QUrl(m_placeholder), grey);
        }
        name = m_placeholder;
    } else {
        name = QStringLiteral("rtf-picture:%1").arg(++m_imageCount);
        m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    }
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    m_cursor.insertImage(format);
    ++m_blockLength;
    m_wordLength = 0;
}

// The blocks of a cut paragraph share its format, except that only the first
// has its space before and first-line indent and only the last its space after.
void DocumentBuilder::setParagraphFormat(const QTextBlockFormat &format)
{
    if (!m_cut)
        return m_cursor.setBlockFormat(format);
    QTextBlockFormat first = format;
    first.setBottomMargin(0);
    QTextBlockFormat later = format;
    later.setTopMargin(0);
    later.setTextIndent(0);
    later.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    later.setProperty(ContinuesParagraph, true);
    QTextBlockFormat middle = later;
    middle.setBottomMargin(0);

    QTextCursor paragraph = m_cursor;
    paragraph.setPosition(m_paragraphStart, QTextCursor::KeepAnchor);
    paragraph.setBlockFormat(middle);
    m_cursor.setBlockFormat(later);
    QTextCursor(m_doc.findBlock(m_paragraphStart)).setBlockFormat(first);
}

void DocumentBuilder::endParagraph(const QTextBlockFormat &format)
{
    QTextBlockFormat applied = format;
    if (m_pageBreakBefore) {
        applied.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_pageBreakBefore = false;
    }
    setParagraphFormat(applied);
    m_pendingBlock = true;
}

void DocumentBuilder::endCell(const QTextBlockFormat &format)
{
    setParagraphFormat(format);
    m_tables.endCell();
    m_pendingBlock = true; // only kept when the row has no room for another cell
}

void DocumentBuilder::endRow(int level, bool nested, const QList<CellDefinition> &cells)
{
    m_tables.endRow(level, nested, cells);
}

void DocumentBuilder::finish()
{
    if (m_tables.enter(0))
        m_pendingBlock = false;
}

void DocumentBuilder::insertRule()
{
    startParagraph(0);
    QTextBlockFormat rule;
    rule.setTopMargin(12);
    rule.setProperty(
        QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
    endParagraph(rule);
}

} // namespace Rtf
