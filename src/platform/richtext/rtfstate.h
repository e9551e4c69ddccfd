#pragma once

#include <map>

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextOption>

namespace Rtf {

// Where the text of a group goes.
enum class Dest {
    Text, // the document
    ListText, // a list marker: shown, but its paragraph words are the marker's own
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
enum class PnFormat { Decimal, UpperLetter, LowerLetter, UpperRoman, LowerRoman };

struct CharState
{
    int font = -1;
    int codePage = 1252; // of the font, kept here so that a group end restores it
    int fontSize = 24; // half-points
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool doubleByte = false; // \dbch: the associated font decides the code page
    int assocFont = -1;
    int underline = QTextCharFormat::NoUnderline;
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
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
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
QTextBlockFormat blockFormat(const ParaState &para);
// Twips to document pixels.
qreal pixels(int twips);

} // namespace Rtf
