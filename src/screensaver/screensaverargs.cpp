#include "screensaverargs.h"

namespace {
using Mode = ScreenSaverArgs::Mode;

ScreenSaverArgs usage(const QString &problem)
{
    ScreenSaverArgs args;
    args.mode = Mode::Usage;
    args.problem = problem;
    return args;
}
}

WId parseWindowId(const QString &text)
{
    const QString value = text.trimmed();
    bool ok = false;
    const qulonglong id = value.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? value.mid(2).toULongLong(&ok, 16)
                                                                                       : value.toULongLong(&ok, 10);
    return ok ? WId(id) : 0;
}

ScreenSaverArgs parseScreenSaverArgs(const QStringList &arguments, const QString &xscreensaverWindow)
{
    ScreenSaverArgs args;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const QString lower = argument.toLower();
        if (lower == u"/s" || lower == u"-s") {
            args.mode = Mode::FullScreen;
        } else if (lower == u"/c" || lower.startsWith(QStringLiteral("/c:")) || lower == u"-c") {
            args.mode = Mode::Configure;
        } else if (lower == u"/p" || lower.startsWith(QStringLiteral("/p:"))) {
            args.mode = Mode::Preview;
            // The preview's window handle follows; nothing is drawn into it.
            if (lower == u"/p" && i + 1 < arguments.size())
                ++i;
        } else if (lower == u"-root") {
            // XScreenSaver's window comes from its variable below; run from a
            // terminal, -root covers the screen.
        } else if (lower == u"-window-id" || lower == u"--window-id") {
            if (i + 1 >= arguments.size())
                return usage(QStringLiteral("-window-id needs a window id"));
            args.window = parseWindowId(arguments.at(++i));
            if (args.window == 0)
                return usage(QStringLiteral("not a window id: ") + arguments.at(i));
            args.mode = Mode::IntoWindow;
        } else if (lower == u"--trace") {
            args.trace = true;
        } else {
            return usage(QStringLiteral("unknown argument: ") + argument);
        }
    }
    // XScreenSaver names its window in the environment, with or without -root.
    if (args.mode == Mode::FullScreen && args.window == 0) {
        if (const WId window = parseWindowId(xscreensaverWindow); window != 0) {
            args.window = window;
            args.mode = Mode::IntoWindow;
        }
    }
    return args;
}

QString configureMessage()
{
    return QStringLiteral("The Vireon Anthology Screen Saver has no settings of its own.\r\n\r\n"
                          "Choose its photographs and the delay between them in The Vireon Anthology:\r\n"
                          "File, Install Screen saver.");
}

QString usageText()
{
    return QStringLiteral("usage: Vireon.scr [/s | /c | /p HWND | -root | -window-id ID] [--trace]\n"
                          "  /s, no argument   full screen until a key is pressed or the mouse moves\n"
                          "  -root             into the window named by XSCREENSAVER_WINDOW (else full screen)\n"
                          "  -window-id ID     into the window ID (decimal or 0x hexadecimal)\n"
                          "  /c                a short message;  /p  draws nothing and ends\n"
                          "  --trace           prints each photograph shown\n");
}
