#pragma once

#include <QImage>
#include <QSize>

// The pictures stored with the splash window, painted by the program itself:
// a car on an open road at dusk, and the title band laid over it.
QImage splashArtwork(QSize size);
QImage splashTitleBand(QSize size);
