#pragma once

#include "pageviewerwindow.h"

#include <QPointer>

class MainWindowHost;
struct Platform;
struct Session;

// Opens the page viewer for the model year of the selection: the brochure
// modeless, the advertisements modal. Owned by the main window; holds its
// single window (the viewer's state is the session's).
class PageViewer
{
public:
    PageViewer(Platform &platform, Session &session, MainWindowHost &host);
    ~PageViewer();
    PageViewer(const PageViewer &) = delete;
    PageViewer &operator=(const PageViewer &) = delete;

    // The "Brochure" button (cmdBrochure): full-size view, modeless; a
    // brochure viewer already open is closed first. ER044 when the first page
    // cannot be read.
    void openBrochure();
    // The "Ads" button (cmdAd): fit view, modal; returns when the viewer has
    // closed. "Sorry!" when the first page cannot be read.
    void ShowAdvertisement();

    // CountBrochurePages or CountAdPages, by the mode: sets PageCount from
    // the page files of SelectionCode's year.
    void CountPages();

    // The open viewer window, if any.
    PageViewerWindow *window() const { return m_window; }

private:
    // Closes a viewer that is still open and makes a fresh one.
    PageViewerWindow *reopenWindow();

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    QPointer<PageViewerWindow> m_window;
};
