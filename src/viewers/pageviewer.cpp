#include "pageviewer.h"

#include "mainwindowhost.h"
#include "pageviewerwindow.h"
#include "core/errortable.h"
#include "platform/base/text.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/platformbundle.h"

PageViewer::PageViewer(Platform &platform, Session &session, MainWindowHost &host)
    : m_platform(platform)
    , m_session(session)
    , m_host(host)
{
}

PageViewer::~PageViewer()
{
    delete m_window;
}

void PageViewer::openBrochure()
{
    m_state.BrochureMode = true;
    m_state.CurrentPage = 0;
    PageViewerWindow *window = reopenWindow();
    CountPages();
    window->setCounter();
    window->setSpinVisible(m_state.PageCount != 1);
    m_host.closeScreenSaverPhotoWindow();

    m_session.errors.setErrorCode(QStringLiteral("ER044"));
    bool loaded = false;
    {
        BusyPointer busy;
        window->placeFullScreen();
        window->setWindowTitle(viewerCaption(m_host.CurrentSelection(), PageKind::Brochure));
        const QString code = pageCodeOfLabel(m_host.CurrentSelection());
        loaded = window->loadFirstPage(firstPagePath(m_session.roots.MediaRoot, PageKind::Brochure, code));
        if (loaded)
            window->showFullSizeView(true);
    }
    if (!loaded) {
        delete window;
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
        return;
    }
    window->show();
}

void PageViewer::ShowAdvertisement()
{
    m_state.BrochureMode = false;
    PageViewerWindow *window = reopenWindow();
    m_host.closeScreenSaverPhotoWindow();
    m_state.CurrentPage = 0;
    window->setSpinVisible(true);

    const QString code = pageCodeOfLabel(m_host.CurrentSelection());
    bool loaded = false;
    {
        BusyPointer busy;
        window->placeFullScreen();
        loaded = window->loadFirstPage(firstPagePath(m_session.roots.MediaRoot, PageKind::Advertisement, code));
    }
    if (!loaded) {
        delete window;
        m_platform.dialogs.message({ ProgramTitle, joinLines({ QStringLiteral("Sorry!"), QString(),
                                                               QStringLiteral("Ad not found."), QString() }),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation });
        m_host.enableMainWindow();
        return;
    }
    window->setWindowTitle(viewerCaption(m_host.CurrentSelection(), PageKind::Advertisement));
    CountPages();
    window->setCounter();
    window->exec(); // the window deletes itself when it closes
    // The year button after this year's own; 2002 has none, and the focus stays.
    m_host.focusYearButtonAt(code.toInt() - 53);
}

void PageViewer::CountPages()
{
    const QString code = selectionPageCode(m_session);
    m_state.PageCount = countPages([&](int page) {
        return m_platform.fs.exists(pagePath(m_session.roots.MediaRoot, m_state.kind(), code, page));
    });
}

PageViewerWindow *PageViewer::reopenWindow()
{
    if (m_window)
        m_window->close();
    m_window = new PageViewerWindow(m_platform.fs, m_platform.screen, m_session, m_state);
    return m_window;
}
