#pragma once

#include <map>

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextOption>

namespace Rtf {

// Word's widest page is 22 inches; twips beyond are broken numbers.
constexpr int TwipsLimit = 22 * 1440;

// Where the text of a group goes.
enum class Dest {
    Text, // the document
    ListText, // a list marker: shown, but its paragraph words are the marker's own
    Note, // a footnote or endnote, kept for the end of the document
    FieldInst,
    Picture,
    FontTable,
    ColorTable,
    Info,
    InfoTitle,
    Pn,
    PnTextBefore,
    PnTextAfter,
};

enum class PictFormat { None, Png, Jpeg, Dib, Other };
enum class PnLevel { None, Bullet, Body, Continue };
enum class PnFormat { Decimal, UpperLetter, LowerLetter, UpperRoman, LowerRoman, Symbols };

// Which associated font a run's bytes belong to: \loch, \hich, \dbch, or no
// marker (the lead bytes of the double-byte code page then decide).
enum class CharSet { Unmarked, LowAnsi, HighAnsi, DoubleByte };

struct CharState
{
    int font = -1;
    int codePage = 1252; // of the font, kept here so that a group end restores it
    int fontSize = 24; // half-points
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    CharSet charSet = CharSet::Unmarked;
    int lowAnsiFont = -1; // the associated fonts (\af after \loch, \hich, \dbch); -1: \f
    int highAnsiFont = -1;
    int doubleByteFont = -1;
    int underline = QTextCharFormat::NoUnderline;
    int leader = QTextCharFormat::NoUnderline; // a tab drawn with its stop's leader
    int capitalization = QFont::MixedCase;
    int verticalAlignment = QTextCharFormat::AlignNormal;
    int raise = 0; // half-points, negative lowers
    int foreground = 0; // colour table index
    int background = 0;
    QString href;

    bool operator==(const CharState &) const = default;
};

// An old-style (\pn) list paragraph that has no marker text of its own.
struct PnState
{
    PnLevel level = PnLevel::None;
    PnFormat format = PnFormat::Decimal;
    int start = 1;
    QString before;
    QString after;
};

struct TabStop
{
    int position = 0; // twips from the left edge of the text
    QTextOption::TabType type = QTextOption::LeftTab;
    int leader = QTextCharFormat::NoUnderline; // the line drawn across the tab's space
};

struct ParaState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: negative exact, positive at least
    bool lineMultiple = false;
    QList<TabStop> tabs; // as given, in any order
    TabStop nextTab; // \tqr, \tldot, ... for the next \tx
    bool keep = false;
    bool pageBreakBefore = false;
    bool inTable = false;
    int nesting = 0; // \itap
    PnState pn;

    int tableLevel() const { return std::max(nesting, inTable ? 1 : 0); }
};

struct GroupState
{
    Dest dest = Dest::Text;
    CharState chr;
    ParaState para;
    int unicodeSkip = 1; // \uc
    // \upr{ANSI part}{\*\ud{Unicode part}}: 1 in the \upr group, 2 in a part not yet
    // known to be the \ud one.
    int upr = 0;
};

// One cell of a table row definition (\cellx and the merge words before it).
struct CellDefinition
{
    enum Merge { MergeFirst = 1, MergeNext = 2, MergeDownFirst = 4, MergeDownNext = 8 };
    int rightEdge = 0; // twips
    int merge = 0;
};

struct Font
{
    QString name;
    int charset = -1;
    int codePage = 0; // \cpg, overrides the charset
};

using FontTable = std::map<int, Font>;
using ColorTable = QList<QColor>; // an invalid colour is "auto"

QTextCharFormat charFormat(const CharState &chr, const FontTable &fonts, const ColorTable &colors);
// defaultTab: \deftab, the distance of the stops after the paragraph's last.
QTextBlockFormat blockFormat(const ParaState &para, int defaultTab);
// The paragraph's stops from left to right; a hanging first line (negative
// \fi) makes the left indent one more, so that text after a bullet's tab
// lines up with the lines below.
QList<TabStop> tabStops(const ParaState &para);
// The leader of the index-th tab (from 0) of a line of the paragraph, taking
// each tab to the next stop: the layout would, unless text reaches past a stop.
int leaderOfTab(const ParaState &para, int index, bool firstLine);
// The number n (from 1) written in the format.
QString numberText(int n, PnFormat format);
// Twips to document pixels.
qreal pixels(int twips);

} // namespace Rtf
