#pragma once

#include <QChar>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class MainWindow;
class SingleInstance;
class SplashWindow;
struct Platform;
struct Session;

// Everything between launching the program and the main window: the splash
// window, the single-instance check, the roots, the intro sound, the photo
// index, and the splash timer that opens the main window. When no disc is
// found and none was ever chosen, it first asks where the anthology is.
class Startup : public QObject
{
    Q_OBJECT
public:
    // session.roots.ProgramFolder must be set.
    Startup(Platform &platform, Session &session, SingleInstance &instance);
    ~Startup() override;

    // arguments: the command line after the program's name.
    void run(const QStringList &arguments);
    // The intro sound from the program folder on the splash's media control;
    // a missing sound only leaves ER055 in ErrorCode.
    void playIntroSound();
    // The splash timer's one tick: loads the main window, fitted to the screen.
    void Timer1_Timer();

    SplashWindow *splash() const { return m_splash.get(); }
    MainWindow *mainWindow() const { return m_mainWindow.get(); }

Q_SIGNALS:
    void mainWindowLoaded(MainWindow *window);

private:
    void loadMainWindow();
    // The question for the place of the disc; true when a place was named
    // (and mapped to a drive letter for this run).
    bool askWhereTheDiscIs();

    Platform &m_platform;
    Session &m_session;
    SingleInstance &m_instance;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
    bool m_buildingIndex = false;
    bool m_tickWaiting = false;
    // The place named in answer to the question, and the drive it became.
    QString m_chosenPlace;
    std::optional<QChar> m_chosenDrive;
};
