#include "aboutartwork.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
// A mountain range across the picture: a ridge of a few summed waves
// between the heights (fractions of the picture) given.
QPolygonF ridge(const QRectF &r, qreal base, qreal amplitude, qreal seed)
{
    QPolygonF range;
    range << QPointF(r.left(), r.bottom());
    for (int i = 0; i <= 64; ++i) {
        const qreal x = i / 64.0;
        const qreal wave = std::sin(x * 9 + seed) * 0.5 + std::sin(x * 23 + seed * 3) * 0.25
            + std::sin(x * 5 + seed * 7) * 0.6;
        range << QPointF(r.left() + x * r.width(), r.top() + r.height() * (base - amplitude * wave));
    }
    range << QPointF(r.right(), r.bottom());
    return range;
}

void paintLandscape(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.6));
    sky.setColorAt(0.0, QColor(70, 120, 200));
    sky.setColorAt(1.0, QColor(200, 225, 245));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);

    const QPolygonF far = ridge(r, 0.36, 0.12, 1.3);
    p.setBrush(QColor(120, 135, 170));
    p.drawPolygon(far);
    // Snow on the far summits: the same range, clipped to its top band.
    p.save();
    p.setClipRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.30));
    p.setBrush(QColor(245, 248, 252));
    p.drawPolygon(far);
    p.restore();

    p.setBrush(QColor(70, 110, 80));
    p.drawPolygon(ridge(r, 0.50, 0.08, 4.1));
    QLinearGradient slope(QPointF(r.left(), r.top() + r.height() * 0.55), r.bottomLeft());
    slope.setColorAt(0.0, QColor(90, 140, 70));
    slope.setColorAt(1.0, QColor(50, 95, 45));
    p.setBrush(slope);
    p.drawPolygon(ridge(r, 0.64, 0.04, 2.2));

    // Pines along the slope.
    p.setBrush(QColor(30, 70, 40));
    for (int i = 0; i < 14; ++i) {
        const qreal x = r.left() + r.width() * (0.03 + i * 0.071 + 0.02 * std::sin(i * 2.7));
        const qreal foot = r.top() + r.height() * (0.66 + 0.03 * std::sin(i * 1.9));
        const qreal h = r.height() * (0.10 + 0.03 * std::cos(i * 3.1));
        p.drawPolygon(
            QPolygonF({ QPointF(x, foot - h), QPointF(x + h * 0.28, foot), QPointF(x - h * 0.28, foot) }));
    }
}

// The road winds up from the front of the picture into the mountains.
void paintRoad(QPainter &p, const QRectF &r)
{
    QPainterPath road;
    road.moveTo(r.left() - r.width() * 0.05, r.top() + r.height() * 0.90);
    road.cubicTo(QPointF(r.left() + r.width() * 0.45, r.top() + r.height() * 0.95),
        QPointF(r.left() + r.width() * 0.80, r.top() + r.height() * 0.70),
        QPointF(r.left() + r.width() * 0.62, r.top() + r.height() * 0.60));
    road.cubicTo(QPointF(r.left() + r.width() * 0.50, r.top() + r.height() * 0.55),
        QPointF(r.left() + r.width() * 0.70, r.top() + r.height() * 0.50),
        QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.47));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(95, 90, 85), r.height() * 0.10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(road);
    p.setPen(QPen(QColor(240, 220, 120), r.height() * 0.008, Qt::DashLine, Qt::FlatCap));
    p.drawPath(road);
}

// A low open two-seater with its top down, seen from the side.
void paintOpenCar(QPainter &p, const QRectF &box)
{
    const auto at = [&](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath body;
    body.moveTo(at(0.02, 0.70));
    body.cubicTo(at(0.02, 0.52), at(0.10, 0.46), at(0.22, 0.45));
    body.lineTo(at(0.40, 0.44));
    body.lineTo(at(0.44, 0.50)); // the cockpit opening
    body.lineTo(at(0.70, 0.50));
    body.lineTo(at(0.74, 0.42));
    body.cubicTo(at(0.88, 0.42), at(0.98, 0.48), at(0.99, 0.62));
    body.lineTo(at(0.97, 0.76));
    body.lineTo(at(0.04, 0.78));
    body.closeSubpath();

    // Two occupants and the windscreen behind the bonnet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(at(0.50, 0.30), box.width() * 0.028, box.height() * 0.11);
    p.drawEllipse(at(0.60, 0.32), box.width() * 0.026, box.height() * 0.10);
    p.setBrush(QColor(40, 50, 90));
    p.drawRect(QRectF(at(0.47, 0.38), at(0.63, 0.52)));
    p.setPen(QPen(QColor(210, 215, 225), box.height() * 0.03));
    p.setBrush(QColor(180, 210, 235, 120));
    p.drawPolygon(QPolygonF({ at(0.40, 0.45), at(0.45, 0.22), at(0.47, 0.22), at(0.44, 0.46) }));

    QLinearGradient paint(at(0, 0.4), at(0, 0.78));
    paint.setColorAt(0.0, QColor(230, 60, 50));
    paint.setColorAt(1.0, QColor(120, 15, 20));
    p.setPen(QPen(QColor(40, 15, 15), box.height() * 0.015));
    p.setBrush(paint);
    p.drawPath(body);
    p.setPen(QPen(QColor(235, 235, 240), box.height() * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.08, 0.58), at(0.94, 0.56));

    for (qreal x : { 0.20, 0.82 }) {
        const QPointF c = at(x, 0.78);
        const qreal radius = box.height() * 0.20;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(15, 15, 18));
        p.drawEllipse(c, radius, radius);
        p.setBrush(QColor(200, 205, 215));
        p.drawEllipse(c, radius * 0.55, radius * 0.55);
    }
}
} // namespace

QImage aboutIllustration(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    paintLandscape(p, r);
    paintRoad(p, r);
    paintOpenCar(p, QRectF(r.width() * 0.18, r.height() * 0.66, r.width() * 0.34, r.height() * 0.26));
    return image;
}

QImage aboutEmblem(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    QLinearGradient paint(r.topLeft(), r.bottomLeft());
    paint.setColorAt(0.0, QColor(200, 40, 40));
    paint.setColorAt(1.0, QColor(90, 10, 15));
    p.fillRect(r, paint);

    // The grille: a chrome frame with horizontal bars, a headlamp each side.
    const QRectF grille
        = r.adjusted(r.width() * 0.22, r.height() * 0.38, -r.width() * 0.22, -r.height() * 0.12);
    QLinearGradient chrome(grille.topLeft(), grille.bottomLeft());
    chrome.setColorAt(0.0, QColor(250, 250, 252));
    chrome.setColorAt(0.5, QColor(150, 155, 165));
    chrome.setColorAt(1.0, QColor(235, 238, 242));
    p.setPen(QPen(QBrush(chrome), r.height() * 0.05));
    p.setBrush(QColor(25, 25, 30));
    p.drawRoundedRect(grille, r.height() * 0.08, r.height() * 0.08);
    p.setPen(QPen(QBrush(chrome), r.height() * 0.02));
    for (int i = 1; i < 5; ++i) {
        const qreal y = grille.top() + grille.height() * i / 5.0;
        p.drawLine(QPointF(grille.left() + 3, y), QPointF(grille.right() - 3, y));
    }
    for (qreal x : { r.width() * 0.11, r.width() * 0.89 }) {
        QRadialGradient lamp(QPointF(x, r.height() * 0.62), r.height() * 0.14);
        lamp.setColorAt(0.0, QColor(255, 255, 235));
        lamp.setColorAt(1.0, QColor(170, 175, 185));
        p.setPen(QPen(QColor(220, 222, 228), 2));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(x, r.height() * 0.62), r.height() * 0.13, r.height() * 0.13);
    }

    // The emblem above the grille: a gold crest with the line's initial.
    const QPointF centre(r.center().x(), r.height() * 0.22);
    const qreal radius = r.height() * 0.17;
    QRadialGradient gold(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    gold.setColorAt(0.0, QColor(255, 235, 150));
    gold.setColorAt(1.0, QColor(170, 120, 30));
    p.setPen(QPen(QColor(120, 80, 20), 1.5));
    p.setBrush(gold);
    p.drawEllipse(centre, radius, radius);
    QFont initial(QStringLiteral("serif"));
    initial.setBold(true);
    initial.setPixelSize(int(radius * 1.3));
    p.setFont(initial);
    p.setPen(QColor(110, 20, 20));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2), Qt::AlignCenter,
        QStringLiteral("V"));
    return image;
}
