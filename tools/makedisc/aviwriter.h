#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>

// An AVI file with one Motion-JPEG video stream and, optionally, one 16-bit
// mono PCM sound stream, interleaved frame by frame and indexed by idx1.
namespace Avi {

struct Movie
{
    QSize frameSize;
    int framesPerSecond;
    QList<QByteArray> jpegFrames;
    int audioRate = 0;         // 0: no sound stream
    QList<qint16> audioSamples; // spread evenly over the frames
};

QByteArray write(const Movie &movie);

} // namespace Avi
