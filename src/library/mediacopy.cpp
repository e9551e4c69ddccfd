#include "mediacopy.h"

#include "platform/base/filechunks.h"
#include "platform/base/mediafs.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32)
            return false;
    }
    return true;
}

QString failureDescription(CopyFailure failure)
{
    switch (failure) {
    case CopyFailure::None:
    case CopyFailure::Stopped:
        break;
    case CopyFailure::FileNotFound:
        return QStringLiteral("File not found");
    case CopyFailure::BadFileName:
        return QStringLiteral("Bad file name or number");
    case CopyFailure::PathNotFound:
        return QStringLiteral("Path not found");
    case CopyFailure::AccessError:
        return QStringLiteral("Path/File access error");
    case CopyFailure::DiskFull:
        return QStringLiteral("Disk full");
    case CopyFailure::InputPastEnd:
        return QStringLiteral("Input past end of file");
    case CopyFailure::DeviceError:
    case CopyFailure::WriteError:
        return QStringLiteral("Device I/O error");
    }
    return {};
}

bool failsEveryFile(CopyFailure failure)
{
    return failure == CopyFailure::DiskFull || failure == CopyFailure::WriteError || failure == CopyFailure::PathNotFound
        || failure == CopyFailure::AccessError;
}

namespace {
constexpr qint64 IoPiece = 1 << 20;

CopyFailure writeFailure(const QIODevice &out)
{
    const auto *file = qobject_cast<const QFileDevice *>(&out);
    return file && file->error() == QFileDevice::ResourceError ? CopyFailure::DiskFull : CopyFailure::WriteError;
}

// Reads exactly count bytes into the buffer; a source that ends early is a failure.
CopyFailure readExactly(QIODevice &in, QByteArray &buffer, qint64 count)
{
    buffer.resize(count);
    qint64 done = 0;
    while (done < count) {
        const qint64 got = in.read(buffer.data() + done, count - done);
        if (got < 0)
            return CopyFailure::DeviceError;
        if (got == 0)
            return CopyFailure::InputPastEnd;
        done += got;
    }
    return CopyFailure::None;
}

// One piece of the copy: moved by the system where it can (two plain files),
// else read into the buffer and written.
CopyFailure copyPiece(QIODevice &in, QIODevice &out, QByteArray &buffer, qint64 count, bool &inSystem)
{
    if (inSystem) {
        if (const std::optional<qint64> moved = copyChunkInSystem(in, out, count)) {
            if (*moved == count)
                return CopyFailure::None;
            return *moved < 0 ? (errno == ENOSPC ? CopyFailure::DiskFull : CopyFailure::WriteError)
                              : CopyFailure::InputPastEnd;
        }
        inSystem = false;
    }
    if (const CopyFailure failure = readExactly(in, buffer, count); failure != CopyFailure::None)
        return failure;
    return out.write(buffer.constData(), count) == count ? CopyFailure::None : writeFailure(out);
}
}

CopyFailure copyInChunks(QIODevice &in, QIODevice &out, qint64 size, qint64 chunkSize, const CopySteps &steps)
{
    QByteArray buffer;
    bool inSystem = true;
    const qint64 chunks = chunkSize > 0 ? size / chunkSize : 0;
    const qint64 group = chunkSize > 0 ? qMax<qint64>(1, IoPiece / chunkSize) : 1;
    for (qint64 i = 1; i <= chunks;) {
        const qint64 count = qMin(group, chunks - i + 1);
        if (const CopyFailure failure = copyPiece(in, out, buffer, count * chunkSize, inSystem); failure != CopyFailure::None)
            return failure;
        for (const qint64 last = i + count; i < last; ++i) {
            if (steps.afterChunk)
                steps.afterChunk(i, size);
        }
        if (steps.afterPiece && !steps.afterPiece())
            return CopyFailure::Stopped;
    }
    if (steps.beforeRest)
        steps.beforeRest();
    const qint64 rest = size - chunks * chunkSize;
    return rest > 0 ? copyPiece(in, out, buffer, rest, inSystem) : CopyFailure::None;
}

CopyFailure copyMediaFile(MediaFs &fs, const QString &source, const QString &destination, qint64 chunkSize,
                          const CopySteps &steps, QFileDevice::Permissions permissions)
{
    const std::unique_ptr<QIODevice> in = fs.open(source);
    if (!in)
        return fs.exists(source) ? CopyFailure::AccessError : CopyFailure::FileNotFound;
    // The folder is matched without regard to case; the file name is taken
    // as written, so that a folder that grows file by file is not searched
    // again for every new name.
    const qsizetype cut = qMax(destination.lastIndexOf(u'\\'), destination.lastIndexOf(u'/'));
    const QString name = destination.mid(cut + 1);
    const auto folder = cut > 0 && isPlainFileName(name) ? fs.resolve(destination.left(cut)) : std::nullopt;
    if (!folder || !QFileInfo(*folder).isDir())
        return CopyFailure::PathNotFound;
    const QString target = *folder + u'/' + name;
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir())
        return CopyFailure::AccessError;

    // Unnamed until it is complete where the system allows it, so even a
    // program that is killed half-way leaves nothing behind.
    QTemporaryFile out(targetInfo.path() + u"/." + targetInfo.fileName() + u".XXXXXX");
    if (!out.open())
        return CopyFailure::AccessError;
    CopyFailure failure = copyInChunks(*in, out, in->size(), chunkSize, steps);
    if (failure == CopyFailure::None && !out.flush())
        failure = writeFailure(out);
    // The system reports a full disk as a plain write error: the volume tells.
    if (failure == CopyFailure::WriteError
        && QStorageInfo(targetInfo.path()).bytesAvailable() < qMax<qint64>(chunkSize, 65536))
        failure = CopyFailure::DiskFull;
    if (failure != CopyFailure::None)
        return failure;
    const QString written = out.fileName(); // gives the finished copy its name beside the target
    out.close();
    if (out.error() != QFileDevice::NoError)
        return writeFailure(out);
    out.setPermissions(permissions);
    // rename() replaces an existing destination in one step.
    if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) != 0)
        return CopyFailure::AccessError;
    out.setAutoRemove(false);
    return CopyFailure::None;
}
