#include "rtfstate.h"

#include <algorithm>

#include "platform/base/twips.h"

namespace Rtf {

namespace {

// Word's widest page is 22 inches; anything beyond is a broken number.
constexpr int TwipsLimit = 22 * 1440;

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
    if (chr.underline != QTextCharFormat::NoUnderline)
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

QTextBlockFormat blockFormat(const ParaState &para)
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
    if (!para.tabs.isEmpty())
        format.setTabPositions(para.tabs);
    if (para.keep)
        format.setNonBreakableLines(true);
    if (para.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

} // namespace Rtf
