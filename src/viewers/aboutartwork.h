#pragma once

#include <QImage>
#include <QSize>

// The pictures of the about window, painted by the program itself: an open
// car of the line on a mountain road, and the car's front emblem and grille.
QImage aboutIllustration(QSize size);
QImage aboutEmblem(QSize size);
