// Vireon.scr: the screen saver of The Vireon Anthology. It shows the
// photographs of the folder the anthology's installation chose, one every
// Interval seconds, scaled to fit, in random order.

#include "foreignwindow.h"
#include "photoplaylist.h"
#include "screensaverargs.h"
#include "screensaverwindow.h"
#include "core/errortable.h"
#include "platform/base/mediafs.h"
#include "platform/base/settingsstore.h"

#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QTextStream>
#include <QWindow>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    const ScreenSaverArgs args
        = parseScreenSaverArgs(app.arguments().mid(1), qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    switch (args.mode) {
    case ScreenSaverArgs::Mode::Usage:
        std::fprintf(stderr, "Vireon.scr: %s\n%s", qPrintable(args.problem), qPrintable(usageText()));
        return 2;
    case ScreenSaverArgs::Mode::Preview:
        return 0;
    case ScreenSaverArgs::Mode::Configure:
        QMessageBox::information(nullptr, ProgramTitle, configureMessage());
        return 0;
    case ScreenSaverArgs::Mode::FullScreen:
    case ScreenSaverArgs::Mode::IntoWindow:
        break;
    }

    const MediaFs fs(DriveMap::fromEnvironment());
    const ScreenSaverSettings settings = readScreenSaverSettings(QtSettingsStore());
    QTextStream trace(stdout);
    ScreenSaverWindow window(fs, PhotoPlaylist(fs, settings.folder, QRandomGenerator::global()->generate()),
                             settings.intervalSeconds, args.mode == ScreenSaverArgs::Mode::FullScreen,
                             args.trace ? &trace : nullptr);

    QWindow *host = args.mode == ScreenSaverArgs::Mode::IntoWindow ? QWindow::fromWinId(args.window) : nullptr;
    if (host) {
        // Drawn into the other program's window, filling it.
        window.winId();
        window.windowHandle()->setParent(host);
        window.setGeometry(QRect(QPoint(), foreignWindowSize(args.window)));
        window.show();
    } else {
        // Without a window manager "full screen" alone keeps the window's size.
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        window.showFullScreen();
        window.raise();
        window.activateWindow();
    }
    window.showNext();
    return app.exec();
}
