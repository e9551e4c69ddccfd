#include "moviewindow.h"

#include "core/mainwindowhost.h"
#include "core/session.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/busypointer.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/transportbar.h"

#include <QLabel>
#include <QRadioButton>

namespace {
using Action = TransportBar::Action;

const QString Caption = QStringLiteral("Vireon Movies");

QRadioButton *makeOption(QWidget *parent, int index, const QRect &place)
{
    const QString caption = movieTable().at(index).caption;
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(arrayName(QStringLiteral("optMovie"), index));
    option->setAccessibleName(caption);
    option->setGeometry(place);
    return option;
}
} // namespace

const std::array<MovieEntry, 5> &movieTable()
{
    static const std::array<MovieEntry, 5> table { {
        { QStringLiteral("56 A Classic Design"), QStringLiteral("1956.avi") },
        { QStringLiteral("58 Inverness"), QStringLiteral("1958_3.avi") },
        { QStringLiteral("58 Vireon Country"), QStringLiteral("Vireon2002.avi") },
        { QStringLiteral("62 Vireon"), QStringLiteral("1962_2.avi") },
        { QStringLiteral("66 Moon River"), QStringLiteral("1966.avi") },
    } };
    return table;
}

MovieWindow::MovieWindow(Platform &platform, Session &session, MainWindowHost &host,
    const QString &movieFolder, std::function<bool()> offerVideoSoftware)
    : QDialog(host.mainWindow())
    , m_platform(platform)
    , m_session(session)
    , m_host(host)
    , m_movieFolder(movieFolder)
    , m_offerVideoSoftware(std::move(offerVideoSoftware))
    , MMControl1(platform.mediaControls())
{
    setObjectName(QStringLiteral("frmMovie"));
    setWindowTitle(Caption);
    setFixedSize(322, 406);
    createControls();
    connectControls();
}

MovieWindow::~MovieWindow() = default;

void MovieWindow::createControls()
{
    PicMovie = makePictureBox(this, QStringLiteral("PicMovie"), pixelPlace(8, 8, 305, 201));
    PicMovie->setAccessibleName(QStringLiteral("Movie"));
    PicMovie->setAutoFillBackground(true);
    QPalette grey = PicMovie->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    PicMovie->setPalette(grey);
    SSPanel1 = makePanel(this, QStringLiteral("SSPanel1"), QString(), pixelPlace(8, 220, 305, 169));

    using B = TransportBar::Button;
    m_mediaBar = new TransportBar(
        { B { Action::ToStart, QStringLiteral("Prev") }, B { Action::ToEnd, QStringLiteral("Next") },
            B { Action::Play, QStringLiteral("Play") }, B { Action::Pause, QStringLiteral("Pause") },
            B { Action::StepBack, QStringLiteral("Back") }, B { Action::StepForward, QStringLiteral("Step") },
            B { Action::Stop, QStringLiteral("Stop") } },
        SSPanel1);
    m_mediaBar->setObjectName(QStringLiteral("MMControl1"));
    m_mediaBar->setAccessibleName(QStringLiteral("Movie controls"));
    m_mediaBar->setGeometry(16, 16, 271, 20);

    m_optMovie[0] = makeOption(SSPanel1, 0, QRect(16, 56, 153, 17));
    m_optMovie[3] = makeOption(SSPanel1, 3, QRect(176, 56, 113, 18));
    m_optMovie[1] = makeOption(SSPanel1, 1, QRect(16, 80, 137, 17));
    m_optMovie[4] = makeOption(SSPanel1, 4, QRect(176, 80, 113, 17));
    m_optMovie[2] = makeOption(SSPanel1, 2, QRect(16, 104, 153, 18));
    SSCommand2 = makeButton(
        SSPanel1, QStringLiteral("SSCommand2"), QStringLiteral("Help"), pixelPlace(16, 128, 137, 25));
    SSCommand1 = makeButton(
        SSPanel1, QStringLiteral("SSCommand1"), QStringLiteral("Exit"), pixelPlace(152, 128, 129, 25));
}

void MovieWindow::connectControls()
{
    for (int i = 0; i < int(m_optMovie.size()); ++i)
        connect(m_optMovie.at(i), &QRadioButton::clicked, this, [this, i] { optMovie_Click(i); });
    connect(m_mediaBar, &TransportBar::triggered, this, [this](Action action) {
        switch (action) {
        case Action::ToStart:
            return MMControl1_PrevClick();
        case Action::ToEnd:
            return MMControl1_NextClick();
        case Action::Play:
            return MMControl1_PlayClick();
        case Action::Pause:
            return MMControl1_PauseClick();
        case Action::StepBack:
            return MMControl1_BackClick();
        case Action::StepForward:
            return MMControl1_StepClick();
        case Action::Stop:
            return MMControl1_StopClick();
        default:
            return;
        }
    });
    connect(SSCommand1, &QPushButton::clicked, this, &MovieWindow::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &MovieWindow::SSCommand2_Click);
    // A movie that has played to its end can be played again.
    MMControl1->setOnDone([this] { m_mediaBar->setPlaying(false); });
}

void MovieWindow::Form_Load()
{
    const QSize screen = m_platform.screen.sizeInPixels();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    m_host.disableMainWindow();
    m_mediaBar->hide();
    PicMovie->show();
    optMovie(0)->setChecked(true);
    optMovie_Click(0);
    MMControl1->setDisplayWindow(PicMovie);
}

void MovieWindow::optMovie_Click(int index)
{
    BusyPointer busy;
    m_session.errors.setErrorCode(QStringLiteral("ER045"));
    const QString path = m_movieFolder + movieTable().at(index).fileName;
    PicMovie->show();
    setWindowTitle(Caption);
    const auto file = m_platform.fs.resolve(path);
    if (!file)
        return m_session.errors.reportError();
    // The open completes before the window goes on: the movie is ready to play.
    MMControl1->setWait(true);
    m_mediaBar->show();
    MMControl1->command(QStringLiteral("close"));
    MMControl1->setDeviceType(QStringLiteral("AVIVideo"));
    MMControl1->setFileName(*file);
    m_mediaBar->setPlaying(false);
    if (!MMControl1->command(QStringLiteral("open")))
        m_session.errors.reportError(ErrorReporter::Origin::FailureHandler);
}

void MovieWindow::MMControl1_PrevClick()
{
    MMControl1->command(QStringLiteral("prev"));
}

void MovieWindow::MMControl1_NextClick()
{
    MMControl1->command(QStringLiteral("next"));
}

void MovieWindow::MMControl1_PlayClick()
{
    if (MMControl1->command(QStringLiteral("play")))
        m_mediaBar->setPlaying(true);
}

void MovieWindow::MMControl1_PauseClick()
{
    MMControl1->command(QStringLiteral("pause"));
    m_mediaBar->setPlaying(false);
}

void MovieWindow::MMControl1_BackClick()
{
    MMControl1->command(QStringLiteral("back"));
}

void MovieWindow::MMControl1_StepClick()
{
    MMControl1->command(QStringLiteral("step"));
}

// A stopped movie stands at its beginning.
void MovieWindow::MMControl1_StopClick()
{
    MMControl1->command(QStringLiteral("stop"));
    MMControl1->command(QStringLiteral("prev"));
    m_mediaBar->setPlaying(false);
}

void MovieWindow::SSCommand1_Click()
{
    close();
    m_host.FocusYearButton();
}

void MovieWindow::SSCommand2_Click()
{
    if (m_offerVideoSoftware())
        done(Reopen);
}

void MovieWindow::done(int result)
{
    QDialog::done(result);
    m_host.enableMainWindow();
}
