#include "zoom.h"

#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
constexpr double DesignWidth = 800;
// The main window's designed outer height is 9100 twips, a little more than the screen's 600 pixels.
constexpr double DesignHeight = 9100.0 / TwipsPerPixel;
constexpr double UsableShare = 0.9;
constexpr double LargestAutomaticZoom = 8;

bool fits(double zoom, QSize devicePixels)
{
    return DesignWidth * zoom <= UsableShare * devicePixels.width()
        && DesignHeight * zoom <= UsableShare * devicePixels.height();
}

// Qt's own scaling from the desktop's DPI and from the variables a user or
// a desktop may have set; the probe measures without them, the run replaces them.
void clearQtScaling()
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
}
}

double zoomForScreen(QSize devicePixels)
{
    double zoom = 1;
    while (zoom < LargestAutomaticZoom && fits(zoom + ZoomStep, devicePixels))
        zoom += ZoomStep;
    return zoom;
}

std::optional<ScreenProbe> probePrimaryScreen(int argc, char **argv)
{
    clearQtScaling();
    // The application object reorders argv as it takes its own options out;
    // the real one that follows needs them too.
    QList<char *> arguments(argv, argv + argc);
    arguments.append(nullptr);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->geometry().isEmpty())
        return std::nullopt;
    return ScreenProbe { screen->geometry().size(), screen->devicePixelRatio() };
}

void applyZoom(double zoom, const ScreenProbe &screen)
{
    clearQtScaling();
    const double factor = zoom / (screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1);
    if (std::abs(factor - 1) > 1e-9)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
}
