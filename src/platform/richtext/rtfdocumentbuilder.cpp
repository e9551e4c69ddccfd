#include "rtfdocumentbuilder.h"

#include <QImage>
#include <QTextDocument>
#include <QUrl>

namespace Rtf {

namespace {

constexpr int MaxBlocks = 100'000;

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &doc)
    : m_doc(doc)
    , m_cursor(&doc)
    , m_blockBudget(MaxBlocks)
    , m_tables(m_cursor, m_blockBudget)
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
    if (m_pendingBlock) {
        if (m_blockBudget > 0) {
            --m_blockBudget;
            m_cursor.insertBlock();
        } else {
            m_cursor.insertText(QStringLiteral(" "));
        }
        m_pendingBlock = false;
    }
}

void DocumentBuilder::insertText(const QString &text, const QTextCharFormat &format)
{
    m_cursor.insertText(text, format);
}

void DocumentBuilder::insertImage(const QImage &image, const QSizeF &size)
{
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
}

void DocumentBuilder::endParagraph(const QTextBlockFormat &format)
{
    QTextBlockFormat applied = format;
    if (m_pageBreakBefore) {
        applied.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_pageBreakBefore = false;
    }
    m_cursor.setBlockFormat(applied);
    m_pendingBlock = true;
}

void DocumentBuilder::endCell(const QTextBlockFormat &format)
{
    m_cursor.setBlockFormat(format);
    m_tables.endCell();
    m_pendingBlock = true; // only kept when the row has no room for another cell
}

void DocumentBuilder::endRow(int level, const QList<CellDefinition> &cells)
{
    m_tables.endRow(level, cells);
}

} // namespace Rtf
