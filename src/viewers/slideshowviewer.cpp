#include "slideshowviewer.h"

#include "mainwindowhost.h"
#include "core/session.h"

SlideShowViewer::SlideShowViewer(Platform &platform, Session &session, MainWindowHost &host, SlideShowHost &handBack,
                                 SlideShowWindow::Clock clock, SlideShow::RandomSource random)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_handBack(handBack)
    , m_clock(std::move(clock))
    , m_show(session.photoIndex, session.navigator, std::move(random))
{
}

void SlideShowViewer::ssCmdSlide_Click()
{
    openShow()->exec(); // the window deletes itself when it closes
    m_session.SlideShowFlag = true;
}

SlideShowWindow *SlideShowViewer::openShow()
{
    m_host.closeScreenSaverPhotoWindow();
    auto *window = new SlideShowWindow(m_platform, m_session, m_host, m_handBack, m_show, m_clock);
    window->startShow();
    return window;
}
