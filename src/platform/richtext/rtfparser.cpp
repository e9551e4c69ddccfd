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
    case PnFormat::Decimal:
        break;
    }
    return QString::number(n);
}

} // namespace

Parser::Parser(QByteArrayView rtf, QTextDocument &doc)
    : m_doc(doc)
    , m_tokenizer(rtf)
    , m_builder(doc)
{
}

void Parser::run()
{
    for (;;) {
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
            m_tokenizer.setLeadBytes(CodePages::leadBytes(decodingCodePage()));
    }

    // The root group's end, or the end of a truncated document that keeps what was read.
    flushBytes();
    flushRun();
    if (m_paragraphOpen)
        m_builder.endParagraph(blockFormat(state().para));
    m_builder.finish();
    if (!m_title.isEmpty())
        m_doc.setMetaInformation(QTextDocument::DocumentTitle, m_title.trimmed());
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
        if (state().dest == Dest::Text)
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

int Parser::decodingCodePage() const
{
    const CharState &chr = m_stack.back().chr;
    return chr.doubleByte && chr.assocFont >= 0 ? codePageOf(chr.assocFont) : chr.codePage;
}

void Parser::setFont(CharState &chr, int font) const
{
    chr.font = font;
    chr.codePage = codePageOf(font);
}

void Parser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    QString text;
    m_codePages.decode(decodingCodePage(), m_bytes, text);
    m_bytes.clear();
    appendText(text);
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
        if (s.chr.hidden || text.isEmpty())
            return;
        beginContent();
        if (!(s.chr == m_runState)) {
            flushRun();
            m_runState = s.chr;
        }
        m_run.append(text);
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

void Parser::flushRun()
{
    if (m_run.isEmpty())
        return;
    if (!m_formatValid || !(m_formatState == m_runState)) {
        m_format = charFormat(m_runState, m_fonts, m_colors);
        m_formatState = m_runState;
        m_formatValid = true;
    }
    m_builder.insertText(m_run, m_format);
    m_run.clear();
}

void Parser::beginContent()
{
    if (m_paragraphOpen)
        return;
    m_builder.startParagraph(state().para.tableLevel());
    m_paragraphOpen = true;
    if (!m_marker.isEmpty()) {
        m_runState = m_markerState;
        m_run = std::exchange(m_marker, QString());
    } else if (!m_markerSeen) {
        insertPnMarker();
    }
}

// An old-style list paragraph without \pntext shows the marker its \pn describes.
void Parser::insertPnMarker()
{
    const PnState &pn = state().para.pn;
    const bool continues = m_lastNumbered;
    m_lastNumbered = pn.level == PnLevel::Body || (pn.level == PnLevel::Continue && continues);
    if (pn.level == PnLevel::Bullet) {
        appendText(pn.before.isEmpty() ? u"\u2022\t"_s : QString(pn.before + pn.after + u'\t'));
    } else if (pn.level == PnLevel::Body) {
        m_pnCounter = continues ? m_pnCounter + 1 : std::max(pn.start, 0);
        appendText(QString(pn.before + numberText(std::max(m_pnCounter, 1), pn.format) + pn.after + u'\t'));
    }
}

// Beyond the paragraph budget, paragraph, cell and row ends only keep words apart.
bool Parser::joinsParagraphs()
{
    if (m_builder.hasRoom())
        return false;
    if (m_paragraphOpen)
        appendText(u" ");
    return true;
}

void Parser::endParagraph()
{
    if (joinsParagraphs())
        return;
    flushRun();
    if (!m_paragraphOpen) {
        if (state().chr.hidden) // a hidden paragraph mark hides an empty paragraph
            return;
        beginContent();
    }
    m_builder.endParagraph(blockFormat(state().para));
    m_paragraphOpen = false;
    m_markerSeen = false;
    m_marker.clear();
}

// The cell ended belongs to the paragraph's table level (\itap), whether the
// word was \cell or \nestcell.
void Parser::endCell()
{
    if (state().para.tableLevel() == 0) // a cell end outside any table parts paragraphs
        return endParagraph();
    if (joinsParagraphs())
        return;
    flushRun();
    if (!m_paragraphOpen)
        beginContent();
    m_builder.endCell(blockFormat(state().para));
    m_paragraphOpen = false;
    m_markerSeen = false;
    m_marker.clear();
}

void Parser::endRow(int level)
{
    if (joinsParagraphs())
        return;
    flushRun();
    if (m_paragraphOpen)
        m_builder.endParagraph(blockFormat(state().para));
    m_builder.endRow(level, m_rowCells);
    m_paragraphOpen = false;
    m_markerSeen = false;
    m_marker.clear();
}

void Parser::insertPicture()
{
    beginContent();
    flushRun();
    const QImage image = m_picture.image(m_pixelBudget);
    m_pixelBudget -= qint64(image.width()) * image.height();
    m_builder.insertImage(image, m_picture.displaySize(image.size()));
    m_picture = {};
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

void Parser::finishColor()
{
    if (m_colors.size() < MaxColors)
        m_colors.append(m_colorGiven ? m_color : QColor());
    m_color = QColor(0, 0, 0);
    m_colorGiven = false;
}

} // namespace Rtf
