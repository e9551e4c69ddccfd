#pragma once

#include <vector>

#include <QList>
#include <QTextCursor>

#include "rtfstate.h"

class QTextTable;

namespace Rtf {

// The tables open at the cursor, outermost first. RTF says where a cell or row
// ends but not in advance how many there are, so rows and columns are added as
// text arrives; rows may have different numbers of cells.
class TableStack
{
public:
    // Each cell and row taken uses one unit of budget; with none left, content
    // stays in the cell it is in.
    TableStack(QTextCursor &cursor, int &budget) : m_cursor(cursor), m_budget(budget) { }

    // Moves the cursor to where content of a paragraph at this nesting level
    // belongs, opening or closing tables. True when the cursor is now at the
    // start of an empty block (a new cell, or the block after a table).
    bool enter(int level);
    // Ends the current cell of the innermost table (after enter(level)).
    void endCell();
    // Ends the current row of the table at this level, which cells describes.
    void endRow(int level, const QList<CellDefinition> &cells);
    // Closes every table, leaving the cursor after the outermost.
    void closeAll();

private:
    struct Level
    {
        QTextTable *table = nullptr;
        int row = 0;
        int column = 0;
        bool cellEnded = false;
        bool rowEnded = false;
        QList<int> mergeDownFrom; // per column: the first row of a vertical merge, or -1
    };

    static void setWidths(QTextTable *table, const QList<CellDefinition> &cells);
    static void merge(Level &level, const QList<CellDefinition> &cells);

    void open();
    void close();
    bool advance(Level &level);

    QTextCursor &m_cursor;
    int &m_budget;
    std::vector<Level> m_levels;
};

} // namespace Rtf
