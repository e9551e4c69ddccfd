#pragma once

#include "platform/base/mediacontrol.h"

#include <QHash>
#include <QList>
#include <QStringList>

class RecordingMediaControl;

// What all controls of one factory share: every call in order ("close",
// "deviceType=WaveAudio", "fileName=/x/passby.wav", "displayWindow=PicMovie",
// "wait=true", "open", "play", ...), the answers to give, and the controls alive now.
struct MediaLog
{
    QStringList calls;
    QHash<QString, bool> answers; // command -> answer; commands not listed succeed
    QList<RecordingMediaControl *> controls; // in the order they were made

    // The control made last; a test ends its playback with last()->done().
    RecordingMediaControl *last() const { return controls.isEmpty() ? nullptr : controls.constLast(); }
};

// A media control that plays nothing: it records its calls into the log and
// keeps the mode a real control would have after each successful command.
class RecordingMediaControl : public MediaControl
{
public:
    explicit RecordingMediaControl(std::shared_ptr<MediaLog> log);
    ~RecordingMediaControl() override;

    void setDeviceType(const QString &deviceType) override;
    void setFileName(const QString &nativeFileName) override;
    void setDisplayWindow(QWidget *window) override;
    void setWait(bool wait) override;
    bool command(const QString &command) override;
    Mode mode() const override { return m_mode; }
    void setOnDone(std::function<void()> callback) override { m_onDone = std::move(callback); }

    QWidget *displayWindow() const { return m_window; }
    // Playback reaches its end: the control stops and tells its owner.
    void done();

private:
    std::shared_ptr<MediaLog> m_log;
    QWidget *m_window = nullptr;
    Mode m_mode = Mode::NotOpen;
    std::function<void()> m_onDone;
};

// Hands out recording controls that all write into log.
MediaControlFactory recordingMediaControls(std::shared_ptr<MediaLog> log);
