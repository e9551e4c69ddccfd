#include "scene.h"

#include "rng.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Scene {

QFont font(int pixelSize, bool bold, bool serif, bool italic)
{
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

qreal drawOutdoors(QPainter &painter, const QRectF &area, Rng &rng, qreal dusk)
{
    const qreal horizon = area.top() + area.height() * rng.range(0.48, 0.58);
    QLinearGradient sky(area.topLeft(), QPointF(area.left(), horizon));
    sky.setColorAt(0, QColor::fromHsvF(0.60 - 0.05 * dusk, 0.75 - 0.3 * dusk, 0.85 - 0.35 * dusk));
    sky.setColorAt(1, QColor::fromHsvF(0.08 + 0.47 * (1 - dusk), 0.25 + 0.4 * dusk, 1.0));
    // The whole area first: later edges fall between pixels and blend with what lies beneath.
    painter.fillRect(area, sky);

    const qreal sunX = area.left() + area.width() * rng.range(0.1, 0.9);
    const QPointF sun(sunX, horizon - area.height() * rng.range(0.1, 0.35));
    QRadialGradient glow(sun, area.height() * 0.12);
    glow.setColorAt(0, QColor(255, 250, 220));
    glow.setColorAt(0.3, QColor(255, 240, 190, 200));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(sun, area.height() * 0.12, area.height() * 0.12);

    // Two ranges of rolling hills, the farther one paler.
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hills(QPointF(area.left(), horizon));
        const int bumps = 4 + rng.below(4);
        for (int i = 0; i <= bumps; ++i) {
            const qreal x = area.left() + area.width() * i / bumps;
            const qreal h = area.height() * rng.range(0.03, 0.12) / (layer + 1);
            hills.quadTo(QPointF(x - area.width() / bumps / 2, horizon - 2 * h), QPointF(x, horizon - h * 0.3));
        }
        hills.lineTo(area.right(), horizon);
        hills.closeSubpath();
        painter.setBrush(QColor::fromHsvF(0.30, 0.35 + 0.2 * layer, 0.55 - 0.15 * layer - 0.2 * dusk));
        painter.drawPath(hills);
    }

    // Grass, then a road with a dashed centre line.
    painter.fillRect(QRectF(QPointF(area.left(), horizon), area.bottomRight()),
                     QColor::fromHsvF(0.27, 0.5, 0.5 - 0.2 * dusk));
    const qreal roadTop = horizon + (area.bottom() - horizon) * 0.35;
    QLinearGradient asphalt(QPointF(0, roadTop), QPointF(0, area.bottom()));
    asphalt.setColorAt(0, QColor(95, 95, 100));
    asphalt.setColorAt(1, QColor(55, 55, 60));
    painter.fillRect(QRectF(QPointF(area.left(), roadTop), area.bottomRight()), asphalt);
    painter.setBrush(QColor(235, 225, 160));
    const qreal lineY = roadTop + (area.bottom() - roadTop) * 0.55;
    for (qreal x = area.left(); x < area.right(); x += area.width() / 8)
        painter.drawRect(QRectF(x, lineY, area.width() / 16, area.height() * 0.008));
    return roadTop;
}

void drawStudio(QPainter &painter, const QRectF &area, const QColor &tint)
{
    const qreal floor = area.top() + area.height() * 0.62;
    QLinearGradient wall(area.topLeft(), QPointF(area.left(), floor));
    wall.setColorAt(0, tint.darker(260));
    wall.setColorAt(1, tint.lighter(140));
    painter.fillRect(QRectF(area.topLeft(), QPointF(area.right(), floor)), wall);
    QLinearGradient ground(QPointF(0, floor), area.bottomLeft());
    ground.setColorAt(0, QColor(200, 195, 185));
    ground.setColorAt(1, QColor(120, 115, 110));
    painter.fillRect(QRectF(QPointF(area.left(), floor), area.bottomRight()), ground);
    QRadialGradient spot(QPointF(area.center().x(), floor), area.width() * 0.45);
    spot.setColorAt(0, QColor(255, 255, 255, 110));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(area, spot);
}

void drawCar(QPainter &painter, const QRectF &box, const QColor &body, Era era)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal x = box.left();
    const qreal ground = box.bottom();
    const qreal wheelR = h * 0.2;
    const qreal sill = ground - wheelR * 0.9;
    const qreal beltLine = ground - h * 0.55;
    const qreal roof = ground - h * (era == Era::Modern ? 0.95 : 0.9);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Shadow on the ground.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(QRectF(x - w * 0.02, ground - h * 0.06, w * 1.04, h * 0.12));

    // Lower body, with tail fins in the fifties and a wedge later on.
    QPainterPath lower;
    lower.moveTo(x, sill);
    lower.lineTo(x, beltLine + h * 0.08);
    lower.quadTo(x + w * 0.02, beltLine, x + w * 0.12, beltLine);
    if (era == Era::Fifties) {
        lower.lineTo(x + w * 0.85, beltLine);
        lower.lineTo(x + w * 0.97, beltLine - h * 0.12);
        lower.lineTo(x + w, beltLine + h * 0.05);
    } else if (era == Era::Sixties) {
        lower.lineTo(x + w * 0.96, beltLine - h * 0.02);
        lower.lineTo(x + w, beltLine + h * 0.08);
    } else {
        lower.cubicTo(x + w * 0.5, beltLine - h * 0.06, x + w * 0.9, beltLine - h * 0.04, x + w, beltLine + h * 0.1);
    }
    lower.lineTo(x + w, sill);
    lower.closeSubpath();

    // Cabin: windscreen raked back, roof, rear window.
    QPainterPath cabin;
    cabin.moveTo(x + w * 0.30, beltLine);
    cabin.lineTo(x + w * 0.40, roof);
    cabin.lineTo(x + w * (era == Era::Modern ? 0.66 : 0.70), roof);
    cabin.lineTo(x + w * (era == Era::Modern ? 0.84 : 0.80), beltLine);
    cabin.closeSubpath();

    QLinearGradient paint(QPointF(0, roof), QPointF(0, sill));
    paint.setColorAt(0, body.lighter(150));
    paint.setColorAt(0.45, body);
    paint.setColorAt(1, body.darker(170));
    painter.setBrush(paint);
    painter.setPen(QPen(body.darker(220), qMax<qreal>(1, w / 300)));
    painter.drawPath(cabin);
    painter.drawPath(lower);

    // Windows.
    painter.setBrush(QColor(170, 200, 225));
    painter.setPen(Qt::NoPen);
    const qreal inset = h * 0.05;
    QPolygonF glass;
    glass << QPointF(x + w * 0.33, beltLine - inset * 0.2) << QPointF(x + w * 0.41, roof + inset)
          << QPointF(x + w * 0.54, roof + inset) << QPointF(x + w * 0.54, beltLine - inset * 0.2);
    painter.drawPolygon(glass);
    QPolygonF rear;
    rear << QPointF(x + w * 0.56, beltLine - inset * 0.2) << QPointF(x + w * 0.56, roof + inset)
         << QPointF(x + w * (era == Era::Modern ? 0.65 : 0.69), roof + inset)
         << QPointF(x + w * (era == Era::Modern ? 0.80 : 0.77), beltLine - inset * 0.2);
    painter.drawPolygon(rear);

    // Chrome: a side spear, bumpers and the lights.
    painter.setPen(QPen(QColor(235, 235, 240), qMax<qreal>(1, h * 0.025)));
    painter.drawLine(QPointF(x + w * 0.08, beltLine + h * 0.12), QPointF(x + w * 0.92, beltLine + h * 0.12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 210, 215));
    painter.drawRoundedRect(QRectF(x - w * 0.015, sill - h * 0.08, w * 0.05, h * 0.08), 3, 3);
    painter.drawRoundedRect(QRectF(x + w * 0.965, sill - h * 0.08, w * 0.05, h * 0.08), 3, 3);
    painter.setBrush(QColor(255, 245, 200));
    painter.drawEllipse(QRectF(x + w * 0.005, beltLine + h * 0.02, w * 0.03, h * 0.09));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawRect(QRectF(x + w * 0.975, beltLine + h * 0.03, w * 0.02, h * 0.08));

    // Wheels with white walls and hub caps.
    for (qreal cx : { x + w * 0.2, x + w * 0.8 }) {
        const QPointF c(cx, ground - wheelR);
        painter.setBrush(QColor(25, 25, 25));
        painter.drawEllipse(c, wheelR, wheelR);
        painter.setBrush(era == Era::Modern ? QColor(60, 60, 60) : QColor(240, 240, 235));
        painter.drawEllipse(c, wheelR * 0.72, wheelR * 0.72);
        painter.setBrush(QColor(30, 30, 30));
        painter.drawEllipse(c, wheelR * 0.58, wheelR * 0.58);
        QRadialGradient hub(c - QPointF(wheelR * 0.15, wheelR * 0.15), wheelR * 0.5);
        hub.setColorAt(0, Qt::white);
        hub.setColorAt(1, QColor(130, 130, 140));
        painter.setBrush(hub);
        painter.drawEllipse(c, wheelR * 0.45, wheelR * 0.45);
    }
    painter.restore();
}

void drawCaption(QPainter &painter, const QRectF &area, const QStringList &lines)
{
    const qreal big = area.height() * 0.065;
    const qreal small = area.height() * 0.032;
    const qreal bandHeight = big * 1.5 + small * 1.5 * (lines.size() - 1) + small;
    const QRectF band(area.left(), area.bottom() - bandHeight, area.width(), bandHeight);
    painter.fillRect(band, QColor(0, 0, 0, 150));
    painter.setPen(Qt::white);
    qreal y = band.top() + small * 0.5;
    for (int i = 0; i < lines.size(); ++i) {
        const qreal size = i == 0 ? big : small;
        QFont f = font(int(size), i == 0);
        // Long category titles shrink until they fit the band.
        while (f.pixelSize() > 8 && QFontMetricsF(f).horizontalAdvance(lines.at(i)) > band.width() - size)
            f.setPixelSize(f.pixelSize() - 1);
        painter.setFont(f);
        painter.drawText(QRectF(band.left() + size * 0.5, y, band.width() - size, size * 1.4),
                         Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
        y += size * 1.5;
    }
}

Era eraOf(const QString &label)
{
    if (label.startsWith(u"20"))
        return Era::Modern;
    if (label.startsWith(u"196"))
        return Era::Sixties;
    return Era::Fifties;
}

} // namespace Scene
