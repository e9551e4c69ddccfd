#include "qtscreen.h"

#include <QGuiApplication>
#include <QScreen>

QSize QtScreen::sizeInPixels() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}
