#include "movieplayback.h"

#include "codeccheck.h"
#include "videosurface.h"
#include "platform/base/avisoundtiming.h"
#include "platform/base/periodformats.h"

#include <QAudioOutput>
#include <QDir>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QMediaPlayer>
#include <QTemporaryFile>
#include <QTimer>
#include <QVideoSink>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMovie, "vireon.media")

namespace {
// A picture of the period's movies (15 a second), for files that do not
// state theirs sensibly.
constexpr qint64 DefaultFrameMs = 67;
constexpr qint64 MaxFrameMs = 10000;
// A movie on a local disc loads in well under a second; one that takes
// longer than this is not going to play.
constexpr int LoadTimeoutMs = 5000;

} // namespace

MoviePlayback::MoviePlayback(const QString &fileName, VideoSurface &surface)
    : m_fileName(fileName)
    , m_surface(surface)
{
}

MoviePlayback::~MoviePlayback()
{
    // What the player says while it goes is not for us.
    if (m_player)
        m_player->disconnect(this);
    m_player.reset(); // before the copy it reads
    m_surface.setShown(false);
}

bool MoviePlayback::open(bool wait)
{
    // The player says nothing when it has no decoder for a movie: it just
    // shows no picture. Ask first, and name what is missing.
    QString error;
    const std::optional<AviStreams> streams = readAviStreamsFromFile(m_fileName, &error);
    const QStringList problems
        = streams ? movieProblems(*streams, CodecCheck::hasElement) : QStringList { error };
    if (!problems.isEmpty()) {
        qCWarning(lcMovie).noquote() << m_fileName + u": "_s + problems.join(u"; "_s);
        return false;
    }
    m_source = QUrl::fromLocalFile(retimedMovie(*streams));
    const qint64 frame = streams->videoFrameMicroseconds / 1000;
    m_frameMs = frame > 0 && frame <= MaxFrameMs ? frame : DefaultFrameMs;
    m_audio = std::make_unique<QAudioOutput>();
    createPlayer();
    m_surface.setShown(true);
    m_player->setSource(m_source);
    m_player->pause(); // loads the movie and shows its first picture
    return !wait || waitUntilLoaded();
}

void MoviePlayback::createPlayer()
{
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_audio.get());
    m_player->setVideoSink(m_surface.sink());
    connect(
        m_player.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia)
                Q_EMIT finished();
        });
    // The player reports errors late and more than once; playback simply ends.
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this,
        [this](QMediaPlayer::Error, const QString &message) {
            qCWarning(lcMovie).noquote() << m_fileName + u": "_s + message;
            if (m_player->playbackState() == QMediaPlayer::PlayingState)
                Q_EMIT finished();
        });
}

QString MoviePlayback::retimedMovie(const AviStreams &streams)
{
    const QList<BytePatch> patches = adpcmSoundTimingPatches(streams);
    if (patches.isEmpty())
        return m_fileName;
    auto copy = std::make_unique<QTemporaryFile>(QDir::temp().filePath(u"vireon-movie-XXXXXX.avi"_s));
    if (copy->open() && writePatchedCopy(m_fileName, patches, *copy) && copy->flush()) {
        m_retimed = std::move(copy);
        return m_retimed->fileName();
    }
    qCWarning(lcMovie).noquote() << m_fileName
            + u": no room for a copy with its sound retimed; it plays as it is"_s;
    return m_fileName;
}

// Once the player has stood paused or played to its end, it plays the start
// of the sound to a clock that ran on meanwhile and drops it: as much sound
// as the pause was long. Loaded afresh it plays all of it, from the same place.
void MoviePlayback::play()
{
    if (m_player->playbackState() == QMediaPlayer::PlayingState)
        return;
    const qint64 from = m_player->mediaStatus() == QMediaPlayer::EndOfMedia ? 0 : m_player->position();
    // The picture on show stays until the movie is back at its place.
    m_surface.holdBefore(from * 1000);
    if (reload() && from > 0)
        m_player->setPosition(from);
    m_player->play();
}

void MoviePlayback::pause()
{
    m_player->pause();
}

qint64 MoviePlayback::position() const
{
    return m_player->position();
}

qint64 MoviePlayback::duration() const
{
    return m_player->duration();
}

// A player that has played to its end shows nothing more until it is loaded again.
void MoviePlayback::seek(qint64 ms)
{
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia && !reload())
        return;
    m_player->setPosition(std::clamp<qint64>(ms, 0, m_player->duration()));
}

qint64 MoviePlayback::stepLength() const
{
    return m_frameMs;
}

// A new player: taking the source away from the old one can hold the
// interface up for a second.
bool MoviePlayback::reload()
{
    m_player->disconnect(this);
    m_player.reset();
    createPlayer();
    m_player->setSource(m_source);
    m_player->pause();
    return waitUntilLoaded();
}

bool MoviePlayback::waitUntilLoaded()
{
    const auto settled = [this] {
        const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
        return m_player->error() != QMediaPlayer::NoError
            || (status != QMediaPlayer::NoMedia && status != QMediaPlayer::LoadingMedia);
    };
    if (!settled()) {
        // Only the player's own events: a click meanwhile waits its turn.
        QEventLoop loop;
        QTimer::singleShot(LoadTimeoutMs, &loop, &QEventLoop::quit);
        const auto check = [&] {
            if (settled())
                loop.quit();
        };
        connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, &loop, check);
        connect(m_player.get(), &QMediaPlayer::errorOccurred, &loop, check);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    QString problem;
    if (m_player->error() != QMediaPlayer::NoError)
        problem = m_player->errorString();
    else if (!settled())
        problem = u"not loaded within %1 ms"_s.arg(LoadTimeoutMs);
    else if (m_player->mediaStatus() == QMediaPlayer::InvalidMedia)
        problem = u"cannot be played"_s;
    else if (!m_player->hasVideo())
        problem = u"no picture could be decoded"_s;
    if (!problem.isEmpty())
        qCWarning(lcMovie).noquote() << m_fileName + u": "_s + problem;
    return problem.isEmpty();
}
