#pragma once

#include "drivemap.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <limits>
#include <memory>
#include <optional>

class DiscImage;
class QTemporaryDir;

// The one place that turns a media path into a file.
//
// A media path is a root followed by a relative part: "E:\richtext\57desc.rtf"
// (drive letter looked up in the DriveMap) or "/opt/vireon\passby.wav" (a
// native folder). "\" and "/" both separate components, and every component
// is matched without regard to letter case (exact name first, then a scan of
// the folder). A wildcard ("*", "?") may stand in the last component. A native
// root is walked down from "/" like the rest, so it may end with a separator.
//
// A drive letter stands for a folder or for an ISO 9660 image file: the image
// is read as the disc it holds, and nothing can be written to it. A file is a
// regular file: a named pipe or a device on a disc is a file that is not there.
// Names keep the bytes the file system gave them (see NativeFs), so a listed
// name always opens.
class MediaFs
{
public:
    explicit MediaFs(DriveMap drives = {});
    ~MediaFs();
    MediaFs(const MediaFs &) = delete;
    MediaFs &operator=(const MediaFs &) = delete;

    // Maps a folder or disc image to the first free drive letter (DriveMap::add).
    std::optional<QChar> addDrive(const QString &folder) { return m_drives.add(folder); }

    // The native path of an existing file or folder, or nothing; also nothing
    // inside a disc image, which has no native paths (see nativeFile).
    std::optional<QString> resolve(const QString &mediaPath) const;
    // The native path where a new file or folder of this name would go: the
    // existing folders are matched without regard to case, the rest is taken
    // as written. Nothing when the drive letter is not mapped or is an image.
    std::optional<QString> nativePathForWriting(const QString &mediaPath) const;

    bool exists(const QString &mediaPath) const;
    bool isFolder(const QString &mediaPath) const;
    // Names (as stored on disc) of the files in the pattern's folder whose names
    // match its last component ("*.jpg" matches "55080.JPG"), sorted by name.
    // An unreadable or missing folder gives nothing.
    QStringList list(const QString &pattern) const;
    // The same, but nothing when the pattern's folder is there and cannot be
    // read; a folder that is not there lists as empty.
    std::optional<QStringList> listing(const QString &pattern) const;
    std::optional<qint64> size(const QString &mediaPath) const;
    // The whole file; nothing when it is missing, unreadable or larger than
    // maxBytes (checked before anything is read).
    std::optional<QByteArray> readAll(
        const QString &mediaPath, qint64 maxBytes = std::numeric_limits<qint64>::max()) const;
    // The file opened for reading; null when it is not there.
    std::unique_ptr<QIODevice> open(const QString &mediaPath) const;
    // A native file with the file's content, for those that can only read
    // native files (the media player): on a folder drive the file itself; from
    // an image a copy in a cache folder of this run. One copy is kept at a
    // time, so a new one removes the one before; all go with this object.
    std::optional<QString> nativeFile(const QString &mediaPath);

    // Writes through a temporary file that replaces the target only on success.
    bool writeAll(const QString &mediaPath, const QByteArray &bytes);
    bool copy(const QString &from, const QString &to);
    bool remove(const QString &mediaPath);
    // Deletes every file matching the pattern; returns how many were deleted.
    int removeMatching(const QString &pattern);
    bool makeFolder(const QString &mediaPath);
    bool removeFolder(const QString &mediaPath);
    // Free bytes on the volume that holds the path (or its nearest existing parent).
    std::optional<qint64> freeSpace(const QString &mediaPath) const;

private:
    // A folder's names as scanned, with the folder's modification time so that a
    // change made by someone else (a disc inserted, files added) is noticed.
    struct Listing
    {
        qint64 modifiedNs = -1;
        QHash<QString, QString> names; // case-folded name -> name on disk
    };
    // Where a media path leads: the components below a native folder, or
    // below the root of a disc image.
    struct Place
    {
        QString root;
        QStringList components;
        std::shared_ptr<const DiscImage> image;
    };
    struct Found
    {
        bool isFolder = false;
        qint64 size = 0;
    };
    struct Extracted
    {
        QString mediaKey;
        QString nativeFile;
        std::weak_ptr<const DiscImage> image;
    };

    // Nothing for an unmapped drive, a relative path or a ".." component.
    std::optional<Place> place(const QString &mediaPath) const;
    // The image a drive's root names, opened again when the file has changed;
    // null when the root is not a file.
    std::shared_ptr<const DiscImage> imageAt(const QString &root) const;
    std::optional<Found> find(const QString &mediaPath) const;
    // Walks the components down from the folder; once one is missing, the rest is
    // taken as written (or, with existingOnly, the walk gives nothing).
    std::optional<QString> walk(QString folder, const QStringList &components, bool existingOnly) const;
    std::optional<QString> matchComponent(const QString &folder, const QString &name) const;
    // The existing native folder of a pattern, and its last component.
    std::optional<QString> patternFolder(const QString &pattern, QString *lastComponent) const;
    void forgetFolder(const QString &nativeFolder) const;

    DriveMap m_drives;
    // Folder listings scanned for case-insensitive matches, by native folder.
    // Dropped for a folder whenever we write there.
    mutable QHash<QString, Listing> m_listings;
    mutable QHash<QString, std::shared_ptr<const DiscImage>> m_images; // by image file
    std::unique_ptr<QTemporaryDir> m_cache;
    Extracted m_extracted;
};
