#pragma once

#include <QSize>
#include <optional>

// Drawing the whole program larger on large screens. The windows are laid
// out in pixels of an 800 x 600 screen; the zoom is how many device pixels
// one of those pixels takes. It is settled once, before the application
// object exists, and replaces whatever scaling the desktop asks of Qt (its
// DPI, QT_SCALE_FACTOR): the designed window then fits on every desktop, and
// the window rules still see the screen in the design's pixels.

constexpr double ZoomStep = 0.25;

// The largest step of ZoomStep from 1 at which the designed main window
// (11994 x 9100 twips with its frame) and the full-screen viewers (the
// 800 x 600 screen) fit in nine tenths of the screen, leaving room for the
// desktop's panels and the window's title bar. 1 where even that does not fit.
double zoomForScreen(QSize devicePixels);

// The primary screen as the window system gives it, without Qt's scaling.
struct ScreenProbe
{
    QSize geometry; // in the window system's own units
    double devicePixelRatio = 1; // what the window system itself scales by (Wayland)
    QSize devicePixels() const { return geometry * devicePixelRatio; }
};

// Connects to the window system for a moment, with the toolkit options of
// argv ("-platform", "-display"), and measures the primary screen. Nothing
// when there is no screen. Must run before the application object exists.
std::optional<ScreenProbe> probePrimaryScreen(int argc, char **argv);

// Sets Qt's scaling for the application object about to be created, so that
// it draws at zoom device pixels per design pixel on the probed screen.
void applyZoom(double zoom, const ScreenProbe &screen);
