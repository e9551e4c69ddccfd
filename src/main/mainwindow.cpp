#include "mainwindow.h"

#include "browser.h"
#include "detailpanes.h"
#include "mainmenu.h"
#include "windowsettings.h"
#include "core/contentcatalog.h"
#include "core/errortable.h"
#include "core/session.h"
#include "library/ssphotowindow.h"
#include "viewers/documenttable.h"
#include "viewers/documentviewer.h"
#include "viewers/pageviewer.h"
#include "viewers/slideshowviewer.h"
#include "platform/base/pictureloader.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/platformbundle.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcut>

namespace {
const QString HideStatusBar = QStringLiteral("HideStatusBar");
const QString ShowStatusBar = QStringLiteral("ShowStatusBar");

QLabel *makeOverlayPicture(QWidget *client, const QString &name)
{
    QLabel *picture = makePictureBox(client, name, Twips{ 120, 360, 11640, 7440 });
    picture->hide();
    return picture;
}

SSPanel *makeHiddenPanel(QWidget *client, const QString &name, const QString &accessibleName, const Twips &place)
{
    SSPanel *panel = makePanel(client, name, QString(), place);
    panel->setAccessibleName(accessibleName);
    panel->hide();
    return panel;
}
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
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    createControls(client);
    createYearStrip(client);
    createPanels(client);
    connectMenu();
    connectDocumentMenu();

    MMControl1 = platform.mediaControls();
    m_browser = new Browser(*this, platform, session);
    m_details = new DetailPanes(*this, platform, session, [this](const QString &path, const QString &caption) {
        return ShowDocument(m_platform, *this, path, caption);
    });
    m_browser->setOverlayPictures(m_details);
    m_pageViewer = std::make_unique<PageViewer>(platform, session, *this);
    connect(cmdBrochure, &QPushButton::clicked, this, [this] { m_pageViewer->openBrochure(); });
    connect(cmdAd, &QPushButton::clicked, this, [this] { m_pageViewer->ShowAdvertisement(); });
    m_slideShow = std::make_unique<SlideShowViewer>(platform, session, *this, *this);
    connect(ssCmdSlide, &QPushButton::clicked, this, [this] { m_slideShow->ssCmdSlide_Click(); });
    m_session.errors.setHost(this);
}

MainWindow::~MainWindow()
{
    m_session.errors.setHost(nullptr);
}

void MainWindow::createControls(QWidget *client)
{
    cmdDesc      = makeButton(client, QStringLiteral("cmdDesc"),      QStringLiteral("Description"), Twips{ 120, 0, 1455, 330 });
    cmdOptions   = makeButton(client, QStringLiteral("cmdOptions"),   QStringLiteral("Options"),     Twips{ 1560, 0, 1215, 330 });
    cmdStats     = makeButton(client, QStringLiteral("cmdStats"),     QStringLiteral("Statistics"),  Twips{ 2760, 0, 1335, 330 });
    cmdColors    = makeButton(client, QStringLiteral("cmdColors"),    QStringLiteral("Colors"),      Twips{ 4080, 0, 1095, 330 });
    cmdScript    = makeButton(client, QStringLiteral("cmdScript"),    QStringLiteral("Script"),      Twips{ 5160, 0, 975, 330 });
    cmdEmblem    = makeButton(client, QStringLiteral("cmdEmblem"),    QStringLiteral("Emblem"),      Twips{ 6120, 0, 1335, 330 });
    cmdClipArt   = makeButton(client, QStringLiteral("cmdClipArt"),   QStringLiteral("ClipArt "),    Twips{ 7440, 0, 1095, 330 });
    cmdAd        = makeButton(client, QStringLiteral("cmdAd"),        QStringLiteral("Ads"),         Twips{ 8520, 0, 735, 330 });
    cmdBrochure  = makeButton(client, QStringLiteral("cmdBrochure"),  QStringLiteral("Brochure"),    Twips{ 9240, 0, 1215, 330 });
    cmdNostalgia = makeButton(client, QStringLiteral("cmdNostalgia"), QStringLiteral("Nostalgia"),   Twips{ 10440, 0, 1335, 330 });

    Image4 = makeImage(client, QStringLiteral("Image4"), Twips{ 120, 360, 11640, 7440 });
    Image4->setToolTip(QStringLiteral("Click the Right mouse button to copy photo or add to Screen Saver"));
    Image4->setAccessibleName(QStringLiteral("Photograph"));

    SpinButton1 = new SpinButton(Qt::Horizontal, client);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setAccessibleName(QStringLiteral("Photographs"));
    SpinButton1->setGeometry(toPixels(Twips{ 120, 360, 615, 300 }));
    SpinButton1->hide();

    panPhoto = makePanel(client, QStringLiteral("panPhoto"), QString(), Twips{ 720, 360, 390, 300 });
    panPhoto->setToolTip(QStringLiteral("Double-click to show photo #1"));
    panPhoto->hide();
    panYear = makePanel(client, QStringLiteral("panYear"), QStringLiteral("panYear"), Twips{ 1080, 360, 915, 300 });
    panYear->hide();

    txtFile = makeTextBox(client, QStringLiteral("txtFile"), Twips{ 180, 795, 1140, 285 });
    txtFile->setReadOnly(true);
    txtFile->hide();

    rtbDetails = new RichTextBox(client);
    rtbDetails->setObjectName(QStringLiteral("rtbDetails"));
    rtbDetails->setAccessibleName(QStringLiteral("Details"));
    rtbDetails->setGeometry(toPixels(Twips{ 6000, 1080, 4935, 975 }));
    rtbDetails->hide();

    picClipArt = makeOverlayPicture(client, QStringLiteral("picClipArt"));
    picEmblem = makeOverlayPicture(client, QStringLiteral("picEmblem"));
    picScript = makeOverlayPicture(client, QStringLiteral("picScript"));
}

void MainWindow::createYearStrip(QWidget *client)
{
    Frame1 = new QFrame(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Model years"));
    Frame1->setGeometry(toPixels(Twips{ 0, 7800, 12015, 495 }));

    for (int i = 1; i <= 13; ++i) {
        const QString label = ContentCatalog::yearLabel(i);
        // The 2002 button stands a little apart from the others.
        const int left = i <= 12 ? 120 + 720 * (i - 1) : 8880;
        m_cmdYR[i] = makeButton(Frame1, arrayName(QStringLiteral("cmdYR"), i), label, Twips{ left, 60, 720, 375 });
    }
    ssCmdSlide = makeButton(Frame1, QStringLiteral("ssCmdSlide"), QStringLiteral("SlideShow"), Twips{ 9720, 60, 1245, 375 });
    cmdExit = makeButton(Frame1, QStringLiteral("cmdExit"), QStringLiteral("Exit"), Twips{ 11040, 60, 765, 375 });
    connect(cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
}

void MainWindow::createPanels(QWidget *client)
{
    pnlPrint = makeHiddenPanel(client, QStringLiteral("pnlPrint"), QStringLiteral("Print Vireon Booklet"), Twips{ 1800, 720, 6015, 5895 });
    m_List1[0] = makeListBox(pnlPrint, arrayName(QStringLiteral("List1"), 0), pixelPlace(72, 312, 73, 52));
    m_List1[1] = makeListBox(pnlPrint, arrayName(QStringLiteral("List1"), 1), pixelPlace(184, 312, 81, 52));

    pnlSSaver = makeHiddenPanel(client, QStringLiteral("pnlSSaver"), QStringLiteral("Install Screen Saver"), Twips{ 1320, 720, 6255, 5175 });
    SSCommand *cancel = makeButton(pnlSSaver, QStringLiteral("SSCommand6"), QStringLiteral("Cancel"), pixelPlace(296, 304, 97, 25));
    connect(cancel, &QPushButton::clicked, pnlSSaver, &QWidget::hide);

    pnlProgress = makeHiddenPanel(client, QStringLiteral("pnlProgress"), QStringLiteral("Copying"), Twips{ 720, 960, 7215, 4935 });

    pnlSound = makeHiddenPanel(client, QStringLiteral("pnlSound"), QStringLiteral("Sound Effects"), Twips{ 3720, 480, 8415, 5895 });
    SSCommand *close = makeButton(pnlSound, QStringLiteral("SSCommand1"), QStringLiteral("Close"), pixelPlace(264, 352, 241, 25));
    connect(close, &QPushButton::clicked, this, [this] {
        enableMainWindow();
        pnlSound->hide();
    });

    ssPnlSongs = makeHiddenPanel(client, QStringLiteral("ssPnlSongs"), QStringLiteral("Songs"), Twips{ 1680, 1440, 4935, 4335 });
}

void MainWindow::connectMenu()
{
    connect(menu(QStringLiteral("mnuExit")), &QAction::triggered, this, &QWidget::close);
    connect(menu(QStringLiteral("mnuHideStatus")), &QAction::triggered, this, &MainWindow::mnuHideStatus_Click);
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
    Frame1->raise();
    const QSize screen = m_platform.screen.sizeInTwips();
    setOuterSize(this, screen.width(), screen.height());
    const Twips place = WindowSettings::read(m_platform.settings, screen);
    setOuterPlace(this, place);
    show();
    // The frame around the window is known only once it is shown.
    if (outerPlace(this).width != place.width || outerPlace(this).height != place.height)
        setOuterPlace(this, place);
}

void MainWindow::FocusYearButton()
{
    const qint16 index = m_session.YearButtonIndex;
    cmdYR(index == 13 ? 1 : index + 1)->setFocus();
}

void MainWindow::enableMainWindow()
{
    setEnabled(true);
}

QString MainWindow::CurrentSelection() const
{
    return panYear->caption();
}

void MainWindow::focusYearButtonAt(int index)
{
    if (index >= 1 && index <= 13)
        cmdYR(index)->setFocus();
}

void MainWindow::RefreshSelection()
{
    m_browser->RefreshSelection();
}

bool MainWindow::loadImage4(const QString &mediaPath)
{
    const QImage picture = loadPicture(m_platform.fs, mediaPath, Image4->size() * Image4->devicePixelRatioF());
    if (picture.isNull())
        return false;
    Image4->setImage(picture);
    return true;
}

bool MainWindow::showHandedBackPhoto(const QString &mediaPath)
{
    if (!loadImage4(mediaPath))
        return false;
    Image4->show();
    return true;
}

void MainWindow::setPhotoNumber(const QString &number)
{
    panPhoto->setCaption(number);
}

void MainWindow::setSelectionLabel(const QString &label)
{
    panYear->setCaption(label);
    panYear->show();
}

void MainWindow::setFileName(const QString &fileName)
{
    txtFile->setText(fileName);
}

void MainWindow::setStatsCaption(const QString &caption)
{
    cmdStats->setText(caption);
}

void MainWindow::setDetailButtonEnabled(const QString &name, bool enabled)
{
    if (auto *button = centralWidget()->findChild<SSCommand *>(name, Qt::FindDirectChildrenOnly))
        button->setEnabled(enabled);
}

void MainWindow::showScreenSaverPhotoWindow()
{
    if (!m_ssPhoto)
        m_ssPhoto = new ScreenSaverPhotoWindow(this);
    m_ssPhoto->show();
    m_ssPhoto->raise();
}

void MainWindow::closeScreenSaverPhotoWindow()
{
    if (m_ssPhoto)
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
        m_browser->Form_LostFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (MMControl1)
        MMControl1->command(QStringLiteral("close"));
    m_platform.desktop.setTaskbarVisible(true);
    if (!isMinimized())
        WindowSettings::write(m_platform.settings, outerPlace(this));
    event->accept();
    Q_EMIT closed();
}
