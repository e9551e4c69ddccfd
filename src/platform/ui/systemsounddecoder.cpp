#include "systemsounddecoder.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// A sound effect decodes in a few tens of milliseconds; a decoder still busy
// after this is not going to finish.
constexpr int DecodeTimeoutMs = 10000;
} // namespace

std::optional<PcmSound> decodeWithSystemDecoders(const QString &fileName, qsizetype maxBytes, QString *error)
{
    QAudioDecoder decoder;
    QAudioFormat wanted;
    wanted.setSampleFormat(QAudioFormat::Int16); // rate and channels as the file has them
    decoder.setAudioFormat(wanted);
    decoder.setSource(QUrl::fromLocalFile(fileName));

    PcmSound sound;
    QString problem;
    QEventLoop loop;
    const auto stop = [&](const QString &why) {
        if (problem.isEmpty())
            problem = why;
        decoder.stop();
        loop.quit();
    };
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &loop, [&] {
        const QAudioBuffer buffer = decoder.read();
        const QAudioFormat format = buffer.format();
        if (format.sampleFormat() != QAudioFormat::Int16 || format.channelCount() < 1
            || format.channelCount() > MaxSoundChannels || format.sampleRate() < 1)
            return stop(u"the decoder gave samples the program cannot play"_s);
        if (sound.samples.isEmpty()) {
            sound.sampleRate = format.sampleRate();
            sound.channels = format.channelCount();
        } else if (format.sampleRate() != sound.sampleRate || format.channelCount() != sound.channels) {
            return stop(u"the sound changes its rate or channels"_s);
        }
        if (sound.samples.size() + buffer.byteCount() > maxBytes)
            return stop(u"the sound is too long"_s);
        sound.samples.append(buffer.constData<char>(), buffer.byteCount());
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &loop, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop,
        [&] { stop(decoder.errorString()); });
    QTimer::singleShot(
        DecodeTimeoutMs, &loop, [&] { stop(u"not decoded within %1 ms"_s.arg(DecodeTimeoutMs)); });
    decoder.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (problem.isEmpty() && sound.samples.isEmpty())
        problem = u"the decoder found no sound"_s;
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return sound;
}
