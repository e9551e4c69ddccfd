#include "rtfcodepages.h"

#include <algorithm>
#include <cerrno>

#include <QSysInfo>

namespace Rtf {

namespace {

constexpr char16_t Replacement = 0xFFFD;
const auto NoConverter = reinterpret_cast<iconv_t>(-1);

bool isMultiByte(int codePage)
{
    switch (codePage) {
    case 932: case 936: case 949: case 950: case 1361:
    case 10001: case 10002: case 10003: case 10008:
    case 65001:
        return true;
    default:
        return false;
    }
}

QByteArray iconvName(int codePage)
{
    switch (codePage) {
    case 1361: return "JOHAB";
    case 10000: return "MACINTOSH";
    case 10001: return "CP932";
    case 10002: return "CP950";
    case 10003: return "CP949";
    case 10007: return "MAC-CYRILLIC";
    case 10008: return "CP936";
    case 10029: return "MAC-CENTRALEUROPE";
    case 10079: return "MAC-IS";
    case 65001: return "UTF-8";
    default: break;
    }
    if (codePage >= 10000 && codePage < 10100) // Mac pages iconv lacks: the Roman one is closest
        return "MACINTOSH";
    return "CP" + QByteArray::number(codePage);
}

// Symbol font glyphs that have a Unicode character of their own.
void applySymbolGlyphs(std::array<char16_t, 256> &t)
{
    const char16_t upper[26] = { 0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393, 0x397, 0x399,
                                 0x3D1, 0x39A, 0x39B, 0x39C, 0x39D, 0x39F, 0x3A0, 0x398, 0x3A1,
                                 0x3A3, 0x3A4, 0x3A5, 0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396 };
    const char16_t lower[26] = { 0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3, 0x3B7, 0x3B9,
                                 0x3D5, 0x3BA, 0x3BB, 0x3BC, 0x3BD, 0x3BF, 0x3C0, 0x3B8, 0x3C1,
                                 0x3C3, 0x3C4, 0x3C5, 0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6 };
    for (int i = 0; i < 26; ++i) {
        t['A' + i] = upper[i];
        t['a' + i] = lower[i];
    }
    t[0xA5] = 0x221E; t[0xAC] = 0x2190; t[0xAD] = 0x2191; t[0xAE] = 0x2192; t[0xAF] = 0x2193;
    t[0xB0] = 0x00B0; t[0xB1] = 0x00B1; t[0xB4] = 0x00D7; t[0xB7] = 0x2022; t[0xB8] = 0x00F7;
    t[0xD2] = 0x00AE; t[0xD3] = 0x00A9; t[0xD4] = 0x2122;
}

// The Wingdings glyphs word processors use as bullets.
void applyWingdingsGlyphs(std::array<char16_t, 256> &t)
{
    t[0x6C] = 0x25CF; t[0x6E] = 0x25A0; t[0x71] = 0x2751; t[0x76] = 0x2756;
    t[0x9F] = 0x2022; t[0xA7] = 0x25AA; t[0xD8] = 0x27A2; t[0xFC] = 0x2714;
}

constexpr std::array<bool, 256> leadRange(int firstHigh)
{
    std::array<bool, 256> lead {};
    for (int b = 0x81; b <= 0xFE; ++b)
        lead[b] = b < 0xA0 || b >= firstHigh;
    return lead;
}

constexpr std::array<bool, 256> ShiftJisLeads = leadRange(0xE0); // 81-9F, E0-FC
constexpr std::array<bool, 256> OtherLeads = leadRange(0x81); // 81-FE

} // namespace

int codePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return SymbolCodePage;
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 83: return 10005;
    case 84: return 10004;
    case 85: return 10006;
    case 86: return 10081;
    case 87: return 10021;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return documentCodePage;
    }
}

CodePages &CodePages::ofThisThread()
{
    static thread_local CodePages codePages;
    return codePages;
}

CodePages::~CodePages()
{
    for (const auto &entry : m_converters) {
        if (entry.second != NoConverter)
            iconv_close(entry.second);
    }
}

const bool *CodePages::leadBytes(int codePage)
{
    switch (codePage) {
    case 932: case 10001:
        return ShiftJisLeads.data();
    case 936: case 949: case 950: case 1361: case 10002: case 10003: case 10008:
        return OtherLeads.data();
    default:
        return nullptr;
    }
}

iconv_t CodePages::converter(int codePage)
{
    const auto found = m_converters.find(codePage);
    if (found != m_converters.end())
        return found->second;
    const char *utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
    const iconv_t cd = iconv_open(utf16, iconvName(codePage).constData());
    m_converters.emplace(codePage, cd);
    return cd;
}

const CodePages::Table &CodePages::table(int codePage)
{
    auto &slot = m_tables[codePage];
    if (slot)
        return *slot;
    slot = std::make_unique<Table>();
    Table &t = *slot;
    for (int b = 0; b < 256; ++b)
        t[b] = char16_t(b);
    if (codePage == SymbolCodePage) {
        applySymbolGlyphs(t);
    } else if (codePage == WingdingsCodePage) {
        applyWingdingsGlyphs(t);
    } else {
        iconv_t cd = converter(codePage);
        if (cd == NoConverter && codePage != 1252)
            cd = converter(1252);
        for (int b = 0x80; b < 256 && cd != NoConverter; ++b) {
            char in = char(b);
            char16_t unit = 0;
            char *inPtr = &in;
            char *outPtr = reinterpret_cast<char *>(&unit);
            size_t inLeft = 1;
            size_t outLeft = sizeof unit;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            // Bytes a page leaves undefined keep their Latin-1 value, as Windows does.
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && outLeft == 0)
                t[b] = unit;
        }
    }
    for (int b = 0; b < 0x20; ++b)
        t[b] = b == '\t' ? u'\t' : 0;
    t[0x7F] = 0;
    return t;
}

void CodePages::decode(int codePage, QByteArrayView bytes, QString &out)
{
    if (isMultiByte(codePage)) {
        const iconv_t cd = converter(codePage);
        if (cd != NoConverter)
            return decodeMultiByte(cd, bytes, out);
        codePage = 1252;
    }
    const Table &t = table(codePage);
    out.reserve(out.size() + bytes.size());
    for (const char c : bytes) {
        const char16_t unit = t[static_cast<unsigned char>(c)];
        if (unit)
            out.append(QChar(unit));
    }
}

void CodePages::decodeMixed(int singleByte, int doubleByte, QByteArrayView bytes, QString &out)
{
    const bool *lead = leadBytes(doubleByte);
    if (!lead)
        return decode(singleByte, bytes, out);
    // Every double-byte page has its trail bytes from 0x40 up: a lead byte
    // before anything lower is a single-byte character of its own.
    const auto isTrail = [](unsigned char b) { return b >= 0x40 && b != 0x7F && b != 0xFF; };
    qsizetype start = 0;
    bool pairs = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const bool pair = lead[static_cast<unsigned char>(bytes[i])] && i + 1 < bytes.size()
            && isTrail(static_cast<unsigned char>(bytes[i + 1]));
        if (pair != pairs) {
            decode(pairs ? doubleByte : singleByte, bytes.sliced(start, i - start), out);
            start = i;
            pairs = pair;
        }
        i += pair ? 2 : 1;
    }
    decode(pairs ? doubleByte : singleByte, bytes.sliced(start), out);
}

void CodePages::decodeMultiByte(iconv_t cd, QByteArrayView bytes, QString &out)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const qsizetype start = out.size();
    out.resize(start + 2 * bytes.size() + 2);
    char *inPtr = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    char *outPtr = reinterpret_cast<char *>(out.data() + start);
    size_t outLeft = (out.size() - start) * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte that starts no character, or a lead byte cut off at the end.
        *reinterpret_cast<char16_t *>(outPtr) = Replacement;
        outPtr += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
        ++inPtr;
        --inLeft;
    }
    QChar *const begin = out.data() + start;
    QChar *const end = reinterpret_cast<QChar *>(outPtr);
    const QChar *last = std::remove_if(begin, end, [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    out.truncate(last - out.constData());
}

} // namespace Rtf
