#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The POSIX calls under MediaFs, on names exactly as the file system holds
// them. A folder copy of a period disc may hold names that are not UTF-8
// (Latin-1 "caf\xe9.jpg"); Qt's own file classes cannot name such a file at
// all, so names here keep every byte that is not part of a UTF-8 character
// as a code unit U+DC80..U+DCFF, which turns back into the same byte.
namespace NativeFs {

QString decodeName(QByteArrayView bytes);
QByteArray encodeName(const QString &name);
// True when the name holds bytes that are not UTF-8, so that only the calls
// here, and not Qt's file classes, reach the file.
bool hasRawBytes(const QString &name);
// The name case-folded for matching without regard to letter case; the bytes
// kept stay as they are (Qt's folding would make each one U+FFFD).
QString caseFolded(const QString &name);

enum class Kind { File, Folder, Other };

struct Status
{
    Kind kind = Kind::Other;
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
};

// What the path names, following symbolic links; nothing when it is not there.
std::optional<Status> status(const QString &path);

// Opens a regular file for reading. Anything else (a folder, a named pipe, a
// device) gives nothing, and opening never waits for a writer.
std::unique_ptr<QFile> openFile(const QString &path);

// The names in a folder (without "." and ".."), unsorted; with filesOnly, the
// regular files only. Nothing when the folder cannot be read.
std::optional<QStringList> entryNames(const QString &folder, bool filesOnly);

bool removeFile(const QString &path);
bool makeFolder(const QString &path);
bool removeFolder(const QString &path);

} // namespace NativeFs
