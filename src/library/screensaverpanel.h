#pragma once

#include "platform/ui/sspanel.h"

class SSCommand;

// pnlSSaver: the panel that configures and installs the screen saver.
class ScreenSaverPanel : public SSPanel
{
    Q_OBJECT
public:
    explicit ScreenSaverPanel(QWidget *client);

    // "Cancel" (after an installation "Exit"): hides the panel.
    void SSCommand6_Click();

private:
    SSCommand *m_SSCommand6;
};
