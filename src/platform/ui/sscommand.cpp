#include "sscommand.h"

SSCommand::SSCommand(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void SSCommand::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, color);
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
