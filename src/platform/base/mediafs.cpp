#include "mediafs.h"

#include "discimage.h"
#include "nativefs.h"

#include <cstdio>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace {
constexpr qint64 CopyChunkSize = 1 << 20;

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? QString(folder + name) : QString(folder + u'/' + name);
}

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash > 0 ? path.left(slash) : QStringLiteral("/");
}

bool isDriveRoot(const QString &mediaPath)
{
    return mediaPath.size() >= 2 && mediaPath[1] == u':' && mediaPath[0].isLetter()
        && mediaPath[0].unicode() < 128;
}

// "*" stands for any run of characters and "?" for one; everything else is
// literal (also "[" and "]", which are ordinary in media file names). Both
// are case-folded. A plain loop rather than a regular expression, which would
// refuse names holding bytes that are not UTF-8.
bool wildcardMatches(QStringView name, QStringView wildcard)
{
    qsizetype n = 0;
    qsizetype w = 0;
    qsizetype star = -1; // the last "*" seen, and where in the name it started
    qsizetype starredFrom = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && (wildcard[w] == u'?' || wildcard[w] == name[n])) {
            ++n;
            ++w;
        } else if (w < wildcard.size() && wildcard[w] == u'*') {
            star = w++;
            starredFrom = n;
        } else if (star >= 0) {
            w = star + 1; // the "*" takes one character more
            n = ++starredFrom;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == u'*')
        ++w;
    return w == wildcard.size();
}

QStringList matching(QStringList names, const QString &wildcard)
{
    // "*.jpg" and the like, the common case, need no folding.
    const QString suffix = wildcard.mid(1);
    if (wildcard.startsWith(u'*') && !suffix.contains(u'*') && !suffix.contains(u'?')) {
        names.removeIf([&](const QString &name) { return !name.endsWith(suffix, Qt::CaseInsensitive); });
    } else {
        const QString folded = NativeFs::caseFolded(wildcard);
        names.removeIf(
            [&](const QString &name) { return !wildcardMatches(NativeFs::caseFolded(name), folded); });
    }
    names.sort();
    return names;
}

bool isKind(const QString &path, NativeFs::Kind kind)
{
    const auto status = NativeFs::status(path);
    return status && status->kind == kind;
}

// The copy grows in a temporary file beside the target; a failed read or a
// full disk discards it and leaves an existing target as it was.
bool copyInto(QIODevice &in, const QString &target)
{
    // Qt's file classes cannot name a file whose name is not UTF-8.
    if (NativeFs::hasRawBytes(target))
        return false;
    // A link in the program folder stands for a file that came with the
    // program: the new file replaces the link, never the file it leads to
    // (which QSaveFile would write).
    const QString written = QFileInfo(target).isSymLink() ? target + QStringLiteral(".new") : target;
    QSaveFile out(written);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(CopyChunkSize, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 count = in.read(chunk.data(), chunk.size());
        if (count < 0 || out.write(chunk.constData(), count) != count) {
            out.cancelWriting();
            break;
        }
        copied += count;
        if (count == 0) {
            // A file cut short while it was read is not copied either.
            if (copied != in.size())
                out.cancelWriting();
            break;
        }
    }
    if (!out.commit())
        return false;
    if (written == target)
        return true;
    if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    QFile::remove(written);
    return false;
}
}

MediaFs::MediaFs(DriveMap drives)
    : m_drives(std::move(drives))
{
}

MediaFs::~MediaFs() = default;

std::optional<QString> MediaFs::resolve(const QString &mediaPath) const
{
    const auto where = place(mediaPath);
    if (!where || where->image)
        return std::nullopt;
    return walk(where->root, where->components, true);
}

std::optional<QString> MediaFs::nativePathForWriting(const QString &mediaPath) const
{
    const auto where = place(mediaPath);
    if (!where || where->image)
        return std::nullopt;
    return walk(where->root, where->components, false);
}

bool MediaFs::exists(const QString &mediaPath) const
{
    return find(mediaPath).has_value();
}

bool MediaFs::isFolder(const QString &mediaPath) const
{
    const auto found = find(mediaPath);
    return found && found->isFolder;
}

QStringList MediaFs::list(const QString &pattern) const
{
    return listing(pattern).value_or(QStringList());
}

std::optional<QStringList> MediaFs::listing(const QString &pattern) const
{
    const auto where = place(pattern);
    if (!where || where->components.isEmpty())
        return QStringList();
    QStringList folder = where->components;
    const QString wildcard = folder.takeLast();
    std::optional<QStringList> names;
    if (where->image) {
        // A folder the image does not hold lists as empty; one it holds and
        // cannot give is a failure.
        if (!folder.isEmpty() && !where->image->find(folder))
            return QStringList();
        names = where->image->fileNames(folder);
    } else {
        const auto native = walk(where->root, folder, true);
        if (!native)
            return QStringList();
        names = NativeFs::entryNames(*native, true);
    }
    if (!names)
        return std::nullopt;
    return matching(*names, wildcard);
}

std::optional<qint64> MediaFs::size(const QString &mediaPath) const
{
    const auto found = find(mediaPath);
    if (!found || found->isFolder)
        return std::nullopt;
    return found->size;
}

std::optional<QByteArray> MediaFs::readAll(const QString &mediaPath, qint64 maxBytes) const
{
    const auto file = open(mediaPath);
    if (!file || file->size() > maxBytes)
        return std::nullopt;
    const qint64 expected = file->size();
    QByteArray bytes = file->read(expected);
    if (bytes.size() != expected)
        return std::nullopt;
    return bytes;
}

std::unique_ptr<QIODevice> MediaFs::open(const QString &mediaPath) const
{
    const auto where = place(mediaPath);
    if (!where)
        return nullptr;
    if (where->image) {
        const auto entry = where->image->find(where->components);
        return entry ? where->image->open(*entry) : nullptr;
    }
    const auto path = walk(where->root, where->components, true);
    return path ? NativeFs::openFile(*path) : nullptr;
}

std::optional<QString> MediaFs::nativeFile(const QString &mediaPath)
{
    const auto where = place(mediaPath);
    if (!where)
        return std::nullopt;
    if (!where->image) {
        const auto path = walk(where->root, where->components, true);
        return path && isKind(*path, NativeFs::Kind::File) ? path : std::nullopt;
    }
    const auto entry = where->image->find(where->components);
    if (!entry || entry->isFolder)
        return std::nullopt;
    const QString key = where->root + u'\\' + NativeFs::caseFolded(where->components.join(u'\\'));
    if (m_extracted.mediaKey == key && m_extracted.image.lock() == where->image
        && isKind(m_extracted.nativeFile, NativeFs::Kind::File))
        return m_extracted.nativeFile;

    if (!m_extracted.nativeFile.isEmpty())
        QFile::remove(m_extracted.nativeFile);
    m_extracted = {};
    if (!m_cache)
        m_cache
            = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vireon-anthology-XXXXXX"));
    const auto in = where->image->open(*entry);
    // A name that is not UTF-8 is written with replacement characters in its place.
    const QString target = m_cache->filePath(QString::fromUtf8(NativeFs::encodeName(entry->name)));
    if (!m_cache->isValid() || !in || !copyInto(*in, target))
        return std::nullopt;
    m_extracted = { key, target, where->image };
    return target;
}

bool MediaFs::writeAll(const QString &mediaPath, const QByteArray &bytes)
{
    const auto target = nativePathForWriting(mediaPath);
    if (!target)
        return false;
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    const bool written = copyInto(in, *target);
    forgetFolder(parentOf(*target));
    return written;
}

bool MediaFs::copy(const QString &from, const QString &to)
{
    const auto in = open(from);
    const auto target = nativePathForWriting(to);
    if (!in || !target)
        return false;
    const bool copied = copyInto(*in, *target);
    forgetFolder(parentOf(*target));
    return copied;
}

bool MediaFs::remove(const QString &mediaPath)
{
    const auto path = resolve(mediaPath);
    if (!path || !isKind(*path, NativeFs::Kind::File))
        return false;
    const bool removed = NativeFs::removeFile(*path);
    forgetFolder(parentOf(*path));
    return removed;
}

int MediaFs::removeMatching(const QString &pattern)
{
    QString wildcard;
    const auto folder = patternFolder(pattern, &wildcard);
    if (!folder)
        return 0;
    int removed = 0;
    for (const QString &name :
        matching(NativeFs::entryNames(*folder, true).value_or(QStringList()), wildcard)) {
        if (NativeFs::removeFile(joined(*folder, name)))
            ++removed;
    }
    forgetFolder(*folder);
    return removed;
}

bool MediaFs::makeFolder(const QString &mediaPath)
{
    const auto path = nativePathForWriting(mediaPath);
    if (!path)
        return false;
    if (isKind(*path, NativeFs::Kind::Folder))
        return true;
    const bool made = NativeFs::makeFolder(*path);
    forgetFolder(parentOf(*path));
    return made;
}

bool MediaFs::removeFolder(const QString &mediaPath)
{
    const auto path = resolve(mediaPath);
    if (!path || !isKind(*path, NativeFs::Kind::Folder))
        return false;
    const bool removed = NativeFs::removeFolder(*path);
    forgetFolder(parentOf(*path));
    forgetFolder(*path);
    return removed;
}

std::optional<qint64> MediaFs::freeSpace(const QString &mediaPath) const
{
    const auto path = nativePathForWriting(mediaPath);
    if (!path)
        return std::nullopt;
    QString existing = *path;
    while (!QFileInfo::exists(existing) && existing != u'/')
        existing = parentOf(existing);
    const QStorageInfo volume(existing);
    if (!volume.isValid() || !volume.isReady())
        return std::nullopt;
    return volume.bytesAvailable();
}

std::optional<MediaFs::Place> MediaFs::place(const QString &mediaPath) const
{
    Place result;
    QString rest;
    const bool drive = isDriveRoot(mediaPath);
    if (drive) {
        const auto folder = m_drives.folderOf(mediaPath[0]);
        if (!folder)
            return std::nullopt;
        result.root = *folder;
        rest = mediaPath.mid(2);
    } else if (mediaPath.startsWith(u'/')) {
        result.root = QStringLiteral("/");
        rest = mediaPath;
    } else {
        return std::nullopt;
    }
    for (const QString &component : rest.replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)) {
        // ".." would lead out of the drive or the program folder.
        if (component == u"..")
            return std::nullopt;
        if (component != u".")
            result.components.append(component);
    }
    if (drive)
        result.image = imageAt(result.root);
    return result;
}

std::shared_ptr<const DiscImage> MediaFs::imageAt(const QString &root) const
{
    const auto status = NativeFs::status(root);
    if (!status || status->kind != NativeFs::Kind::File) {
        m_images.remove(root);
        return nullptr;
    }
    std::shared_ptr<const DiscImage> &image = m_images[root];
    if (!image || !image->isCurrent(*status))
        image = std::make_shared<const DiscImage>(root);
    return image;
}

std::optional<MediaFs::Found> MediaFs::find(const QString &mediaPath) const
{
    const auto where = place(mediaPath);
    if (!where)
        return std::nullopt;
    if (where->image) {
        const auto entry = where->image->find(where->components);
        if (!entry)
            return std::nullopt;
        return Found { entry->isFolder, entry->size };
    }
    const auto path = walk(where->root, where->components, true);
    const auto status = path ? NativeFs::status(*path) : std::nullopt;
    if (!status)
        return std::nullopt;
    return Found { status->kind == NativeFs::Kind::Folder, status->size };
}

std::optional<QString> MediaFs::walk(QString folder, const QStringList &components, bool existingOnly) const
{
    bool matching = true;
    for (const QString &component : components) {
        const auto name = matching ? matchComponent(folder, component) : std::nullopt;
        if (!name && existingOnly)
            return std::nullopt;
        matching = name.has_value();
        folder = joined(folder, name.value_or(component));
    }
    // A named pipe or a device is not a file of the disc.
    if (existingOnly) {
        const auto status = NativeFs::status(folder);
        if (!status || status->kind == NativeFs::Kind::Other)
            return std::nullopt;
    }
    return folder;
}

std::optional<QString> MediaFs::matchComponent(const QString &folder, const QString &name) const
{
    if (NativeFs::status(joined(folder, name)))
        return name;
    const auto info = NativeFs::status(folder);
    if (!info || info->kind != NativeFs::Kind::Folder)
        return std::nullopt;
    auto listing = m_listings.find(folder);
    if (listing == m_listings.end() || listing->modifiedNs != info->modifiedNs) {
        auto names = NativeFs::entryNames(folder, false);
        if (!names)
            return std::nullopt;
        // Of several names that differ only in case, the first in sorted order wins.
        names->sort();
        Listing scanned;
        scanned.modifiedNs = info->modifiedNs;
        for (const QString &onDisk : std::as_const(*names)) {
            const QString key = NativeFs::caseFolded(onDisk);
            if (!scanned.names.contains(key))
                scanned.names.insert(key, onDisk);
        }
        listing = m_listings.insert(folder, scanned);
    }
    const auto it = listing->names.constFind(NativeFs::caseFolded(name));
    if (it == listing->names.cend())
        return std::nullopt;
    return *it;
}

std::optional<QString> MediaFs::patternFolder(const QString &pattern, QString *lastComponent) const
{
    const auto where = place(pattern);
    if (!where || where->image || where->components.isEmpty())
        return std::nullopt;
    QStringList components = where->components;
    *lastComponent = components.takeLast();
    const auto folder = walk(where->root, components, true);
    if (!folder || !isKind(*folder, NativeFs::Kind::Folder))
        return std::nullopt;
    return folder;
}

void MediaFs::forgetFolder(const QString &nativeFolder) const
{
    m_listings.remove(nativeFolder);
}
