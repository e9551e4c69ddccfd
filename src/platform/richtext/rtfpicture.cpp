#include "rtfpicture.h"

#include <algorithm>
#include <array>

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace Rtf {

namespace {

constexpr qreal MaxSide = 4096;

constexpr std::array<signed char, 256> hexTable()
{
    std::array<signed char, 256> t {};
    for (int c = 0; c < 256; ++c)
        t[c] = -1;
    for (int c = 0; c < 10; ++c)
        t['0' + c] = c;
    for (int c = 0; c < 6; ++c) {
        t['a' + c] = 10 + c;
        t['A' + c] = 10 + c;
    }
    return t;
}

// A device-independent bitmap lacks the 14-byte file header Qt's reader needs.
QByteArray bmpFile(const QByteArray &dib)
{
    if (dib.size() < 40)
        return {};
    const auto *bytes = reinterpret_cast<const uchar *>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes);
    const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 14);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 16);
    const quint32 colorsUsed = qFromLittleEndian<quint32>(bytes + 32);
    if (headerSize < 40 || headerSize > quint32(dib.size()) || colorsUsed > 256)
        return {};
    quint32 palette = colorsUsed ? colorsUsed : (bitCount <= 8 ? 1u << bitCount : 0);
    palette *= 4;
    if (compression == 3 && headerSize == 40) // BI_BITFIELDS masks follow the header
        palette += 12;
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(14 + headerSize + palette, file.data() + 10);
    return file + dib;
}

} // namespace

void Picture::appendHex(std::string_view digits)
{
    static constexpr auto table = hexTable();
    data.reserve(data.size() + qsizetype(digits.size() / 2));
    for (const char c : digits) {
        const int value = table[static_cast<unsigned char>(c)];
        if (value < 0)
            continue;
        if (m_highNibble < 0) {
            m_highNibble = value;
        } else {
            data.append(char(m_highNibble << 4 | value));
            m_highNibble = -1;
        }
    }
}

QImage Picture::image(qint64 maxPixels) const
{
    QByteArray bytes = data;
    QByteArray kind;
    switch (format) {
    case PictFormat::Png:
        kind = "PNG";
        break;
    case PictFormat::Jpeg:
        kind = "JPEG";
        break;
    case PictFormat::Dib:
        kind = "BMP";
        bytes = bmpFile(data);
        break;
    default:
        return {};
    }
    // A few bytes of compressed data can claim a huge bitmap; look before decoding.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxPixels)
        return {};
    return reader.read();
}

QSizeF Picture::displaySize(const QSize &imageSize) const
{
    const auto side = [&](int goal, qreal natural, int scale) {
        qreal px;
        if (goal > 0)
            px = pixels(goal);
        else if (natural > 0)
            px = natural;
        else
            px = 32;
        return std::clamp(px * std::clamp(scale, 1, 1000) / 100.0, 1.0, MaxSide);
    };
    // A metafile's \picw is in hundredths of a millimetre.
    const bool metafile = format == PictFormat::Other;
    const qreal unit = metafile ? 96 / 2540.0 : 1;
    const qreal naturalWidth = !imageSize.isEmpty() ? imageSize.width() : width * unit;
    const qreal naturalHeight = !imageSize.isEmpty() ? imageSize.height() : height * unit;
    return { side(goalWidth, naturalWidth, scaleX), side(goalHeight, naturalHeight, scaleY) };
}

} // namespace Rtf
