#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;
class Rng;

// Drawing shared by the photographs, pages, artwork and movie frames: a
// stylised car seen from the side and the settings it stands in.
namespace Scene {

enum class Era { Fifties, Sixties, Modern };

QFont font(int pixelSize, bool bold = false, bool serif = false, bool italic = false);

// Sky, hills and a road; the road's top edge is returned (in pixels).
qreal drawOutdoors(QPainter &painter, const QRectF &area, Rng &rng, qreal dusk);
// A photographer's backdrop and floor, as for collectables shot indoors.
void drawStudio(QPainter &painter, const QRectF &area, const QColor &tint);
// The car fills the width of box and stands on its bottom edge.
void drawCar(QPainter &painter, const QRectF &box, const QColor &body, Era era);
// A dark band across the bottom of area with lines of text, the first large.
void drawCaption(QPainter &painter, const QRectF &area, const QStringList &lines);

Era eraOf(const QString &label);

} // namespace Scene
