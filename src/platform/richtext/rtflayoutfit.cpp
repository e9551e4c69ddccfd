#include "rtflayoutfit.h"

#include <numeric>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "rtfproperties.h"

namespace Rtf {

namespace {

const char *const WatcherName = "rtf-width-watcher";

// Tab stops are measured from the start of the first line.
void fitTabs(const QTextBlock &block, qreal width)
{
    QTextBlockFormat format = block.blockFormat();
    QTextBlockFormat read;
    read.setProperty(QTextFormat::TabPositions, format.property(ReadTabPositions));
    QList<QTextOption::Tab> tabs = read.tabPositions();
    const qreal edge
        = std::max<qreal>(width - format.rightMargin() - format.leftMargin() - format.textIndent(), 0);
    for (QTextOption::Tab &tab : tabs) {
        if (tab.type == QTextOption::RightTab && tab.position > edge)
            tab.position = edge;
    }
    if (tabs == format.tabPositions())
        return;
    format.setTabPositions(tabs);
    QTextCursor(block).setBlockFormat(format);
}

void fitTable(QTextTable *table, qreal width)
{
    QTextTableFormat format = table->format();
    const QList<qreal> widths = format.property(ReadColumnWidths).value<QList<qreal>>();
    const qreal columns = std::accumulate(widths.begin(), widths.end(), qreal(0));
    // The layout adds each cell's padding and border to its column.
    const qreal edges = widths.size() * (2 * format.cellPadding() + format.border() + format.cellSpacing())
        + format.border() + format.cellSpacing();
    const bool fits = columns + edges <= width;
    QList<QTextLength> constraints;
    for (const qreal column : widths)
        constraints.append(fits ? QTextLength(QTextLength::FixedLength, column)
                                : QTextLength(QTextLength::PercentageLength, 100 * column / columns));
    if (constraints == format.columnWidthConstraints())
        return;
    format.setColumnWidthConstraints(constraints);
    if (fits)
        format.clearProperty(QTextFormat::FrameWidth);
    else
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table->setFormat(format);
}

bool isFitted(const QTextFrame::iterator &it)
{
    if (const QTextTable *table = qobject_cast<const QTextTable *>(it.currentFrame()))
        return table->format().hasProperty(ReadColumnWidths);
    return it.currentBlock().blockFormat().hasProperty(ReadTabPositions);
}

class WidthWatcher : public QObject
{
public:
    explicit WidthWatcher(QTextDocument &doc)
        : QObject(&doc)
        , m_doc(doc)
    {
        setObjectName(QLatin1StringView(WatcherName));
        // The layout is made when the document is first shown or measured
        // (asking for it here would make one, which needs a GUI application).
        connect(&doc, &QTextDocument::documentLayoutChanged, this, &WidthWatcher::watchLayout);
        watchLayout();
    }

    // Every new width is laid out, which ends with an update; the size need
    // not change (a wide table sets it). Queued: the layout is still at work
    // when it says so.
    void watchLayout()
    {
        if (auto *layout
            = m_doc.findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly))
            connect(layout, &QAbstractTextDocumentLayout::update, this, &WidthWatcher::fit,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    }

    void fit()
    {
        const qreal width = m_doc.textWidth();
        if (width <= 0 || width == m_width)
            return;
        m_width = width;
        fitToWidth(m_doc, width);
    }
    void forget() { m_width = -1; }

private:
    QTextDocument &m_doc;
    qreal m_width = -1;
};

} // namespace

void fitToWidth(QTextDocument &doc, qreal width)
{
    const qreal text = width - 2 * doc.documentMargin();
    const bool undo = doc.isUndoRedoEnabled();
    const bool modified = doc.isModified();
    doc.setUndoRedoEnabled(false);
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (!isFitted(it))
            continue;
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame()))
            fitTable(table, text);
        else
            fitTabs(it.currentBlock(), text);
    }
    doc.setUndoRedoEnabled(undo);
    doc.setModified(modified);
}

void keepFittedToWidth(QTextDocument &doc)
{
    auto *watcher = dynamic_cast<WidthWatcher *>(
        doc.findChild<QObject *>(QLatin1StringView(WatcherName), Qt::FindDirectChildrenOnly));
    bool needed = false;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd() && !needed; ++it)
        needed = isFitted(it);
    if (!needed) {
        delete watcher;
        return;
    }
    if (!watcher)
        watcher = new WidthWatcher(doc);
    watcher->forget();
    watcher->fit();
}

} // namespace Rtf
