#include "sscommand.h"

#include <QKeyEvent>

SSCommand::SSCommand(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void SSCommand::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    // The disabled caption keeps the style's grey: a disabled button must look disabled.
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, color);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, color);
    setPalette(p);
}

void SSCommand::setCaptionPointSize(int points)
{
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void SSCommand::setPicture(const QPixmap &picture)
{
    setIcon(QIcon(picture));
    setIconSize(picture.size().boundedTo(size()));
}

void SSCommand::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier
        && !isDefault()) {
        animateClick();
        return event->accept();
    }
    QPushButton::keyPressEvent(event);
}
