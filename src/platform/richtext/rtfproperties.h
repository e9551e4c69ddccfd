#pragma once

#include <QTextFormat>

namespace Rtf {

// What the reader leaves on blocks and tables for the layout that comes later.
enum Property {
    // A paragraph with right tab stops: its stops as read (the value of
    // QTextFormat::TabPositions), so that they can be fitted to each width.
    ReadTabPositions = QTextFormat::UserProperty + 0x7200,
    // A table: the widths of its columns as read, in pixels (QList<qreal>).
    ReadColumnWidths,
    // A block that goes on with the paragraph of the block before it: an
    // over-long paragraph cut for the layout's sake (bool).
    ContinuesParagraph,
};

} // namespace Rtf
