#include "core/errortable.h"
#include "core/session.h"
#include "core/setupchoices.h"
#include "main/mainwindow.h"
#include "main/startup.h"
#include "platform/base/commandline.h"
#include "platform/base/mediafs.h"
#include "platform/base/platformbundle.h"
#include "platform/base/programfolder.h"
#include "platform/base/singleinstance.h"
#include "platform/base/zoom.h"
#include "platform/ui/qtdesktop.h"
#include "platform/ui/qtdialogs.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/printerqt.h"
#include "platform/ui/qtmediacontrol.h"
#include "platform/ui/qtscreen.h"
#include "print/printsetup.h"
#include "util/helpcontext.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    QtSettingsStore settings;
    SetupChoices choices(settings);
    // Help, the version and forgetting the disc need no display.
    if (const auto exit
        = settleCommandLine(line, choices, QStringLiteral("vireon-anthology"), QDir::currentPath())) {
        std::fputs(exit->output.toLocal8Bit().constData(), stdout);
        std::fputs(exit->errors.toLocal8Bit().constData(), stderr);
        return exit->exitCode;
    }

    ToolkitArguments toolkit(argv[0], line.remaining);
    if (const auto screen = probePrimaryScreen(toolkit.argc(), toolkit.argv()))
        applyZoom(choices.zoom().value_or(zoomForScreen(screen->devicePixels())), *screen);
    quietMediaWarnings();
    QApplication app(toolkit.argc(), toolkit.argv());
    installAccessibility();
    QApplication::setApplicationName(ProgramTitle);
    QApplication::setDesktopFileName(QStringLiteral("vireon-anthology"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vireon-anthology-64.png")));
    // The splash window closes while the disc is searched for; the program
    // ends when the main window closes, not when the last window does.
    QApplication::setQuitOnLastWindowClosed(false);

    MediaFs fs(DriveMap::fromEnvironment(choices.disc()));
    QtDialogs dialogs;
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
