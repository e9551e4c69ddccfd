#pragma once

#include "playback.h"

#include <QUrl>

#include <memory>

struct AviStreams;
class QAudioOutput;
class QMediaPlayer;
class QTemporaryFile;
class VideoSurface;

// A movie in QMediaPlayer, drawn by the media control's video surface. It
// goes to the player only once the decoders it needs are known to be here,
// and as a copy with its header mended when its ADPCM sound would be timed
// wrong.
class MoviePlayback : public Playback
{
    Q_OBJECT
public:
    MoviePlayback(const QString &fileName, VideoSurface &surface);
    ~MoviePlayback() override;

    // Loads the movie at its first picture; with wait, returns only once it
    // is loaded. False, and why in the log, when it cannot be played here.
    bool open(bool wait);

    void play() override;
    void pause() override;
    qint64 position() const override;
    qint64 duration() const override;
    void seek(qint64 ms) override;
    qint64 end() const override { return duration() - stepLength(); }
    qint64 stepLength() const override;

private:
    void createPlayer();
    QString retimedMovie(const AviStreams &streams);
    // Loads the movie afresh in a new player and waits for it: the way back
    // from its end, and from a pause that would cost it the start of its
    // sound.
    bool reload();
    // Runs the player's events until the movie is loaded or has failed.
    bool waitUntilLoaded();

    QString m_fileName;
    VideoSurface &m_surface;
    QUrl m_source; // the file, or its retimed copy
    qint64 m_frameMs = 0; // one picture
    std::unique_ptr<QTemporaryFile> m_retimed;
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
};
