#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// A sound as signed 16-bit little-endian samples, channels interleaved.
struct PcmSound
{
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;
};

// Reads a RIFF/WAVE file (8- or 16-bit PCM, MS-ADPCM, IMA-ADPCM; one to eight
// channels for PCM, one or two for ADPCM) and decodes it to PcmSound. A data
// chunk cut short by the end of the file yields the samples that are there.
// Anything else gives no sound and, when error is given, the reason.
std::optional<PcmSound> decodeWave(const QByteArray &file, QString *error = nullptr);
