#include "copyremoval.h"

#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"
#include "platform/ui/busypointer.h"

#include <QWidget>
#include <optional>

namespace {
const QString PhotoPattern = QStringLiteral("*.jpg");
const QString MoviePattern = QStringLiteral("*.avi");

QString notRemovedMessage(int count, const QString &kind)
{
    return joinLines({ QStringLiteral("%1 Vireon Anthology %2 could not be removed from your hard drive.").arg(count).arg(kind),
                       QString(), QStringLiteral("Close any program that uses them and try again.") });
}
}

CopyRemoval::CopyRemoval(Platform &platform, Session &session, MainWindowHost &host)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
{
}

bool CopyRemoval::confirmed(const char *what)
{
    const QString question = QStringLiteral("Would you like to remove all Vireon Anthology %1 from your hard drive?")
                                 .arg(QLatin1String(what));
    return m_platform.dialogs.message({ ProgramTitle, question, Dialogs::Buttons::YesNo, Dialogs::Icon::Question })
        == Dialogs::Answer::Yes;
}

void CopyRemoval::mnuRemove_Click()
{
    if (!confirmed("photos"))
        return;
    const QString folder = m_session.roots.ProgramFolder + MediaFolders::PhotoCopy;
    std::optional<BusyPointer> busy(std::in_place);
    m_platform.fs.removeMatching(folder + PhotoPattern);
    // Fails, as it should, while anything else is left in the folder.
    m_platform.fs.removeFolder(folder);
    busy.reset();
    m_session.roots.PhotoRoot = m_session.roots.MediaRoot;

    const int left = int(m_platform.fs.list(folder + PhotoPattern).size());
    if (left > 0) {
        // Some copies stay: the program goes on with the disc's photographs
        // at once instead of sending the user away to start it again.
        m_session.photoIndex = BuildPhotoIndex(m_platform.fs, m_session.roots.PhotoRoot, m_session.errors);
        m_session.navigator.indexRebuilt();
        m_platform.dialogs.message({ ProgramTitle, notRemovedMessage(left, QStringLiteral("photos")),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
        return;
    }
    m_platform.dialogs.message(
        { ProgramTitle,
          joinLines({ QStringLiteral("All Photos Successfully Removed!"), QString(),
                      QStringLiteral("You must now exit and re-enter the Vireon Anthology to allow "),
                      QStringLiteral("the software to find the photos on the cdrom drive."), QString(),
                      QStringLiteral("You must also re-install the Vireon Anthology Screen Saver "),
                      QStringLiteral("if you have previously installed it.") }),
          Dialogs::Buttons::Ok, Dialogs::Icon::None });
    if (QWidget *window = m_host.mainWindow())
        window->close();
}

void CopyRemoval::mnuRemoveMovies_Click()
{
    if (!confirmed("movies"))
        return;
    const QString folder = m_session.roots.ProgramFolder + MediaFolders::Movies;
    std::optional<BusyPointer> busy(std::in_place);
    m_platform.fs.removeMatching(folder + MoviePattern);
    m_platform.fs.removeFolder(folder);
    const int left = int(m_platform.fs.list(folder + MoviePattern).size());
    if (left > 0)
        m_platform.dialogs.message({ ProgramTitle, notRemovedMessage(left, QStringLiteral("movies")),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
    else
        m_platform.dialogs.message({ ProgramTitle, QStringLiteral("All movies successfully removed!"),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::None });
}
