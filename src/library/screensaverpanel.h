#pragma once

#include "platform/ui/sspanel.h"

#include <array>
#include <optional>

class CopyPanel;
class MainWindowHost;
class QLabel;
class QRadioButton;
class SpinButton;
class SSCommand;
struct Platform;
struct Session;

// pnlSSaver: the panel that configures and installs the screen saver: the
// photographs it shows (all, or the screen-saver photo list), the delay
// between them, the settings it reads and its file in the Windows directory.
class ScreenSaverPanel : public SSPanel
{
    Q_OBJECT
public:
    // top: where the panel opens, in the main window's pixels. The copy panel
    // copies the photographs first when the user wants them on the hard disk.
    ScreenSaverPanel(Platform &platform, Session &session, MainWindowHost &host, CopyPanel &copyPanel, int top,
                     QWidget *client);

    void mnuSaver_Click();
    void SpinInterval_SpinUp();
    void SpinInterval_SpinDown();
    void SSCommand4_Click();
    void SSCommand5_Click();
    // "Cancel" (after an installation "Exit"): hides the panel.
    void SSCommand6_Click();
    // The main window is closing: a wait for the photo copy ends.
    void stopWaiting() { m_stopped = true; }

private:
    // The folder whose photographs the screen saver shows; nothing when the
    // panel went away while it waited for the copy.
    std::optional<QString> chooseFolder();
    // Waits, processing events, until a photo copy job completes or the copy
    // panel is closed without one; true when the photographs are on the hard disk.
    std::optional<bool> waitForPhotoCopy();
    bool writeSetting(const QString &key, const QString &value);
    bool installProgram();

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    CopyPanel &m_copyPanel;
    const int m_top;
    QLabel *m_Label7;
    QLabel *m_Label8;
    std::array<QRadioButton *, 2> m_Option1{};
    QLabel *m_Label9;
    SSPanel *m_panInterval;
    SpinButton *m_SpinInterval;
    SSCommand *m_SSCommand4;
    SSCommand *m_SSCommand5;
    SSCommand *m_SSCommand6;
    bool m_stopped = false;
};
