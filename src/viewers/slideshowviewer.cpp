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
    // The show works on the selection's group code; a show closed without
    // handing a photograph back leaves the selection as it was.
    const QString code = m_session.SelectionCode;
    const int handBacks = m_show.handBacks();
    m_platform.dialogs.runModal(*openShow()); // the window deletes itself when it closes
    if (m_show.handBacks() == handBacks)
        m_session.SelectionCode = code;
    m_session.SlideShowFlag = true;
}

SlideShowWindow *SlideShowViewer::openShow()
{
    m_host.closeScreenSaverPhotoWindow();
    auto *window = new SlideShowWindow(m_platform, m_session, m_host, m_show, m_clock);
    window->startShow();
    return window;
}
