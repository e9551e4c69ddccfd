#pragma once

#include "platform/base/mediacontrol.h"

#include <memory>

#include <QBuffer>
#include <QObject>
#include <QPointer>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

// The media control on QMediaPlayer. "WaveAudio" files are decoded here and
// handed to the player as plain 16-bit PCM, because the platform's own wave
// reader drops the end of ADPCM sounds and plays nothing of 8-bit sounds that
// end on a pad byte. "AVIVideo" files go to the player as they are and are
// drawn by a video widget laid over the display window. Without an audio
// device the player runs silently in real time, so "done" still arrives.
class QtMediaControl : public QObject, public MediaControl
{
    Q_OBJECT

public:
    QtMediaControl();
    ~QtMediaControl() override;

    void setDeviceType(const QString &deviceType) override;
    void setFileName(const QString &nativeFileName) override;
    void setDisplayWindow(QWidget *window) override;
    bool command(const QString &command) override;
    Mode mode() const override { return m_mode; }
    void setOnDone(std::function<void()> callback) override { m_onDone = std::move(callback); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isVideo() const;
    bool open();
    bool openSound();
    bool openMovie();
    void close();
    void step(int direction);
    void createPlayer();
    void showVideo();

    QString m_deviceType;
    QString m_fileName;
    QPointer<QWidget> m_window;
    QPointer<QVideoWidget> m_video;
    QBuffer m_sound; // the decoded sound as a plain PCM wave file
    // Created on the first "open": the first player of a run is slow to make.
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
    Mode m_mode = Mode::NotOpen;
    std::function<void()> m_onDone;
};

// Hands out a new QtMediaControl for each window that needs one.
MediaControlFactory qtMediaControls();

// Before the application starts: the sound system's warnings on a machine
// without a sound card (PulseAudio, ALSA, OpenAL) say nothing a user can act
// on, so they are not printed. Settings the user made are kept.
void quietMediaWarnings();
