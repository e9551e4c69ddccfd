#pragma once

#include <string_view>

namespace Rtf {

enum class Kw {
    Unknown,
    // header and tables of the document
    Ansi, Mac, Pc, Pca, AnsiCpg, DefaultFont, FontTable, FontCharset, FontCodePage, ColorTable,
    Red, Green, Blue, Info, Title, Upr, Ud,
    // a destination never shown
    Skip,
    // characters
    Character, Unicode, UnicodeSkip, Par, Line, Page, Section, Bin,
    // character formatting
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Caps, SmallCaps, Sub, Super, NoSuperSub,
    Up, Down, FontSize, Font, AssociatedFont, CharSet, Foreground, Background, Hidden,
    // paragraph formatting
    Pard, Align, LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, LineSpacing,
    LineMultiple, DefaultTab, TabStop, TabKind, TabLeader, BarTab, Keep, PageBreakBefore, InTable,
    NestingLevel,
    // tables
    RowDefaults, CellMerge, CellRight, Cell, NestCell, Row, NestRow, NestTableProps,
    // lists
    ListText, Pn, PnLevel, PnFormat, PnStart, PnFont, PnTextBefore, PnTextAfter,
    // pictures and fields
    Pict, ShpPict, PictFormat, PicWidth, PicHeight, PicGoalWidth, PicGoalHeight, PicScaleX,
    PicScaleY, Field, FieldInst, FieldResult,
    // footnotes and endnotes (last: the parser hands these words to its notes)
    Footnote, FootnoteMark, Endnote, FootnoteFormat, EndnoteFormat, FootnoteStart, EndnoteStart,
    FootnoteRestart, EndnoteRestart,
};

struct Keyword
{
    Kw kw = Kw::Unknown;
    // Character: the UTF-16 unit; Underline and TabLeader:
    // QTextCharFormat::UnderlineStyle; Align: Qt::Alignment; TabKind:
    // QTextOption::TabType; CellMerge: CellDefinition::Merge; PictFormat,
    // PnLevel, PnFormat, FootnoteFormat, EndnoteFormat and CharSet: the enums
    // of rtfstate.h; FootnoteRestart and EndnoteRestart: 1 to restart with
    // each section, 0 to number on.
    int value = 0;
};

Keyword lookupKeyword(std::string_view name);

} // namespace Rtf
