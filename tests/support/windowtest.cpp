#include "windowtest.h"

#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"

SSCommand *yearButton(const QObject *mainWindow, int index)
{
    return control<SSCommand>(mainWindow, arrayName(QStringLiteral("cmdYR"), index));
}
