#pragma once

#include "platform/ui/sspanel.h"

class MainWindowHost;
class SSCommand;

// pnlSound: the sound-effects panel over the main window's photograph.
class SoundPanel : public SSPanel
{
    Q_OBJECT
public:
    SoundPanel(MainWindowHost &host, QWidget *client);

    // "Close": the main window comes back into play and the panel goes.
    void SSCommand1_Click();

private:
    MainWindowHost &m_host;
    SSCommand *m_SSCommand1;
};
