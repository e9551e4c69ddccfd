#include "help.h"

#include "helpwindow.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"

namespace {
std::optional<QString> locateHelpFile(const MediaFs &fs, const Session &session)
{
    if (const auto found = fs.resolve(session.HelpFile); found && !fs.isFolder(session.HelpFile))
        return found;
    const QString name = session.HelpFile.section(u'\\', -1).section(u'/', -1);
    if (name.isEmpty())
        return std::nullopt;
    const QString inProgramFolder = session.roots.ProgramFolder + u'\\' + name;
    if (fs.isFolder(inProgramFolder))
        return std::nullopt;
    return fs.resolve(inProgramFolder);
}
}

void AttachHelp(Session &session, QObject *window)
{
    session.HelpOwner = window;
    const QString &folder = session.roots.ProgramFolder;
    const QString separator = folder.trimmed().endsWith(u'\\') ? QString() : QStringLiteral("\\");
    session.HelpFile = folder + separator + HelpFileName;
}

void CloseHelp(Session &session)
{
    auto *owner = qobject_cast<QWidget *>(session.HelpOwner.data());
    if (!owner)
        return;
    // A help window the user closed is only hidden, kept for the next call.
    qDeleteAll(owner->findChildren<HelpWindow *>(Qt::FindDirectChildrenOnly));
}

HelpWindow *showHelp(Platform &platform, const Session &session, QWidget *owner, int context)
{
    auto *window = owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(platform, owner);
    window->open(session.HelpFile, locateHelpFile(platform.fs, session), context);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
