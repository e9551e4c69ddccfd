#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class MainWindowHost;
class QLabel;
class SSCommand;
class SSPanel;
struct Platform;
struct Session;

// The screen-saver photo selection window frmSSPhoto: adds the main
// window's photograph to the screen-saver photo list (ProgramFolder +
// "\ssVireons\") or takes it out, empties the list, and copies, saves or
// prints the photograph. It stays on top of the main window while open and
// does not block it.
class ScreenSaverPhotoWindow : public QWidget
{
    Q_OBJECT
public:
    // photograph: the picture the main window shows in Image4.
    ScreenSaverPhotoWindow(Platform &platform, Session &session, MainWindowHost &host,
                           std::function<QImage()> photograph, QWidget *parent = nullptr);

    // Buttons for the photograph on screen, and the window on top.
    void Form_Load();
    // "Add" and "Remove" for the photograph on screen.
    void RefreshScreenSaverButtons();

    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();
    void SSCommand5_Click();
    void SSCommand7_Click();
    void SSCommand8_Click();
    void SSCommand9_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool nothingSelected() const;
    // The list file of the photograph on screen (for nothing selected, the
    // stand-in name given), or empty when its name would leave the folder.
    QString listFile(const QString &standIn) const;
    void setListButtons(bool listed);

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    std::function<QImage()> m_photograph;
    QLabel *m_Text4;
    QLabel *m_Picture1;
    SSPanel *m_ProgressGuage;
    SSCommand *m_SSCommand7;
    SSCommand *m_SSCommand8;
    SSCommand *m_SSCommand2;
    SSCommand *m_SSCommand3;
    SSCommand *m_SSCommand4;
    SSCommand *m_SSCommand5;
    SSCommand *m_SSCommand1;
    SSCommand *m_SSCommand9;
};
