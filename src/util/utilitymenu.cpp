#include "utilitymenu.h"

#include "displaycheck.h"
#include "help.h"
#include "helpfile.h"
#include "core/mainwindowhost.h"
#include "platform/base/platformbundle.h"

namespace {
void openMakerPage(Platform &platform, MainWindowHost &host, const QString &address)
{
    host.closeScreenSaverPhotoWindow();
    platform.desktop.setTaskbarVisible(true);
    platform.desktop.openAddress(address);
}
}

void mnuContents_Click(Platform &platform, const Session &session, MainWindowHost &host)
{
    host.closeScreenSaverPhotoWindow();
    showHelp(platform, session, host.mainWindow(), HelpManual::ContentsPage);
}

void mnuCheckResolution_Click(Platform &platform)
{
    platform.dialogs.message(screenResolutionMessage(platform.screen.sizeInTwips()));
}

void mnuquillonsoftware_Click(Platform &platform, MainWindowHost &host)
{
    openMakerPage(platform, host, Maker::WebAddress);
}

void mnuRegisterOL_Click(Platform &platform, MainWindowHost &host)
{
    openMakerPage(platform, host, MakerRegistrationPage);
}
