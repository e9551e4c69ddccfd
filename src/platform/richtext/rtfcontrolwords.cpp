#include "rtfparser.h"

#include <algorithm>
#include <utility>

#include "platform/base/twips.h"

namespace Rtf {

namespace {

constexpr int MaxTabStops = 64;
constexpr int MaxCells = 63;
constexpr int MaxNesting = 16;
constexpr std::size_t MaxFonts = 4096;

// Destinations we read even when they are marked \* (optional).
bool readsOptional(Kw kw)
{
    switch (kw) {
    case Kw::FieldInst:
    case Kw::ShpPict:
    case Kw::Pn:
    case Kw::Ud:
    case Kw::NestTableProps:
    case Kw::ListText:
    case Kw::Footnote:
        return true;
    default:
        return false;
    }
}

// Words a list marker group may carry for its own paragraph, which is not ours.
bool belongsToParagraph(Kw kw)
{
    return (kw >= Kw::Pard && kw <= Kw::NestTableProps) || kw == Kw::Par || kw == Kw::Page
        || kw == Kw::Section;
}

// \af after \loch, \hich or \dbch, or \f after them, names the font of
// the characters so marked.
void setAssociatedFont(CharState &chr, int font)
{
    switch (chr.charSet) {
    case CharSet::LowAnsi:
        chr.lowAnsiFont = font;
        break;
    case CharSet::HighAnsi:
        chr.highAnsiFont = font;
        break;
    case CharSet::DoubleByte:
        chr.doubleByteFont = font;
        break;
    case CharSet::Unmarked:
        break;
    }
}

} // namespace

void Parser::controlWord(const Token &token)
{
    const bool ignorable = std::exchange(m_ignorable, false);
    const Keyword keyword = lookupKeyword(token.text);
    if (keyword.kw == Kw::Bin) {
        const QByteArrayView data = m_tokenizer.takeBinary(token.hasParam ? token.param : 0);
        if (!skipsFallback() && state().dest == Dest::Picture)
            m_picture.appendBinary(data);
        return;
    }
    if (skipsFallback())
        return;
    GroupState &s = state();
    if (s.upr == 2) {
        if (keyword.kw == Kw::Ud)
            s.upr = 0;
        else
            m_skipDepth = 1;
        return;
    }
    if (keyword.kw == Kw::Skip || (ignorable && !readsOptional(keyword.kw))) {
        m_skipDepth = 1;
        return;
    }
    switch (s.dest) {
    case Dest::FontTable:
    case Dest::ColorTable:
        tableDefinitionWord(keyword, token);
        break;
    case Dest::Info:
        if (keyword.kw == Kw::Title)
            s.dest = Dest::InfoTitle;
        break;
    case Dest::Picture:
        pictureWord(keyword, token);
        break;
    case Dest::Pn:
    case Dest::PnTextBefore:
    case Dest::PnTextAfter:
        pnWord(keyword, token);
        break;
    case Dest::Text:
    case Dest::ListText:
    case Dest::Note:
        if (s.dest == Dest::ListText && belongsToParagraph(keyword.kw))
            break;
        if (keyword.kw >= Kw::Footnote)
            noteWord(keyword, token);
        else
            documentWord(keyword, token);
        break;
    case Dest::FieldInst:
    case Dest::InfoTitle:
        if (keyword.kw == Kw::Unicode || keyword.kw == Kw::UnicodeSkip || keyword.kw == Kw::Character)
            documentWord(keyword, token);
        break;
    }
}

void Parser::documentWord(const Keyword &keyword, const Token &token)
{
    GroupState &s = state();
    CharState &chr = s.chr;
    ParaState &para = s.para;
    const int p = token.param;
    const bool on = !token.hasParam || p != 0;

    switch (keyword.kw) {
    case Kw::Ansi:
        m_documentCodePage = 1252;
        setFont(chr, chr.font);
        break;
    case Kw::Mac:
        m_documentCodePage = 10000;
        setFont(chr, chr.font);
        break;
    case Kw::Pc:
        m_documentCodePage = 437;
        setFont(chr, chr.font);
        break;
    case Kw::Pca:
        m_documentCodePage = 850;
        setFont(chr, chr.font);
        break;
    case Kw::AnsiCpg:
        if (p > 0)
            m_documentCodePage = p;
        setFont(chr, chr.font);
        break;
    case Kw::DefaultFont:
        m_defaultFont = p;
        setFont(chr, p);
        break;
    case Kw::FontTable:
        s.dest = Dest::FontTable;
        m_fontDefined = -1;
        m_fontName.clear();
        break;
    case Kw::ColorTable:
        s.dest = Dest::ColorTable;
        m_colors.clear();
        m_color = QColor(0, 0, 0);
        m_colorGiven = false;
        break;
    case Kw::Info:
        s.dest = Dest::Info;
        break;
    case Kw::Upr:
        s.upr = 1;
        break;

    case Kw::Character: {
        const char16_t unit = char16_t(keyword.value);
        appendText(QStringView(&unit, 1));
        break;
    }
    case Kw::Unicode:
        unicodeCharacter(p);
        break;
    case Kw::UnicodeSkip:
        s.unicodeSkip = std::clamp(p, 0, 1000);
        break;
    case Kw::Par:
        endParagraph();
        break;
    case Kw::Line:
        appendText(u"\u2028");
        break;
    case Kw::Page:
        endParagraph();
        if (s.dest != Dest::Note)
            m_builder.pageBreak();
        break;
    case Kw::Section:
        endParagraph();
        m_notes.endSection();
        break;

    case Kw::Plain: {
        const QString href = chr.href;
        chr = CharState();
        chr.href = href;
        setFont(chr, m_defaultFont);
        break;
    }
    case Kw::Bold:
        chr.bold = on;
        break;
    case Kw::Italic:
        chr.italic = on;
        break;
    case Kw::Underline:
        chr.underline = on ? keyword.value : QTextCharFormat::NoUnderline;
        break;
    case Kw::UnderlineNone:
        chr.underline = QTextCharFormat::NoUnderline;
        break;
    case Kw::Strike:
        chr.strike = on;
        break;
    case Kw::Caps:
        chr.capitalization = on ? QFont::AllUppercase : QFont::MixedCase;
        break;
    case Kw::SmallCaps:
        chr.capitalization = on ? QFont::SmallCaps : QFont::MixedCase;
        break;
    case Kw::Sub:
        chr.verticalAlignment = on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal;
        break;
    case Kw::Super:
        chr.verticalAlignment = on ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal;
        break;
    case Kw::NoSuperSub:
        chr.verticalAlignment = QTextCharFormat::AlignNormal;
        break;
    case Kw::Up:
        chr.raise = token.hasParam ? p : 6;
        break;
    case Kw::Down:
        chr.raise = -(token.hasParam ? p : 6);
        break;
    case Kw::FontSize:
        chr.fontSize = token.hasParam && p > 0 ? p : 24;
        break;
    case Kw::Font:
        setFont(chr, p);
        setAssociatedFont(chr, p);
        break;
    case Kw::AssociatedFont:
        setAssociatedFont(chr, p);
        break;
    case Kw::CharSet:
        chr.charSet = CharSet(keyword.value);
        break;
    case Kw::Foreground:
        chr.foreground = p;
        break;
    case Kw::Background:
        chr.background = p;
        break;
    case Kw::Hidden:
        chr.hidden = on;
        break;

    case Kw::Pard:
        para = ParaState();
        break;
    case Kw::Align:
        para.alignment = Qt::Alignment(keyword.value);
        break;
    case Kw::LeftIndent:
        para.leftIndent = std::clamp(p, -TwipsLimit, TwipsLimit);
        break;
    case Kw::RightIndent:
        para.rightIndent = std::clamp(p, -TwipsLimit, TwipsLimit);
        break;
    case Kw::FirstIndent:
        para.firstIndent = std::clamp(p, -TwipsLimit, TwipsLimit);
        break;
    case Kw::SpaceBefore:
        para.spaceBefore = p;
        break;
    case Kw::SpaceAfter:
        para.spaceAfter = p;
        break;
    case Kw::LineSpacing:
        para.lineSpacing = p;
        break;
    case Kw::LineMultiple:
        para.lineMultiple = on;
        break;
    case Kw::DefaultTab:
        if (p > 0)
            m_defaultTab = std::clamp(p, TwipsPerPixel, TwipsLimit);
        break;
    case Kw::TabStop:
        if (para.tabs.size() < MaxTabStops) {
            para.nextTab.position = std::clamp(p, 0, TwipsLimit);
            para.tabs.append(para.nextTab);
        }
        para.nextTab = TabStop();
        break;
    case Kw::TabKind:
        para.nextTab.type = QTextOption::TabType(keyword.value);
        break;
    case Kw::TabLeader:
        para.nextTab.leader = keyword.value;
        break;
    case Kw::BarTab: // a vertical rule, not a stop
        para.nextTab = TabStop();
        break;
    case Kw::Keep:
        para.keep = on;
        break;
    case Kw::PageBreakBefore:
        para.pageBreakBefore = on;
        break;
    case Kw::InTable:
        para.inTable = true;
        break;
    case Kw::NestingLevel:
        para.nesting = std::clamp(p, 0, MaxNesting);
        break;

    case Kw::RowDefaults:
        m_rowCells.clear();
        m_cellMerge = 0;
        break;
    case Kw::CellMerge:
        m_cellMerge |= keyword.value;
        break;
    case Kw::CellRight:
        if (m_rowCells.size() < MaxCells)
            m_rowCells.append({ p, m_cellMerge });
        m_cellMerge = 0;
        break;
    case Kw::Cell:
    case Kw::NestCell:
        endCell();
        break;
    case Kw::Row:
        endRow(false);
        break;
    case Kw::NestRow:
        endRow(true);
        break;

    case Kw::ListText:
        if (s.dest == Dest::Note) // its marker stays in the note's text
            break;
        s.dest = Dest::ListText;
        m_markerSeen = true;
        break;
    case Kw::Pn:
        s.dest = Dest::Pn;
        para.pn = PnState();
        break;
    case Kw::Pict:
        s.dest = Dest::Picture;
        m_picture = Picture();
        break;
    case Kw::Field:
        if (!m_fields.empty() && m_fields.back().depth == qsizetype(m_stack.size()))
            m_fields.pop_back(); // a second \field in the same group starts over
        m_fields.push_back({ qsizetype(m_stack.size()), {}, {} });
        break;
    case Kw::FieldInst:
        if (m_fields.empty())
            m_skipDepth = 1;
        else
            s.dest = Dest::FieldInst;
        break;
    case Kw::FieldResult:
        if (!m_fields.empty() && !m_fields.back().href.isEmpty())
            chr.href = m_fields.back().href;
        break;
    default:
        break;
    }
}

void Parser::tableDefinitionWord(const Keyword &keyword, const Token &token)
{
    const int p = token.param;
    switch (keyword.kw) {
    case Kw::Font:
        finishFont();
        if (m_fonts.size() < MaxFonts || m_fonts.count(p))
            m_fontDefined = p;
        break;
    case Kw::FontCharset:
        if (m_fontDefined >= 0)
            m_fonts[m_fontDefined].charset = p;
        break;
    case Kw::FontCodePage:
        if (m_fontDefined >= 0)
            m_fonts[m_fontDefined].codePage = p;
        break;
    case Kw::Red:
        m_color.setRed(std::clamp(p, 0, 255));
        m_colorGiven = true;
        break;
    case Kw::Green:
        m_color.setGreen(std::clamp(p, 0, 255));
        m_colorGiven = true;
        break;
    case Kw::Blue:
        m_color.setBlue(std::clamp(p, 0, 255));
        m_colorGiven = true;
        break;
    default:
        break;
    }
}

void Parser::pictureWord(const Keyword &keyword, const Token &token)
{
    const int p = token.param;
    switch (keyword.kw) {
    case Kw::PictFormat:
        m_picture.format = PictFormat(keyword.value);
        break;
    case Kw::PicWidth:
        m_picture.width = p;
        break;
    case Kw::PicHeight:
        m_picture.height = p;
        break;
    case Kw::PicGoalWidth:
        m_picture.goalWidth = p;
        break;
    case Kw::PicGoalHeight:
        m_picture.goalHeight = p;
        break;
    case Kw::PicScaleX:
        m_picture.scaleX = p;
        break;
    case Kw::PicScaleY:
        m_picture.scaleY = p;
        break;
    case Kw::Pict: // a picture inside a picture is not one
        m_skipDepth = 1;
        break;
    default:
        break;
    }
}

void Parser::pnWord(const Keyword &keyword, const Token &token)
{
    GroupState &s = state();
    PnState &pn = s.para.pn;
    switch (keyword.kw) {
    case Kw::PnLevel:
        pn.level = PnLevel(keyword.value);
        break;
    case Kw::PnFormat:
        pn.format = PnFormat(keyword.value);
        break;
    case Kw::PnStart:
        pn.start = std::clamp(token.param, 0, 1'000'000);
        break;
    case Kw::PnFont: // the marker's bytes are in this font
        setFont(s.chr, token.param);
        break;
    case Kw::PnTextBefore:
        s.dest = Dest::PnTextBefore;
        pn.before.clear();
        break;
    case Kw::PnTextAfter:
        s.dest = Dest::PnTextAfter;
        pn.after.clear();
        break;
    case Kw::Unicode:
    case Kw::UnicodeSkip:
    case Kw::Character:
        documentWord(keyword, token);
        break;
    default:
        break;
    }
}

void Parser::noteWord(const Keyword &keyword, const Token &token)
{
    GroupState &s = state();
    const int p = token.param;
    switch (keyword.kw) {
    case Kw::Footnote:
        // A note inside a note, or in a list marker, is no note of the text.
        if (s.dest != Dest::Text || !m_builder.charge(LayoutBudget::Block)) {
            m_skipDepth = 1;
            break;
        }
        s.dest = Dest::Note;
        m_notes.begin();
        break;
    case Kw::FootnoteMark:
        if (s.dest == Dest::Note) {
            m_notes.markInNote(s.chr);
        } else {
            insertStrayMark();
            m_notes.markInBody(s.chr);
        }
        break;
    case Kw::Endnote:
        if (s.dest == Dest::Note)
            m_notes.setEndnote();
        break;
    case Kw::FootnoteFormat:
    case Kw::EndnoteFormat:
        m_notes.setFormat(
            keyword.kw == Kw::FootnoteFormat ? Notes::Footnote : Notes::Endnote, PnFormat(keyword.value));
        break;
    case Kw::FootnoteStart:
    case Kw::EndnoteStart:
        m_notes.setStart(keyword.kw == Kw::FootnoteStart ? Notes::Footnote : Notes::Endnote, p);
        break;
    case Kw::FootnoteRestart:
    case Kw::EndnoteRestart:
        m_notes.setRestart(
            keyword.kw == Kw::FootnoteRestart ? Notes::Footnote : Notes::Endnote, keyword.value != 0);
        break;
    default:
        break;
    }
}

void Parser::unicodeCharacter(int value)
{
    if (value < 0)
        value += 65536;
    const char16_t replacement = 0xFFFD;
    const char16_t unit = value >= 0 && value <= 0xFFFF ? char16_t(value) : replacement;
    m_fallbackToSkip = state().unicodeSkip;
    if (QChar::isLowSurrogate(unit) && m_highSurrogate) {
        const char16_t pair[2] = { std::exchange(m_highSurrogate, 0), unit };
        appendText(QStringView(pair, 2));
    } else if (QChar::isHighSurrogate(unit)) {
        appendText(QStringView()); // replaces an earlier one that was never completed
        m_highSurrogate = unit;
    } else {
        appendText(QStringView(QChar::isLowSurrogate(unit) ? &replacement : &unit, 1));
    }
}

} // namespace Rtf
