#include "documentviewer.h"

#include "documentviewerwindow.h"
#include "core/mainwindowhost.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/richtextbox.h"

#include <QPointer>

bool ShowDocument(Platform &platform, MainWindowHost &host, const QString &mediaPath, const QString &caption)
{
    host.closeScreenSaverPhotoWindow();
    QPointer<DocumentViewerWindow> viewer = new DocumentViewerWindow(platform, host, host.mainWindow());
    viewer->setWindowTitle(caption);
    bool loaded = false;
    {
        BusyPointer busy;
        loaded = viewer->rtbText->loadFile(platform.fs, mediaPath);
    }
    if (!loaded) {
        delete viewer;
        return false;
    }
    viewer->widenOkButton();
    platform.dialogs.runModal(*viewer); // the viewer deletes itself when it closes
    return true;
}
