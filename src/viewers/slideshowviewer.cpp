#include "slideshowviewer.h"

#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"

SlideShowViewer::SlideShowViewer(Platform &platform, Session &session, MainWindowHost &host,
                                 SlideShowWindow::Clock clock, SlideShow::RandomSource random)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_clock(std::move(clock))
    , m_show(session.photoIndex, session.navigator, session.PhotoDelay, std::move(random))
{
}

void SlideShowViewer::ssCmdSlide_Click()
{
    m_platform.dialogs.runModal(*openShow()); // the window deletes itself when it closes
    m_session.SlideShowFlag = true;
}

SlideShowWindow *SlideShowViewer::openShow()
{
    m_host.closeScreenSaverPhotoWindow();
    auto *window = new SlideShowWindow(m_platform, m_session, m_host, m_show, m_clock);
    window->startShow();
    return window;
}
