#pragma once

#include "slideshowwindow.h"
#include "core/slideshow.h"

class MainWindowHost;
struct Platform;
struct Session;

// Starts slide shows from the main window's "SlideShow" button. Owned by the
// main window for the whole run; holds what outlives each show: the delay
// and the random sequence.
class SlideShowViewer
{
public:
    SlideShowViewer(Platform &platform, Session &session, MainWindowHost &host,
                    SlideShowWindow::Clock clock = &QDateTime::currentDateTime,
                    SlideShow::RandomSource random = SlideShowRules::FixedSeedRandom());

    // ssCmdSlide_Click: shows the slide show modally over the main window and
    // returns when it has closed.
    void ssCmdSlide_Click();
    // The show ready to be shown: everything the start does before the window appears.
    SlideShowWindow *openShow();

    SlideShow &show() { return m_show; }

private:
    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    SlideShowWindow::Clock m_clock;
    SlideShow m_show;
};
