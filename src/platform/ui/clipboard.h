#pragma once

#include <QImage>

// Replaces whatever the clipboard holds by the picture, as a bitmap other
// programs can paste.
void placeOnClipboard(const QImage &picture);
