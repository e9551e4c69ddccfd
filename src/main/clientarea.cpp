#include "clientarea.h"

#include <QMouseEvent>

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
}

void ClientArea::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    // A panel or a gap in the year strip that ignores a press hands it on
    // to its parent: only a press with no control under it is the background's.
    if (!childAt(event->position().toPoint()))
        Q_EMIT backgroundPressed();
}
