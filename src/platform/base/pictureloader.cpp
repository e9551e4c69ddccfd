#include "pictureloader.h"

#include "mediafs.h"

#include <QImageReader>

namespace {
// Larger than any page or photograph of the anthology (a 2500 x 3300 scan
// takes 33 MB), small enough that a hostile header cannot exhaust memory.
constexpr int AllocationLimitMb = 256;
}

QImage loadPicture(const MediaFs &fs, const QString &mediaPath, QSize size)
{
    const auto file = fs.resolve(mediaPath);
    if (!file)
        return {};
    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(*file);
    reader.setAutoTransform(true);
    if (size.isValid() && !size.isEmpty()) {
        reader.setQuality(90); // smooth scaling after the decoder's own reduction
        const QSize natural = reader.size();
        reader.setScaledSize(natural.isValid() ? natural.scaled(size, Qt::KeepAspectRatio) : size);
    }
    return reader.read();
}
