#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The desktop around the program: its task bar, the default handler of web
// addresses, other programs, the always-on-top layer and the system folder
// that screen savers are installed into.
class Desktop
{
public:
    struct RunResult
    {
        bool started = false;
        int exitCode = 0;
    };

    virtual ~Desktop() = default;

    // Looks the task bar up and remembers it; false when there is none.
    virtual bool findTaskbar() = 0;
    // Hides or shows the remembered task bar; nothing when none was found.
    virtual void setTaskbarVisible(bool visible) = 0;

    // Opens the address with the desktop's default handler; false when no
    // handler took it.
    virtual bool openAddress(const QString &address) = 0;
    // Whether programs made for Windows (the disc's installers) can run here.
    virtual bool runsWindowsPrograms() const = 0;
    // Starts the program and returns when it has ended; the user interface
    // keeps processing events meanwhile. started is false when it could not run.
    virtual RunResult runAndWait(const QString &program, const QStringList &arguments) = 0;
    // Puts the window into the always-on-top layer, or takes it out, leaving
    // its position and size as they are.
    virtual void setTopmost(QWidget *window, bool topmost) = 0;
    // The native folder that stands for the system's Windows directory.
    virtual QString windowsDirectory() const = 0;
};
