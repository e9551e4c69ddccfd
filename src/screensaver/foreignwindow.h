#pragma once

#include <QSize>
#include <QWindow>

// The size of another program's window (XScreenSaver's), which Qt does not
// report for a window it did not create; the screen's size where the window
// system cannot be asked.
QSize foreignWindowSize(WId window);
