#include "wavwriter.h"

#include "riff.h"

#include <algorithm>
#include <cmath>

namespace Wav {

namespace {

using Riff::chunk;
using Riff::put16;
using Riff::put32;

QByteArray format(int tag, int channels, int rate, int blockAlign, int bits, const QByteArray &extra = {})
{
    QByteArray fmt;
    put16(fmt, tag);
    put16(fmt, channels);
    put32(fmt, quint32(rate));
    const int samplesPerBlock = tag == 1 ? 1 : imaSamplesPerBlock(blockAlign, channels);
    put32(fmt, quint32(qint64(rate) * blockAlign / samplesPerBlock));
    put16(fmt, blockAlign);
    put16(fmt, bits);
    if (tag != 1) {
        put16(fmt, int(extra.size()));
        fmt += extra;
    }
    return fmt;
}

QByteArray riff(const QList<std::pair<const char *, QByteArray>> &chunks)
{
    QByteArray body = "WAVE";
    for (const auto &[id, bytes] : chunks)
        chunk(body, id, bytes);
    QByteArray out;
    chunk(out, "RIFF", body);
    return out;
}

int toInt16(float sample)
{
    return int(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}

const int imaSteps[89] = {
    7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73, 80, 88, 97,
    107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796,
    876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428,
    4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350,
    22385, 24623, 27086, 29794, 32767
};
const int imaIndexShift[8] = { -1, -1, -1, -1, 2, 4, 6, 8 };

// One channel's encoder state: the predicted sample and the step index.
struct ImaChannel
{
    int predicted = 0;
    int index = 0;

    int encode(int sample)
    {
        const int step = imaSteps[index];
        int diff = sample - predicted;
        int code = 0;
        if (diff < 0) {
            code = 8;
            diff = -diff;
        }
        int delta = step >> 3;
        if (diff >= step) { code |= 4; diff -= step; delta += step; }
        if (diff >= step >> 1) { code |= 2; diff -= step >> 1; delta += step >> 1; }
        if (diff >= step >> 2) { code |= 1; delta += step >> 2; }
        predicted = std::clamp(code & 8 ? predicted - delta : predicted + delta, -32768, 32767);
        index = std::clamp(index + imaIndexShift[code & 7], 0, 88);
        return code;
    }
};

} // namespace

int imaSamplesPerBlock(int blockAlign, int channels)
{
    return (blockAlign - 4 * channels) * 8 / (4 * channels) + 1;
}

QByteArray pcm16(const Audio &audio)
{
    QByteArray data;
    for (float sample : audio.samples)
        put16(data, toInt16(sample));
    const int align = 2 * audio.channels;
    return riff({ { "fmt ", format(1, audio.channels, audio.rate, align, 16) }, { "data", data } });
}

QByteArray pcm8(const Audio &audio, const QByteArray &title)
{
    QByteArray data;
    for (float sample : audio.samples)
        data += char(std::clamp(int(std::lround(128 + sample * 127)), 0, 255));
    QByteArray info = "INFO";
    chunk(info, "INAM", title + '\0');
    return riff({ { "fmt ", format(1, audio.channels, audio.rate, audio.channels, 8) },
                  { "data", data },
                  { "LIST", info } });
}

QByteArray imaAdpcm(const Audio &audio, int blockAlign)
{
    const int channels = audio.channels;
    const int perBlock = imaSamplesPerBlock(blockAlign, channels);
    const qsizetype frames = audio.samples.size() / channels;
    QList<ImaChannel> state(channels);
    QByteArray data;
    for (qsizetype first = 0; first < frames; first += perBlock) {
        const qsizetype count = std::min<qsizetype>(perBlock, frames - first);
        // Header per channel: the first sample verbatim and the step index.
        for (int c = 0; c < channels; ++c) {
            state[c].predicted = toInt16(audio.samples.at(first * channels + c));
            put16(data, state[c].predicted);
            data += char(state[c].index);
            data += '\0';
        }
        // Then groups of eight samples per channel, four bytes each, low nibble first.
        for (qsizetype group = first + 1; group < first + count; group += 8) {
            for (int c = 0; c < channels; ++c) {
                for (int pair = 0; pair < 4; ++pair) {
                    int bytes[2] = { 0, 0 };
                    for (int half = 0; half < 2; ++half) {
                        const qsizetype frame = group + 2 * pair + half;
                        // Past the end the last sample repeats, so the decoder's
                        // trailing samples (beyond the fact count) stay quiet.
                        const qsizetype source = std::min(frame, frames - 1);
                        bytes[half] = state[c].encode(toInt16(audio.samples.at(source * channels + c)));
                    }
                    data += char(bytes[0] | (bytes[1] << 4));
                }
            }
        }
    }
    QByteArray extra;
    put16(extra, perBlock);
    QByteArray fact;
    put32(fact, quint32(frames));
    return riff({ { "fmt ", format(0x11, channels, audio.rate, blockAlign, 4, extra) },
                  { "fact", fact },
                  { "data", data } });
}

} // namespace Wav
