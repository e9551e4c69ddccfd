#pragma once

#include "nativefs.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct _iso9660_s;

// An ISO 9660 image file read as a disc, without mounting it and without
// unpacking it: folders are read from the image when first asked for, files
// are read block by block. Joliet and Rock Ridge names are used when the image
// has them; plain ISO names lose their version (";1") and a bare trailing dot.
//
// A damaged or truncated image is a disc that does not answer: an entry whose
// blocks lie beyond the end of the image, or in a folder that cannot be read,
// is not there. One thread at a time.
class DiscImage
{
public:
    struct Entry
    {
        QString name; // as the image gives it (lossless, see NativeFs)
        bool isFolder = false;
        quint32 lsn = 0; // first block
        qint64 size = 0;
        QByteArray libraryName; // the name the library looks folders up by
    };

    explicit DiscImage(const QString &imageFile);
    ~DiscImage();
    DiscImage(const DiscImage &) = delete;
    DiscImage &operator=(const DiscImage &) = delete;

    // Whether the image file is still the one that was opened (same size and time).
    bool isCurrent(const NativeFs::Status &status) const;

    // The entry at the components below the root, each matched without regard
    // to letter case (the exact name first; of names that differ only in
    // case, the first in sorted order). No components: the root folder.
    std::optional<Entry> find(const QStringList &components) const;
    // The names of the files in the folder, as the image gives them.
    std::optional<QStringList> fileNames(const QStringList &folder) const;
    // A file opened for reading (sequential reads of large files go to the
    // image in large blocks); null for a folder or a file the image cannot give.
    std::unique_ptr<QIODevice> open(const Entry &file) const;

private:
    struct Folder
    {
        QList<Entry> entries; // sorted by name
        QHash<QString, qsizetype> exact;
        QHash<QString, qsizetype> folded; // case-folded name -> first entry of that name
    };
    using Handle = std::shared_ptr<_iso9660_s>;

    // The entry and, through libraryPath, the path the library knows its listing by.
    std::optional<Entry> lookUp(const QStringList &components, QByteArray *libraryPath) const;
    const Folder *folderAt(const QByteArray &libraryPath) const;

    Handle m_iso; // shared with the files opened from it
    NativeFs::Status m_status;
    qint64 m_imageBytes = 0;
    Entry m_root;
    mutable QHash<QByteArray, std::shared_ptr<const Folder>> m_folders; // by library path; null: unreadable
};
