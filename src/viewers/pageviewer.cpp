#include "pageviewer.h"

#include "pageviewerwindow.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/base/text.h"
#include "platform/ui/busypointer.h"

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
    m_session.pageViewer.BrochureMode = true;
    m_session.pageViewer.CurrentPage = 0;
    PageViewerWindow *window = reopenWindow();
    CountPages();
    window->setCounter();
    window->setSpinVisible(m_session.pageViewer.PageCount != 1);
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
    m_session.pageViewer.BrochureMode = false;
    PageViewerWindow *window = reopenWindow();
    m_host.closeScreenSaverPhotoWindow();
    m_session.pageViewer.CurrentPage = 0;
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
    m_platform.dialogs.runModal(*window); // the window deletes itself when it closes
    // The year button after this year's own; 2002 has none, and the focus stays.
    m_host.focusYearButtonAt(code.toInt() - 53);
}

void PageViewer::CountPages()
{
    const QString code = selectionPageCode(m_session.SelectionCode);
    m_session.pageViewer.PageCount = countPages([&](int page) {
        return m_platform.fs.exists(pagePath(m_session.roots.MediaRoot, pageKindOf(m_session.pageViewer.BrochureMode), code, page));
    });
}

PageViewerWindow *PageViewer::reopenWindow()
{
    if (m_window)
        m_window->close();
    m_window = new PageViewerWindow(m_platform.fs, m_platform.screen, m_session, m_session.pageViewer);
    return m_window;
}
