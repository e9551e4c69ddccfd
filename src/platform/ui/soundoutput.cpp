#include "soundoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

SoundOutput::SoundOutput(PcmSound sound)
    : m_sound(std::move(sound))
{
    m_data.setData(m_sound.samples);
    m_data.open(QIODevice::ReadOnly);
    m_endTimer.setSingleShot(true);
    connect(&m_endTimer, &QTimer::timeout, this, &SoundOutput::finish);
}

SoundOutput::~SoundOutput()
{
    stopDevice();
}

qint64 SoundOutput::duration() const
{
    const qint64 frames = m_sound.samples.size() / std::max<qint64>(1, frameBytes());
    return m_sound.sampleRate > 0 ? frames * 1000 / m_sound.sampleRate : 0;
}

qint64 SoundOutput::position() const
{
    if (!m_playing)
        return m_from;
    const qint64 played = m_sink ? m_sink->processedUSecs() / 1000 : m_silentClock.elapsed();
    return std::min(duration(), m_from + played);
}

void SoundOutput::seek(qint64 ms)
{
    const bool wasPlaying = m_playing;
    pause();
    m_from = std::clamp<qint64>(ms, 0, duration());
    if (wasPlaying)
        play();
}

void SoundOutput::play()
{
    if (m_playing)
        return;
    if (m_from >= duration())
        m_from = 0;
    m_playing = true;
    const qint64 offset = m_from * m_sound.sampleRate / 1000 * frameBytes();
    m_data.seek(std::min<qint64>(offset, m_data.size()));
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return playSilently();
    QAudioFormat format;
    format.setSampleRate(m_sound.sampleRate);
    format.setChannelCount(m_sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(device, format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state != QAudio::IdleState && state != QAudio::StoppedState)
            return;
        if (m_sink->error() == QAudio::NoError || m_sink->error() == QAudio::UnderrunError) {
            // Everything is handed over; the device still holds the last of
            // it, which stopping now would cut off.
            if (m_data.atEnd() && !m_endTimer.isActive())
                m_endTimer.start(int(m_sink->format().durationForBytes(m_sink->bufferSize()) / 1000));
            return;
        }
        // The device failed: the rest goes on in silence.
        m_from = position();
        QMetaObject::invokeMethod(
            this,
            [this] {
                stopDevice();
                playSilently();
            },
            Qt::QueuedConnection);
    });
    m_sink->start(&m_data);
    if (m_sink->error() == QAudio::OpenError) {
        stopDevice();
        playSilently();
    }
}

void SoundOutput::playSilently()
{
    m_silentClock.start();
    m_endTimer.start(int(duration() - m_from));
}

void SoundOutput::pause()
{
    if (!m_playing)
        return;
    m_from = position();
    m_playing = false;
    stopDevice();
    m_endTimer.stop();
}

void SoundOutput::stopDevice()
{
    if (!m_sink)
        return;
    m_sink->disconnect(this);
    m_sink->stop();
    m_sink.reset();
}

void SoundOutput::finish()
{
    if (!m_playing)
        return;
    pause();
    m_from = duration();
    Q_EMIT finished();
}
