#pragma once

#include "platform/base/desktop.h"

// The desktop of a Linux or other freedesktop session: no task-bar window
// the program may hide, addresses opened through the desktop's default
// handler, and a per-user folder standing for the Windows directory.
class QtDesktop : public Desktop
{
public:
    // windowsFolder: the native folder that stands for the Windows directory.
    explicit QtDesktop(QString windowsFolder);

    // The per-user folder for the Windows directory: <data>/vireon-anthology/windows.
    static QString defaultWindowsFolder();

    bool findTaskbar() override { return false; }
    void setTaskbarVisible(bool) override { }
    bool openAddress(const QString &address) override;
    bool runsWindowsPrograms() const override;
    RunResult runAndWait(const QString &program, const QStringList &arguments) override;
    void setTopmost(QWidget *window, bool topmost) override;
    QString windowsDirectory() const override { return m_windowsFolder; }

private:
    QString m_windowsFolder;
};
