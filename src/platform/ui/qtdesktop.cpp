#include "qtdesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

QtDesktop::QtDesktop(QString windowsFolder)
    : m_windowsFolder(std::move(windowsFolder))
{
}

QString QtDesktop::defaultWindowsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("vireon-anthology/windows"));
}

bool QtDesktop::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool QtDesktop::runsWindowsPrograms() const
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

Desktop::RunResult QtDesktop::runAndWait(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(program, arguments);
    if (!process.waitForStarted(-1) && process.state() == QProcess::NotRunning)
        return {};
    // The event loop sleeps until the program ends: the interface keeps
    // painting and answering, and no core is spent polling.
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::AllEvents);
    return { true, process.exitCode() };
}

void QtDesktop::setTopmost(QWidget *window, bool topmost)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    // Changing a window flag re-creates and hides the native window: put the
    // window back where it was, at its size, and visible if it was.
    const QRect place = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    window->setGeometry(place);
    if (visible)
        window->show();
}
