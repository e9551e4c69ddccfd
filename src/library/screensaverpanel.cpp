#include "screensaverpanel.h"

#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"

ScreenSaverPanel::ScreenSaverPanel(QWidget *client)
    : SSPanel(client)
{
    placeHiddenPanel(this, QStringLiteral("pnlSSaver"), QStringLiteral("Install Screen Saver"), Twips{ 1320, 720, 6255, 5175 });
    m_SSCommand6 = makeButton(this, QStringLiteral("SSCommand6"), QStringLiteral("Cancel"), pixelPlace(296, 304, 97, 25));
    connect(m_SSCommand6, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand6_Click);
}

void ScreenSaverPanel::SSCommand6_Click()
{
    hide();
}
