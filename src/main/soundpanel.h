#pragma once

#include "soundtable.h"
#include "platform/ui/sspanel.h"

#include <array>

class MainWindowHost;
class MediaControl;
class QLabel;
class SSCommand;
class StretchedImage;
struct Platform;
struct Session;

// pnlSound: the sound-effects panel over the main window's photograph. Each
// of the 29 sounds has a small play button beside its name; the sounds play
// through the main window's media control MMControl1, one at a time.
class SoundPanel : public SSPanel
{
    Q_OBJECT
public:
    SoundPanel(
        Platform &platform, Session &session, MediaControl &media, MainWindowHost &host, QWidget *client);

    // "Sound Effects": the panel from the top of Image4, centred left of the
    // end of the year strip, with the focus on "Close".
    void mnuSound_Click(int image4Top);
    // Plays sound index, ending the one that plays; ER038 when its file is
    // missing or cannot be played.
    void SSCommand2_Click(int index);
    // "Stop": ends the sound that plays.
    void SSCommand3_Click();
    // "Close": the main window comes back into play and the panel goes; a
    // sound that plays goes on to its end.
    void SSCommand1_Click();

private:
    Platform &m_platform;
    Session &m_session;
    MediaControl &MMControl1;
    MainWindowHost &m_host;
    QLabel *m_Label10;
    std::array<SSCommand *, SoundCount> m_SSCommand2 {};
    std::array<QLabel *, SoundCount> m_lblSound {};
    SSCommand *m_SSCommand3;
    SSCommand *m_SSCommand1;
    StretchedImage *m_Image5;
};
