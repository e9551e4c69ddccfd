#include "wavdecoder.h"

#include <algorithm>
#include <array>

#include <QList>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatMsAdpcm = 0x0002;
constexpr quint16 FormatImaAdpcm = 0x0011;
constexpr quint16 FormatExtensible = 0xFFFE;
constexpr qint64 MaxSampleRate = 768000;

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
qint16 s16(const char *p)
{
    return qFromLittleEndian<qint16>(p);
}
quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

int clamp16(qint64 value)
{
    return int(std::clamp<qint64>(value, -32768, 32767));
}

template <typename T> QByteArray littleEndian(T value)
{
    QByteArray bytes(sizeof(T), Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

void store(QByteArray &out, qsizetype index, int value)
{
    qToLittleEndian<qint16>(qint16(value), out.data() + 2 * index);
}

std::optional<PcmSound> fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return std::nullopt;
}

struct Format
{
    quint16 tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    QByteArrayView extension; // the bytes counted by cbSize, as far as the chunk holds them
};

std::optional<Format> parseFormat(QByteArrayView chunk, QString &error)
{
    if (chunk.size() < 14) {
        error = u"The format chunk is too short."_s;
        return std::nullopt;
    }
    const char *p = chunk.data();
    Format format;
    format.tag = u16(p);
    format.channels = u16(p + 2);
    const qint64 sampleRate = u32(p + 4);
    format.blockAlign = u16(p + 12);
    // The oldest header (14 bytes) ends before the bits per sample; a frame
    // of PCM then holds blockAlign / channels bytes per sample.
    if (chunk.size() >= 16)
        format.bitsPerSample = u16(p + 14);
    else if (format.channels > 0 && format.blockAlign % format.channels == 0)
        format.bitsPerSample = 8 * format.blockAlign / format.channels;
    if (chunk.size() >= 18)
        format.extension = chunk.sliced(18, std::min<qsizetype>(u16(p + 16), chunk.size() - 18));

    if (format.tag == FormatExtensible) {
        // The sub-format is a GUID whose first two bytes are the format tag
        // when the rest is the one all wave formats share.
        static const QByteArrayView waveGuidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
        if (format.extension.size() < 22 || format.extension.sliced(8, 14) != waveGuidTail) {
            error = u"The extensible wave format names no wave encoding."_s;
            return std::nullopt;
        }
        format.tag = u16(format.extension.data() + 6);
    }
    if (format.channels < 1 || format.channels > MaxSoundChannels) {
        error = u"The wave file has %1 channels; 1 to %2 are supported."_s.arg(format.channels)
                    .arg(MaxSoundChannels);
        return std::nullopt;
    }
    if (sampleRate < 1 || sampleRate > MaxSampleRate) {
        error = u"The wave file has a sample rate of %1 Hz."_s.arg(sampleRate);
        return std::nullopt;
    }
    format.sampleRate = int(sampleRate);
    return format;
}

std::optional<QByteArray> decodePcm(const Format &format, QByteArrayView data, QString &error)
{
    // Samples of 9 to 16 bits fill two bytes, larger ones three or four, all
    // standing at the top of their bytes: the top two of them are the 16-bit sample.
    if (format.bitsPerSample < 1 || format.bitsPerSample > 32) {
        error = u"PCM with %1 bits per sample is not supported."_s.arg(format.bitsPerSample);
        return std::nullopt;
    }
    const int bytesPerSample = (format.bitsPerSample + 7) / 8;
    // Whole frames only; the header's block alignment is often wrong in old files.
    const qsizetype samples = data.size() / (bytesPerSample * format.channels) * format.channels;
    QByteArray out(samples * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < samples; ++i) {
        const char *sample = data.data() + bytesPerSample * i;
        const int value = bytesPerSample == 1 ? (quint8(*sample) - 128) * 256 : s16(sample + bytesPerSample - 2);
        store(out, i, value);
    }
    return out;
}

// ADPCM data is a run of blocks of blockAlign bytes, each starting with a
// header that restarts the decoder; the last block may be short. A decoder
// says how many frames a block of a given length holds and decodes one block
// into out, frame by frame from sample index base.
template <typename Decoder>
std::optional<QByteArray> decodeBlocks(
    const Decoder &decoder, int blockAlign, int channels, QByteArrayView data, QString &error)
{
    const auto blockAt
        = [&](qsizetype at) { return data.sliced(at, std::min<qsizetype>(blockAlign, data.size() - at)); };
    qsizetype frames = 0;
    for (qsizetype at = 0; at < data.size(); at += blockAlign)
        frames += decoder.framesIn(blockAt(at).size());
    QByteArray out(frames * channels * 2, Qt::Uninitialized);
    qsizetype frame = 0;
    for (qsizetype at = 0; at < data.size(); at += blockAlign) {
        const QByteArrayView block = blockAt(at);
        const int count = decoder.framesIn(block.size());
        if (count > 0 && !decoder.decode(block.data(), count, out, frame * channels, error))
            return std::nullopt;
        frame += count;
    }
    return out;
}

class ImaAdpcm
{
public:
    ImaAdpcm(int channels, int samplesPerBlock)
        : m_channels(channels)
        , m_samplesPerBlock(samplesPerBlock)
    {
    }

    static int headerSize(int channels) { return 4 * channels; }
    // One header sample, then eight samples for every four bytes of each channel.
    static int framesInBody(qsizetype bodyBytes, int channels)
    {
        return 1 + int(bodyBytes / (4 * channels)) * 8;
    }

    int framesIn(qsizetype bytes) const
    {
        if (bytes < headerSize(m_channels))
            return 0;
        return std::min(m_samplesPerBlock, framesInBody(bytes - headerSize(m_channels), m_channels));
    }

    bool decode(const char *block, int frames, QByteArray &out, qsizetype base, QString &) const
    {
        static constexpr std::array<int, 89> steps = { 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25,
            28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209,
            230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282,
            1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894,
            6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385,
            24623, 27086, 29794, 32767 };
        static constexpr std::array<int, 16> indexSteps
            = { -1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8 };
        const int header = headerSize(m_channels);
        for (int c = 0; c < m_channels; ++c) {
            int sample = s16(block + 4 * c);
            int index = std::min<int>(quint8(block[4 * c + 2]), 88);
            store(out, base + c, sample);
            // Each channel's nibbles come in runs of four bytes, channels taking
            // turns; within a byte the low nibble comes first.
            for (int k = 0; k + 1 < frames; ++k) {
                const quint8 byte = block[header + (k / 8) * header + 4 * c + (k % 8) / 2];
                const int nibble = k % 2 == 0 ? byte & 0x0F : byte >> 4;
                const int step = steps[index];
                int diff = step >> 3;
                if (nibble & 1)
                    diff += step >> 2;
                if (nibble & 2)
                    diff += step >> 1;
                if (nibble & 4)
                    diff += step;
                sample = clamp16(nibble & 8 ? sample - diff : sample + diff);
                index = std::clamp(index + indexSteps[nibble], 0, 88);
                store(out, base + qsizetype(k + 1) * m_channels + c, sample);
            }
        }
        return true;
    }

private:
    int m_channels;
    int m_samplesPerBlock;
};

class MsAdpcm
{
public:
    struct Coefficients
    {
        int first;
        int second;
    };

    MsAdpcm(int channels, int samplesPerBlock, QList<Coefficients> coefficients)
        : m_channels(channels)
        , m_samplesPerBlock(samplesPerBlock)
        , m_coefficients(std::move(coefficients))
    {
    }

    static QList<Coefficients> standardCoefficients()
    {
        return { { 256, 0 }, { 512, -256 }, { 0, 0 }, { 192, 64 }, { 240, 0 }, { 460, -208 }, { 392, -232 } };
    }
    static int headerSize(int channels) { return 7 * channels; }
    // Two header samples, then one nibble per sample, channels taking turns.
    static int framesInBody(qsizetype bodyBytes, int channels) { return 2 + int(bodyBytes * 2 / channels); }

    int framesIn(qsizetype bytes) const
    {
        if (bytes < headerSize(m_channels))
            return 0;
        return std::min(m_samplesPerBlock, framesInBody(bytes - headerSize(m_channels), m_channels));
    }

    bool decode(const char *block, int frames, QByteArray &out, qsizetype base, QString &error) const
    {
        static constexpr std::array<int, 16> adaptation
            = { 230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230 };
        struct State
        {
            Coefficients coefficients;
            qint64 delta;
            int sample1;
            int sample2;
        };
        std::array<State, 2> states;
        const int ch = m_channels;
        for (int c = 0; c < ch; ++c) {
            const int predictor = quint8(block[c]);
            if (predictor >= m_coefficients.size()) {
                error = u"An MS ADPCM block names predictor %1 of %2."_s.arg(predictor).arg(
                    m_coefficients.size());
                return false;
            }
            states[c] = { m_coefficients[predictor], s16(block + ch + 2 * c), s16(block + 3 * ch + 2 * c),
                s16(block + 5 * ch + 2 * c) };
            store(out, base + c, states[c].sample2);
            store(out, base + ch + c, states[c].sample1);
        }
        const qsizetype nibbles = qsizetype(frames - 2) * ch;
        for (qsizetype k = 0; k < nibbles; ++k) {
            const quint8 byte = block[headerSize(ch) + k / 2];
            const int nibble = k % 2 == 0 ? byte >> 4 : byte & 0x0F;
            State &s = states[k % ch];
            const qint64 prediction
                = (qint64(s.sample1) * s.coefficients.first + qint64(s.sample2) * s.coefficients.second) >> 8;
            const int sample = clamp16(prediction + (nibble >= 8 ? nibble - 16 : nibble) * s.delta);
            s.sample2 = s.sample1;
            s.sample1 = sample;
            // The step size adapts to the nibble; hostile input cannot make it grow without bound.
            s.delta = std::clamp<qint64>((adaptation[nibble] * s.delta) >> 8, 16, 1 << 20);
            store(out, base + 2 * ch + k, sample);
        }
        return true;
    }

private:
    int m_channels;
    int m_samplesPerBlock;
    QList<Coefficients> m_coefficients;
};

// The samples per block the extension states (0 when it states none), checked
// against what a block of blockAlign bytes can hold.
std::optional<int> samplesPerBlock(const Format &format, int header, int maximum, QString &error)
{
    if (format.blockAlign < header) {
        error = u"The ADPCM block size %1 is too small for %2 channels."_s.arg(format.blockAlign)
                    .arg(format.channels);
        return std::nullopt;
    }
    const int stated = format.extension.size() >= 2 ? u16(format.extension.data()) : 0;
    if (stated > maximum) {
        error = u"%1 samples do not fit in an ADPCM block of %2 bytes."_s.arg(stated).arg(format.blockAlign);
        return std::nullopt;
    }
    return stated > 0 ? stated : maximum;
}

std::optional<QByteArray> decodeAdpcm(const Format &format, QByteArrayView data, QString &error)
{
    if (format.bitsPerSample != 4 || format.channels > 2) {
        error = u"ADPCM is supported with 4 bits per sample and one or two channels."_s;
        return std::nullopt;
    }
    const int ch = format.channels;
    if (format.tag == FormatImaAdpcm) {
        const int header = ImaAdpcm::headerSize(ch);
        if ((format.blockAlign - header) % (4 * ch) != 0) {
            error = u"The IMA ADPCM block size %1 does not fit %2 channels."_s.arg(format.blockAlign).arg(ch);
            return std::nullopt;
        }
        const auto perBlock
            = samplesPerBlock(format, header, ImaAdpcm::framesInBody(format.blockAlign - header, ch), error);
        if (!perBlock)
            return std::nullopt;
        return decodeBlocks(ImaAdpcm(ch, *perBlock), format.blockAlign, ch, data, error);
    }

    const int header = MsAdpcm::headerSize(ch);
    const auto perBlock
        = samplesPerBlock(format, header, MsAdpcm::framesInBody(format.blockAlign - header, ch), error);
    if (!perBlock)
        return std::nullopt;
    if (*perBlock < 2) {
        error = u"An MS ADPCM block holds at least two samples."_s;
        return std::nullopt;
    }
    // The extension carries the predictor table: samples per block, a count,
    // then pairs of coefficients. Files without it use the standard seven pairs.
    QList<MsAdpcm::Coefficients> coefficients = MsAdpcm::standardCoefficients();
    const QByteArrayView extension = format.extension;
    const int count = extension.size() >= 4 ? u16(extension.data() + 2) : 0;
    if (count > 0) {
        if (extension.size() < 4 + 4 * qsizetype(count)) {
            error = u"The MS ADPCM coefficient table is cut short."_s;
            return std::nullopt;
        }
        coefficients.clear();
        for (int i = 0; i < count; ++i)
            coefficients.append({ s16(extension.data() + 4 + 4 * i), s16(extension.data() + 6 + 4 * i) });
    }
    return decodeBlocks(MsAdpcm(ch, *perBlock, std::move(coefficients)), format.blockAlign, ch, data, error);
}

} // namespace

std::optional<PcmSound> decodeWave(const QByteArray &file, QString *error, bool *otherEncoding)
{
    const QByteArrayView bytes(file);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return fail(error, u"This is not a wave file."_s);

    // Chunks may come in any order; unknown ones are skipped, and a chunk of
    // odd length is followed by a pad byte. The declared RIFF size is not
    // trusted: many writers get it wrong.
    std::optional<QByteArrayView> formatChunk;
    std::optional<QByteArrayView> data;
    qint64 at = 12;
    while (at + 8 <= bytes.size() && !(formatChunk && data)) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 length = u32(bytes.data() + at + 4);
        const qint64 body = at + 8;
        const QByteArrayView contents = bytes.sliced(body, std::min(length, bytes.size() - body));
        if (id == "fmt " && !formatChunk)
            formatChunk = contents;
        else if (id == "data" && !data)
            data = contents;
        at = body + length + (length & 1);
    }
    if (!formatChunk)
        return fail(error, u"The wave file has no format chunk."_s);
    if (!data)
        return fail(error, u"The wave file has no data chunk."_s);

    QString reason;
    const std::optional<Format> format = parseFormat(*formatChunk, reason);
    if (!format)
        return fail(error, reason);
    std::optional<QByteArray> samples;
    switch (format->tag) {
    case FormatPcm:
        samples = decodePcm(*format, *data, reason);
        break;
    case FormatMsAdpcm:
    case FormatImaAdpcm:
        samples = decodeAdpcm(*format, *data, reason);
        break;
    default:
        if (otherEncoding)
            *otherEncoding = true;
        return fail(error, u"Wave format 0x%1 is not supported."_s.arg(format->tag, 4, 16, QLatin1Char('0')));
    }
    if (!samples)
        return fail(error, reason);
    if (samples->isEmpty())
        return fail(error, u"The wave file holds no sound."_s);
    return PcmSound { format->sampleRate, format->channels, std::move(*samples) };
}
