#include "slideshowwindow.h"

#include "slideshowtransportbar.h"
#include "core/errortable.h"
#include "core/mainwindowhost.h"
#include "core/roots.h"
#include "core/selectionrules.h"
#include "core/session.h"
#include "core/slideshow.h"
#include "platform/base/pictureloader.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/controls.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"
#include "util/help.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QRadioButton>
#include <QRegion>
#include <QTimer>
#include <QToolButton>

using namespace SlideShowRules;

namespace {
constexpr int ClockInterval = 10;

Twips placeOf(const QWidget *control)
{
    const QRect r = control->geometry();
    return Twips{ pixelsToTwips(r.x()), pixelsToTwips(r.y()), pixelsToTwips(r.width()), pixelsToTwips(r.height()) };
}

// The clock ticks a hundred times a second; a panel repaints only when its text changes.
void setChangedCaption(SSPanel *panel, const QString &caption)
{
    if (panel->caption() != caption)
        panel->setCaption(caption);
}
}

SlideShowWindow::SlideShowWindow(Platform &platform, Session &session, MainWindowHost &host,
                                 SlideShow &show, Clock clock)
    : QDialog(host.mainWindow())
    , m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_show(show)
    , m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("frmSlide"));
    setWindowTitle(QStringLiteral("The Vireon Anthology Slide Show"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    connectControls();
    Timer3_Timer();
    Timer3->start(ClockInterval);
    SSCommand1->setFocus();
    AttachHelp(m_session, this);
}

void SlideShowWindow::createControls()
{
    Image1         = makeImage (this, QStringLiteral("Image1"),                                       Twips{ 120, 120, 11700, 7500 });
    panYear        = makePanel (this, QStringLiteral("panYear"),        QString(),                    Twips{ 120, 7680, 2850, 375 });
    m_optSeq[0]    = makeOption(this, QStringLiteral("optSeq(0)"),      QStringLiteral("Sequential"), Twips{ 3120, 7680, 1335, 255 });
    m_optSeq[1]    = makeOption(this, QStringLiteral("optSeq(1)"),      QStringLiteral("Random"),     Twips{ 3120, 7935, 1215, 255 });
    SSCommand1     = makeButton(this, QStringLiteral("SSCommand1"),     QStringLiteral("Beginning"),  Twips{ 4560, 7620, 1815, 255 });
    SSCommand2     = makeButton(this, QStringLiteral("SSCommand2"),     QStringLiteral("Middle"),     Twips{ 6360, 7620, 1815, 255 });
    pnlPhotoNumber = makePanel (this, QStringLiteral("pnlPhotoNumber"), QString(),                    Twips{ 8280, 7680, 1335, 375 });
    panInterval    = makePanel (this, QStringLiteral("panInterval"),    QString(),                    Twips{ 9720, 7680, 1290, 375 });
    PnlCoStar      = makePanel (this, QStringLiteral("PnlCoStar"),      ProgramTitle,                 Twips{ 120, 8220, 4335, 375 });
    StatusDay      = makePanel (this, QStringLiteral("StatusDay"),      QString(),                    Twips{ 4440, 8220, 1935, 375 });
    StatusDate     = makePanel (this, QStringLiteral("StatusDate"),     QString(),                    Twips{ 6360, 8220, 1935, 375 });
    StatusTime     = makePanel (this, QStringLiteral("StatusTime"),     QString(),                    Twips{ 8280, 8220, 1935, 375 });
    cmdExit        = makeButton(this, QStringLiteral("cmdExit"),        QStringLiteral("Exit"),       Twips{ 10200, 8220, 1695, 375 });
    Image1->setKeepsProportions(true);
    Image1->setAccessibleName(QStringLiteral("Photograph"));

    mmSlide = new SlideShowTransportBar(this);
    mmSlide->setObjectName(QStringLiteral("mmSlide"));
    mmSlide->setAccessibleName(QStringLiteral("Slide show controls"));
    mmSlide->setGeometry(toPixels(Twips{ 4560, 7860, 3600, 330 }));
    SpinInterval = new SpinButton(Qt::Vertical, this);
    SpinInterval->setObjectName(QStringLiteral("SpinInterval"));
    SpinInterval->setAccessibleName(QStringLiteral("Slide Show Delay"));
    SpinInterval->setHalfNames(QStringLiteral("Longer delay"), QStringLiteral("Shorter delay"));
    SpinInterval->setGeometry(toPixels(Twips{ 11040, 7680, 735, 405 }));
    // The halves pass the hover on, so the spinner's own tooltip shows.
    SpinInterval->upButton()->setToolTip(QString());
    SpinInterval->downButton()->setToolTip(QString());

    Image1->setToolTip(QStringLiteral("Click the Right mouse button to copy"));
    SSCommand1->setToolTip(QStringLiteral("Jump to Slide 1"));
    SSCommand2->setToolTip(QStringLiteral("Jump to Middle"));
    SpinInterval->setToolTip(QStringLiteral("Set Slide Show Delay"));
    optSeq(0)->setChecked(true);
    panYear->hide();
    pnlPhotoNumber->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
}

void SlideShowWindow::connectControls()
{
    using Bar = SlideShowTransportBar;
    connect(mmSlide->button(Bar::Bkwd), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_BkwdClick);
    connect(mmSlide->button(Bar::Fwd), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_FwdClick);
    connect(mmSlide->button(Bar::Play), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_PlayClick);
    connect(mmSlide->button(Bar::Pause), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_PauseClick);
    connect(mmSlide->button(Bar::JumpBkwd), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_JumpBkwdClick);
    connect(mmSlide->button(Bar::JumpFwd), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_JumpFwdClick);
    connect(mmSlide->button(Bar::Exit), &QToolButton::clicked, this, &SlideShowWindow::mmSlide_ExitClick);
    connect(SSCommand1, &QPushButton::clicked, this, &SlideShowWindow::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &SlideShowWindow::SSCommand2_Click);
    connect(SpinInterval, &SpinButton::SpinUp, this, &SlideShowWindow::SpinInterval_SpinUp);
    connect(SpinInterval, &SpinButton::SpinDown, this, &SlideShowWindow::SpinInterval_SpinDown);
    connect(Image1, &StretchedImage::clicked, this, &SlideShowWindow::Image1_Click);
    connect(Image1, &StretchedImage::mousePressed, this, &SlideShowWindow::Image1_MouseDown);
    for (SSPanel *panel : { panYear, PnlCoStar, StatusDay, StatusDate, StatusTime })
        connect(panel, &SSPanel::clicked, SSCommand1, qOverload<>(&QWidget::setFocus));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(Timer1, &QTimer::timeout, this, &SlideShowWindow::Timer1_Timer);
    connect(Timer3, &QTimer::timeout, this, &SlideShowWindow::Timer3_Timer);
    SSCommand1->installEventFilter(this);
}

void SlideShowWindow::startShow()
{
    m_host.RefreshScreenSaverButtons();
    m_show.start();
    SpinInterval->setEnabled(true);
    panInterval->setCaption(FirstDelayText);
    Timer1->stop();
    // Laid exactly over the main window; the modal show comes to the front when it is shown.
    if (QWidget *main = m_host.mainWindow())
        setGeometry(main->geometry());

    const int p = m_session.navigator.CurrentPosition;
    // Before any photograph the window opens empty; the caption comes from photograph 1.
    m_session.navigator.PhotoCursor = qMax(p, 1);
    if (p >= 1) {
        showPhotograph(p);
        panYear->show();
        setCounter(p);
        pnlPhotoNumber->show();
    }
    SetSlideCaption();
    m_session.navigator.PhotoCursor = p;
    if (!SelectionRules::isNumericLabel(m_session.SelectionCode))
        m_session.SelectionCode = QStringLiteral("55");
    if (ScreenIs(m_platform.screen.sizeInTwips(), 640, 480))
        applyCompactLayout();
}

void SlideShowWindow::SetSlideCaption()
{
    const QString caption = slideCaption(m_session.photoIndex.fileNameAt(m_show.PhotoCursor()));
    // A name of no known group leaves the caption as it was.
    if (!caption.isEmpty())
        panYear->setCaption(caption);
}

void SlideShowWindow::Form_Paint()
{
    if (!SuppressFocusReturn)
        SSCommand1->setFocus();
}

void SlideShowWindow::Image1_Click()
{
    if (!SuppressFocusReturn)
        SSCommand1->setFocus();
}

void SlideShowWindow::Image1_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    const auto answer = m_platform.dialogs.message(
        { ProgramTitle, QStringLiteral("Would you like to copy this image to the Windows Clipboard?"),
            Dialogs::Buttons::YesNo, Dialogs::Icon::Question });
    if (answer != Dialogs::Answer::Yes)
        return;
    // Without a picture the clipboard is only emptied.
    m_platform.clipboard.setImage(Image1->image());
}

void SlideShowWindow::SSCommand1_Click()
{
    pnlPhotoNumber->show();
    setCounter(1);
    panYear->setCaption(QStringLiteral("1955"));
    panYear->show();
    showPhotograph(m_show.Beginning());
}

void SlideShowWindow::SSCommand1_KeyDown(int key)
{
    if (key == Qt::Key_Comma)
        mmSlide_BkwdClick();
    else if (key == Qt::Key_Period)
        mmSlide_FwdClick();
}

void SlideShowWindow::SSCommand2_Click()
{
    panYear->show();
    const int p = m_show.Middle();
    setCounter(p);
    pnlPhotoNumber->show();
    showPhotograph(p);
    panYear->setCaption(middleCaption(m_session.photoIndex.fileNameAt(p)));
    SSCommand1->setFocus();
}

void SlideShowWindow::mmSlide_BkwdClick()
{
    stepByHand(m_show.Bkwd(), { .errorCode = QStringLiteral("ER015"), .counterAfterFailure = true });
}

void SlideShowWindow::mmSlide_FwdClick()
{
    stepByHand(m_show.Fwd(), { .errorCode = QStringLiteral("ER014"), .counterBeforeLoad = true });
}

void SlideShowWindow::mmSlide_JumpBkwdClick()
{
    stepByHand(m_show.JumpBkwd(), { .errorCode = QStringLiteral("ER013") });
}

void SlideShowWindow::mmSlide_JumpFwdClick()
{
    stepByHand(m_show.JumpFwd(),
        { .errorCode = QStringLiteral("ER018"), .counterAfterFailure = true, .showsCounter = false });
}

void SlideShowWindow::stepByHand(int position, const HandStep &step)
{
    if (step.showsCounter)
        pnlPhotoNumber->show();
    m_session.SlideShowFlag = false;
    m_session.errors.setErrorCode(step.errorCode);
    if (step.counterBeforeLoad)
        setCounter(position);
    if (showPhotograph(position)) {
        SetSlideCaption();
        panYear->show();
        if (!step.counterBeforeLoad)
            setCounter(position);
    } else {
        if (step.counterAfterFailure)
            setCounter(position);
        reportFailure();
    }
    SSCommand1->setFocus();
}

void SlideShowWindow::mmSlide_PlayClick()
{
    SuppressFocusReturn = true;
    m_show.Play();
    setPlayingControls(true);
    m_session.SlideShowFlag = true;
    Timer1->start(m_show.PhotoDelay);
    pnlPhotoNumber->show();
}

void SlideShowWindow::mmSlide_PauseClick()
{
    m_session.SlideShowFlag = false;
    Timer1->stop();
    setPlayingControls(false);
    m_show.Pause();
    SSCommand1->setFocus();
}

void SlideShowWindow::setPlayingControls(bool playing)
{
    SpinInterval->setEnabled(!playing);
    mmSlide->setPlaying(playing);
    SSCommand1->setEnabled(!playing);
    SSCommand2->setEnabled(!playing);
}

void SlideShowWindow::mmSlide_ExitClick()
{
    m_session.SlideShowFlag = false;
    if (m_host.CurrentSelection() == SelectionRules::NoSelection)
        return m_host.RefreshSelection();

    const PhotoIndex &index = m_session.photoIndex;
    const int p = m_show.handBackPosition();
    m_session.errors.setErrorCode(QStringLiteral("ER017"));
    if (!m_host.showHandedBackPhoto(index.pathAt(p)))
        return reportFailure();
    m_host.setPhotoNumber(index.numberAt(p));
    const QString caption = panYear->caption();
    m_host.setSelectionLabel(caption);
    m_session.navigator.CurrentPosition = p;
    m_session.navigator.CurrentPhotoPath = index.pathAt(p);

    m_host.setFileName(index.fileNameAt(p));
    m_host.RefreshSelection();
    const HandBack rule = handBack(caption);
    m_host.setStatsCaption(rule.statsCaption);
    if (rule.enablesDesc)
        m_host.setDetailButtonEnabled(SelectionRules::DetailButton::cmdDesc, true);
    for (SelectionRules::DetailButton button : rule.disabledButtons)
        m_host.setDetailButtonEnabled(button, false);
    m_host.focusYearButtonAt(rule.focusButton);
    m_session.YearButtonIndex = rule.yearButtonIndex;
    m_session.SelectionCode = rule.selectionCode;
    m_show.handedBack();
}

void SlideShowWindow::SpinInterval_SpinUp()
{
    m_show.PhotoDelay = delayAfterSpinUp(m_show.PhotoDelay);
    delayChanged();
}

void SlideShowWindow::SpinInterval_SpinDown()
{
    m_show.PhotoDelay = delayAfterSpinDown(m_show.PhotoDelay);
    delayChanged();
}

void SlideShowWindow::delayChanged()
{
    panInterval->setCaption(delayText(m_show.PhotoDelay));
    SSCommand1->setFocus();
}

void SlideShowWindow::Timer1_Timer()
{
    if (!Timer1->isActive() || m_reporting)
        return;
    const int k = m_show.nextTimedSlide(optSeq(1)->isChecked());
    if (k != 0) {
        m_session.errors.setErrorCode(QStringLiteral("ER016"));
        if (showPhotograph(k)) {
            SetSlideCaption();
            setCounter(k);
            m_show.timedSlideShown();
        } else if (m_show.timedSlideFailed()) {
            reportFailure();
        }
    }
    panYear->show();
}

void SlideShowWindow::Timer3_Timer()
{
    const QDateTime now = m_clock();
    setChangedCaption(StatusTime, clockTime(now.time()));
    setChangedCaption(StatusDate, clockDate(now.date()));
    setChangedCaption(StatusDay, clockDay(now.date()));
}

bool SlideShowWindow::showPhotograph(int position)
{
    const QSize size = Image1->size() * Image1->devicePixelRatioF();
    const QImage picture = loadPicture(m_platform.fs, m_session.photoIndex.pathAt(position), size);
    if (picture.isNull())
        return false;
    Image1->setImage(picture);
    return true;
}

void SlideShowWindow::setCounter(int position)
{
    pnlPhotoNumber->setCaption(counterText(position, m_show.count()));
}

void SlideShowWindow::applyCompactLayout()
{
    QHash<QString, Twips> design;
    for (const QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        design.insert(control->objectName(), placeOf(control));
    const QHash<QString, Twips> compact = compactLayout(design, m_platform.screen.sizeInTwips().width());
    for (auto it = compact.cbegin(); it != compact.cend(); ++it)
        findChild<QWidget *>(it.key(), Qt::FindDirectChildrenOnly)->setGeometry(toPixels(it.value()));
}

void SlideShowWindow::reportFailure()
{
    QPointer<SlideShowWindow> self(this);
    m_reporting = true;
    m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
    if (self)
        m_reporting = false;
}

void SlideShowWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Controls that repaint themselves (a button drawn pressed, the focus
    // passing to it) have the window paint what lies under them too. That is
    // not the window painted anew, and moving the focus then would drop the
    // click under way.
    QRegion controls;
    for (const QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            controls += control->geometry();
    const bool controlsOnly = (event->region() - controls).isEmpty();
    if (!controlsOnly)
        Form_Paint();
}

void SlideShowWindow::closeEvent(QCloseEvent *event)
{
    if (!m_show.SkipExitPrompt) {
        const auto answer = m_platform.dialogs.message({ ProgramTitle, QStringLiteral("Exit The Vireon Anthology?"),
                                                         Dialogs::Buttons::OkCancel, Dialogs::Icon::Question });
        if (answer != Dialogs::Answer::Ok)
            return event->ignore();
    }
    Timer1->stop();
    Timer3->stop();
    CloseHelp(m_session);
    QDialog::closeEvent(event);
}

void SlideShowWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the show as "Exit" does, through the closing question
    // (the dialog's own Escape would hide it without asking).
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool SlideShowWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SSCommand1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Comma || key == Qt::Key_Period) {
            SSCommand1_KeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
