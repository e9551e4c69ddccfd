#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// The most channels a sound may have to be played.
constexpr int MaxSoundChannels = 8;

// A sound as signed 16-bit little-endian samples, channels interleaved.
struct PcmSound
{
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;
};

// Reads a RIFF/WAVE file (PCM of 1 to 32 bits, MS-ADPCM, IMA-ADPCM; one to
// eight channels for PCM, one or two for ADPCM) and decodes it to PcmSound. A
// data chunk cut short by the end of the file yields the samples that are
// there. Anything else gives no sound and, when error is given, the reason;
// otherEncoding, when given, is set for a sound whose encoding is another one
// (A-law, GSM 6.10, MP3...), which the system's decoders may read.
std::optional<PcmSound> decodeWave(const QByteArray &file, QString *error = nullptr, bool *otherEncoding = nullptr);
