#include "startup.h"

#include "mainwindow.h"
#include "splashwindow.h"
#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/medialocator.h"
#include "core/session.h"
#include "core/setupchoices.h"
#include "platform/base/singleinstance.h"
#include "platform/base/termination.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"

#include <QDir>

#include <utility>

namespace {
constexpr int SplashDelayMs = 5000;

const QString WhereQuestion = QStringLiteral("Where is the Vireon Anthology?");
const QString WhereExplanation = QStringLiteral(
    "The anthology disc was not found: choose the folder that holds it or a copy of it, or its disc image "
    "(an .iso file), and it will be used from now on.");
}

Startup::Startup(Platform &platform, Session &session, SingleInstance &instance)
    : m_platform(platform)
    , m_session(session)
    , m_instance(instance)
{
}

Startup::~Startup() = default;

void Startup::run(const QStringList &arguments)
{
    m_splash = std::make_unique<SplashWindow>(m_platform.mediaControls, m_platform.screen);
    m_splash->showCentred();
    connect(&m_splash->Timer1, &QTimer::timeout, this, &Startup::Timer1_Timer);

    if (!m_instance.acquire()) {
        m_platform.dialogs.message({ ProgramTitle, QStringLiteral("The Vireon Anthology is already running!"),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::Critical, true });
        terminateProgram();
    }

    showBusyPointer();
    Roots &roots = m_session.roots;
    if (isProgramFolderMode(arguments)) {
        roots.PhotoRoot = roots.ProgramFolder;
        roots.MediaRoot = roots.ProgramFolder;
    } else {
        const bool reported = LocateMedia(
            m_platform.fs, roots, m_session.errors,
            [this] {
                m_splash->Timer1.stop();
                m_splash->close();
            },
            [this] { return askWhereTheDiscIs(); });
        // A place named in answer is remembered once the disc was found there.
        if (m_chosenDrive && roots.MediaRoot == QString(*m_chosenDrive) + u':')
            SetupChoices(m_platform.settings).rememberDisc(m_chosenPlace);
        if (reported)
            m_splash->showCentred();
    }

    playIntroSound();
    m_splash->Timer1.start(SplashDelayMs);
    m_session.FirstClickPending = true;
    // A Retry box of the index may stay open longer than the splash delay:
    // the main window waits until it is answered.
    m_buildingIndex = true;
    m_session.photoIndex = BuildPhotoIndex(m_platform.fs, roots.PhotoRoot, m_session.errors);
    m_buildingIndex = false;
    if (std::exchange(m_tickWaiting, false))
        Timer1_Timer();
}

bool Startup::askWhereTheDiscIs()
{
    if (!SetupChoices(m_platform.settings).disc().isEmpty())
        return false;
    const MediaFs &fs = m_platform.fs;
    const auto place = m_platform.dialogs.openPlace({ WhereQuestion,
                                                      WhereExplanation,
                                                      { { QStringLiteral("Disc images"), QStringLiteral("*.iso") },
                                                        { QStringLiteral("All files"), QStringLiteral("*") } },
                                                      QDir::homePath(),
                                                      [&fs](const QString &folder) { return holdsPhotographs(fs, folder); } });
    if (!place)
        return false;
    m_chosenDrive = m_platform.fs.addDrive(*place);
    m_chosenPlace = *place;
    return m_chosenDrive.has_value();
}

void Startup::playIntroSound()
{
    const auto sound = m_platform.fs.resolve(m_session.roots.ProgramFolder + MediaFolders::IntroSound);
    if (!sound) {
        m_session.errors.setErrorCode(QStringLiteral("ER055"));
        return;
    }
    MediaControl &control = *m_splash->MMControl1;
    control.command(QStringLiteral("close"));
    control.setDeviceType(QStringLiteral("WaveAudio"));
    control.setFileName(*sound);
    control.command(QStringLiteral("open"));
    control.command(QStringLiteral("play"));
}

void Startup::Timer1_Timer()
{
    if (m_buildingIndex) {
        m_tickWaiting = true;
        return;
    }
    if (!ScreenIs(m_platform.screen.sizeInTwips(), 800, 600)) {
        loadMainWindow();
        m_mainWindow->takeDesignedSize();
    }
    if (!m_mainWindow)
        loadMainWindow();
    m_mainWindow->fillBookletYearLists();
}

void Startup::loadMainWindow()
{
    m_mainWindow = std::make_unique<MainWindow>(m_platform, m_session);
    Q_EMIT mainWindowLoaded(m_mainWindow.get());
    m_mainWindow->Form_Load(m_splash.get());
    // Closing the splash window ends its timer, whose tick may be running now.
    m_splash.release()->deleteLater();
}
