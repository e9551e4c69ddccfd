#include "rtftables.h"

#include <algorithm>

#include <QTextTable>

#include "rtfproperties.h"

namespace Rtf {

namespace {

// Word allows 63 cells in a row; more would only make column inserts slow.
constexpr int MaxColumns = 63;
constexpr int MaxNesting = 16;
constexpr int RowBatch = 256;

QTextTableFormat tableFormat()
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderBrush(Qt::darkGray);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    return format;
}

} // namespace

bool TableStack::enter(int level)
{
    bool fresh = false;
    while (!m_levels.empty() && m_levels.back().level > level) {
        close();
        fresh = true;
    }
    if (!m_levels.empty() && advance(m_levels.back()))
        fresh = true;
    // The outermost table is level 1, whatever level its first paragraph says.
    for (const int opened : { 1, level }) {
        if (opened > 0 && level >= opened && (m_levels.empty() || m_levels.back().level < opened)
            && int(m_levels.size()) < MaxNesting && m_budget.take(LayoutBudget::Cell)) {
            open(opened);
            fresh = true;
        }
    }
    return fresh;
}

void TableStack::endCell()
{
    if (!m_levels.empty())
        m_levels.back().cellEnded = true;
}

void TableStack::endRow(int level, bool nested, const QList<CellDefinition> &cells)
{
    const auto deeper = [level](const Level &open) { return open.level > level; };
    const int index
        = nested ? int(std::find_if(m_levels.begin(), m_levels.end(), deeper) - m_levels.begin()) - 1 : 0;
    if (index >= int(m_levels.size()) || index < (nested ? 1 : 0))
        return; // a row of a table that is not open
    while (int(m_levels.size()) > index + 1)
        close();
    Level &current = m_levels.back();
    current.rowEnded = true;
    current.cellEnded = false;
    if (cells.size() == current.table->columns())
        setWidths(current.table, cells);
    merge(current, cells);
}

void TableStack::setWidths(QTextTable *table, const QList<CellDefinition> &cells)
{
    QList<QTextLength> constraints;
    QList<qreal> widths;
    int previous = 0;
    for (const CellDefinition &cell : cells) {
        widths.append(std::max<qreal>(pixels(cell.rightEdge - previous), 1));
        constraints.append(QTextLength(QTextLength::FixedLength, widths.back()));
        previous = cell.rightEdge;
    }
    QTextTableFormat format = table->format();
    format.setColumnWidthConstraints(constraints);
    format.setProperty(ReadColumnWidths, QVariant::fromValue(widths));
    table->setFormat(format);
}

// Merged cells still end with \cell each in RTF; here they become one cell.
void TableStack::merge(Level &level, const QList<CellDefinition> &cells)
{
    const int columns = std::min<int>(cells.size(), level.table->columns());
    level.mergeDownFrom.resize(columns, -1);
    for (int column = 0; column < columns; ++column) {
        const int merge = cells.at(column).merge;
        int &from = level.mergeDownFrom[column];
        if (merge & CellDefinition::MergeDownFirst) {
            from = level.row;
        } else if ((merge & CellDefinition::MergeDownNext) && from >= 0) {
            level.table->mergeCells(from, column, level.row - from + 1, 1);
        } else {
            from = -1;
        }
    }
    for (int column = 0; column < columns;) {
        int span = 1;
        if (cells.at(column).merge & CellDefinition::MergeFirst) {
            while (column + span < columns && (cells.at(column + span).merge & CellDefinition::MergeNext))
                ++span;
        }
        if (span > 1)
            level.table->mergeCells(level.row, column, 1, span);
        column += span;
    }
}

void TableStack::open(int level)
{
    Level open;
    open.table = m_cursor.insertTable(1, 1, tableFormat());
    open.level = level;
    m_levels.push_back(open);
}

void TableStack::close()
{
    const Level &level = m_levels.back();
    const int spare = level.table->rows() - level.row - 1;
    if (spare > 0)
        level.table->removeRows(level.row + 1, spare);
    m_cursor = level.table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_levels.pop_back();
}

bool TableStack::advance(Level &level)
{
    QTextTable *table = level.table;
    if (!level.rowEnded && !(level.cellEnded && level.column + 1 < MaxColumns))
        return false;
    if (!m_budget.take(LayoutBudget::Cell))
        return false;
    if (level.rowEnded) {
        // Qt re-indexes the whole table after each insert, so rows come in
        // batches and close() removes the ones left over.
        if (level.row + 1 >= table->rows())
            table->appendRows(std::min(table->rows(), RowBatch));
        ++level.row;
        level.column = 0;
    } else {
        ++level.column;
        if (level.column >= table->columns())
            table->appendColumns(1);
    }
    level.rowEnded = false;
    level.cellEnded = false;
    m_cursor = table->cellAt(level.row, level.column).firstCursorPosition();
    return true;
}

} // namespace Rtf
