#pragma once

#include <QString>
#include <QStringList>
#include <QWindow>

// What the screen saver was started to do. Windows passes "/s" (run),
// "/c" or "/c:HWND" (configure) and "/p HWND" (preview); XScreenSaver passes
// "-root" with the window to draw into in XSCREENSAVER_WINDOW, and
// "-window-id ID" draws into any window.
struct ScreenSaverArgs
{
    enum class Mode { FullScreen, IntoWindow, Configure, Preview, Usage };

    Mode mode = Mode::FullScreen;
    WId window = 0;
    // Print what is shown, one line a slide ("shown <path>" or "shown title").
    bool trace = false;
    // Why the arguments were not understood (Usage).
    QString problem;
};

// The arguments after the program name; xscreensaverWindow is the value of
// XSCREENSAVER_WINDOW (empty when unset). With no mode argument, or "-root"
// without a window to draw into, the screen saver runs full screen.
ScreenSaverArgs parseScreenSaverArgs(const QStringList &arguments, const QString &xscreensaverWindow);

// A window id in decimal or as 0x... hexadecimal; 0 when it is none.
WId parseWindowId(const QString &text);

// The short message of "/c".
QString configureMessage();
QString usageText();
