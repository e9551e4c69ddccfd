#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// What the stream headers of an AVI movie say about its coding: enough to
// tell which decoders it needs before handing it to the media player.
struct AviStreams
{
    bool hasVideo = false;
    QByteArray videoCompression; // the bitmap header's FourCC ("cvid", "IV50"); may be zeros
    QByteArray videoHandler; // the stream header's FourCC, which some writers fill instead
    qint64 videoFrameMicroseconds = 0; // one picture, as the stream header's scale and rate give it
    bool hasSound = false;
    quint16 soundFormat = 0; // the wave format tag: 1 PCM, 2 MS ADPCM, 0x11 IMA ADPCM
    int soundBits = 0;
    // How the sound is laid out: where its stream header's body lies in the
    // file, the header's sample size and length, and the wave format's
    // channels, rate, block size and (ADPCM) samples a block, 0 where not stated.
    qint64 soundHeaderOffset = -1;
    quint32 soundSampleSize = 0;
    quint32 soundLength = 0;
    int soundChannels = 0;
    int soundRate = 0;
    int soundBlockAlign = 0;
    int soundSamplesPerBlock = 0;
};

// Reads the header list of an AVI file. Sizes are checked against the bytes
// there are; a file cut short within its headers gives the streams described
// so far. Anything that is not an AVI file gives nothing and, when error is
// given, the reason.
std::optional<AviStreams> readAviStreams(QByteArrayView file, QString *error = nullptr);

// The same for a file on disk, of which only the first megabyte is read: the
// headers come first.
std::optional<AviStreams> readAviStreamsFromFile(const QString &path, QString *error = nullptr);
