#include "movieplayer.h"

#include "moviewindow.h"
#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"
#include "platform/ui/codeccheck.h"

namespace {
const QString Installer = QStringLiteral("iv5play.exe");
}

MoviePlayer::MoviePlayer(Platform &platform, Session &session, MainWindowHost &host)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
{
}

void MoviePlayer::mnuMovies_Click()
{
    m_host.closeScreenSaverPhotoWindow();
    // Any movie at all in the copy will do: the copy is made movie by movie.
    const Roots &roots = m_session.roots;
    const bool copied
        = !m_platform.fs.list(roots.ProgramFolder + MediaFolders::Movies + QStringLiteral("*.avi")).isEmpty();
    MovieFolder = (copied ? roots.ProgramFolder : roots.MediaRoot) + MediaFolders::Movies;
    showMovieWindow();
}

void MoviePlayer::mnuVideo_Click()
{
    m_host.closeScreenSaverPhotoWindow();
    offerVideoSoftware();
}

void MoviePlayer::showMovieWindow()
{
    int result = 0;
    do {
        MovieWindow window(
            m_platform, m_session, m_host, MovieFolder, [this] { return offerVideoSoftware(); });
        window.Form_Load();
        result = m_platform.dialogs.runModal(window);
    } while (result == MovieWindow::Reopen);
}

bool MoviePlayer::offerVideoSoftware()
{
    const Dialogs::Answer answer = m_platform.dialogs.message({ ProgramTitle,
        joinLines({ QStringLiteral("If you are experiencing difficulties running the Vireon movies,"),
            QStringLiteral("you may need to install the Intel Indeo Video Software."), QString(),
            QStringLiteral("Would you like to install this software now?") }),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question });
    if (answer != Dialogs::Answer::Yes)
        return false;
    m_host.disableMainWindow();
    if (!installVideoSoftware())
        return false;
    m_host.enableMainWindow();
    return true;
}

bool MoviePlayer::installVideoSoftware()
{
    if (m_platform.desktop.runsWindowsPrograms()) {
        m_session.errors.setErrorCode(QStringLiteral("ER003"));
        if (RunAndWait(m_session.roots.MediaRoot + MediaFolders::IndeoVideo + Installer))
            return true;
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
        return false;
    }
    // The disc's installer is a Windows program. What it would bring here are
    // the decoders of the period's formats: say which are present, and where
    // a missing one comes from.
    m_platform.dialogs.message({ ProgramTitle,
        joinLines(
            { QStringLiteral("The video software on the disc is for Windows and cannot be installed here."),
                QStringLiteral("The Vireon movies use these formats; on this computer:"), QString(),
                CodecCheck::periodFormatReport() }),
        Dialogs::Buttons::Ok, Dialogs::Icon::Information });
    return true;
}

bool MoviePlayer::RunAndWait(const QString &mediaPath)
{
    const auto program = m_platform.fs.resolve(mediaPath);
    return program && m_platform.desktop.runAndWait(*program, {}).started;
}
