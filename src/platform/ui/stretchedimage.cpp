#include "stretchedimage.h"

#include <QMouseEvent>
#include <QPainter>

StretchedImage::StretchedImage(QWidget *parent)
    : QWidget(parent)
{
}

void StretchedImage::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void StretchedImage::clear()
{
    setImage(QImage());
}

void StretchedImage::setKeepsProportions(bool keeps)
{
    m_keepsProportions = keeps;
    m_scaled = QPixmap();
    update();
}

QRect StretchedImage::pictureRect() const
{
    if (!m_keepsProportions || m_image.isNull())
        return rect();
    const QSize fitted = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void StretchedImage::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    const QRect place = pictureRect();
    // Scaled to the device pixels the place covers, so that a zoomed program
    // shows the picture as sharply as it was decoded.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(place.size()) * ratio).toSize();
    if (m_scaled.size() != pixels || m_scaled.devicePixelRatio() != ratio) {
        m_scaled = QPixmap::fromImage(m_image.size() == pixels
                                          ? m_image
                                          : m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(place.topLeft(), m_scaled);
}

void StretchedImage::resizeEvent(QResizeEvent *event)
{
    m_scaled = QPixmap();
    QWidget::resizeEvent(event);
}

void StretchedImage::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePressed(event->button());
    event->accept(); // a press on the picture is not a press on the window behind it
}

void StretchedImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

void StretchedImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click is reported as the double-click
    // only: the first press was reported already.
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    event->accept();
}
