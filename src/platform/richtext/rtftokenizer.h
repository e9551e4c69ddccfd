#pragma once

#include <string_view>

#include <QByteArrayView>

namespace Rtf {

struct Token
{
    enum Type { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text };
    Type type = End;
    // Word: the name; Text: the raw bytes (never braces, backslashes or line ends
    // unless they are the trail byte of a double-byte character).
    std::string_view text;
    bool hasParam = false;
    int param = 0;
    char symbol = 0; // Symbol: the character after the backslash
    unsigned char byte = 0; // HexByte
};

// Splits RTF bytes into tokens. Never reads past the end and always advances,
// so malformed input cannot make it loop.
class Tokenizer
{
public:
    explicit Tokenizer(QByteArrayView input);

    Token next();
    // The raw data after \binN; the count is bounded by what is left.
    QByteArrayView takeBinary(qint64 count);
    // Lead bytes of the double-byte code page now in use (nullptr: single byte),
    // so that a raw trail byte that looks like a brace or backslash stays text.
    void setLeadBytes(const bool *leadBytes) { m_leadBytes = leadBytes; }

private:
    Token controlWord();
    Token text();

    const char *m_pos;
    const char *m_end;
    const bool *m_leadBytes = nullptr;
};

} // namespace Rtf
