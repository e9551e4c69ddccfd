#pragma once

#include <QFileDevice>
#include <QString>
#include <functional>
#include <memory>

class MediaFs;
class QIODevice;

// Copies one file of the media in chunks, through a temporary file beside
// the destination that replaces it only once the whole file is written: a
// copy that fails half-way (a full disk, a source that ends early) leaves
// an earlier good copy as it was and no partial file behind.

// A file name as it may follow a folder: no separators, no "..", no drive.
bool isPlainFileName(const QString &name);

// Why a file was not copied, with the description the user is shown.
enum class CopyFailure {
    None,
    FileNotFound,
    // A name from the disc or a list that would leave its folder.
    BadFileName,
    PathNotFound,
    AccessError,
    DiskFull,
    InputPastEnd,
    DeviceError,
    // Writing the copy failed (and the disk is not full).
    WriteError,
    // The copy's owner went away (the window closed): nothing to tell.
    Stopped,
};
QString failureDescription(CopyFailure failure);
// A failure that every later file of a job would meet as well.
bool failsEveryFile(CopyFailure failure);

// What the copy reports while it runs.
struct CopySteps
{
    // After every full chunk (1-based) of a file of size bytes.
    std::function<void(qint64 chunk, qint64 size)> afterChunk;
    // After the chunks of each piece the system moved (see copyInChunks),
    // the time to let pending events run; false stops the copy.
    std::function<bool()> afterPiece;
    // After the last full chunk, before the rest is written.
    std::function<void()> beforeRest;
};

// The chunk loop itself: copies size bytes from in to out, chunkSize at a
// time and then the rest in one piece. The bytes move in pieces of whole
// chunks of up to a megabyte, since every call to the system costs more
// than copying a small chunk; the steps of each chunk follow its piece.
CopyFailure copyInChunks(QIODevice &in, QIODevice &out, qint64 size, qint64 chunkSize, const CopySteps &steps);

inline constexpr QFileDevice::Permissions CopyPermissions
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
inline constexpr QFileDevice::Permissions ProgramPermissions
    = CopyPermissions | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// Copies the file at the media path source to the media path destination,
// whose folder must exist (its name is matched without regard to case, the
// file name is taken as written); an existing destination is replaced on
// success only.
CopyFailure copyMediaFile(MediaFs &fs, const QString &source, const QString &destination, qint64 chunkSize,
                          const CopySteps &steps, QFileDevice::Permissions permissions = CopyPermissions);
