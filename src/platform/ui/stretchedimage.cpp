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

void StretchedImage::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    if (m_scaled.size() != size()) {
        m_scaled = QPixmap::fromImage(
            m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QPainter(this).drawPixmap(0, 0, m_scaled);
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
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
