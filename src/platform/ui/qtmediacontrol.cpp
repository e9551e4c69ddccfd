#include "qtmediacontrol.h"

#include <algorithm>

#include <QAudioOutput>
#include <QEvent>
#include <QLoggingCategory>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

#include "platform/base/nativefs.h"
#include "platform/base/wavdecoder.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMedia, "vireon.media")

namespace {

// Sound effects last seconds; a larger file is not one of them, and decoding
// it would hold several times its size in memory.
constexpr qint64 MaxSoundFileSize = 64 * 1024 * 1024;
// The rate of the period's movies, for files that do not state theirs.
constexpr double DefaultFrameRate = 15.0;

bool isAviFile(const QString &fileName)
{
    const auto file = NativeFs::openFile(fileName);
    if (!file)
        return false;
    const QByteArray header = file->read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.endsWith("AVI ");
}

} // namespace

QtMediaControl::QtMediaControl() = default;

QtMediaControl::~QtMediaControl()
{
    // The player goes first: it reads from the sound buffer and draws into the video widget.
    m_player.reset();
    delete m_video;
}

void QtMediaControl::setDeviceType(const QString &deviceType)
{
    m_deviceType = deviceType;
}

void QtMediaControl::setFileName(const QString &nativeFileName)
{
    m_fileName = nativeFileName;
}

void QtMediaControl::setDisplayWindow(QWidget *window)
{
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_player)
        m_player->setVideoOutput(nullptr);
    delete m_video;
    m_window = window;
    if (m_window)
        m_window->installEventFilter(this);
    // The window may be named after the movie was opened.
    if (m_mode != Mode::NotOpen && isVideo())
        showVideo();
}

bool QtMediaControl::command(const QString &command)
{
    const QString name = command.toLower();
    if (name == u"open")
        return open();
    if (name == u"close") {
        close();
        return true;
    }
    if (m_mode == Mode::NotOpen)
        return false;
    if (name == u"play") {
        m_player->play();
        m_mode = Mode::Playing;
    } else if (name == u"stop") {
        // Stopping keeps the place, as the classic control does; "prev" rewinds.
        m_player->pause();
        m_mode = Mode::Stopped;
    } else if (name == u"prev") {
        m_player->setPosition(0);
    } else if (name == u"back") {
        step(-1);
    } else if (name == u"next") {
        step(1);
    } else {
        return false;
    }
    return true;
}

bool QtMediaControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && m_video)
        m_video->setGeometry(m_window->rect());
    return QObject::eventFilter(watched, event);
}

bool QtMediaControl::isVideo() const
{
    return m_deviceType.compare(u"AVIVideo"_s, Qt::CaseInsensitive) == 0;
}

bool QtMediaControl::open()
{
    close();
    bool opened = false;
    if (m_deviceType.compare(u"WaveAudio"_s, Qt::CaseInsensitive) == 0)
        opened = openSound();
    else if (isVideo())
        opened = openMovie();
    if (opened)
        m_mode = Mode::Open;
    return opened;
}

bool QtMediaControl::openSound()
{
    // Regular files only: a named pipe would hold the program until something wrote to it.
    const auto file = NativeFs::openFile(m_fileName);
    if (!file || file->size() > MaxSoundFileSize)
        return false;
    QString error;
    const std::optional<PcmSound> sound = decodeWave(file->readAll(), &error);
    if (!sound) {
        qCWarning(lcMedia) << m_fileName << error;
        return false;
    }
    createPlayer();
    m_sound.setData(encodePcmWave(*sound));
    m_sound.open(QIODevice::ReadOnly);
    m_player->setSourceDevice(&m_sound, QUrl::fromLocalFile(m_fileName));
    return true;
}

bool QtMediaControl::openMovie()
{
    if (!isAviFile(m_fileName))
        return false;
    createPlayer();
    showVideo();
    m_player->setSource(QUrl::fromLocalFile(m_fileName));
    // Loads the movie and shows its first picture, ready for "play".
    m_player->pause();
    return true;
}

void QtMediaControl::close()
{
    if (m_player)
        m_player->setSource(QUrl()); // stops playback and lets go of the file or buffer
    m_sound.close();
    m_sound.setData(QByteArray());
    if (m_video)
        m_video->hide();
    m_mode = Mode::NotOpen;
}

// "back" and "next" move by one picture of a movie, or by a tenth of a sound.
void QtMediaControl::step(int direction)
{
    qint64 length = m_player->duration() / 10;
    if (isVideo()) {
        const double rate = m_player->metaData().value(QMediaMetaData::VideoFrameRate).toDouble();
        length = qRound64(1000.0 / (rate > 0 ? rate : DefaultFrameRate));
    }
    const qint64 target = m_player->position() + direction * length;
    m_player->setPosition(std::clamp<qint64>(target, 0, m_player->duration()));
}

void QtMediaControl::createPlayer()
{
    if (m_player)
        return;
    m_audio = std::make_unique<QAudioOutput>();
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_audio.get());
    connect(
        m_player.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::EndOfMedia || m_mode != Mode::Playing)
                return;
            m_mode = Mode::Stopped;
            // Told once this signal has returned: whoever listens may destroy this control.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_onDone)
                        m_onDone();
                },
                Qt::QueuedConnection);
        });
    // The player reports errors late and more than once; playback simply ends.
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this,
        [this](QMediaPlayer::Error, const QString &message) {
            qCWarning(lcMedia) << m_fileName << message;
            if (m_mode == Mode::Playing)
                m_mode = Mode::Stopped;
        });
}

void QtMediaControl::showVideo()
{
    if (!m_window || !m_player)
        return;
    if (!m_video) {
        m_video = new QVideoWidget(m_window);
        m_player->setVideoOutput(m_video.data());
    }
    m_video->setGeometry(m_window->rect());
    m_video->show();
}

MediaControlFactory qtMediaControls()
{
    return [] { return std::make_unique<QtMediaControl>(); };
}

void quietMediaWarnings()
{
    // Adds an item to a list kept in an environment variable unless the user
    // already says something about the same thing there.
    const auto add = [](const char *variable, const QByteArray &subject, const QByteArray &item, char separator) {
        const QByteArray value = qgetenv(variable);
        if (!value.contains(subject))
            qputenv(variable, value.isEmpty() ? item : value + separator + item);
    };
    add("QT_LOGGING_RULES", "qt.multimedia", "qt.multimedia.*.warning=false", ';');
    // OpenAL tries every sound server in turn and complains about each.
    add("GST_PLUGIN_FEATURE_RANK", "openalsink", "openalsink:NONE", ',');
}
