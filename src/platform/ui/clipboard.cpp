#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void placeOnClipboard(const QImage &picture)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}
