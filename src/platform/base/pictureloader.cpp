#include "pictureloader.h"

#include "mediafs.h"

#include <QBuffer>
#include <QImageReader>

#include <cstring>

namespace {
// Larger than any page or photograph of the anthology (a 2500 x 3300 scan
// takes 33 MB), small enough that a hostile header cannot exhaust memory.
constexpr int AllocationLimitMb = 256;

// The size a picture may declare: about five times the largest scan of the
// disc (a 2500 x 3300 brochure page is 8.25 megapixels) and above an A4 page
// scanned at 600 dpi (34.8 megapixels). The allocation limit covers only the
// picture handed out; a progressive JPEG decoded to a smaller size still
// holds every coefficient of the whole picture (up to 6 bytes a pixel), so
// the declared size is what bounds memory: here 240 MB at worst.
constexpr qint64 PixelBudget = 40'000'000;

// JPEG markers that stand alone, without a length: TEM, RST0..7, SOI, EOI.
bool isStandaloneMarker(uchar marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9);
}

// Whether a JPEG stream reaches its end-of-image marker. The decoder pads a
// stream cut short and hands out a picture grey below the cut, reporting the
// damage only as a warning; a stream that ends before its EOI is damaged.
// The segments are walked by their lengths (so a thumbnail inside the Exif
// data is skipped whole) and the coded data between them scanned for the
// next marker.
bool reachesEndOfImage(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 2; // after SOI
    bool inCodedData = false;
    while (i + 1 < size) {
        if (data[i] != 0xFF) {
            if (!inCodedData)
                return false; // a segment must follow where the one before ended
            const void *next = std::memchr(data + i, 0xFF, size_t(size - i));
            if (!next)
                return false;
            i = static_cast<const uchar *>(next) - data;
            continue;
        }
        const uchar marker = data[i + 1];
        if (marker == 0xD9)
            return true;
        if (marker == 0xFF || (inCodedData && (marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7)))) {
            i += marker == 0xFF ? 1 : 2; // fill byte, stuffed 0xFF, restart marker
            continue;
        }
        if (isStandaloneMarker(marker)) {
            i += 2;
            continue;
        }
        if (i + 3 >= size)
            return false;
        const qsizetype length = (qsizetype(data[i + 2]) << 8) | data[i + 3];
        if (length < 2)
            return false;
        i += 2 + length;
        inCodedData = marker == 0xDA; // SOS: coded data follows the scan header
    }
    return false;
}

bool isJpeg(QIODevice &device)
{
    return device.peek(3) == QByteArrayView("\xFF\xD8\xFF");
}

// A JPEG is checked and decoded in memory. One within the pixel budget takes
// a few megabytes; this is far above that and keeps memory bounded.
constexpr qint64 MaxJpegBytes = 64 * 1024 * 1024;
}

QImage loadPicture(const MediaFs &fs, const QString &mediaPath, QSize size)
{
    const auto device = fs.open(mediaPath);
    if (!device)
        return {};
    QIODevice *source = device.get();
    QBuffer jpeg;
    if (isJpeg(*device)) {
        if (device->size() > MaxJpegBytes)
            return {};
        jpeg.setData(device->readAll());
        if (jpeg.size() != device->size() || !reachesEndOfImage(jpeg.data()))
            return {};
        jpeg.open(QIODevice::ReadOnly);
        source = &jpeg;
    }
    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() > PixelBudget)
        return {};
    if (size.isValid() && !size.isEmpty()) {
        reader.setQuality(90); // smooth scaling after the decoder's own reduction
        const QSize natural = reader.size();
        reader.setScaledSize(natural.isValid() ? natural.scaled(size, Qt::KeepAspectRatio) : size);
    }
    return reader.read();
}
