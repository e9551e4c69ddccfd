#include "filechunks.h"

#include <QFileDevice>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <unistd.h>
#endif

std::optional<qint64> copyChunkInSystem(QIODevice &in, QIODevice &out, qint64 count)
{
#ifdef Q_OS_LINUX
    auto *source = qobject_cast<QFileDevice *>(&in);
    auto *target = qobject_cast<QFileDevice *>(&out);
    // A source that reads ahead into a buffer has moved its file offset past
    // its position; a target's buffered bytes must reach the file first.
    if (!source || !target || source->handle() < 0 || target->handle() < 0
        || !source->openMode().testFlag(QIODevice::Unbuffered) || !target->flush())
        return std::nullopt;
    qint64 moved = 0;
    while (moved < count) {
        const ssize_t done = ::copy_file_range(source->handle(), nullptr, target->handle(), nullptr, size_t(count - moved), 0);
        if (done < 0) {
            // Not between these two files (another filesystem on an older system, a pipe): nothing moved yet.
            if (moved == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF))
                return std::nullopt;
            return -1;
        }
        if (done == 0)
            break;
        moved += done;
    }
    return moved;
#else
    Q_UNUSED(in)
    Q_UNUSED(out)
    Q_UNUSED(count)
    return std::nullopt;
#endif
}
