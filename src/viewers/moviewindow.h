#pragma once

#include "platform/base/mediacontrol.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class MainWindowHost;
class QLabel;
class QRadioButton;
class SSCommand;
class SSPanel;
class TransportBar;
struct Platform;
struct Session;

// One movie of the window: the caption of its option and its file in MovieFolder.
struct MovieEntry
{
    QString caption;
    QString fileName;
};
const std::array<MovieEntry, 5> &movieTable();

// The movie window frmMovie: the picture PicMovie above the panel SSPanel1,
// which holds the media bar, one option per movie, "Help" (the video
// software offer) and "Exit". The window owns its media control, which goes
// with it; choosing a movie opens it ready to play, and the bar plays it.
class MovieWindow : public QDialog
{
    Q_OBJECT
public:
    // The result of a window that closed to be opened afresh.
    static constexpr int Reopen = QDialog::Accepted + 1;

    // offerVideoSoftware: the offer of the video software; true when it went
    // through, and the window is then opened afresh.
    MovieWindow(Platform &platform, Session &session, MainWindowHost &host, const QString &movieFolder,
        std::function<bool()> offerVideoSoftware);
    ~MovieWindow() override;

    // Load: centred on the screen, the main window out of play, the first
    // movie opened and drawn into PicMovie.
    void Form_Load();
    // Opens movie index (0..4) from MovieFolder, ready to play; ER045 when it
    // is missing or cannot be opened (the open movie is kept when it is missing).
    void optMovie_Click(int index);
    // The media bar: Back, Next and Play send their commands, Stop stops and
    // rewinds; Prev, Pause and Step do what a media bar does.
    void MMControl1_PrevClick();
    void MMControl1_NextClick();
    void MMControl1_PlayClick();
    void MMControl1_PauseClick();
    void MMControl1_BackClick();
    void MMControl1_StepClick();
    void MMControl1_StopClick();
    // "Exit": closes the window and gives the focus to the year buttons.
    void SSCommand1_Click();
    // "Help": the video software offer; after Yes the window opens afresh.
    void SSCommand2_Click();

    QRadioButton *optMovie(int index) const { return m_optMovie.at(index); }

    // Every way of closing gives the main window back.
    void done(int result) override;

private:
    void createControls();
    void connectControls();

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    const QString m_movieFolder;
    std::function<bool()> m_offerVideoSoftware;
    std::unique_ptr<MediaControl> MMControl1;

    QLabel *PicMovie;
    SSPanel *SSPanel1;
    TransportBar *m_mediaBar; // the bar of MMControl1, under that name
    std::array<QRadioButton *, 5> m_optMovie {};
    SSCommand *SSCommand2;
    SSCommand *SSCommand1;
};
