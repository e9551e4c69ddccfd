#pragma once

#include "platform/base/mediacontrol.h"

#include <memory>

#include "videosurface.h"

#include <QObject>

class Playback;

// The media control on Qt Multimedia. "WaveAudio" files are decoded by our
// own wave decoder and played straight to the audio output (the platform's
// own wave reader drops the end of ADPCM sounds and plays nothing of 8-bit
// sounds that end on a pad byte). "AVIVideo" files play in QMediaPlayer,
// drawn into the display window. Without an audio device both run silently
// in real time, so "done" still arrives.
class QtMediaControl : public QObject, public MediaControl
{
    Q_OBJECT

public:
    QtMediaControl();
    ~QtMediaControl() override;

    void setDeviceType(const QString &deviceType) override;
    void setFileName(const QString &nativeFileName) override;
    void setDisplayWindow(QWidget *window) override;
    void setWait(bool wait) override { m_wait = wait; }
    bool command(const QString &command) override;
    Mode mode() const override { return m_mode; }
    void setOnDone(std::function<void()> callback) override { m_onDone = std::move(callback); }

private:
    bool open();
    std::unique_ptr<Playback> openSound() const;
    std::unique_ptr<Playback> openMovie();
    bool isVideo() const;
    // "back" and "step" aim at the middle of a picture: a seek to a picture's
    // own start may show the one before it.
    void step(int direction);

    QString m_deviceType;
    QString m_fileName;
    VideoSurface m_surface; // outlives every movie drawn on it
    std::unique_ptr<Playback> m_open;
    Mode m_mode = Mode::NotOpen;
    bool m_wait = false;
    std::function<void()> m_onDone;
};

// Hands out a new QtMediaControl for each window that needs one.
MediaControlFactory qtMediaControls();

// Before the application starts: the sound system's warnings on a machine
// without a sound card (PulseAudio, ALSA, OpenAL) say nothing a user can act
// on, so they are not printed. Settings the user made are kept.
void quietMediaWarnings();
