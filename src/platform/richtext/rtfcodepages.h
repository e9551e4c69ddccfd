#pragma once

#include <array>
#include <iconv.h>
#include <map>
#include <memory>

#include <QByteArrayView>
#include <QString>

namespace Rtf {

// Fonts whose bytes are glyph numbers rather than characters.
constexpr int SymbolCodePage = 42;
constexpr int WingdingsCodePage = -42;

// The code page of a font's \fcharset; the document's own for charset 1 and
// for charsets we do not know.
int codePageForCharset(int charset, int documentCodePage);

// Turns bytes in Windows and Mac code pages into text. Single-byte pages become
// a 256-entry table on first use; multi-byte pages go through iconv each time.
// Control characters other than tab are dropped: word processors show none.
class CodePages
{
public:
    CodePages() = default;
    ~CodePages();
    CodePages(const CodePages &) = delete;
    CodePages &operator=(const CodePages &) = delete;

    // The tables and converters of this thread, made once for all documents
    // it reads (a table costs more than reading a short document).
    static CodePages &ofThisThread();

    void decode(int codePage, QByteArrayView bytes, QString &out);
    // Bytes where single-byte and double-byte characters alternate: a lead
    // byte of doubleByte and the byte after it are one character of that
    // page, every other byte one of singleByte.
    void decodeMixed(int singleByte, int doubleByte, QByteArrayView bytes, QString &out);
    // Lead bytes of a double-byte page, or nullptr for single-byte pages.
    static const bool *leadBytes(int codePage);
    static bool isDoubleByte(int codePage) { return leadBytes(codePage) != nullptr; }

private:
    using Table = std::array<char16_t, 256>;
    const Table &table(int codePage);
    iconv_t converter(int codePage);
    void decodeMultiByte(iconv_t cd, QByteArrayView bytes, QString &out);

    std::map<int, std::unique_ptr<Table>> m_tables;
    std::map<int, iconv_t> m_converters;
};

} // namespace Rtf
