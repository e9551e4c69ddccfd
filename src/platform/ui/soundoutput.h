#pragma once

#include "playback.h"
#include "platform/base/wavdecoder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

class QAudioSink;

// A decoded sound played straight to the default audio output, which starts
// it within a few milliseconds (a media player takes over a hundred to set up
// its pipeline). Where there is no audio device, or the device fails, it
// plays silently in real time, so its end still comes.
class SoundOutput : public Playback
{
    Q_OBJECT
public:
    explicit SoundOutput(PcmSound sound);
    ~SoundOutput() override;

    // From the position; a sound that has ended plays from its start.
    void play() override;
    void pause() override;
    qint64 position() const override;
    qint64 duration() const override;
    void seek(qint64 ms) override;
    qint64 end() const override { return duration(); }
    qint64 stepLength() const override { return duration() / 10; }

private:
    void finish();
    void startDevice();
    void playSilently();
    void stopDevice();
    qint64 frameBytes() const { return 2 * m_sound.channels; }

    PcmSound m_sound;
    QBuffer m_data;
    std::unique_ptr<QAudioSink> m_sink;
    QTimer m_endTimer; // the end of a silent sound, or of the last of it in the device
    QElapsedTimer m_silentClock;
    qint64 m_from = 0; // ms: where the current stretch of playing began
    bool m_playing = false;
};
