#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

// The classic media control: a device type ("WaveAudio", "AVIVideo"), a file
// name, a window for video, and command strings: "open", "close", "play",
// "pause", "stop" (halts where it is), "prev" (to the start), "next" (to the
// end), "back" and "step" (one picture of a movie, or a tenth of a sound,
// backward or forward). Playback runs on its own; the rest of the program
// never waits for it.
class MediaControl
{
public:
    enum class Mode { NotOpen, Open, Playing, Paused, Stopped };

    virtual ~MediaControl() = default;
    virtual void setDeviceType(const QString &deviceType) = 0;
    virtual void setFileName(const QString &nativeFileName) = 0;
    virtual void setDisplayWindow(QWidget *window) = 0;
    // With wait set, "open" returns only once the file is loaded and ready to
    // play (or has failed to load), so the caller can go on at once.
    virtual void setWait(bool wait) = 0;
    // Carries out one command; false when it failed (no such file, a file that
    // cannot be decoded, an unknown command).
    virtual bool command(const QString &command) = 0;
    virtual Mode mode() const = 0;
    // Called once whenever playback reaches its end.
    virtual void setOnDone(std::function<void()> callback) = 0;
};

using MediaControlFactory = std::function<std::unique_ptr<MediaControl>()>;
