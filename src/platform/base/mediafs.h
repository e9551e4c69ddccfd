#pragma once

#include "drivemap.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The one place that turns a media path into a native file.
//
// A media path is a root followed by a relative part: "E:\richtext\57desc.rtf"
// (drive letter looked up in the DriveMap) or "/opt/vireon\passby.wav" (a
// native folder). "\" and "/" both separate components, and every component
// is matched without regard to letter case (exact name first, then a scan of
// the folder). A wildcard ("*", "?") may stand in the last component. A native
// root is walked down from "/" like the rest, so it may end with a separator.
class MediaFs
{
public:
    explicit MediaFs(DriveMap drives = {});

    // The native path of an existing file or folder, or nothing.
    std::optional<QString> resolve(const QString &mediaPath) const;
    // The native path where a new file or folder of this name would go: the
    // existing folders are matched without regard to case, the rest is taken
    // as written. Nothing when the drive letter is not mapped.
    std::optional<QString> nativePathForWriting(const QString &mediaPath) const;

    bool exists(const QString &mediaPath) const;
    bool isFolder(const QString &mediaPath) const;
    // Names (as stored on disk) of the files in the pattern's folder whose names
    // match its last component ("*.jpg" matches "55080.JPG"), sorted by name.
    // An unreadable or missing folder gives nothing.
    QStringList list(const QString &pattern) const;
    // The same, but nothing when the pattern's folder is there and cannot be
    // read; a folder that is not there lists as empty.
    std::optional<QStringList> listing(const QString &pattern) const;
    std::optional<qint64> size(const QString &mediaPath) const;
    std::optional<QByteArray> readAll(const QString &mediaPath) const;

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
        QDateTime modified;
        QHash<QString, QString> names; // case-folded name -> name on disk
    };

    // The native folder a media path starts from and the components after it.
    // Nothing for an unmapped drive, a relative path or a ".." component.
    std::optional<QString> rootFolder(const QString &mediaPath, QStringList *components) const;
    // Walks the components down from the folder; once one is missing, the rest is
    // taken as written (or, with existingOnly, the walk gives nothing).
    std::optional<QString> walk(QString folder, const QStringList &components, bool existingOnly) const;
    std::optional<QString> matchComponent(const QString &folder, const QString &name) const;
    // The existing folder of a pattern, and its last component.
    std::optional<QString> patternFolder(const QString &pattern, QString *lastComponent) const;
    void forgetFolder(const QString &nativeFolder) const;

    DriveMap m_drives;
    // Folder listings scanned for case-insensitive matches, by native folder.
    // Dropped for a folder whenever we write there.
    mutable QHash<QString, Listing> m_listings;
};
