#pragma once

#include <QDateTime>
#include <QDialog>
#include <array>
#include <functional>

class MainWindowHost;
class QRadioButton;
class QTimer;
class SlideShow;
class SlideShowTransportBar;
class SpinButton;
class SSCommand;
class SSPanel;
class StretchedImage;
struct Platform;
struct Session;

// The slide show frmSlide, laid over the main window: the photograph, the
// strip below it with the year or category, the counter, the delay and a
// running clock, and the transport bar. It shows what SlideShow decides and
// hands the photograph on screen back to the main window on "Exit". The
// window is destroyed when it closes.
class SlideShowWindow : public QDialog
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    SlideShowWindow(Platform &platform, Session &session, MainWindowHost &host,
                    SlideShow &show, Clock clock);

    // Everything a new show does before the window is shown: the first
    // delay, the place of the main window, the main window's photograph, and
    // the compact layout on a 640 x 480 screen.
    void startShow();

    // Sets the caption of panYear from the photograph at PhotoCursor.
    void SetSlideCaption();

    // Event handlers.
    void Form_Paint();
    void Image1_Click();
    void Image1_MouseDown(Qt::MouseButton button);
    void SSCommand1_Click();
    void SSCommand1_KeyDown(int key);
    void SSCommand2_Click();
    void mmSlide_BkwdClick();
    void mmSlide_FwdClick();
    void mmSlide_PlayClick();
    void mmSlide_PauseClick();
    void mmSlide_JumpBkwdClick();
    void mmSlide_JumpFwdClick();
    void mmSlide_ExitClick();
    void SpinInterval_SpinUp();
    void SpinInterval_SpinDown();
    void Timer1_Timer();
    void Timer3_Timer();

    QRadioButton *optSeq(int index) const { return m_optSeq.at(index); }

    StretchedImage *Image1;
    SSPanel *panYear;
    SSCommand *SSCommand1;
    SSCommand *SSCommand2;
    SlideShowTransportBar *mmSlide;
    SSPanel *pnlPhotoNumber;
    SSPanel *panInterval;
    SpinButton *SpinInterval;
    SSPanel *PnlCoStar;
    SSPanel *StatusDay;
    SSPanel *StatusDate;
    SSPanel *StatusTime;
    SSCommand *cmdExit;
    QTimer *Timer1;
    QTimer *Timer3;

    // While true, repaints and clicks on the photograph leave the focus where it is.
    bool SuppressFocusReturn = false;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // How a transport button steps by hand: its error code and when it sets the counter.
    struct HandStep
    {
        QString errorCode;
        bool counterBeforeLoad = false;
        bool counterAfterFailure = false;
        bool showsCounter = true;
    };
    void createControls();
    void connectControls();
    void stepByHand(int position, const HandStep &step);
    // Loads the photograph at the position into Image1 at its size; a picture
    // that cannot be decoded leaves the one on screen.
    bool showPhotograph(int position);
    void setCounter(int position);
    void setPlayingControls(bool playing);
    void delayChanged();
    void applyCompactLayout();
    // Reports ErrorCode once: ticks that come while the box is open show nothing.
    void reportFailure();

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    SlideShow &m_show;
    Clock m_clock;
    std::array<QRadioButton *, 2> m_optSeq{};
    bool m_reporting = false;
};
