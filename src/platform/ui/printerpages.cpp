#include "printerpages.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <optional>

#include "platform/richtext/rtflayoutfit.h"

namespace {
// Device pixels to a document pixel: the layout scales fonts, pictures,
// tables, tab stops and vertical spacing by the device's resolution over the
// screen's.
qreal layoutScale(const QPaintDevice *device)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 100;
    return device->logicalDpiY() / qreal(screenDpi);
}

// The layout takes paragraphs' left and right margins and first-line indents
// as device pixels, unlike everything else: on a printer they would all but
// vanish, and wrapped lines of an indented paragraph start at the margin.
void scaleIndents(QTextDocument &doc, qreal scale)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.leftMargin() == 0 && format.rightMargin() == 0 && format.textIndent() == 0)
            continue;
        format.setLeftMargin(format.leftMargin() * scale);
        format.setRightMargin(format.rightMargin() * scale);
        format.setTextIndent(format.textIndent() * scale);
        QTextCursor(block).setBlockFormat(format);
    }
}

void addItems(QTextFrame::iterator it, const QAbstractTextDocumentLayout &layout, QList<TextBand> &bands);

// One band a line. A line reaches down to where the next line of its
// paragraph begins, and no further than limit, where the next paragraph
// begins: fixed line spacing is cut where it is laid out, also where the
// font is taller than the spacing (the layout then lifts each line a little
// above its place). A band that reached into the next paragraph would end a
// page on a sliver of it, and that paragraph's text would be in the PDF file
// twice, invisible but found and copied.
void addBlock(
    const QTextBlock &block, const QAbstractTextDocumentLayout &layout, qreal limit, QList<TextBand> &bands)
{
    const QTextLayout *text = block.layout();
    const qreal origin = layout.blockBoundingRect(block).top();
    const bool pageBreak = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    for (int i = 0; i < text->lineCount(); ++i) {
        const QTextLine line = text->lineAt(i);
        const qreal top = origin + (i == 0 ? std::max<qreal>(line.y(), 0) : line.y());
        const qreal bottom = i + 1 < text->lineCount() ? origin + text->lineAt(i + 1).y()
                                                       : std::min(top + line.height(), limit);
        bands.append(TextBand {
            top, std::max(bottom, top), block.position() + line.textStart(), pageBreak && i == 0 });
    }
}

// One band a table row, from the top of its cells' first lines to the bottom
// of their last, widened by the cells' padding and border; rows joined by a
// cell that spans them stay together.
void addTable(const QTextTable *table, const QAbstractTextDocumentLayout &layout, QList<TextBand> &bands)
{
    const QTextTableFormat format = table->format();
    const qreal edge = format.cellPadding() + format.border() + format.cellSpacing();
    std::optional<TextBand> group;
    int groupLastRow = -1;
    for (int row = 0; row < table->rows(); ++row) {
        QList<TextBand> lines;
        int first = -1;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue; // covered by a cell that began earlier
            if (first < 0)
                first = cell.firstPosition();
            groupLastRow = std::max(groupLastRow, row + cell.rowSpan() - 1);
            addItems(cell.begin(), layout, lines);
        }
        if (!lines.isEmpty()) {
            qreal top = lines.constFirst().top;
            qreal bottom = lines.constFirst().bottom;
            for (const TextBand &line : std::as_const(lines)) {
                top = std::min(top, line.top);
                bottom = std::max(bottom, line.bottom);
            }
            if (!group)
                group = TextBand { top - edge, bottom + edge, first, lines.constFirst().breakBefore };
            else
                group->bottom = std::max(group->bottom, bottom + edge);
        }
        if (group && row >= groupLastRow) {
            bands.append(*group);
            group.reset();
        }
    }
    if (group)
        bands.append(*group);
}

// The bands of a frame's or a table cell's contents, top to bottom.
void addItems(QTextFrame::iterator it, const QAbstractTextDocumentLayout &layout, QList<TextBand> &bands)
{
    for (; !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
            addTable(table, layout, bands);
        } else if (it.currentFrame()) {
            addItems(it.currentFrame()->begin(), layout, bands);
        } else {
            QTextFrame::iterator next = it;
            ++next;
            const qreal limit = !next.atEnd() && !next.currentFrame()
                ? layout.blockBoundingRect(next.currentBlock()).top()
                : std::numeric_limits<qreal>::max();
            addBlock(it.currentBlock(), layout, limit, bands);
        }
    }
}
}

RichTextPages::RichTextPages(const QTextDocument &source, QPaintDevice *device, qreal width)
    : m_source(&source)
    , m_revision(source.revision())
    , m_width(width)
    , m_layout(source.clone())
{
    // Formats change before there is a layout to redo for each of them.
    m_layout->setUndoRedoEnabled(false);
    m_layout->setDocumentMargin(0);
    const qreal scale = layoutScale(device);
    Rtf::fitToWidth(*m_layout, width / scale);
    scaleIndents(*m_layout, scale);
    m_layout->documentLayout()->setPaintDevice(device);
    m_layout->setTextWidth(width);
    addItems(m_layout->rootFrame()->begin(), *m_layout->documentLayout(), m_bands);
}

RichTextPages::~RichTextPages() = default;

bool RichTextPages::isFor(const QTextDocument &source, qreal width) const
{
    return m_source == &source && m_revision == source.revision() && m_width == width;
}

PageSlice RichTextPages::slice(int first, qreal height) const
{
    return pageSlice(m_bands, first, height, m_layout->characterCount() - 1);
}

void RichTextPages::draw(QPainter &painter, const PageSlice &slice, QPointF topLeft) const
{
    painter.save();
    painter.translate(topLeft.x(), topLeft.y() - slice.top);
    // The layout draws every line that touches its clip, and one more above
    // it within a paragraph; in a PDF file that text would be there twice,
    // invisible but found and copied. A paragraph that goes on from the page
    // before therefore draws its own lines, and the layout draws only what
    // lies wholly inside the slice, a device pixel in from its edges.
    constexpr qreal Inside = 1;
    qreal top = slice.top;
    const QTextBlock block = m_layout->findBlock(slice.first);
    const QTextLayout *text = block.layout();
    const QTextLine line = text->lineForTextPosition(slice.first - block.position());
    if (line.isValid() && line.lineNumber() > 0) {
        const QPointF origin = m_layout->documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = line.lineNumber(); i < text->lineCount(); ++i) {
            const QTextLine continued = text->lineAt(i);
            if (origin.y() + continued.y() >= slice.bottom)
                break;
            continued.draw(&painter, origin);
        }
        top = m_layout->documentLayout()->blockBoundingRect(block).bottom();
    }
    // Wide tables and pictures may reach past the right margin: they are
    // printed there rather than lost.
    const qreal width = std::max(m_width, m_layout->size().width());
    const QRectF inside(0, top + Inside, width, slice.bottom - top - 2 * Inside);
    // Fixed line spacing narrower than the font lifts each line into the one
    // before it. The layout is asked only for what lies between the lines on
    // either side of the slice, and the slice's own first and last lines are
    // printed whole.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = inside;
    QRectF shown = inside;
    if (slice.first > 0)
        context.clip.setTop(std::max(inside.top(), lineRect(slice.first - 1).bottom() + Inside));
    if (slice.next < m_layout->characterCount() - 1)
        if (const QRectF after = lineRect(slice.next); after.isValid())
            context.clip.setBottom(std::min(inside.bottom(), after.top() - Inside));
    if (const QRectF first = lineRect(slice.first); first.isValid())
        shown.setTop(std::min(shown.top(), first.top()));
    if (const QRectF last = lineRect(slice.next - 1); last.isValid() && last.top() < slice.bottom)
        shown.setBottom(std::max(shown.bottom(), last.bottom()));
    if (context.clip.height() > 0) {
        painter.setClipRect(shown, Qt::IntersectClip);
        m_layout->documentLayout()->draw(&painter, context);
    }
    painter.restore();
}

QRectF RichTextPages::lineRect(int position) const
{
    const QTextBlock block = m_layout->findBlock(position);
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    if (!line.isValid())
        return {};
    return line.rect().translated(m_layout->documentLayout()->blockBoundingRect(block).topLeft());
}
