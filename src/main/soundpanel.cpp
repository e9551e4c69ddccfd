#include "soundpanel.h"

#include "core/mainwindowhost.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"

SoundPanel::SoundPanel(MainWindowHost &host, QWidget *client)
    : SSPanel(client)
    , m_host(host)
{
    placeHiddenPanel(this, QStringLiteral("pnlSound"), QStringLiteral("Sound Effects"), Twips{ 3720, 480, 8415, 5895 });
    m_SSCommand1 = makeButton(this, QStringLiteral("SSCommand1"), QStringLiteral("Close"), pixelPlace(264, 352, 241, 25));
    connect(m_SSCommand1, &QPushButton::clicked, this, &SoundPanel::SSCommand1_Click);
}

void SoundPanel::SSCommand1_Click()
{
    m_host.enableMainWindow();
    hide();
}
