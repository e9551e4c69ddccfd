#pragma once

#include <QDialog>

class MainWindowHost;
class QLabel;
class SSCommand;
class SSPanel;
class StretchedImage;
struct Platform;

// The about window frmAbout: the anthology's title with two pictures, the
// maker's name and address, the notice of rights, the maker's web address
// and "OK". It keeps no state.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    AboutWindow(Platform &platform, MainWindowHost &host);

    // Load: centred by the main window's size alone (its position does not
    // enter), so a main window smaller than this one puts it at negative places.
    void Form_Load();
    // "OK": closes the window.
    void SSCommand1_Click();
    // The web button: the task bar shown again, then the maker's web site
    // opened; the window stays open.
    void SSCommand2_Click();

private:
    Platform &m_platform;
    MainWindowHost &m_host;
    SSPanel *SSPanel3;
    StretchedImage *Image1;
    SSPanel *panAbout;
    QLabel *Picture2;
    SSPanel *SSPanel5;
    SSPanel *SSPanel1;
    SSPanel *SSPanel2;
    SSPanel *panQuillon;
    SSCommand *SSCommand2;
    SSCommand *SSCommand1;
};

// "About": closes the screen-saver photo window and shows frmAbout modally.
void ShowAbout(Platform &platform, MainWindowHost &host);
