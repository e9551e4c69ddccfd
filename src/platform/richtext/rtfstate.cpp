#include "rtfstate.h"

#include <algorithm>

#include "platform/base/twips.h"
#include "rtfproperties.h"

namespace Rtf {

namespace {

constexpr int MaxTabStops = 64;
// Default stops are given up to the width of a landscape page; beyond, the
// layout's own every \deftab take over.
constexpr int DefaultStopsLimit = 11 * 1440;

QColor colorAt(const ColorTable &colors, int index)
{
    return index >= 0 && index < colors.size() ? colors.at(index) : QColor();
}

} // namespace

qreal pixels(int twips)
{
    return std::clamp(twips, -TwipsLimit, TwipsLimit) / qreal(TwipsPerPixel);
}

QTextCharFormat charFormat(const CharState &chr, const FontTable &fonts, const ColorTable &colors)
{
    QTextCharFormat format;
    const auto font = fonts.find(chr.font);
    if (font != fonts.end() && !font->second.name.isEmpty())
        format.setFontFamilies({ font->second.name });
    const int halfPoints = std::clamp(chr.fontSize, 2, 3276);
    format.setFontPointSize(halfPoints / 2.0);
    if (chr.bold)
        format.setFontWeight(QFont::Bold);
    if (chr.italic)
        format.setFontItalic(true);
    if (chr.strike)
        format.setFontStrikeOut(true);
    // A tab's leader is drawn as its underline, across the space the tab takes.
    if (chr.leader != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(chr.leader));
    else if (chr.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(chr.underline));
    if (chr.capitalization != QFont::MixedCase)
        format.setFontCapitalization(QFont::Capitalization(chr.capitalization));
    if (chr.verticalAlignment != QTextCharFormat::AlignNormal)
        format.setVerticalAlignment(QTextCharFormat::VerticalAlignment(chr.verticalAlignment));
    if (chr.raise != 0) // a percentage of the font height
        format.setBaselineOffset(std::clamp(chr.raise * 100.0 / halfPoints, -100.0, 100.0));
    const QColor foreground = colorAt(colors, chr.foreground);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = colorAt(colors, chr.background);
    if (background.isValid())
        format.setBackground(background);
    if (!chr.href.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(chr.href);
    }
    return format;
}

QString numberText(int n, PnFormat format)
{
    switch (format) {
    case PnFormat::UpperLetter:
    case PnFormat::LowerLetter: {
        const char16_t first = format == PnFormat::UpperLetter ? u'A' : u'a';
        return QString(1 + (n - 1) / 26 % 26, QChar(first + (n - 1) % 26));
    }
    case PnFormat::UpperRoman:
    case PnFormat::LowerRoman: {
        static const std::pair<int, const char *> numerals[] = {
            { 1000, "m" }, { 900, "cm" }, { 500, "d" }, { 400, "cd" }, { 100, "c" }, { 90, "xc" },
            { 50, "l" }, { 40, "xl" }, { 10, "x" }, { 9, "ix" }, { 5, "v" }, { 4, "iv" }, { 1, "i" }
        };
        QString roman;
        for (int rest = std::min(n, 3999); const auto &[value, letters] : numerals) {
            for (; rest >= value; rest -= value)
                roman += QLatin1StringView(letters);
        }
        return format == PnFormat::UpperRoman ? roman.toUpper() : roman;
    }
    case PnFormat::Symbols: { // *, †, ‡, §, then each twice, and so on
        static const char16_t symbols[] = { u'*', 0x2020, 0x2021, 0x00A7 };
        return QString(std::min(1 + (n - 1) / 4, 8), QChar(symbols[(n - 1) % 4]));
    }
    case PnFormat::Decimal:
        break;
    }
    return QString::number(n);
}

QList<TabStop> tabStops(const ParaState &para)
{
    QList<TabStop> stops = para.tabs;
    const auto atIndent = [&](const TabStop &s) { return s.position == para.leftIndent; };
    if (para.firstIndent < 0 && para.leftIndent >= 0 && std::none_of(stops.begin(), stops.end(), atIndent))
        stops.append(TabStop { para.leftIndent, QTextOption::LeftTab, QTextCharFormat::NoUnderline });
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TabStop &a, const TabStop &b) { return a.position < b.position; });
    return stops;
}

int leaderOfTab(const ParaState &para, int index, bool firstLine)
{
    const int lineStart = para.leftIndent + (firstLine ? para.firstIndent : 0);
    for (const TabStop &stop : tabStops(para)) {
        if (stop.position > lineStart && index-- == 0)
            return stop.leader;
    }
    return QTextCharFormat::NoUnderline;
}

namespace {

QList<QTextOption::Tab> layoutTabs(const ParaState &para, int defaultTab)
{
    // The layout measures stops from where each line starts, RTF from the
    // left edge of the text: they are given here from the first line's start,
    // where tabs almost always are. Past the last stop RTF has a stop every
    // \deftab from the edge, which the layout's own (from the line's start)
    // would miss whenever the line starts elsewhere.
    const int lineStart = para.leftIndent + para.firstIndent;
    QList<QTextOption::Tab> tabs;
    int last = 0;
    for (const TabStop &stop : tabStops(para)) {
        last = std::max(last, stop.position);
        if (stop.position > lineStart && tabs.size() < MaxTabStops) {
            const QChar delimiter = stop.type == QTextOption::DelimiterTab ? u'.' : QChar();
            tabs.append(QTextOption::Tab(pixels(stop.position - lineStart), stop.type, delimiter));
        }
    }
    const int step = std::max(defaultTab, 1);
    for (int position = (std::max(last, lineStart) / step + 1) * step;
         position <= DefaultStopsLimit && tabs.size() < MaxTabStops; position += step)
        tabs.append(QTextOption::Tab(pixels(position - lineStart), QTextOption::LeftTab));
    return tabs;
}

} // namespace

QTextBlockFormat blockFormat(const ParaState &para, int defaultTab)
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setLeftMargin(pixels(para.leftIndent));
    format.setRightMargin(pixels(para.rightIndent));
    format.setTextIndent(pixels(para.firstIndent));
    format.setTopMargin(pixels(para.spaceBefore));
    format.setBottomMargin(pixels(para.spaceAfter));
    if (para.lineSpacing != 0 && para.lineSpacing != 1000) { // 1000 is Word's "auto"
        if (para.lineMultiple)
            format.setLineHeight(std::clamp(para.lineSpacing, 1, 24000) * 100.0 / 240,
                                 QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing < 0)
            format.setLineHeight(pixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
        else
            format.setLineHeight(pixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
    }
    if (!para.tabs.isEmpty() || para.firstIndent < 0 || para.leftIndent + para.firstIndent != 0) {
        const QList<QTextOption::Tab> tabs = layoutTabs(para, defaultTab);
        format.setTabPositions(tabs);
        const auto isRight = [](const QTextOption::Tab &t) { return t.type == QTextOption::RightTab; };
        if (std::any_of(tabs.begin(), tabs.end(), isRight))
            format.setProperty(ReadTabPositions, format.property(QTextFormat::TabPositions));
    }
    if (para.keep)
        format.setNonBreakableLines(true);
    if (para.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

} // namespace Rtf
