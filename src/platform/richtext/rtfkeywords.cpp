#include "rtfkeywords.h"

#include <unordered_map>

#include <QTextCharFormat>
#include <QTextOption>

#include "rtfstate.h"

namespace Rtf {

namespace {

using Table = std::unordered_map<std::string_view, Keyword>;

Table makeTable()
{
    const int left = Qt::AlignLeft;
    const int single = QTextCharFormat::SingleUnderline;
    const int dotted = QTextCharFormat::DotLine;
    const int dashed = QTextCharFormat::DashUnderline;
    const int dashDot = QTextCharFormat::DashDotLine;
    const int dashDotDot = QTextCharFormat::DashDotDotLine;
    const int wave = QTextCharFormat::WaveUnderline;
    const auto pict = [](PictFormat f) { return Keyword { Kw::PictFormat, int(f) }; };
    const auto pnLevel = [](PnLevel l) { return Keyword { Kw::PnLevel, int(l) }; };
    const auto pnFormat = [](PnFormat f) { return Keyword { Kw::PnFormat, int(f) }; };
    const auto ch = [](char16_t c) { return Keyword { Kw::Character, c }; };
    const auto charSet = [](CharSet c) { return Keyword { Kw::CharSet, int(c) }; };
    const auto leader = [](int style) { return Keyword { Kw::TabLeader, style }; };
    const auto footnotes = [](PnFormat f) { return Keyword { Kw::FootnoteFormat, int(f) }; };
    const auto endnotes = [](PnFormat f) { return Keyword { Kw::EndnoteFormat, int(f) }; };
    const Keyword skip { Kw::Skip };

    return Table {
        { "ansi", { Kw::Ansi } }, { "mac", { Kw::Mac } }, { "pc", { Kw::Pc } }, { "pca", { Kw::Pca } },
        { "ansicpg", { Kw::AnsiCpg } }, { "deff", { Kw::DefaultFont } },
        { "fonttbl", { Kw::FontTable } }, { "fcharset", { Kw::FontCharset } },
        { "cpg", { Kw::FontCodePage } }, { "colortbl", { Kw::ColorTable } },
        { "red", { Kw::Red } }, { "green", { Kw::Green } }, { "blue", { Kw::Blue } },
        { "info", { Kw::Info } }, { "title", { Kw::Title } }, { "upr", { Kw::Upr } }, { "ud", { Kw::Ud } },

        { "stylesheet", skip }, { "listtable", skip }, { "listoverridetable", skip },
        { "revtbl", skip }, { "rsidtbl", skip }, { "filetbl", skip }, { "pgdsctbl", skip },
        { "header", skip }, { "headerl", skip }, { "headerr", skip }, { "headerf", skip },
        { "footer", skip }, { "footerl", skip }, { "footerr", skip }, { "footerf", skip },
        { "ftnsep", skip }, { "ftnsepc", skip },
        { "ftncn", skip }, { "aftnsep", skip }, { "aftnsepc", skip }, { "aftncn", skip },
        { "nonshppict", skip }, { "nonesttables", skip }, { "annotation", skip }, { "atnid", skip },
        { "atnauthor", skip }, { "atndate", skip }, { "atnref", skip }, { "xe", skip }, { "tc", skip },
        { "txe", skip }, { "objdata", skip }, { "bkmkstart", skip }, { "bkmkend", skip },
        { "pnseclvl", skip }, { "generator", skip }, { "themedata", skip },
        { "colorschememapping", skip }, { "datastore", skip }, { "latentstyles", skip },
        { "xmlnstbl", skip }, { "mmathPr", skip }, { "userprops", skip }, { "panose", skip },
        { "falt", skip }, { "blipuid", skip }, { "picprop", skip }, { "shpinst", skip },
        { "listpicture", skip }, { "template", skip }, { "docvar", skip }, { "private", skip },

        { "u", { Kw::Unicode } }, { "uc", { Kw::UnicodeSkip } }, { "par", { Kw::Par } },
        { "sect", { Kw::Section } }, { "column", { Kw::Par } }, { "line", { Kw::Line } },
        { "page", { Kw::Page } }, { "bin", { Kw::Bin } }, { "tab", ch(u'\t') },
        { "emdash", ch(0x2014) }, { "endash", ch(0x2013) }, { "bullet", ch(0x2022) },
        { "lquote", ch(0x2018) }, { "rquote", ch(0x2019) }, { "ldblquote", ch(0x201C) },
        { "rdblquote", ch(0x201D) }, { "emspace", ch(0x2003) }, { "enspace", ch(0x2002) },
        { "qmspace", ch(0x2005) }, { "zwj", ch(0x200D) }, { "zwnj", ch(0x200C) },
        { "ltrmark", ch(0x200E) }, { "rtlmark", ch(0x200F) },

        { "plain", { Kw::Plain } }, { "b", { Kw::Bold } }, { "i", { Kw::Italic } },
        { "ul", { Kw::Underline, single } }, { "ulw", { Kw::Underline, single } },
        { "uldb", { Kw::Underline, single } }, { "ulth", { Kw::Underline, single } },
        { "uld", { Kw::Underline, dotted } }, { "ulthd", { Kw::Underline, dotted } },
        { "uldash", { Kw::Underline, dashed } }, { "ulldash", { Kw::Underline, dashed } },
        { "ulthdash", { Kw::Underline, dashed } }, { "ulthldash", { Kw::Underline, dashed } },
        { "uldashd", { Kw::Underline, dashDot } }, { "ulthdashd", { Kw::Underline, dashDot } },
        { "uldashdd", { Kw::Underline, dashDotDot } }, { "ulthdashdd", { Kw::Underline, dashDotDot } },
        { "ulwave", { Kw::Underline, wave } }, { "ulhwave", { Kw::Underline, wave } },
        { "ululdbwave", { Kw::Underline, wave } }, { "ulnone", { Kw::UnderlineNone } },
        { "strike", { Kw::Strike } }, { "striked", { Kw::Strike } }, { "caps", { Kw::Caps } },
        { "scaps", { Kw::SmallCaps } }, { "sub", { Kw::Sub } }, { "super", { Kw::Super } },
        { "nosupersub", { Kw::NoSuperSub } }, { "up", { Kw::Up } }, { "dn", { Kw::Down } },
        { "fs", { Kw::FontSize } }, { "f", { Kw::Font } }, { "af", { Kw::AssociatedFont } },
        { "loch", charSet(CharSet::LowAnsi) }, { "hich", charSet(CharSet::HighAnsi) },
        { "dbch", charSet(CharSet::DoubleByte) },
        { "cf", { Kw::Foreground } }, { "cb", { Kw::Background } }, { "chcbpat", { Kw::Background } },
        { "highlight", { Kw::Background } }, { "v", { Kw::Hidden } },

        { "pard", { Kw::Pard } }, { "ql", { Kw::Align, left } },
        { "qc", { Kw::Align, int(Qt::AlignHCenter) } }, { "qr", { Kw::Align, int(Qt::AlignRight) } },
        { "qj", { Kw::Align, int(Qt::AlignJustify) } }, { "qd", { Kw::Align, int(Qt::AlignJustify) } },
        { "li", { Kw::LeftIndent } }, { "lin", { Kw::LeftIndent } }, { "ri", { Kw::RightIndent } },
        { "rin", { Kw::RightIndent } }, { "fi", { Kw::FirstIndent } }, { "sb", { Kw::SpaceBefore } },
        { "sa", { Kw::SpaceAfter } }, { "sl", { Kw::LineSpacing } }, { "slmult", { Kw::LineMultiple } },
        { "deftab", { Kw::DefaultTab } }, { "tx", { Kw::TabStop } }, { "tb", { Kw::BarTab } },
        { "tldot", leader(dotted) }, { "tlmdot", leader(dotted) }, { "tlhyph", leader(dashed) },
        { "tlul", leader(single) }, { "tlth", leader(single) }, { "tleq", leader(single) },
        { "tqr", { Kw::TabKind, QTextOption::RightTab } }, { "tqc", { Kw::TabKind, QTextOption::CenterTab } },
        { "tqdec", { Kw::TabKind, QTextOption::DelimiterTab } }, { "keep", { Kw::Keep } },
        { "pagebb", { Kw::PageBreakBefore } }, { "intbl", { Kw::InTable } }, { "itap", { Kw::NestingLevel } },

        { "trowd", { Kw::RowDefaults } }, { "cellx", { Kw::CellRight } }, { "cell", { Kw::Cell } },
        { "clmgf", { Kw::CellMerge, CellDefinition::MergeFirst } },
        { "clmrg", { Kw::CellMerge, CellDefinition::MergeNext } },
        { "clvmgf", { Kw::CellMerge, CellDefinition::MergeDownFirst } },
        { "clvmrg", { Kw::CellMerge, CellDefinition::MergeDownNext } },
        { "nestcell", { Kw::NestCell } }, { "row", { Kw::Row } }, { "nestrow", { Kw::NestRow } },
        { "nesttableprops", { Kw::NestTableProps } },

        { "listtext", { Kw::ListText } }, { "pntext", { Kw::ListText } }, { "pn", { Kw::Pn } },
        { "pnlvlblt", pnLevel(PnLevel::Bullet) }, { "pnlvlbody", pnLevel(PnLevel::Body) },
        { "pnlvl", pnLevel(PnLevel::Body) }, { "pnlvlcont", pnLevel(PnLevel::Continue) },
        { "pndec", pnFormat(PnFormat::Decimal) }, { "pnucltr", pnFormat(PnFormat::UpperLetter) },
        { "pnlcltr", pnFormat(PnFormat::LowerLetter) }, { "pnucrm", pnFormat(PnFormat::UpperRoman) },
        { "pnlcrm", pnFormat(PnFormat::LowerRoman) }, { "pnstart", { Kw::PnStart } },
        { "pnf", { Kw::PnFont } }, { "pntxtb", { Kw::PnTextBefore } }, { "pntxta", { Kw::PnTextAfter } },

        { "pict", { Kw::Pict } }, { "shppict", { Kw::ShpPict } }, { "pngblip", pict(PictFormat::Png) },
        { "jpegblip", pict(PictFormat::Jpeg) }, { "dibitmap", pict(PictFormat::Dib) },
        { "emfblip", pict(PictFormat::Other) }, { "wmetafile", pict(PictFormat::Other) },
        { "macpict", pict(PictFormat::Other) }, { "pmmetafile", pict(PictFormat::Other) },
        { "wbitmap", pict(PictFormat::Other) }, { "picw", { Kw::PicWidth } }, { "pich", { Kw::PicHeight } },
        { "picwgoal", { Kw::PicGoalWidth } }, { "pichgoal", { Kw::PicGoalHeight } },
        { "picscalex", { Kw::PicScaleX } }, { "picscaley", { Kw::PicScaleY } },
        { "field", { Kw::Field } }, { "fldinst", { Kw::FieldInst } }, { "fldrslt", { Kw::FieldResult } },

        { "footnote", { Kw::Footnote } }, { "chftn", { Kw::FootnoteMark } }, { "ftnalt", { Kw::Endnote } },
        { "ftnnar", footnotes(PnFormat::Decimal) }, { "ftnnalc", footnotes(PnFormat::LowerLetter) },
        { "ftnnauc", footnotes(PnFormat::UpperLetter) }, { "ftnnrlc", footnotes(PnFormat::LowerRoman) },
        { "ftnnruc", footnotes(PnFormat::UpperRoman) }, { "ftnnchi", footnotes(PnFormat::Symbols) },
        { "aftnnar", endnotes(PnFormat::Decimal) }, { "aftnnalc", endnotes(PnFormat::LowerLetter) },
        { "aftnnauc", endnotes(PnFormat::UpperLetter) }, { "aftnnrlc", endnotes(PnFormat::LowerRoman) },
        { "aftnnruc", endnotes(PnFormat::UpperRoman) }, { "aftnnchi", endnotes(PnFormat::Symbols) },
        { "ftnstart", { Kw::FootnoteStart } }, { "aftnstart", { Kw::EndnoteStart } },
        { "ftnrestart", { Kw::FootnoteRestart, 1 } }, { "ftnrstcont", { Kw::FootnoteRestart, 0 } },
        { "aftnrestart", { Kw::EndnoteRestart, 1 } }, { "aftnrstcont", { Kw::EndnoteRestart, 0 } },
    };
}

} // namespace

Keyword lookupKeyword(std::string_view name)
{
    static const Table table = makeTable();
    const auto found = table.find(name);
    return found == table.end() ? Keyword {} : found->second;
}

} // namespace Rtf
