#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <array>

// Cinepak ('cvid') key frames, as period movies were compressed. A frame is
// cut into horizontal strips; each strip carries two codebooks of up to 256
// entries, each entry four luma values for a 2x2 pixel square and one
// colour-difference pair. A 4x4 block is then one V1 entry stretched over it
// (one byte) or four V4 entries, one per 2x2 square (four bytes).
//
// The codebooks of a movie are learnt once from a few of its frames by a
// small vector quantiser (k-means) and sent with every frame, so that every
// frame is a key frame and any of them can be shown on its own.
class CinepakEncoder
{
public:
    // Learns the codebooks from the given frames (all of size).
    CinepakEncoder(QSize size, const QList<QImage> &training);

    QByteArray encode(const QImage &frame) const;

    using Vector = std::array<int, 6>; // four Y, then U and V

private:
    struct Strip
    {
        int top;
        int height;
        QList<Vector> v1;
        QList<Vector> v4;
    };

    QSize m_size;
    QList<Strip> m_strips;
};
