#include "rtftokenizer.h"

#include <algorithm>

namespace Rtf {

namespace {

constexpr int MaxWordLength = 32;
constexpr qint64 ParamLimit = 1'000'000'000;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Tokenizer::Tokenizer(QByteArrayView input)
    : m_pos(input.data())
    , m_end(input.data() + input.size())
{
}

Token Tokenizer::next()
{
    while (m_pos < m_end && (*m_pos == '\r' || *m_pos == '\n'))
        ++m_pos;
    if (m_pos == m_end)
        return {};
    Token token;
    switch (*m_pos) {
    case '{':
        ++m_pos;
        token.type = Token::GroupStart;
        return token;
    case '}':
        ++m_pos;
        token.type = Token::GroupEnd;
        return token;
    case '\\':
        ++m_pos;
        return controlWord();
    default:
        return text();
    }
}

Token Tokenizer::controlWord()
{
    if (m_pos == m_end)
        return {};
    Token token;
    if (!isLetter(*m_pos)) {
        const char c = *m_pos++;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < m_end && hexValue(*m_pos) >= 0) {
                value = value * 16 + hexValue(*m_pos++);
                ++digits;
            }
            if (digits < 2) { // a malformed escape carries no byte
                token.type = Token::Symbol;
                return token;
            }
            token.type = Token::HexByte;
            token.byte = static_cast<unsigned char>(value);
            return token;
        }
        if (c == '\\' || c == '{' || c == '}') {
            token.type = Token::Text;
            token.text = std::string_view(m_pos - 1, 1);
            return token;
        }
        token.type = Token::Symbol;
        token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
        return token;
    }

    const char *start = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    token.type = Token::Word;
    token.text = std::string_view(start, std::min<qsizetype>(m_pos - start, MaxWordLength));

    const bool negative = m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1]);
    if (negative)
        ++m_pos;
    if (m_pos < m_end && isDigit(*m_pos)) {
        qint64 value = 0;
        while (m_pos < m_end && isDigit(*m_pos)) {
            value = std::min(value * 10 + (*m_pos - '0'), ParamLimit);
            ++m_pos;
        }
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    return token;
}

Token Tokenizer::text()
{
    const char *start = m_pos;
    while (m_pos < m_end) {
        const char c = *m_pos;
        if (m_leadBytes && m_leadBytes[static_cast<unsigned char>(c)] && m_pos + 1 < m_end) {
            m_pos += 2;
            continue;
        }
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    Token token;
    token.type = Token::Text;
    token.text = std::string_view(start, m_pos - start);
    return token;
}

QByteArrayView Tokenizer::takeBinary(qint64 count)
{
    const qint64 n = std::clamp<qint64>(count, 0, m_end - m_pos);
    const QByteArrayView data(m_pos, n);
    m_pos += n;
    return data;
}

} // namespace Rtf
