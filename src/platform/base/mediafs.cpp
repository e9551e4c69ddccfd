#include "mediafs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

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
// literal (also "[" and "]", which are ordinary in media file names).
QRegularExpression wildcardExpression(const QString &wildcard)
{
    QString pattern;
    QString literal;
    for (const QChar c : wildcard) {
        if (c == u'*' || c == u'?') {
            pattern += QRegularExpression::escape(literal)
                + (c == u'*' ? QStringLiteral(".*") : QStringLiteral("."));
            literal.clear();
        } else {
            literal += c;
        }
    }
    pattern += QRegularExpression::escape(literal);
    return QRegularExpression(
        QRegularExpression::anchoredPattern(pattern), QRegularExpression::CaseInsensitiveOption);
}

// The names of the plain files of a folder. On POSIX systems the directory
// entries tell the kind of each file, so a folder of thirty thousand
// photographs is listed without one status call per file.
// Nothing when the folder cannot be read.
std::optional<QStringList> fileNamesIn(const QString &folder)
{
#ifdef Q_OS_UNIX
    QStringList names;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    while (const dirent *entry = readdir(dir)) {
        bool isFile = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat status;
            isFile = fstatat(dirfd(dir), entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
        }
        if (isFile)
            names.append(QFile::decodeName(entry->d_name));
    }
    closedir(dir);
    return names;
#else
    const QDir dir(folder);
    if (!dir.isReadable())
        return std::nullopt;
    return dir.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
#endif
}

std::optional<QStringList> filesMatching(const QString &folder, const QString &wildcard)
{
    std::optional<QStringList> found = fileNamesIn(folder);
    if (!found)
        return std::nullopt;
    QStringList &names = *found;
    // "*.jpg" and the like, the common case, need no expression.
    const QString suffix = wildcard.mid(1);
    if (wildcard.startsWith(u'*') && !suffix.contains(u'*') && !suffix.contains(u'?')) {
        names.removeIf([&](const QString &name) { return !name.endsWith(suffix, Qt::CaseInsensitive); });
    } else {
        const QRegularExpression matcher = wildcardExpression(wildcard);
        names.removeIf([&](const QString &name) { return !matcher.match(name).hasMatch(); });
    }
    names.sort();
    return names;
}
}

MediaFs::MediaFs(DriveMap drives)
    : m_drives(std::move(drives))
{
}

std::optional<QString> MediaFs::resolve(const QString &mediaPath) const
{
    QStringList components;
    const auto root = rootFolder(mediaPath, &components);
    return root ? walk(*root, components, true) : std::nullopt;
}

std::optional<QString> MediaFs::nativePathForWriting(const QString &mediaPath) const
{
    QStringList components;
    const auto root = rootFolder(mediaPath, &components);
    return root ? walk(*root, components, false) : std::nullopt;
}

bool MediaFs::exists(const QString &mediaPath) const
{
    return resolve(mediaPath).has_value();
}

bool MediaFs::isFolder(const QString &mediaPath) const
{
    const auto path = resolve(mediaPath);
    return path && QFileInfo(*path).isDir();
}

QStringList MediaFs::list(const QString &pattern) const
{
    return listing(pattern).value_or(QStringList());
}

std::optional<QStringList> MediaFs::listing(const QString &pattern) const
{
    QString wildcard;
    const auto folder = patternFolder(pattern, &wildcard);
    return folder ? filesMatching(*folder, wildcard) : QStringList();
}

std::optional<qint64> MediaFs::size(const QString &mediaPath) const
{
    const auto path = resolve(mediaPath);
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    return QFileInfo(*path).size();
}

std::optional<QByteArray> MediaFs::readAll(const QString &mediaPath) const
{
    const auto path = resolve(mediaPath);
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool MediaFs::writeAll(const QString &mediaPath, const QByteArray &bytes)
{
    const auto target = nativePathForWriting(mediaPath);
    if (!target)
        return false;
    QSaveFile file(*target);
    const bool written
        = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    forgetFolder(parentOf(*target));
    return written;
}

bool MediaFs::copy(const QString &from, const QString &to)
{
    const auto source = resolve(from);
    const auto target = nativePathForWriting(to);
    if (!source || !target || !QFileInfo(*source).isFile())
        return false;
    QFile in(*source);
    QSaveFile out(*target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    // The copy grows in a temporary file beside the target; a failed read or a
    // full disk discards it and leaves an existing target as it was.
    for (;;) {
        const QByteArray chunk = in.read(CopyChunkSize);
        if (in.error() != QFileDevice::NoError || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
        if (chunk.isEmpty())
            break;
    }
    const bool copied = out.commit();
    forgetFolder(parentOf(*target));
    return copied;
}

bool MediaFs::remove(const QString &mediaPath)
{
    const auto path = resolve(mediaPath);
    if (!path || QFileInfo(*path).isDir())
        return false;
    const bool removed = QFile::remove(*path);
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
    for (const QString &name : filesMatching(*folder, wildcard).value_or(QStringList())) {
        if (QFile::remove(joined(*folder, name)))
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
    if (QFileInfo(*path).isDir())
        return true;
    const bool made = QDir().mkdir(*path);
    forgetFolder(parentOf(*path));
    return made;
}

bool MediaFs::removeFolder(const QString &mediaPath)
{
    const auto path = resolve(mediaPath);
    if (!path || !QFileInfo(*path).isDir())
        return false;
    const bool removed = QDir().rmdir(*path);
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

std::optional<QString> MediaFs::rootFolder(const QString &mediaPath, QStringList *components) const
{
    std::optional<QString> root;
    QString rest;
    if (isDriveRoot(mediaPath)) {
        root = m_drives.folderOf(mediaPath[0]);
        rest = mediaPath.mid(2);
    } else if (mediaPath.startsWith(u'/')) {
        root = QStringLiteral("/");
        rest = mediaPath;
    }
    if (!root)
        return std::nullopt;
    components->clear();
    for (const QString &component : rest.replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)) {
        // ".." would lead out of the drive or the program folder.
        if (component == u"..")
            return std::nullopt;
        if (component != u".")
            components->append(component);
    }
    return root;
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
    if (existingOnly && !QFileInfo::exists(folder))
        return std::nullopt;
    return folder;
}

std::optional<QString> MediaFs::matchComponent(const QString &folder, const QString &name) const
{
    if (QFileInfo::exists(joined(folder, name)))
        return name;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    Listing &listing = m_listings[folder];
    if (listing.modified != info.lastModified()) {
        QStringList names
            = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
        // Of several names that differ only in case, the first in sorted order wins.
        names.sort();
        listing.names.clear();
        for (const QString &onDisk : std::as_const(names)) {
            const QString key = onDisk.toCaseFolded();
            if (!listing.names.contains(key))
                listing.names.insert(key, onDisk);
        }
        listing.modified = info.lastModified();
    }
    const auto it = listing.names.constFind(name.toCaseFolded());
    if (it == listing.names.cend())
        return std::nullopt;
    return *it;
}

std::optional<QString> MediaFs::patternFolder(const QString &pattern, QString *lastComponent) const
{
    QStringList components;
    const auto root = rootFolder(pattern, &components);
    if (!root || components.isEmpty())
        return std::nullopt;
    *lastComponent = components.takeLast();
    const auto folder = walk(*root, components, true);
    if (!folder || !QFileInfo(*folder).isDir())
        return std::nullopt;
    return folder;
}

void MediaFs::forgetFolder(const QString &nativeFolder) const
{
    m_listings.remove(nativeFolder);
}
