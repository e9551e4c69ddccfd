#pragma once

#include "aviheader.h"

#include <QByteArray>
#include <QList>

class QIODevice;

// GStreamer's AVI reader times MS ADPCM and IMA ADPCM sound by a byte rate it
// works out itself, and gets it wrong: in a mono movie the blocks are
// stamped twice as fast as they play, and half of the sound is lost. The
// period's writers described such sound by its bytes (a fixed sample size of
// one block); described by its blocks instead (scale = samples a block,
// rate = samples a second, no fixed sample size), each block is timed right.

// A change to a file: these bytes at that offset.
struct BytePatch
{
    qint64 offset = 0;
    QByteArray bytes;
};

// The changes to the sound stream's header that describe its ADPCM sound by
// blocks; none when the movie needs none (other sound, or already by blocks).
QList<BytePatch> adpcmSoundTimingPatches(const AviStreams &streams);

// Copies the file at path into target with the patches applied, a piece at a
// time; false when it cannot be read or written whole.
bool writePatchedCopy(const QString &path, const QList<BytePatch> &patches, QIODevice &target);
