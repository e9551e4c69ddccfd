#include "copypanel.h"

#include "platform/ui/controls.h"

CopyPanel::CopyPanel(QWidget *client)
    : SSPanel(client)
{
    placeHiddenPanel(this, QStringLiteral("pnlProgress"), QStringLiteral("Copying"), Twips{ 720, 960, 7215, 4935 });
}
