#pragma once

#include <vector>

#include <QList>
#include <QTextCursor>

#include "rtfbudget.h"
#include "rtfstate.h"

class QTextTable;

namespace Rtf {

// The tables open at the cursor, outermost first. RTF says where a cell or row
// ends but not in advance how many there are, so rows and columns are added as
// text arrives; rows may have different numbers of cells.
//
// Levels are the paragraphs' \itap, the outermost table being level 1. A
// paragraph deeper than the innermost table opens one table inside it,
// however many levels it skips, and a row end belongs to the innermost table
// no deeper than its level: so text whose levels jump, or that ends rows of
// levels never opened, stays in reading order, once, without tables or rows
// that hold nothing.
class TableStack
{
public:
    // Each table, cell and row taken costs a cell of the budget; with nothing
    // left, content stays in the cell it is in.
    TableStack(QTextCursor &cursor, LayoutBudget &budget) : m_cursor(cursor), m_budget(budget) { }

    // Moves the cursor to where content of a paragraph at this nesting level
    // belongs, opening or closing tables. True when the cursor is now at the
    // start of an empty block (a new cell, or the block after a table).
    bool enter(int level);
    // Ends the current cell of the innermost table (after enter(level)).
    void endCell();
    // Ends the current row, which cells describes: of the outermost table
    // (\row), or of the innermost nested one no deeper than level (\nestrow).
    void endRow(int level, bool nested, const QList<CellDefinition> &cells);

private:
    struct Level
    {
        QTextTable *table = nullptr;
        int level = 0; // the \itap that opened it
        int row = 0;
        int column = 0;
        bool cellEnded = false;
        bool rowEnded = false;
        QList<int> mergeDownFrom; // per column: the first row of a vertical merge, or -1
    };

    static void setWidths(QTextTable *table, const QList<CellDefinition> &cells);
    static void merge(Level &level, const QList<CellDefinition> &cells);

    void open(int level);
    void close();
    bool advance(Level &level);

    QTextCursor &m_cursor;
    LayoutBudget &m_budget;
    std::vector<Level> m_levels;
};

} // namespace Rtf
