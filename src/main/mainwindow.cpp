#include "mainwindow.h"

#include "clientarea.h"
#include "detailpanes.h"
#include "mainmenu.h"
#include "photoarea.h"
#include "selection.h"
#include "soundpanel.h"
#include "windowsettings.h"
#include "yearstrip.h"
#include "core/errortable.h"
#include "core/session.h"
#include "library/copypanel.h"
#include "library/copyremoval.h"
#include "library/photoexport.h"
#include "library/screensaverpanel.h"
#include "library/ssphotowindow.h"
#include "print/bookletpanel.h"
#include "print/printsetup.h"
#include "util/utilitymenu.h"
#include "viewers/aboutwindow.h"
#include "viewers/documenttable.h"
#include "viewers/documentviewer.h"
#include "viewers/movieplayer.h"
#include "viewers/pageviewer.h"
#include "viewers/slideshowviewer.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/sspanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

namespace {
const QString HideStatusBar = QStringLiteral("HideStatusBar");
const QString ShowStatusBar = QStringLiteral("ShowStatusBar");
}

MainWindow::MainWindow(Platform &platform, Session &session, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_session(session)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProgramTitle);
    setAccessibleName(ProgramTitle);

    m_menu = std::make_unique<MainMenu>(menuBar());
    m_client = new ClientArea(this);
    setCentralWidget(m_client);
    MMControl1 = platform.mediaControls();
    createParts();
    connectMenu();
    connectDocumentMenu();
    m_session.errors.setHost(this);
}

MainWindow::~MainWindow()
{
    m_session.errors.setHost(nullptr);
}

void MainWindow::createParts()
{
    m_photo = std::make_unique<PhotoArea>(m_client);
    m_strip = new YearStrip(m_client);
    m_details = std::make_unique<DetailPanes>(m_client, m_platform, m_session, *this, *m_photo, *m_strip,
                                              [this](const QString &path, const QString &caption) {
                                                  return ShowDocument(m_platform, *this, path, caption);
                                              });
    // Tab goes along the detail buttons, then the photograph, then the year strip.
    m_photo->followInTabOrder(m_details->lastInTabOrder());

    m_pnlPrint = new BookletPanel(m_platform, m_session, *this, m_client);
    // The copy panel opens 60 pixels below the button row, the install panel
    // 5 below the photograph's top.
    m_pnlProgress = new CopyPanel(m_platform, m_session, *this, m_details->buttonRowTop() + 60, m_client);
    m_pnlSSaver = new ScreenSaverPanel(m_platform, m_session, *this, *m_pnlProgress,
                                       m_photo->photoGeometry().y() + 5, m_client);
    m_pnlSound = new SoundPanel(m_platform, m_session, *MMControl1, *this, m_client);
    m_ssPnlSongs = new SSPanel(m_client);
    placeHiddenPanel(m_ssPnlSongs, QStringLiteral("ssPnlSongs"), QStringLiteral("Songs"), Twips{ 1680, 1440, 4935, 4335 });

    m_selection = std::make_unique<Selection>(m_platform, m_session, *this, *m_strip, *m_photo, *m_details);
    connect(m_client, &ClientArea::backgroundPressed, m_selection.get(), &Selection::Form_Click);
    connect(m_selection.get(), &Selection::screenSaverPhotosWanted, this, &MainWindow::showScreenSaverPhotoWindow);
    connect(m_selection.get(), &Selection::fileNamesShown, this, [this](bool shown) {
        menu(QStringLiteral("mnuNames"))->setText(shown ? QStringLiteral("Hide File &Names")
                                                        : QStringLiteral("Show File &Names"));
    });

    m_pageViewer = std::make_unique<PageViewer>(m_platform, m_session, *this);
    connect(m_details.get(), &DetailPanes::cmdBrochure_Click, this, [this] { m_pageViewer->openBrochure(); });
    connect(m_details.get(), &DetailPanes::cmdAd_Click, this, [this] { m_pageViewer->ShowAdvertisement(); });
    m_slideShow = std::make_unique<SlideShowViewer>(m_platform, m_session, *this);
    m_movies = std::make_unique<MoviePlayer>(m_platform, m_session, *this);
    connect(m_strip, &YearStrip::ssCmdSlide_Click, this, [this] { m_slideShow->ssCmdSlide_Click(); });
    connect(m_strip, &YearStrip::cmdExit_Click, this, &MainWindow::cmdExit_Click);
}

void MainWindow::connectMenu()
{
    connect(menu(QStringLiteral("mnuExit")), &QAction::triggered, this, &QWidget::close);
    for (int i = 0; i <= 5; ++i)
        connect(menu(arrayName(QStringLiteral("mnuStuff"), i)), &QAction::triggered, m_selection.get(),
                [this, i] { m_selection->mnuStuff_Click(i); });
    connect(menu(QStringLiteral("mnuNames")), &QAction::triggered, m_selection.get(), &Selection::mnuNames_Click);
    connect(menu(QStringLiteral("mnuHideStatus")), &QAction::triggered, this, &MainWindow::mnuHideStatus_Click);
    connect(menu(QStringLiteral("mnuPrnt")), &QAction::triggered, this,
            [this] { m_pnlPrint->mnuPrnt_Click(m_photo->photoGeometry().top()); });
    connect(menu(QStringLiteral("mnuPrint")), &QAction::triggered, this, [this] { mnuPrint_Click(m_platform, *this); });
    connect(menu(QStringLiteral("mnuContents")), &QAction::triggered, this,
            [this] { mnuContents_Click(m_platform, m_session, *this); });
    connect(menu(QStringLiteral("mnuCheckResolution")), &QAction::triggered, this,
            [this] { mnuCheckResolution_Click(m_platform); });
    connect(menu(QStringLiteral("mnuquillonsoftware")), &QAction::triggered, this,
            [this] { mnuquillonsoftware_Click(m_platform, *this); });
    connect(menu(QStringLiteral("mnuRegisterOL")), &QAction::triggered, this,
            [this] { mnuRegisterOL_Click(m_platform, *this); });
    connect(menu(QStringLiteral("mnuCopy")), &QAction::triggered, m_pnlProgress, &CopyPanel::mnuCopy_Click);
    connect(menu(QStringLiteral("mnuCopyMovies")), &QAction::triggered, m_pnlProgress, &CopyPanel::mnuCopyMovies_Click);
    connect(menu(QStringLiteral("mnuRemove")), &QAction::triggered, this,
            [this] { CopyRemoval(m_platform, m_session, *this).mnuRemove_Click(); });
    connect(menu(QStringLiteral("mnuRemoveMovies")), &QAction::triggered, this,
            [this] { CopyRemoval(m_platform, m_session, *this).mnuRemoveMovies_Click(); });
    connect(menu(QStringLiteral("mnuSaver")), &QAction::triggered, m_pnlSSaver, &ScreenSaverPanel::mnuSaver_Click);
    connect(menu(QStringLiteral("mnuCopyPhoto")), &QAction::triggered, this, &MainWindow::mnuCopyPhoto_Click);
    connect(menu(QStringLiteral("mnuPrintPhoto")), &QAction::triggered, this, [this] {
        printPhoto(m_platform, m_photo->photo(), CurrentSelection(), PhotoExportRules::PrintHeading::Menu);
    });
    connect(menu(QStringLiteral("mnuSound")), &QAction::triggered, m_pnlSound,
            [this] { m_pnlSound->mnuSound_Click(m_photo->photoGeometry().top()); });
    connect(menu(QStringLiteral("mnuMovies")), &QAction::triggered, this, [this] { m_movies->mnuMovies_Click(); });
    connect(menu(QStringLiteral("mnuVideo")), &QAction::triggered, this, [this] { m_movies->mnuVideo_Click(); });
    connect(menu(QStringLiteral("mnuAbout")), &QAction::triggered, this, [this] { ShowAbout(m_platform, *this); });
    // Ctrl+Q ends the program, as on other desktops.
    connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this, &QWidget::close);
    // F10 opens the menu bar, as on other desktops.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        menuBar()->setFocus();
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

void MainWindow::connectDocumentMenu()
{
    for (const QString &name : documentMenuEntries()) {
        connect(menu(name), &QAction::triggered, this, [this, name] {
            OpenDocument(m_platform, m_session, *this, *documentEntry(name));
        });
    }
}

QAction *MainWindow::menu(const QString &name) const
{
    return m_menu->action(name);
}

void MainWindow::Form_Load(QWidget *splash)
{
    restoreDefaultPointer();
    if (splash)
        splash->close();
    m_strip->raise();
    const QSize screen = m_platform.screen.sizeInTwips();
    setOuterSize(this, screen.width(), screen.height());
    const Twips place = WindowSettings::read(m_platform.settings, screen);
    setOuterPlace(this, place);
    show();
    // The frame around the window is known only once it is shown.
    if (outerPlace(this).width != place.width || outerPlace(this).height != place.height)
        setOuterPlace(this, place);
}

void MainWindow::takeDesignedSize()
{
    menu(QStringLiteral("mnuHideStatus"))->setVisible(false);
    setOuterSize(this, 11994, 9100);
    const QRect photo = m_photo->photoGeometry();
    m_strip->move(m_strip->x(), photo.y() + photo.height());
}

void MainWindow::fillBookletYearLists()
{
    m_pnlPrint->fillYearLists();
}

QString MainWindow::CurrentSelection() const
{
    return m_photo->selectionLabel();
}

void MainWindow::FocusYearButton()
{
    const qint16 index = m_session.YearButtonIndex;
    m_strip->focusYear(index == 13 ? 1 : index + 1);
}

void MainWindow::focusYearButtonAt(int index)
{
    m_strip->focusYear(index);
}

// Only the window's own controls and menu: disabling the window itself would
// also disable the windows it owns, the modal viewer that keeps it out of play among them.
void MainWindow::disableMainWindow()
{
    m_client->setEnabled(false);
    menuBar()->setEnabled(false);
}

void MainWindow::enableMainWindow()
{
    m_client->setEnabled(true);
    menuBar()->setEnabled(true);
}

void MainWindow::placePanel(QWidget *panel, int top)
{
    panel->move((m_strip->exitButtonRight() - panel->width()) / 2, top);
}

void MainWindow::RefreshSelection()
{
    m_selection->RefreshSelection();
}

void MainWindow::RefreshScreenSaverButtons()
{
    if (m_ssPhoto)
        m_ssPhoto->RefreshScreenSaverButtons();
}

bool MainWindow::showHandedBackPhoto(const QString &mediaPath)
{
    if (!m_photo->loadPhoto(m_platform.fs, mediaPath))
        return false;
    m_photo->setPhotoVisible(true);
    return true;
}

void MainWindow::setPhotoNumber(const QString &number)
{
    m_photo->setPhotoNumber(number);
}

void MainWindow::setSelectionLabel(const QString &label)
{
    m_photo->setSelectionLabel(label);
    m_photo->showSelectionLabel();
}

void MainWindow::setFileName(const QString &fileName)
{
    m_photo->setFileName(fileName);
}

void MainWindow::setStatsCaption(const QString &caption)
{
    m_details->setStatsCaption(caption);
}

void MainWindow::setDetailButtonEnabled(SelectionRules::DetailButton button, bool enabled)
{
    m_details->setButtonEnabled(button, enabled);
}

void MainWindow::showScreenSaverPhotoWindow()
{
    if (!m_ssPhoto) {
        m_ssPhoto = new ScreenSaverPhotoWindow(m_platform, m_session, *this, [this] { return m_photo->photo(); }, this);
        m_ssPhoto->Form_Load();
    }
    m_ssPhoto->show();
    m_ssPhoto->raise();
}

void MainWindow::mnuCopyPhoto_Click()
{
    // An existing folder, or one that cannot be made, changes nothing here.
    m_platform.fs.makeFolder(m_session.roots.ProgramFolder + QStringLiteral("\\ssvireons\\"));
    showScreenSaverPhotoWindow();
}

void MainWindow::closeScreenSaverPhotoWindow()
{
    if (!m_ssPhoto)
        return;
    m_platform.desktop.setTopmost(m_ssPhoto, false);
    m_ssPhoto->close();
}

void MainWindow::cmdExit_Click()
{
    close();
}

void MainWindow::mnuHideStatus_Click()
{
    QAction *item = menu(QStringLiteral("mnuHideStatus"));
    m_platform.desktop.findTaskbar();
    if (item->text() == HideStatusBar) {
        m_platform.desktop.setTaskbarVisible(false);
        setWindowState(Qt::WindowNoState);
        const QSize screen = m_platform.screen.sizeInTwips();
        setOuterPlace(this, Twips{ 0, 0, screen.width(), screen.height() });
        // The window system reports this resize later, when the caption below
        // already reads "ShowStatusBar": remember it so Form_Resize lets it pass.
        m_ownResize = size();
        item->setText(ShowStatusBar);
    } else {
        m_platform.desktop.setTaskbarVisible(true);
        item->setText(HideStatusBar);
    }
}

void MainWindow::Form_Resize()
{
    QAction *item = menu(QStringLiteral("mnuHideStatus"));
    if (item->text() == HideStatusBar)
        return;
    m_platform.desktop.setTaskbarVisible(true);
    item->setText(HideStatusBar);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_ownResize.isValid() && size() == m_ownResize) {
        m_ownResize = QSize();
        return;
    }
    m_ownResize = QSize();
    Form_Resize();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        Form_Resize();
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_selection->Form_LostFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A copy or an installation waiting for one stops with the window.
    m_pnlProgress->stopJob();
    m_pnlSSaver->stopWaiting();
    if (MMControl1)
        MMControl1->command(QStringLiteral("close"));
    m_platform.desktop.setTaskbarVisible(true);
    if (!isMinimized())
        WindowSettings::write(m_platform.settings, outerPlace(this));
    event->accept();
    Q_EMIT closed();
}
