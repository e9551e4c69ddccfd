#include "nativefs.h"

#include <QStringDecoder>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char16_t FirstRawByte = 0xDC80;
constexpr char16_t LastRawByte = 0xDCFF;

bool isContinuation(uchar c)
{
    return c >= 0x80 && c <= 0xBF;
}

// The length of the well-formed UTF-8 character at the start of the bytes, or
// 0 when they do not start one (the table of well-formed sequences of the
// Unicode standard: no overlong forms, no surrogates, nothing above U+10FFFF).
qsizetype characterLength(QByteArrayView bytes)
{
    const auto at = [&](qsizetype i) { return uchar(bytes[i]); };
    const uchar lead = at(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (!isContinuation(at(i)))
            return 0;
    }
    return length;
}

// A kept byte is a low surrogate of the range on its own; the same unit after
// a high surrogate is half of a character beyond U+FFFF.
bool isRawByte(const QString &name, qsizetype i)
{
    const char16_t unit = name[i].unicode();
    return unit >= FirstRawByte && unit <= LastRawByte && (i == 0 || !name[i - 1].isHighSurrogate());
}

int statusOf(const QString &path, struct stat *info)
{
    return ::stat(NativeFs::encodeName(path).constData(), info);
}
}

namespace NativeFs {

QString decodeName(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = utf8(bytes);
    if (!utf8.hasError())
        return name;
    name.clear();
    while (!bytes.isEmpty()) {
        const qsizetype length = characterLength(bytes);
        if (length > 0)
            name += QString::fromUtf8(bytes.first(length));
        else
            name += QChar(char16_t(FirstRawByte - 0x80 + uchar(bytes[0])));
        bytes = bytes.sliced(length > 0 ? length : 1);
    }
    return name;
}

QByteArray encodeName(const QString &name)
{
    if (!hasRawBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    for (qsizetype i = 0; i < name.size();) {
        qsizetype end = i;
        while (end < name.size() && !isRawByte(name, end))
            ++end;
        bytes += QStringView(name).sliced(i, end - i).toUtf8();
        if (end < name.size())
            bytes += char(name[end++].unicode() - FirstRawByte + 0x80);
        i = end;
    }
    return bytes;
}

bool hasRawBytes(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isRawByte(name, i))
            return true;
    }
    return false;
}

QString caseFolded(const QString &name)
{
    if (!hasRawBytes(name))
        return name.toCaseFolded();
    QString folded;
    folded.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isRawByte(name, i))
            continue;
        folded += name.sliced(start, i - start).toCaseFolded();
        if (i < name.size())
            folded += name[i];
        start = i + 1;
    }
    return folded;
}

std::optional<Status> status(const QString &path)
{
    struct stat info;
    if (statusOf(path, &info) != 0)
        return std::nullopt;
    Status result;
    result.kind = S_ISREG(info.st_mode) ? Kind::File : S_ISDIR(info.st_mode) ? Kind::Folder : Kind::Other;
    result.size = info.st_size;
    result.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return result;
}

std::unique_ptr<QFile> openFile(const QString &path)
{
    // O_NONBLOCK keeps open() from waiting for the writer of a named pipe;
    // the file is checked after opening, so it cannot be swapped in between.
    const int fd = ::open(encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Unbuffered: large reads go straight to the file, and a copy can hand
    // the descriptor to the system at the file's own offset.
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

std::optional<QStringList> entryNames(const QString &folder, bool filesOnly)
{
    DIR *dir = ::opendir(encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        // The entries tell the kind of each file, so a folder of thirty
        // thousand photographs is listed without one status call per file.
        bool wanted = !filesOnly || entry->d_type == DT_REG;
        if (filesOnly && (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK)) {
            struct stat info;
            wanted = ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        if (wanted)
            names.append(decodeName(name));
    }
    ::closedir(dir);
    return names;
}

bool removeFile(const QString &path)
{
    return ::unlink(encodeName(path).constData()) == 0;
}

bool makeFolder(const QString &path)
{
    return ::mkdir(encodeName(path).constData(), 0777) == 0;
}

bool removeFolder(const QString &path)
{
    return ::rmdir(encodeName(path).constData()) == 0;
}

} // namespace NativeFs
