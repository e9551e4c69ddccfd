#include "msvideo1.h"

#include <QImage>

#include <array>
#include <algorithm>

namespace MsVideo1 {

namespace {

// A block's error must exceed this much per byte saved before the encoder
// spends the bytes of a finer mode on it.
constexpr int BytePrice = 90;

struct Rgb
{
    int r, g, b;
};

int squared(const Rgb &a, const Rgb &b)
{
    return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
}

// 15-bit RGB and back, as the decoder shows it.
quint16 pack(const Rgb &c)
{
    const auto five = [](int v) { return std::clamp((v * 31 + 127) / 255, 0, 31); };
    return quint16(five(c.r) << 10 | five(c.g) << 5 | five(c.b));
}

Rgb unpack(quint16 c)
{
    const auto eight = [](int v) { return v << 3 | v >> 2; };
    return { eight(c >> 10 & 31), eight(c >> 5 & 31), eight(c & 31) };
}

// Two colours for a set of pixels (2-means, starting from the darkest and the
// brightest), with the choice for each pixel: true for the first colour.
struct Pair
{
    quint16 first = 0;
    quint16 second = 0;
    std::array<bool, 16> pickFirst {};
    int error = 0;
};

Pair split(const std::array<Rgb, 16> &pixels, const std::array<int, 16> &members, int count)
{
    const auto brightness = [](const Rgb &c) { return 2 * c.r + 4 * c.g + c.b; };
    Rgb a = pixels[members[0]], b = a;
    for (int i = 1; i < count; ++i) {
        const Rgb &p = pixels[members[i]];
        if (brightness(p) < brightness(a))
            a = p;
        if (brightness(p) > brightness(b))
            b = p;
    }
    Pair pair;
    for (int round = 0; round < 4; ++round) {
        pair.first = pack(a);
        pair.second = pack(b);
        const Rgb qa = unpack(pair.first), qb = unpack(pair.second);
        Rgb sumA {}, sumB {};
        int countA = 0;
        pair.error = 0;
        for (int i = 0; i < count; ++i) {
            const Rgb &p = pixels[members[i]];
            const int da = squared(p, qa), db = squared(p, qb);
            pair.pickFirst[members[i]] = da <= db;
            pair.error += std::min(da, db);
            Rgb &sum = da <= db ? sumA : sumB;
            sum = { sum.r + p.r, sum.g + p.g, sum.b + p.b };
            countA += da <= db;
        }
        const int countB = count - countA;
        if (countA > 0)
            a = { (sumA.r + countA / 2) / countA, (sumA.g + countA / 2) / countA,
                (sumA.b + countA / 2) / countA };
        if (countB > 0)
            b = { (sumB.r + countB / 2) / countB, (sumB.g + countB / 2) / countB,
                (sumB.b + countB / 2) / countB };
    }
    return pair;
}

void put16(QByteArray &out, int value)
{
    out += char(value & 0xff);
    out += char(value >> 8);
}

// The pixels of one block, numbered as the decoder's mask bits: from the
// block's bottom row up, left to right within a row.
void encodeBlock(const std::array<Rgb, 16> &pixels, QByteArray &out)
{
    std::array<int, 16> all {};
    for (int i = 0; i < 16; ++i)
        all[i] = i;
    const Pair two = split(pixels, all, 16);

    // One colour: the mean. A colour word whose top byte reads 0x84..0x87
    // would be taken for a skip code, so such a red is moved down a step.
    Rgb mean {};
    for (const Rgb &p : pixels)
        mean = { mean.r + p.r, mean.g + p.g, mean.b + p.b };
    quint16 solid = pack({ (mean.r + 8) / 16, (mean.g + 8) / 16, (mean.b + 8) / 16 });
    if ((solid >> 10) == 1)
        solid &= 0x03ff;
    int solidError = 0;
    for (const Rgb &p : pixels)
        solidError += squared(p, unpack(solid));

    // Eight colours: a pair for each quarter. Quarter q holds the pixels whose
    // colours the decoder takes from entries 2q and 2q + 1.
    std::array<Pair, 4> quarters;
    int eightError = 0;
    for (int q = 0; q < 4; ++q) {
        std::array<int, 16> members {};
        int n = 0;
        for (int i = 0; i < 16; ++i)
            if ((i / 4 / 2) * 2 + (i % 4) / 2 == q)
                members[n++] = i;
        quarters[q] = split(pixels, members, n);
        eightError += quarters[q].error;
    }

    const int solidCost = solidError + 2 * BytePrice;
    const int twoCost = two.error + 6 * BytePrice;
    const int eightCost = eightError + 18 * BytePrice;
    if (solidCost <= twoCost && solidCost <= eightCost) {
        put16(out, 0x8000 | solid);
        return;
    }
    // The mask's top bit must stay clear (a set one means one colour), so the
    // last pixel always takes the second colour of its pair: swap if needed.
    if (twoCost <= eightCost) {
        const bool swap = two.pickFirst[15];
        int mask = 0;
        for (int i = 0; i < 16; ++i)
            mask |= int(two.pickFirst[i] != swap) << i;
        put16(out, mask);
        put16(out, swap ? two.second : two.first);
        put16(out, swap ? two.first : two.second);
        return;
    }
    std::array<quint16, 8> colours {};
    int mask = 0;
    for (int q = 0; q < 4; ++q) {
        const bool swap = q == 3 && quarters[q].pickFirst[15];
        colours[2 * q] = swap ? quarters[q].second : quarters[q].first;
        colours[2 * q + 1] = swap ? quarters[q].first : quarters[q].second;
        for (int i = 0; i < 16; ++i)
            if ((i / 4 / 2) * 2 + (i % 4) / 2 == q)
                mask |= int(quarters[q].pickFirst[i] != swap) << i;
    }
    colours[0] |= 0x8000; // marks the eight-colour form
    put16(out, mask);
    for (quint16 c : colours)
        put16(out, c);
}

} // namespace

QByteArray encode(const QImage &frame)
{
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    for (int top = rgb.height() - 4; top >= 0; top -= 4)
        for (int left = 0; left < rgb.width(); left += 4) {
            std::array<Rgb, 16> pixels {};
            for (int i = 0; i < 16; ++i) {
                const QRgb c = rgb.pixel(left + i % 4, top + 3 - i / 4);
                pixels[i] = { qRed(c), qGreen(c), qBlue(c) };
            }
            encodeBlock(pixels, out);
        }
    return out;
}

} // namespace MsVideo1
