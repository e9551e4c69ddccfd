#include "wavwriter.h"

#include "riff.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Wav {

namespace {

using Riff::chunk;
using Riff::put16;
using Riff::put32;

QByteArray format(int tag, int channels, int rate, int blockAlign, int bits, int samplesPerBlock,
    const QByteArray &extra = {})
{
    QByteArray fmt;
    put16(fmt, tag);
    put16(fmt, channels);
    put32(fmt, quint32(rate));
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

const int imaSteps[89] = { 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50,
    55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408,
    449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499,
    2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635,
    13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767 };
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
        if (diff >= step) {
            code |= 4;
            diff -= step;
            delta += step;
        }
        if (diff >= step >> 1) {
            code |= 2;
            diff -= step >> 1;
            delta += step >> 1;
        }
        if (diff >= step >> 2) {
            code |= 1;
            delta += step >> 2;
        }
        predicted = std::clamp(code & 8 ? predicted - delta : predicted + delta, -32768, 32767);
        index = std::clamp(index + imaIndexShift[code & 7], 0, 88);
        return code;
    }
};

Stream imaStream(const Audio &audio, int blockAlign)
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
    const QByteArray fmt = format(0x11, channels, audio.rate, blockAlign, 4, perBlock, extra);
    return { fmt, data, blockAlign, int(qint64(audio.rate) * blockAlign / perBlock), frames };
}

// The seven predictors every MS ADPCM file lists, and how the step size
// follows each code.
constexpr std::array<std::pair<int, int>, 7> msCoefficients
    = { { { 256, 0 }, { 512, -256 }, { 0, 0 }, { 192, 64 }, { 240, 0 }, { 460, -208 }, { 392, -232 } } };
constexpr std::array<int, 16> msAdaptation
    = { 230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230 };

// One channel of one MS ADPCM block: the header values and the codes after
// the two samples the header holds.
struct MsBlock
{
    int predictor = 0;
    int delta = 16;
    int sample1 = 0; // the second sample of the block
    int sample2 = 0; // the first
    QList<int> codes;
    qint64 error = 0;
};

// Encodes samples (at least two) with one predictor, tracking the decoder's
// state so that the errors do not add up.
MsBlock msEncode(const QList<int> &samples, int predictor)
{
    const auto [first, second] = msCoefficients[predictor];
    const auto predict = [&](int s1, int s2) { return (s1 * first + s2 * second) >> 8; };
    MsBlock block;
    block.predictor = predictor;
    block.sample2 = samples.at(0);
    block.sample1 = samples.at(1);
    // Start the step near the typical residual of the first few samples.
    qint64 residual = 0;
    const qsizetype probe = std::min<qsizetype>(samples.size(), 10);
    for (qsizetype i = 2; i < probe; ++i)
        residual += std::abs(samples.at(i) - predict(samples.at(i - 1), samples.at(i - 2)));
    block.delta = std::clamp(int(residual / std::max<qsizetype>(1, probe - 2) / 2), 16, 32767);
    int s1 = block.sample1, s2 = block.sample2, delta = block.delta;
    for (qsizetype i = 2; i < samples.size(); ++i) {
        const int prediction = predict(s1, s2);
        const double ratio = double(samples.at(i) - prediction) / delta;
        const int code = std::clamp(int(std::lround(ratio)), -8, 7);
        const int decoded = std::clamp(prediction + code * delta, -32768, 32767);
        block.error += qint64(decoded - samples.at(i)) * (decoded - samples.at(i));
        block.codes.append(code & 15);
        s2 = s1;
        s1 = decoded;
        delta = std::max(16, (msAdaptation[code & 15] * delta) >> 8);
    }
    return block;
}

Stream msAdpcmStream(const Audio &audio, int blockAlign)
{
    const int channels = audio.channels;
    const int perBlock = msAdpcmSamplesPerBlock(blockAlign, channels);
    const qsizetype frames = audio.samples.size() / channels;
    QByteArray data;
    for (qsizetype first = 0; first < frames; first += perBlock) {
        // A block of fewer than two samples still carries two: the last one repeats.
        const qsizetype count = std::max<qsizetype>(2, std::min<qsizetype>(perBlock, frames - first));
        QList<MsBlock> blocks;
        for (int c = 0; c < channels; ++c) {
            QList<int> samples;
            for (qsizetype i = 0; i < count; ++i)
                samples.append(toInt16(audio.samples.at(std::min(first + i, frames - 1) * channels + c)));
            MsBlock best = msEncode(samples, 0);
            for (int predictor = 1; predictor < int(msCoefficients.size()); ++predictor) {
                MsBlock candidate = msEncode(samples, predictor);
                if (candidate.error < best.error)
                    best = std::move(candidate);
            }
            blocks.append(std::move(best));
        }
        // The header lists each field for all channels in turn, then the
        // codes follow, channels taking turns, high nibble first.
        for (const MsBlock &b : blocks)
            data += char(b.predictor);
        for (const MsBlock &b : blocks)
            put16(data, b.delta);
        for (const MsBlock &b : blocks)
            put16(data, b.sample1);
        for (const MsBlock &b : blocks)
            put16(data, b.sample2);
        int pending = -1;
        for (qsizetype i = 0; i < (count - 2) * channels; ++i) {
            const int code = blocks.at(i % channels).codes.at(i / channels);
            if (pending < 0) {
                pending = code;
            } else {
                data += char(pending << 4 | code);
                pending = -1;
            }
        }
        if (pending >= 0)
            data += char(pending << 4);
    }
    QByteArray extra;
    put16(extra, perBlock);
    put16(extra, int(msCoefficients.size()));
    for (const auto &[first, second] : msCoefficients) {
        put16(extra, first);
        put16(extra, second);
    }
    const QByteArray fmt = format(2, channels, audio.rate, blockAlign, 4, perBlock, extra);
    return { fmt, data, blockAlign, int(qint64(audio.rate) * blockAlign / perBlock), frames };
}

} // namespace

int imaSamplesPerBlock(int blockAlign, int channels)
{
    return (blockAlign - 4 * channels) * 8 / (4 * channels) + 1;
}

int msAdpcmSamplesPerBlock(int blockAlign, int channels)
{
    return (blockAlign - 7 * channels) * 2 / channels + 2;
}

Stream encode(const Audio &audio, Encoding encoding, int blockAlign)
{
    const int channels = audio.channels;
    QByteArray data;
    switch (encoding) {
    case Encoding::Pcm16:
        for (float sample : audio.samples)
            put16(data, toInt16(sample));
        return { format(1, channels, audio.rate, 2 * channels, 16, 1), data, 2 * channels,
            2 * channels * audio.rate, audio.samples.size() / channels };
    case Encoding::Pcm8:
        for (float sample : audio.samples)
            data += char(std::clamp(int(std::lround(128 + sample * 127)), 0, 255));
        return { format(1, channels, audio.rate, channels, 8, 1), data, channels, channels * audio.rate,
            audio.samples.size() / channels };
    case Encoding::ImaAdpcm:
        return imaStream(audio, blockAlign);
    case Encoding::MsAdpcm:
        return msAdpcmStream(audio, blockAlign);
    }
    return {};
}

QByteArray pcm16(const Audio &audio)
{
    const Stream stream = encode(audio, Encoding::Pcm16);
    return riff({ { "fmt ", stream.format }, { "data", stream.data } });
}

QByteArray pcm8(const Audio &audio, const QByteArray &title)
{
    const Stream stream = encode(audio, Encoding::Pcm8);
    QByteArray info = "INFO";
    chunk(info, "INAM", title + '\0');
    return riff({ { "fmt ", stream.format }, { "data", stream.data }, { "LIST", info } });
}

QByteArray adpcm(const Audio &audio, Encoding encoding, int blockAlign)
{
    const Stream stream = encode(audio, encoding, blockAlign);
    QByteArray fact;
    put32(fact, quint32(stream.frames));
    return riff({ { "fmt ", stream.format }, { "fact", fact }, { "data", stream.data } });
}

} // namespace Wav
