#pragma once

#include "wavwriter.h"

#include <QByteArray>
#include <QList>
#include <QSize>

#include <optional>

// An AVI file with one video stream and, optionally, one sound stream,
// interleaved frame by frame and indexed by idx1.
namespace Avi {

struct Video
{
    QByteArray compression; // the FourCC: "MJPG", "cvid", "CRAM"
    int bitsPerPixel; // of the pictures the compressor was given
    QList<QByteArray> frames; // compressed, every one a key frame
};

struct Movie
{
    QSize frameSize;
    int framesPerSecond;
    Video video;
    std::optional<Wav::Stream> sound; // spread evenly over the frames in whole blocks
};

QByteArray write(const Movie &movie);

} // namespace Avi
