// Which font's code page decodes the bytes of a run. East Asian documents name
// up to three fonts for a run (\loch\af, \hich\af, \dbch\af, each with the
// \fcharset of its own) besides the \f that shows it, and mark which of them
// the text that follows is in.

#include "rtfparser.h"

namespace Rtf {

int Parser::codePageOf(int font) const
{
    const auto found = m_fonts.find(font);
    if (found == m_fonts.end())
        return m_documentCodePage;
    const Font &f = found->second;
    if (f.codePage > 0)
        return f.codePage;
    const int codePage = codePageForCharset(f.charset, m_documentCodePage);
    if (codePage == SymbolCodePage && f.name.contains(u"Wingdings", Qt::CaseInsensitive))
        return WingdingsCodePage;
    return codePage;
}

int Parser::fontOf(const CharState &chr, CharSet set) const
{
    int font = -1;
    switch (set) {
    case CharSet::LowAnsi:
        font = chr.lowAnsiFont;
        break;
    case CharSet::HighAnsi:
        font = chr.highAnsiFont;
        break;
    case CharSet::DoubleByte:
        font = chr.doubleByteFont;
        break;
    case CharSet::Unmarked:
        break;
    }
    return font >= 0 ? font : chr.font;
}

// The double-byte code page of the run's double-byte font, else the
// document's if that is one; 0 when the run has none.
int Parser::doubleByteCodePage(const CharState &chr) const
{
    const int codePage = chr.doubleByteFont >= 0 ? codePageOf(chr.doubleByteFont) : chr.codePage;
    if (CodePages::isDoubleByte(codePage))
        return codePage;
    return CodePages::isDoubleByte(m_documentCodePage) ? m_documentCodePage : 0;
}

// Raw bytes that follow a lead byte are its trail even when they look like a
// brace or backslash.
const bool *Parser::leadBytes() const
{
    const CharState &chr = m_stack.back().chr;
    switch (chr.charSet) {
    case CharSet::DoubleByte:
        return CodePages::leadBytes(doubleByteCodePage(chr));
    case CharSet::LowAnsi:
    case CharSet::HighAnsi:
        return CodePages::leadBytes(codePageOf(fontOf(chr, chr.charSet)));
    case CharSet::Unmarked:
        break;
    }
    return CodePages::leadBytes(
        CodePages::isDoubleByte(chr.codePage) ? chr.codePage : doubleByteCodePage(chr));
}

void Parser::setFont(CharState &chr, int font) const
{
    chr.font = font;
    chr.codePage = codePageOf(font);
}

// A run marked \loch, \hich or \dbch is in that font; an unmarked one is in
// the font of \f, but where the document or the run has a double-byte code
// page, each of its lead bytes starts a double-byte character in that page.
void Parser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const CharState &chr = state().chr;
    QString text;
    switch (chr.charSet) {
    case CharSet::DoubleByte: {
        const int codePage = doubleByteCodePage(chr);
        m_codePages.decode(codePage ? codePage : codePageOf(fontOf(chr, chr.charSet)), m_bytes, text);
        break;
    }
    case CharSet::LowAnsi:
    case CharSet::HighAnsi:
        m_codePages.decode(codePageOf(fontOf(chr, chr.charSet)), m_bytes, text);
        break;
    case CharSet::Unmarked:
        if (CodePages::isDoubleByte(chr.codePage))
            m_codePages.decode(chr.codePage, m_bytes, text);
        else
            m_codePages.decodeMixed(chr.codePage, doubleByteCodePage(chr), m_bytes, text);
        break;
    }
    m_bytes.clear();
    appendText(text);
}

void Parser::finishFont()
{
    if (m_fontDefined < 0) {
        m_fontName.clear();
        return;
    }
    Font &font = m_fonts[m_fontDefined];
    if (!m_fontName.isEmpty()) {
        // Names of symbol fonts are plain ANSI.
        int codePage = codePageOf(m_fontDefined);
        if (codePage == SymbolCodePage || codePage == WingdingsCodePage)
            codePage = 1252;
        QString name;
        m_codePages.decode(codePage, m_fontName, name);
        font.name = name.trimmed();
        m_fontName.clear();
    }
    m_fontDefined = -1;
}

} // namespace Rtf
