#include "rtfparser.h"

#include <algorithm>
#include <utility>

#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace Rtf {

namespace {

constexpr qsizetype MaxDepth = 1000;
// Bounds on text kept outside the document, which hostile input could grow.
constexpr qsizetype MaxInstruction = 4096;
constexpr qsizetype MaxTitle = 1024;
constexpr qsizetype MaxMarker = 32;
constexpr qsizetype MaxColors = 4096;
constexpr char16_t Replacement = 0xFFFD;

void appendBounded(QString &to, QStringView text, qsizetype limit)
{
    to.append(text.left(std::max<qsizetype>(0, limit - to.size())));
}

bool isTextDestination(Dest dest)
{
    return dest == Dest::Text || dest == Dest::ListText;
}

// The target of a HYPERLINK field: its first argument, or "#name" for \l "name".
QString hyperlinkTarget(const QString &instruction)
{
    const QString text = instruction.trimmed();
    if (!text.startsWith(u"HYPERLINK", Qt::CaseInsensitive))
        return {};
    QString target;
    bool local = false;
    qsizetype i = 9;
    while (i < text.size()) {
        if (text.at(i).isSpace()) {
            ++i;
            continue;
        }
        if (text.at(i) == u'\\' && i + 1 < text.size() && text.at(i + 1).isLetter()) {
            const QChar option = text.at(i + 1).toLower();
            i += 2;
            if (option == u'l')
                local = true;
            continue;
        }
        qsizetype end;
        if (text.at(i) == u'"') {
            end = text.indexOf(u'"', i + 1);
            if (end < 0)
                end = text.size();
            target = text.mid(i + 1, end - i - 1);
        } else {
            end = i;
            while (end < text.size() && !text.at(end).isSpace())
                ++end;
            target = text.mid(i, end - i);
        }
        break;
    }
    target.replace(u"\\\\"_s, u"\\"_s);
    return local && !target.isEmpty() ? u'#' + target : target;
}

} // namespace

Parser::Parser(QByteArrayView rtf, QTextDocument &doc)
    : m_doc(doc)
    , m_tokenizer(rtf)
    , m_builder(doc)
{
}

bool Parser::run()
{
    while (!m_builder.overflowed()) {
        const Token token = m_tokenizer.next();
        if (token.type == Token::End)
            break;
        if (m_skipDepth > 0) {
            if (token.type == Token::GroupStart) {
                ++m_skipDepth;
            } else if (token.type == Token::GroupEnd) {
                if (--m_skipDepth == 0 && groupEnd())
                    break;
            } else if (token.type == Token::Word && token.text == "bin" && token.hasParam) {
                m_tokenizer.takeBinary(token.param); // may hold braces
            }
            continue;
        }
        const bool isText = token.type == Token::Text || token.type == Token::HexByte;
        if (!isText)
            flushBytes();
        if (token.type == Token::GroupEnd && groupEnd())
            break;
        switch (token.type) {
        case Token::GroupStart:
            groupStart();
            break;
        case Token::Word:
            controlWord(token);
            break;
        case Token::Symbol:
            controlSymbol(token.symbol);
            break;
        case Token::HexByte:
            hexByte(char(token.byte));
            break;
        case Token::Text:
            textBytes(token.text);
            break;
        case Token::GroupEnd:
        case Token::End:
            break;
        }
        if (!isText)
            m_tokenizer.setLeadBytes(leadBytes());
    }

    if (m_builder.overflowed())
        return false;
    // The root group's end, or the end of a truncated document, whose open
    // groups end here so that what was read is kept.
    flushBytes();
    while (m_stack.size() > 1)
        groupEnd();
    insertStrayMark();
    flushRun();
    if (m_paragraphOpen)
        m_builder.endParagraph(blockFormat(state().para, m_defaultTab));
    m_builder.finish();
    m_notes.write(m_builder, m_fonts, m_colors, m_defaultTab);

    QTextOption option = m_doc.defaultTextOption();
    option.setTabStopDistance(pixels(m_defaultTab));
    m_doc.setDefaultTextOption(option);
    if (!m_title.isEmpty())
        m_doc.setMetaInformation(QTextDocument::DocumentTitle, m_title.trimmed());
    return !m_builder.overflowed();
}

void Parser::groupStart()
{
    m_ignorable = false;
    m_fallbackToSkip = 0;
    if (m_stack.empty()) {
        m_stack.emplace_back();
    } else if (qsizetype(m_stack.size()) >= MaxDepth) {
        ++m_overflowDepth;
    } else {
        m_stack.push_back(m_stack.back());
        GroupState &child = m_stack.back();
        child.upr = m_stack[m_stack.size() - 2].upr == 1 ? 2 : 0;
    }
}

bool Parser::groupEnd()
{
    m_ignorable = false;
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return false;
    }
    if (m_stack.size() == 1)
        return true; // the root group keeps its state for the last paragraph
    const GroupState closed = std::move(m_stack.back());
    m_stack.pop_back();
    while (!m_fields.empty() && m_fields.back().depth > qsizetype(m_stack.size()))
        m_fields.pop_back();
    if (closed.dest != state().dest)
        endOfDestination(closed);
    else if (closed.dest == Dest::FontTable)
        finishFont(); // a {\fN ...} entry
    return false;
}

void Parser::endOfDestination(const GroupState &closed)
{
    GroupState &parent = state();
    switch (closed.dest) {
    case Dest::FontTable:
        finishFont();
        setFont(parent.chr, parent.chr.font);
        break;
    case Dest::FieldInst:
        if (!m_fields.empty())
            m_fields.back().href = hyperlinkTarget(m_fields.back().instruction);
        break;
    case Dest::Picture:
        if (isTextDestination(parent.dest) && !parent.chr.hidden)
            insertPicture();
        break;
    case Dest::Pn:
    case Dest::PnTextBefore:
    case Dest::PnTextAfter:
        parent.para.pn = closed.para.pn;
        break;
    case Dest::Note:
        endNote(closed);
        break;
    default:
        break;
    }
}

bool Parser::skipsFallback()
{
    if (m_fallbackToSkip == 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

void Parser::controlSymbol(char symbol)
{
    if (skipsFallback())
        return;
    switch (symbol) {
    case '*':
        m_ignorable = true;
        return;
    case '~':
        appendText(u"\u00A0");
        break;
    case '_':
        appendText(u"\u2011");
        break;
    case '-':
        appendText(u"\u00AD");
        break;
    case '\n':
        if (state().dest == Dest::Text || state().dest == Dest::Note)
            endParagraph();
        break;
    default:
        break;
    }
    m_ignorable = false;
}

void Parser::textBytes(std::string_view bytes)
{
    m_ignorable = false;
    const auto skipped = std::min<qsizetype>(m_fallbackToSkip, bytes.size());
    m_fallbackToSkip -= int(skipped);
    bytes.remove_prefix(skipped);
    GroupState &s = state();
    if (bytes.empty() || s.upr != 0)
        return;
    switch (s.dest) {
    case Dest::Picture:
        m_picture.appendHex(bytes);
        break;
    case Dest::FontTable:
        for (const char c : bytes) {
            if (c == ';')
                finishFont();
            else
                m_fontName.append(c);
        }
        break;
    case Dest::ColorTable:
        for (qsizetype n = std::count(bytes.begin(), bytes.end(), ';'); n > 0; --n)
            finishColor();
        break;
    case Dest::Info:
    case Dest::Pn:
        break;
    default:
        m_bytes.append(bytes.data(), bytes.size());
        break;
    }
}

void Parser::hexByte(char byte)
{
    m_ignorable = false;
    if (skipsFallback() || state().upr != 0)
        return;
    switch (state().dest) {
    case Dest::FontTable:
        m_fontName.append(byte);
        break;
    case Dest::Picture:
    case Dest::ColorTable:
    case Dest::Info:
    case Dest::Pn:
        break;
    default:
        m_bytes.append(byte);
        break;
    }
}

void Parser::appendText(QStringView text)
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        appendText(QStringView(&Replacement, 1));
    }
    GroupState &s = state();
    if (s.upr != 0)
        return;
    switch (s.dest) {
    case Dest::ListText:
        // Word writes a marker before the \pard of its paragraph, which may
        // put the paragraph in a table: the marker waits for the paragraph.
        if (!m_paragraphOpen) {
            if (!s.chr.hidden) {
                appendBounded(m_marker, text, MaxMarker);
                m_markerState = s.chr;
            }
            return;
        }
        Q_FALLTHROUGH();
    case Dest::Text:
        if (!s.chr.hidden && !text.isEmpty())
            appendBody(text, s.chr);
        break;
    case Dest::Note:
        if (!s.chr.hidden && !text.isEmpty() && m_builder.charge(text.size()))
            m_notes.appendText(text, s.chr);
        break;
    case Dest::FieldInst:
        if (!m_fields.empty())
            appendBounded(m_fields.back().instruction, text, MaxInstruction);
        break;
    case Dest::InfoTitle:
        appendBounded(m_title, text, MaxTitle);
        break;
    case Dest::PnTextBefore:
        appendBounded(s.para.pn.before, text, MaxMarker);
        break;
    case Dest::PnTextAfter:
        appendBounded(s.para.pn.after, text, MaxMarker);
        break;
    default:
        break;
    }
}

void Parser::finishColor()
{
    if (m_colors.size() < MaxColors)
        m_colors.append(m_colorGiven ? m_color : QColor());
    m_color = QColor(0, 0, 0);
    m_colorGiven = false;
}

} // namespace Rtf
