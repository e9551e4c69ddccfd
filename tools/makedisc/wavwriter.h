#pragma once

#include <QByteArray>
#include <QList>

// RIFF/WAVE files in the formats period tools wrote. Samples are floats in
// [-1, 1]; stereo samples are interleaved left, right.
namespace Wav {

struct Audio
{
    int rate;
    int channels;
    QList<float> samples;
};

enum class Encoding { Pcm16, Pcm8, ImaAdpcm, MsAdpcm };

// A sound encoded for a wave file or the sound stream of a movie. ADPCM data
// is a run of blocks of blockAlign bytes; the last block is cut short after
// the last sample.
struct Stream
{
    QByteArray format; // the body of the 'fmt ' chunk, as the sound stream of an AVI repeats it
    QByteArray data;
    int blockAlign;
    int bytesPerSecond;
    qsizetype frames; // samples per channel
};

Stream encode(const Audio &audio, Encoding encoding, int blockAlign = 256);
int imaSamplesPerBlock(int blockAlign, int channels);
int msAdpcmSamplesPerBlock(int blockAlign, int channels);

QByteArray pcm16(const Audio &audio);
// 8-bit unsigned PCM; an odd data length gets its RIFF pad byte, and a LIST
// chunk with the title follows the data, as many editors wrote it.
QByteArray pcm8(const Audio &audio, const QByteArray &title);
// IMA ADPCM (format 0x11) or MS ADPCM (format 2), mono or stereo, with the
// fact chunk giving the number of samples.
QByteArray adpcm(const Audio &audio, Encoding encoding, int blockAlign = 256);

} // namespace Wav
