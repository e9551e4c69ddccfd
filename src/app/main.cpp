#include "core/errortable.h"
#include "core/session.h"
#include "main/mainwindow.h"
#include "main/startup.h"
#include "platform/base/mediafs.h"
#include "platform/base/platformbundle.h"
#include "platform/base/programfolder.h"
#include "platform/base/singleinstance.h"
#include "platform/ui/qtdesktop.h"
#include "platform/ui/qtdialogs.h"
#include "platform/ui/printerqt.h"
#include "platform/ui/qtmediacontrol.h"
#include "platform/ui/qtscreen.h"
#include "print/printsetup.h"
#include "util/helpcontext.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    // The splash window closes while the disc is searched for; the program
    // ends when the main window closes, not when the last window does.
    QApplication::setQuitOnLastWindowClosed(false);

    MediaFs fs(DriveMap::fromEnvironment());
    QtDialogs dialogs;
    QtSettingsStore settings;
    QtScreen screen;
    QtDesktop desktop(QtDesktop::defaultWindowsFolder());
    QtPrinter printer(QtPrinter::Target::DefaultPrinter, QtPrinter::documentsFolder());
    printer.setChoice(readPrinterChoice(settings, printer.choice()));
    QtClipboard clipboard;
    QtEventPump events;
    Platform platform{ fs, dialogs, settings, screen, desktop, qtMediaControls(), printer, clipboard, events };

    Session session(dialogs);
    session.roots.ProgramFolder = programFolder();
    HelpKey helpKey(platform, session);
    app.installEventFilter(&helpKey);
    SingleInstance instance;
    Startup startup(platform, session, instance);
    QObject::connect(&startup, &Startup::mainWindowLoaded, &app, [&app](MainWindow *window) {
        QObject::connect(window, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    startup.run(app.arguments().mid(1));
    return app.exec();
}
