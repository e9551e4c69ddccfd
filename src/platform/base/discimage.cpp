#include "discimage.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cstring>
#include <mutex>

#include <cdio/iso9660.h>
#include <cdio/logging.h>

Q_LOGGING_CATEGORY(lcDiscImage, "vireon.discimage")

namespace {
constexpr qint64 BlockBytes = ISO_BLOCKSIZE;
// Small reads (a picture decoder asks for 4 KB at a time) are served from a
// window of this many bytes read from the image in one go.
constexpr qint64 WindowBytes = 32 * BlockBytes;

// The library writes its complaints about a damaged image to the standard
// error stream; they go to our own logging instead, where they can be turned on.
void logToQt(cdio_log_level_t level, const char *message)
{
    if (level >= CDIO_LOG_WARN)
        qCDebug(lcDiscImage, "%s", message);
}

void quietLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(logToQt); });
}

// "55080.JPG;1" is "55080.JPG" and "README.;1" is "README".
QByteArray withoutVersion(QByteArray name)
{
    const qsizetype semicolon = name.lastIndexOf(';');
    if (semicolon <= 0)
        return name;
    const QByteArray version = name.mid(semicolon + 1);
    if (!std::all_of(version.cbegin(), version.cend(), [](char c) { return c >= '0' && c <= '9'; }))
        return name;
    name.truncate(semicolon);
    if (name.size() > 1 && name.endsWith('.'))
        name.chop(1);
    return name;
}

// One file of the image, read in whole blocks through the library.
class DiscFile : public QIODevice
{
public:
    DiscFile(std::shared_ptr<_iso9660_s> iso, quint32 lsn, qint64 size)
        : m_iso(std::move(iso))
        , m_lsn(lsn)
        , m_size(size)
    {
        // Unbuffered: the window below does the buffering, and pos() in
        // readData is the position of the read.
        QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    qint64 size() const override { return m_size; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 start = pos();
        const qint64 wanted = std::min(maxSize, m_size - start);
        qint64 done = 0;
        while (done < wanted) {
            const qint64 at = start + done;
            const qint64 left = wanted - done;
            if (m_windowStart >= 0 && at >= m_windowStart && at < m_windowStart + m_window.size()) {
                const qint64 count = std::min(left, m_windowStart + m_window.size() - at);
                std::memcpy(data + done, m_window.constData() + (at - m_windowStart), count);
                done += count;
            } else if (at % BlockBytes == 0 && left >= WindowBytes) {
                // A large read (a copy in chunks) goes straight into the caller's buffer.
                const qint64 count = left / BlockBytes * BlockBytes;
                if (!readBlocks(data + done, at / BlockBytes, count))
                    break;
                done += count;
            } else {
                const qint64 first = at / BlockBytes * BlockBytes;
                const qint64 count = std::min(WindowBytes, m_size - first);
                m_windowStart = -1;
                m_window.resize((count + BlockBytes - 1) / BlockBytes * BlockBytes);
                if (!readBlocks(m_window.data(), first / BlockBytes, count))
                    break;
                m_window.resize(count);
                m_windowStart = first;
            }
        }
        if (done < wanted)
            setErrorString(QStringLiteral("The disc image cannot be read"));
        return done > 0 || wanted <= 0 ? done : -1;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    // Reads the blocks from the block given on that hold `bytes` bytes of the
    // file; the last block may end beyond the end of a truncated image.
    bool readBlocks(char *to, qint64 firstBlock, qint64 bytes)
    {
        const long blocks = long((bytes + BlockBytes - 1) / BlockBytes);
        return iso9660_iso_seek_read(m_iso.get(), to, lsn_t(m_lsn + firstBlock), blocks) >= bytes;
    }

    std::shared_ptr<_iso9660_s> m_iso;
    quint32 m_lsn;
    qint64 m_size;
    QByteArray m_window;
    qint64 m_windowStart = -1; // where in the file the window starts; -1: empty
};
}

DiscImage::DiscImage(const QString &imageFile)
{
    quietLibrary();
    const auto status = NativeFs::status(imageFile);
    if (!status || status->kind != NativeFs::Kind::File)
        return;
    m_status = *status;
    m_imageBytes = status->size;
    m_root.isFolder = true;
    if (iso9660_t *iso = iso9660_open_ext(NativeFs::encodeName(imageFile).constData(), ISO_EXTENSION_ALL))
        m_iso = Handle(iso, iso9660_close);
}

DiscImage::~DiscImage() = default;

bool DiscImage::isCurrent(const NativeFs::Status &status) const
{
    return status.size == m_status.size && status.modifiedNs == m_status.modifiedNs;
}

std::optional<DiscImage::Entry> DiscImage::find(const QStringList &components) const
{
    return lookUp(components, nullptr);
}

std::optional<QStringList> DiscImage::fileNames(const QStringList &folder) const
{
    QByteArray path;
    const auto entry = lookUp(folder, &path);
    const Folder *listing = entry && entry->isFolder ? folderAt(path) : nullptr;
    if (!listing)
        return std::nullopt;
    QStringList names;
    for (const Entry &file : listing->entries) {
        if (!file.isFolder)
            names.append(file.name);
    }
    return names;
}

std::unique_ptr<QIODevice> DiscImage::open(const Entry &file) const
{
    if (!m_iso || file.isFolder)
        return nullptr;
    return std::make_unique<DiscFile>(m_iso, file.lsn, file.size);
}

std::optional<DiscImage::Entry> DiscImage::lookUp(
    const QStringList &components, QByteArray *libraryPath) const
{
    if (!m_iso || !folderAt("/"))
        return std::nullopt;
    Entry entry = m_root;
    QByteArray path("/");
    for (const QString &component : components) {
        const Folder *folder = entry.isFolder ? folderAt(path) : nullptr;
        if (!folder)
            return std::nullopt;
        qsizetype index = folder->exact.value(component, -1);
        if (index < 0)
            index = folder->folded.value(NativeFs::caseFolded(component), -1);
        if (index < 0)
            return std::nullopt;
        entry = folder->entries.at(index);
        path += entry.libraryName + '/';
    }
    if (libraryPath)
        *libraryPath = path;
    return entry;
}

const DiscImage::Folder *DiscImage::folderAt(const QByteArray &libraryPath) const
{
    const auto cached = m_folders.constFind(libraryPath);
    if (cached != m_folders.cend())
        return cached->get();

    // An unreadable folder is remembered as such.
    m_folders.insert(libraryPath, nullptr);
    CdioList_t *list = iso9660_ifs_readdir(m_iso.get(), libraryPath.constData());
    if (!list)
        return nullptr;
    auto folder = std::make_shared<Folder>();
    for (CdioListNode_t *node = _cdio_list_begin(list); node; node = _cdio_list_node_next(node)) {
        const auto *stat = static_cast<const iso9660_stat_t *>(_cdio_list_node_data(node));
        const QByteArray name(stat->filename);
        if (name.isEmpty() || name == "." || name == "..")
            continue;
        Entry entry;
        entry.libraryName = name;
        entry.name = NativeFs::decodeName(withoutVersion(name));
        entry.isFolder = stat->type == iso9660_stat_s::_STAT_DIR;
        entry.lsn = stat->lsn;
        entry.size = stat->size;
        // A file or folder whose blocks lie beyond the end of a truncated image
        // is not on this disc (and the library is never asked to read them).
        if (qint64(entry.lsn) * BlockBytes + entry.size > m_imageBytes)
            continue;
        folder->entries.append(entry);
    }
    iso9660_filelist_free(list);

    std::sort(folder->entries.begin(), folder->entries.end(),
        [](const Entry &a, const Entry &b) { return a.name < b.name; });
    for (qsizetype i = 0; i < folder->entries.size(); ++i) {
        const QString &name = folder->entries.at(i).name;
        if (!folder->exact.contains(name))
            folder->exact.insert(name, i);
        const QString folded = NativeFs::caseFolded(name);
        if (!folder->folded.contains(folded))
            folder->folded.insert(folded, i);
    }
    m_folders.insert(libraryPath, folder);
    return folder.get();
}
