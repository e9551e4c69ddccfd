#pragma once

#include <QtGlobal>

namespace Rtf {

// What a document may cost Qt to hold and lay out, in units of one character
// of text. A run of text in a format of its own costs Qt as much time as some
// 35 characters, a paragraph with its run some 50 and a table cell some 500
// (measured; Qt builds and lays out a table whole, in time that grows faster
// than its cells), so that a document of only formatting, only paragraphs or
// only cells meets the limit about when one of plain text does: at a second
// or two of reading and laying out, and a hundred-odd megabytes. What is
// beyond it cannot be shown: the read fails.
class LayoutBudget
{
public:
    static constexpr qint64 Total = 8'000'000;
    static constexpr qint64 Run = 32;
    static constexpr qint64 Block = 32; // a paragraph
    static constexpr qint64 Cell = 512; // a table cell, row or table

    // False, and overflowed() from then on, when less is left than cost.
    bool take(qint64 cost)
    {
        if (m_left >= 0 && cost <= m_left) {
            m_left -= cost;
            return true;
        }
        m_left = -1;
        return false;
    }
    bool overflowed() const { return m_left < 0; }

private:
    qint64 m_left = Total;
};

} // namespace Rtf
