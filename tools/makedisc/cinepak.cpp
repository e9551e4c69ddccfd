#include "cinepak.h"

#include <QMap>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Vector = CinepakEncoder::Vector;

constexpr int Strips = 3;
constexpr int CodebookSize = 256;
constexpr int TrainingRounds = 8;
constexpr int ColourWeight = 4; // colour differences count for 4 pixels but matter less to the eye
constexpr qint64 V4Cost = 160; // the error a V4 block must save to be worth its three extra bytes

qint64 distance(const Vector &a, const Vector &b)
{
    qint64 d = 0;
    for (int i = 0; i < 4; ++i)
        d += qint64(a[i] - b[i]) * (a[i] - b[i]);
    for (int i = 4; i < 6; ++i)
        d += ColourWeight * qint64(a[i] - b[i]) * (a[i] - b[i]);
    return d;
}

int nearest(const QList<Vector> &codebook, const Vector &v, qint64 *error = nullptr)
{
    int best = 0;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int i = 0; i < codebook.size(); ++i) {
        const qint64 d = distance(codebook.at(i), v);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    if (error)
        *error = bestDistance;
    return best;
}

// A frame in Cinepak's colour space: Y per pixel and U, V per 2x2 square,
// chosen so that the decoder's R = Y + 2V, G = Y - U/2 - V, B = Y + 2U gives
// the pixel back.
struct Planes
{
    int width;
    QList<int> y;
    QList<int> u; // per 2x2 square
    QList<int> v;

    explicit Planes(const QImage &image)
        : width(image.width())
    {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        const int w = rgb.width(), h = rgb.height();
        y.resize(w * h);
        u.resize(w / 2 * (h / 2));
        v.resize(w / 2 * (h / 2));
        for (int row = 0; row < h; ++row) {
            const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(row));
            for (int x = 0; x < w; ++x)
                y[row * w + x] = (2 * qRed(line[x]) + 4 * qGreen(line[x]) + qBlue(line[x]) + 3) / 7;
        }
        for (int sy = 0; sy < h / 2; ++sy)
            for (int sx = 0; sx < w / 2; ++sx) {
                int du = 0, dv = 0;
                for (int i = 0; i < 4; ++i) {
                    const int px = 2 * sx + i % 2, py = 2 * sy + i / 2;
                    const QRgb c = rgb.pixel(px, py);
                    du += qBlue(c) - y[py * w + px];
                    dv += qRed(c) - y[py * w + px];
                }
                u[sy * (w / 2) + sx] = std::clamp(int(std::lround(du / 8.0)), -128, 127);
                v[sy * (w / 2) + sx] = std::clamp(int(std::lround(dv / 8.0)), -128, 127);
            }
    }

    // The 2x2 square at (sx, sy) in square units.
    Vector square(int sx, int sy) const
    {
        const int at = 2 * sy * width + 2 * sx;
        return { y[at], y[at + 1], y[at + width], y[at + width + 1], u[sy * (width / 2) + sx],
            v[sy * (width / 2) + sx] };
    }

    // The 4x4 block at (bx, by) in block units, as one V1 vector: the mean of
    // each 2x2 square's luma and the mean colour difference.
    Vector block(int bx, int by) const
    {
        Vector out {};
        for (int q = 0; q < 4; ++q) {
            const Vector s = square(2 * bx + q % 2, 2 * by + q / 2);
            out[q] = (s[0] + s[1] + s[2] + s[3] + 2) / 4;
            out[4] += s[4];
            out[5] += s[5];
        }
        out[4] = int(std::lround(out[4] / 4.0));
        out[5] = int(std::lround(out[5] / 4.0));
        return out;
    }
};

// k-means over the distinct vectors, each weighted by how often it occurs.
// Starts from vectors spread evenly through their sorted order; an emptied
// entry is moved to the vector worst served, so the codebook stays full.
QList<Vector> train(const QList<Vector> &samples)
{
    QMap<Vector, qint64> counts;
    for (const Vector &v : samples)
        ++counts[v];
    const QList<Vector> points = counts.keys();
    const QList<qint64> weights = counts.values();
    if (points.size() <= CodebookSize)
        return points;

    QList<Vector> codebook;
    for (int i = 0; i < CodebookSize; ++i)
        codebook.append(points.at(qsizetype(i) * points.size() / CodebookSize));
    QList<int> owner(points.size());
    for (int round = 0; round < TrainingRounds; ++round) {
        QList<std::array<qint64, 6>> sums(CodebookSize, std::array<qint64, 6> {});
        QList<qint64> totals(CodebookSize, 0);
        qsizetype worst = 0;
        qint64 worstError = -1;
        for (qsizetype p = 0; p < points.size(); ++p) {
            qint64 error = 0;
            owner[p] = nearest(codebook, points.at(p), &error);
            for (int d = 0; d < 6; ++d)
                sums[owner[p]][d] += weights.at(p) * points.at(p)[d];
            totals[owner[p]] += weights.at(p);
            if (error * weights.at(p) > worstError) {
                worstError = error * weights.at(p);
                worst = p;
            }
        }
        for (int c = 0; c < CodebookSize; ++c) {
            if (totals.at(c) == 0) {
                codebook[c] = points.at(worst);
                continue;
            }
            for (int d = 0; d < 6; ++d)
                codebook[c][d] = int(std::lround(double(sums.at(c)[d]) / totals.at(c)));
        }
    }
    return codebook;
}

void put16(QByteArray &out, int value)
{
    out += char(value >> 8);
    out += char(value);
}

void put24(QByteArray &out, int value)
{
    out += char(value >> 16);
    put16(out, value);
}

// A chunk of a strip: its id, its size including this header, its body.
QByteArray chunk(int id, const QByteArray &body)
{
    QByteArray out;
    out += char(id);
    put24(out, int(body.size()) + 4);
    return out + body;
}

QByteArray codebookBytes(const QList<Vector> &codebook)
{
    QByteArray out;
    for (const Vector &entry : codebook) {
        for (int i = 0; i < 4; ++i)
            out += char(std::clamp(entry[i], 0, 255));
        out += char(std::clamp(entry[4], -128, 127));
        out += char(std::clamp(entry[5], -128, 127));
    }
    return out;
}

} // namespace

CinepakEncoder::CinepakEncoder(QSize size, const QList<QImage> &training)
    : m_size(size)
{
    QList<Planes> planes;
    for (const QImage &image : training)
        planes.append(Planes(image));
    const int blockRows = size.height() / 4;
    for (int s = 0; s < Strips; ++s) {
        const int first = blockRows * s / Strips, last = blockRows * (s + 1) / Strips;
        QList<Vector> blocks, squares;
        for (const Planes &p : planes)
            for (int by = first; by < last; ++by)
                for (int bx = 0; bx < size.width() / 4; ++bx) {
                    blocks.append(p.block(bx, by));
                    for (int q = 0; q < 4; ++q)
                        squares.append(p.square(2 * bx + q % 2, 2 * by + q / 2));
                }
        m_strips.append({ 4 * first, 4 * (last - first), train(blocks), train(squares) });
    }
}

QByteArray CinepakEncoder::encode(const QImage &frame) const
{
    const Planes planes(frame);
    QByteArray strips;
    for (const Strip &strip : m_strips) {
        // Blocks in rows, each 32 led by a word whose bits (high first) say V4 (1) or V1 (0).
        QByteArray vectors;
        quint32 flags = 0;
        QByteArray pending;
        int inWord = 0;
        const auto flush = [&] {
            put16(vectors, int(flags >> 16));
            put16(vectors, int(flags & 0xffff));
            vectors += pending;
            pending.clear();
            flags = 0;
            inWord = 0;
        };
        for (int by = strip.top / 4; by < (strip.top + strip.height) / 4; ++by)
            for (int bx = 0; bx < m_size.width() / 4; ++bx) {
                // V1 stretches one luma value over each 2x2 square: the spread
                // inside the squares is lost on top of the codebook's error.
                qint64 v1Error = 0;
                const int v1 = nearest(strip.v1, planes.block(bx, by), &v1Error);
                v1Error *= 4;
                std::array<int, 4> v4 {};
                qint64 v4Error = 0;
                for (int q = 0; q < 4; ++q) {
                    const Vector square = planes.square(2 * bx + q % 2, 2 * by + q / 2);
                    const int mean = (square[0] + square[1] + square[2] + square[3] + 2) / 4;
                    for (int i = 0; i < 4; ++i)
                        v1Error += qint64(square[i] - mean) * (square[i] - mean);
                    qint64 error = 0;
                    v4[q] = nearest(strip.v4, square, &error);
                    v4Error += error;
                }
                const bool useV4 = v4Error + V4Cost < v1Error;
                if (useV4) {
                    flags |= 0x80000000u >> inWord;
                    for (int index : v4)
                        pending += char(index);
                } else {
                    pending += char(v1);
                }
                if (++inWord == 32)
                    flush();
            }
        if (inWord > 0)
            flush();

        const QByteArray body = chunk(0x20, codebookBytes(strip.v4)) + chunk(0x22, codebookBytes(strip.v1))
            + chunk(0x30, vectors);
        // Strip header: key strip, size, then top, left, bottom, right. A top
        // of 0 places the strip below the one before, as period encoders wrote.
        strips += char(0x10);
        put24(strips, int(body.size()) + 12);
        put16(strips, 0);
        put16(strips, 0);
        put16(strips, strip.height);
        put16(strips, m_size.width());
        strips += body;
    }
    QByteArray out;
    out += char(0); // flags: every strip brings its own codebooks
    put24(out, int(strips.size()) + 10);
    put16(out, m_size.width());
    put16(out, m_size.height());
    put16(out, int(m_strips.size()));
    return out + strips;
}
