#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class MediaFs;

// Decodes the picture file at a media path (a folder or a disc image). With a
// size, the picture is decoded straight to the largest size that fits inside
// it keeping its proportions (a JPEG is scaled while it is decoded, which is
// much faster than decoding it whole). A missing, truncated or corrupt file, a
// JPEG that ends before its end-of-image marker and a picture declaring more
// than 40 megapixels give a null image, never a crash and never a picture grey
// below the damage.
QImage loadPicture(const MediaFs &fs, const QString &mediaPath, QSize size = QSize());
