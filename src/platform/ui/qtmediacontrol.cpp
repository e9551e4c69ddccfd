#include "qtmediacontrol.h"

#include "movieplayback.h"
#include "soundoutput.h"
#include "systemsounddecoder.h"
#include "platform/base/nativefs.h"
#include "platform/base/wavdecoder.h"

#include <QLoggingCategory>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMedia, "vireon.media")

namespace {
// Sound effects last seconds; a larger file is not one of them, and decoding
// it would hold several times its size in memory.
constexpr qint64 MaxSoundFileSize = 64 * 1024 * 1024;
// A 4-bit ADPCM file of that size decodes to four times as many bytes; no
// other decoder may make more of a sound.
constexpr qint64 MaxSoundBytes = 4 * MaxSoundFileSize;
} // namespace

QtMediaControl::QtMediaControl()
    : m_surface([this] { return m_mode != Mode::Playing; })
{
}

QtMediaControl::~QtMediaControl() = default;

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
    m_surface.setWindow(window);
}

bool QtMediaControl::command(const QString &command)
{
    const QString name = command.toLower();
    if (name == u"open")
        return open();
    if (name == u"close") {
        m_open.reset(); // stops playback and lets go of the file
        m_mode = Mode::NotOpen;
        return true;
    }
    if (!m_open)
        return false;
    if (name == u"play") {
        m_open->play();
        m_mode = Mode::Playing;
    } else if (name == u"pause") {
        m_open->pause();
        m_mode = Mode::Paused;
    } else if (name == u"stop") {
        // Stopping keeps the place, as the classic control does; "prev" rewinds.
        m_open->pause();
        m_mode = Mode::Stopped;
    } else if (name == u"prev") {
        m_open->seek(0);
    } else if (name == u"next") {
        m_open->seek(m_open->end());
    } else if (name == u"back") {
        step(-1);
    } else if (name == u"step") {
        step(1);
    } else {
        return false;
    }
    return true;
}

bool QtMediaControl::isVideo() const
{
    return m_deviceType.compare(u"AVIVideo"_s, Qt::CaseInsensitive) == 0;
}

bool QtMediaControl::open()
{
    command(u"close"_s);
    if (m_deviceType.compare(u"WaveAudio"_s, Qt::CaseInsensitive) == 0)
        m_open = openSound();
    else if (isVideo())
        m_open = openMovie();
    if (!m_open)
        return false;
    connect(m_open.get(), &Playback::finished, this, [this] {
        if (m_mode != Mode::Playing)
            return;
        m_mode = Mode::Stopped;
        // Told once this signal has returned: whoever listens may close or destroy this control.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_onDone)
                    m_onDone();
            },
            Qt::QueuedConnection);
    });
    m_mode = Mode::Open;
    return true;
}

std::unique_ptr<Playback> QtMediaControl::openSound() const
{
    // Regular files only: a named pipe would hold the program until something wrote to it.
    const auto file = NativeFs::openFile(m_fileName);
    if (!file || file->size() > MaxSoundFileSize)
        return {};
    QString error;
    bool otherEncoding = false;
    std::optional<PcmSound> sound = decodeWave(file->readAll(), &error, &otherEncoding);
    if (!sound && otherEncoding) {
        QString systemError;
        sound = decodeWithSystemDecoders(m_fileName, MaxSoundBytes, &systemError);
        error += u" The system's decoders: "_s + systemError;
    }
    if (!sound) {
        qCWarning(lcMedia) << m_fileName << error;
        return {};
    }
    return std::make_unique<SoundOutput>(std::move(*sound));
}

std::unique_ptr<Playback> QtMediaControl::openMovie()
{
    if (!NativeFs::openFile(m_fileName))
        return {};
    auto movie = std::make_unique<MoviePlayback>(m_fileName, m_surface);
    if (!movie->open(m_wait))
        return {};
    return movie;
}

void QtMediaControl::step(int direction)
{
    const qint64 length = std::max<qint64>(1, m_open->stepLength());
    m_open->seek((m_open->position() / length + direction) * length + length / 2);
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
