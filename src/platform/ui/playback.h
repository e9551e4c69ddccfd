#pragma once

#include <QObject>

// One open sound or movie as the media control plays it: from a position,
// halting where it is, and telling when it has played to its end.
class Playback : public QObject
{
    Q_OBJECT
public:
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual qint64 position() const = 0; // ms
    virtual qint64 duration() const = 0; // ms
    virtual void seek(qint64 ms) = 0;
    // The last place to stand: a movie's last picture, a sound's end.
    virtual qint64 end() const = 0;
    // One step of "back" and "step": a picture of a movie, a tenth of a sound.
    virtual qint64 stepLength() const = 0;

Q_SIGNALS:
    // Played to its end, or stopped by a failure of the device.
    void finished();
};
