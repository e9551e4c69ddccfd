#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class MediaFs;

// Decodes the picture file at a media path. With a size, the picture is
// decoded straight to the largest size that fits inside it keeping its
// proportions (a JPEG is scaled while it is decoded, which is much faster
// than decoding it whole). A missing, truncated, corrupt or
// absurdly large file gives a null image, never a crash.
QImage loadPicture(const MediaFs &fs, const QString &mediaPath, QSize size = QSize());
