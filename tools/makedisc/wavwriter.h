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

QByteArray pcm16(const Audio &audio);
// 8-bit unsigned PCM; an odd data length gets its RIFF pad byte, and a LIST
// chunk with the title follows the data, as many editors wrote it.
QByteArray pcm8(const Audio &audio, const QByteArray &title);
// IMA ADPCM (format 0x11) in blocks of blockAlign bytes, mono or stereo; the
// last block is cut short after the last sample.
QByteArray imaAdpcm(const Audio &audio, int blockAlign = 256);
int imaSamplesPerBlock(int blockAlign, int channels);

} // namespace Wav
