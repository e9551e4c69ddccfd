#pragma once

#include <string_view>

#include <QByteArray>
#include <QImage>

#include "rtfstate.h"

namespace Rtf {

// A \pict group: its properties and its data, which arrives as hex digits
// (with any whitespace between them) or as \bin bytes.
struct Picture
{
    PictFormat format = PictFormat::None;
    int width = 0; // \picw: pixels, or 0.01 mm for metafiles
    int height = 0;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    QByteArray data;

    void appendHex(std::string_view digits);
    void appendBinary(QByteArrayView bytes) { data.append(bytes); }
    // The decoded bitmap; null for formats Qt cannot draw (metafiles), bad data
    // and bitmaps of more than maxPixels.
    QImage image(qint64 maxPixels) const;
    // The shown size in pixels.
    QSizeF displaySize(const QSize &imageSize) const;

private:
    int m_highNibble = -1;
};

} // namespace Rtf
