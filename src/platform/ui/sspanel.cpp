#include "sspanel.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

SSPanel::SSPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
}

void SSPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    updateAccessibleName();
    update();
}

void SSPanel::setSpokenPrefix(const QString &prefix)
{
    m_spokenPrefix = prefix;
    updateAccessibleName();
}

void SSPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void SSPanel::setBevelOuter(Bevel bevel)
{
    m_outer = bevel;
    update();
}

void SSPanel::setBevelInner(Bevel bevel)
{
    m_inner = bevel;
    update();
}

void SSPanel::setBevelWidth(int pixels)
{
    m_bevelWidth = qMax(0, pixels);
    update();
}

void SSPanel::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void SSPanel::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void SSPanel::setFloodEnabled(bool enabled)
{
    m_flood = enabled;
    updateAccessibleName();
    update();
}

void SSPanel::setFloodPercent(int percent)
{
    m_floodPercent = qBound(0, percent, 100);
    updateAccessibleName();
    update();
}

void SSPanel::setFloodColor(const QColor &color)
{
    m_floodColor = color;
    update();
}

void SSPanel::updateAccessibleName()
{
    setAccessibleName(m_flood ? QString(QString::number(m_floodPercent) + u'%') : QString(m_spokenPrefix + m_caption));
}

namespace {
// One bevel ring: light on the top and left for a raised edge, dark for an inset one.
QRect drawBevel(QPainter &p, QRect r, SSPanel::Bevel bevel, int width, const QPalette &palette)
{
    if (bevel == SSPanel::Bevel::None || width == 0)
        return r;
    const QColor light = bevel == SSPanel::Bevel::Raised ? palette.light().color() : palette.dark().color();
    const QColor dark = bevel == SSPanel::Bevel::Raised ? palette.dark().color() : palette.light().color();
    for (int i = 0; i < width; ++i) {
        p.setPen(light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
    return r;
}
}

void SSPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor back = m_backColor.isValid() ? m_backColor : palette().window().color();
    p.fillRect(rect(), back);
    QRect inner = drawBevel(p, rect(), m_outer, m_bevelWidth, palette());
    inner = drawBevel(p, inner.adjusted(1, 1, -1, -1), m_inner, m_bevelWidth, palette());

    const QColor fore = m_foreColor.isValid() ? m_foreColor : palette().windowText().color();
    if (m_flood) {
        const QString text = QString::number(m_floodPercent) + u'%';
        QRect filled = inner;
        filled.setWidth(inner.width() * m_floodPercent / 100);
        p.fillRect(filled, m_floodColor);
        // The percentage reads in the fore colour over the empty part and
        // in the background colour over the filled part.
        p.setPen(fore);
        p.drawText(inner, Qt::AlignCenter, text);
        p.save();
        p.setClipRect(filled);
        p.setPen(back);
        p.drawText(inner, Qt::AlignCenter, text);
        p.restore();
        return;
    }
    if (!m_caption.isEmpty()) {
        p.setPen(isEnabled() ? fore : palette().color(QPalette::Disabled, QPalette::WindowText));
        const QRect textArea = captionArea();
        // A caption of several lines keeps them; one line is never broken
        // into clipped halves but cut short with an ellipsis.
        if (m_caption.contains(u'\n'))
            p.drawText(textArea, int(m_alignment) | Qt::TextWordWrap, m_caption);
        else
            p.drawText(textArea, int(m_alignment) | Qt::TextSingleLine,
                       fontMetrics().elidedText(m_caption, Qt::ElideRight, textArea.width()));
    }
}

QRect SSPanel::captionArea() const
{
    const int bevels = (m_outer == Bevel::None ? 0 : m_bevelWidth) + (m_inner == Bevel::None ? 0 : m_bevelWidth) + 1;
    return rect().adjusted(bevels + 2, bevels, -bevels - 2, -bevels);
}

bool SSPanel::captionCutShort() const
{
    return !m_flood && !m_caption.contains(u'\n')
        && fontMetrics().horizontalAdvance(m_caption) > captionArea().width();
}

bool SSPanel::event(QEvent *event)
{
    // The whole of a caption cut short shows as the tooltip.
    if (event->type() == QEvent::ToolTip && captionCutShort()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), m_caption, this);
        return true;
    }
    return QFrame::event(event);
}

void SSPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_escapeButton && m_escapeButton->isVisible() && m_escapeButton->isEnabled()) {
        m_escapeButton->click();
        return event->accept();
    }
    QFrame::keyPressEvent(event);
}

void SSPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}

void SSPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QFrame::mouseDoubleClickEvent(event);
}
