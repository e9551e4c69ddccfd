#pragma once

#include <QByteArray>

class QImage;

// MS Video-1 ('CRAM') key frames in the 16-bit form: the picture in 4x4
// blocks from the bottom row up (as Windows bitmaps are stored), each block
// one colour, two colours chosen by a 16-bit mask, or two colours for each
// of its four 2x2 quarters. Colours are 15-bit RGB.
namespace MsVideo1 {

QByteArray encode(const QImage &frame);

} // namespace MsVideo1
