#pragma once

#include <QtGlobal>
#include <optional>

class QIODevice;

// Moves count bytes from the current position of in to the current position
// of out without passing them through the program, where the system can
// (two plain files on Linux). The bytes moved (fewer at the end of the
// source), -1 with errno set on a failure, or nothing when the devices or
// the system do not allow it and nothing was moved: then read and write.
std::optional<qint64> copyChunkInSystem(QIODevice &in, QIODevice &out, qint64 count);
