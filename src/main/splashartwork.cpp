#include "splashartwork.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
void paintSky(QPainter &p, const QRectF &r, qreal horizon)
{
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), horizon));
    sky.setColorAt(0.0, QColor(18, 32, 72));
    sky.setColorAt(0.55, QColor(180, 90, 110));
    sky.setColorAt(1.0, QColor(250, 180, 90));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), sky);

    const QPointF sunCentre(r.left() + r.width() * 0.72, horizon);
    QRadialGradient sun(sunCentre, r.height() * 0.22);
    sun.setColorAt(0.0, QColor(255, 240, 190));
    sun.setColorAt(0.35, QColor(255, 200, 110, 200));
    sun.setColorAt(1.0, QColor(255, 160, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(sunCentre, r.height() * 0.22, r.height() * 0.22);
}

void paintRoad(QPainter &p, const QRectF &r, qreal horizon)
{
    QLinearGradient ground(QPointF(r.left(), horizon), r.bottomLeft());
    ground.setColorAt(0.0, QColor(70, 60, 70));
    ground.setColorAt(1.0, QColor(25, 22, 30));
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon), ground);

    const qreal vanish = r.left() + r.width() * 0.5;
    QPolygonF road;
    road << QPointF(vanish - 4, horizon) << QPointF(vanish + 4, horizon)
         << QPointF(r.right() - r.width() * 0.05, r.bottom()) << QPointF(r.left() + r.width() * 0.05, r.bottom());
    p.setBrush(QColor(48, 46, 52));
    p.drawPolygon(road);

    // Centre line dashes, longer as they come nearer.
    p.setBrush(QColor(235, 210, 120));
    for (int i = 0; i < 8; ++i) {
        const qreal t0 = std::pow((i + 0.2) / 8.0, 2.0), t1 = std::pow((i + 0.55) / 8.0, 2.0);
        const qreal y0 = horizon + (r.bottom() - horizon) * t0, y1 = horizon + (r.bottom() - horizon) * t1;
        const qreal w0 = 1 + 10 * t0, w1 = 1 + 10 * t1;
        QPolygonF dash;
        dash << QPointF(vanish - w0 / 2, y0) << QPointF(vanish + w0 / 2, y0) << QPointF(vanish + w1 / 2, y1)
             << QPointF(vanish - w1 / 2, y1);
        p.drawPolygon(dash);
    }
}

// A long, low two-tone hardtop with tail fins, seen from the side.
void paintCar(QPainter &p, const QRectF &box)
{
    const auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * box.width(), box.top() + y * box.height()); };

    QPainterPath body;
    body.moveTo(at(0.02, 0.62));
    body.cubicTo(at(0.02, 0.48), at(0.08, 0.44), at(0.18, 0.43));
    body.lineTo(at(0.33, 0.40));
    body.cubicTo(at(0.38, 0.20), at(0.44, 0.16), at(0.52, 0.16));
    body.lineTo(at(0.66, 0.17));
    body.cubicTo(at(0.72, 0.18), at(0.75, 0.30), at(0.78, 0.38));
    body.lineTo(at(0.95, 0.30)); // the fin
    body.lineTo(at(0.98, 0.45));
    body.cubicTo(at(0.99, 0.55), at(0.98, 0.66), at(0.95, 0.70));
    body.lineTo(at(0.05, 0.72));
    body.closeSubpath();

    QLinearGradient paint(at(0, 0.15), at(0, 0.72));
    paint.setColorAt(0.0, QColor(250, 245, 235));
    paint.setColorAt(0.45, QColor(240, 232, 220));
    paint.setColorAt(0.46, QColor(170, 30, 45));
    paint.setColorAt(1.0, QColor(90, 10, 25));
    p.setPen(QPen(QColor(30, 20, 25), box.height() * 0.012));
    p.setBrush(paint);
    p.drawPath(body);

    // Windows.
    QPainterPath glass;
    glass.moveTo(at(0.37, 0.40));
    glass.cubicTo(at(0.41, 0.24), at(0.45, 0.21), at(0.52, 0.21));
    glass.lineTo(at(0.65, 0.22));
    glass.cubicTo(at(0.69, 0.24), at(0.71, 0.32), at(0.73, 0.39));
    glass.closeSubpath();
    QLinearGradient sheen(at(0.4, 0.2), at(0.7, 0.4));
    sheen.setColorAt(0.0, QColor(150, 180, 210));
    sheen.setColorAt(1.0, QColor(60, 80, 120));
    p.setBrush(sheen);
    p.drawPath(glass);
    p.drawLine(at(0.555, 0.21), at(0.555, 0.40));

    // Chrome spear along the side.
    p.setPen(QPen(QColor(235, 235, 240), box.height() * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.10, 0.52), at(0.90, 0.47));

    // Wheels with whitewalls.
    for (qreal x : { 0.20, 0.80 }) {
        const QPointF c = at(x, 0.72);
        const qreal rOuter = box.height() * 0.17;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(15, 15, 18));
        p.drawEllipse(c, rOuter, rOuter);
        p.setBrush(QColor(240, 240, 235));
        p.drawEllipse(c, rOuter * 0.7, rOuter * 0.7);
        p.setBrush(QColor(180, 185, 195));
        p.drawEllipse(c, rOuter * 0.45, rOuter * 0.45);
    }
}
}

QImage splashArtwork(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    const qreal horizon = r.height() * 0.58;
    paintSky(p, r, horizon);
    paintRoad(p, r, horizon);
    paintCar(p, QRectF(r.width() * 0.18, r.height() * 0.50, r.width() * 0.64, r.height() * 0.36));
    return image;
}

QImage splashTitleBand(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));

    QLinearGradient band(r.topLeft(), r.bottomLeft());
    band.setColorAt(0.0, QColor(10, 20, 50, 170));
    band.setColorAt(1.0, QColor(10, 20, 50, 90));
    p.fillRect(r, band);

    QFont title(QStringLiteral("serif"));
    title.setItalic(true);
    title.setBold(true);
    title.setPixelSize(int(r.height() * 0.55));
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(r.translated(2, 2), Qt::AlignCenter, QStringLiteral("The Vireon Anthology"));
    p.setPen(QColor(255, 236, 190));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("The Vireon Anthology"));
    return image;
}
