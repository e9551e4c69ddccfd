#include "avisoundtiming.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 MsAdpcm = 0x0002;
constexpr quint16 ImaAdpcm = 0x0011;
constexpr qint64 PieceBytes = 1 << 20;

// Offsets within the body of a stream header ('strh').
constexpr qint64 ScaleField = 20; // followed by rate
constexpr qint64 LengthField = 32;
constexpr qint64 SampleSizeField = 44;

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// Samples in one block, as the format states them or as its layout gives them.
int samplesPerBlock(const AviStreams &s)
{
    if (s.soundSamplesPerBlock > 0)
        return s.soundSamplesPerBlock;
    if (s.soundFormat == MsAdpcm) // a 7-byte header per channel, then two samples a byte
        return (s.soundBlockAlign - 7 * s.soundChannels) * 2 / s.soundChannels + 2;
    return (s.soundBlockAlign - 4 * s.soundChannels) * 2 / s.soundChannels + 1; // IMA: 4 bytes per channel
}

} // namespace

QList<BytePatch> adpcmSoundTimingPatches(const AviStreams &s)
{
    const bool adpcm = s.soundFormat == MsAdpcm || s.soundFormat == ImaAdpcm;
    if (!s.hasSound || !adpcm || s.soundHeaderOffset < 0 || s.soundSampleSize == 0 || s.soundChannels < 1
        || s.soundChannels > 2 || s.soundRate <= 0 || s.soundBlockAlign <= 8 * s.soundChannels)
        return {};
    const int perBlock = samplesPerBlock(s);
    if (perBlock <= 0)
        return {};
    // The length counted sample-size units of bytes; now it counts blocks.
    const quint64 bytes = quint64(s.soundLength) * s.soundSampleSize;
    const quint32 blocks
        = quint32(std::min<quint64>((bytes + s.soundBlockAlign - 1) / s.soundBlockAlign, 0xffffffffu));
    const qint64 at = s.soundHeaderOffset;
    return { { at + ScaleField, le32(quint32(perBlock)) + le32(quint32(s.soundRate)) },
        { at + LengthField, le32(blocks) }, { at + SampleSizeField, le32(0) } };
}

bool writePatchedCopy(const QString &path, const QList<BytePatch> &patches, QIODevice &target)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    qint64 at = 0;
    for (;;) {
        QByteArray piece = source.read(PieceBytes);
        if (piece.isEmpty())
            return source.atEnd();
        for (const BytePatch &patch : patches) {
            // The part of the patch that falls into this piece.
            const qint64 from = std::max(patch.offset, at);
            const qint64 to = std::min(patch.offset + patch.bytes.size(), at + piece.size());
            for (qint64 i = from; i < to; ++i)
                piece[i - at] = patch.bytes.at(i - patch.offset);
        }
        if (target.write(piece) != piece.size())
            return false;
        at += piece.size();
    }
}
