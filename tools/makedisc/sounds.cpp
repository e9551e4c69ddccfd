#include "sounds.h"

#include "catalog.h"
#include "rng.h"

#include <QHash>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr double Pi = 3.14159265358979323846;

using Curve = std::function<double(double)>; // a value over time in seconds

// An engine: the firing pulses of a V8 (four per revolution) as a stack of
// harmonics, with a little roughness so it does not sound like an organ.
QList<float> engine(int rate, double seconds, const Curve &rpm, const Curve &loudness, Rng &rng)
{
    QList<float> out;
    double phase = 0;
    double rough = 0;
    for (int i = 0; i < int(seconds * rate); ++i) {
        const double t = double(i) / rate;
        phase += 2 * Pi * rpm(t) / 60.0 * 4.0 / rate;
        rough = 0.97 * rough + 0.03 * rng.range(-1, 1);
        double v = 0;
        for (int h = 1; h <= 6; ++h)
            v += std::sin(h * phase + h * h * 0.3) / (h * 1.3);
        v += 0.35 * std::sin(0.5 * phase); // the lumpy half-order of an uneven firing order
        out.append(float(loudness(t) * (0.45 * v + 2.5 * rough)));
    }
    return out;
}

// A horn: two reedy tones a third apart.
QList<float> horn(int rate, double seconds, double f1, double f2, double start = 0)
{
    QList<float> out(int((start + seconds) * rate), 0.0f);
    for (int i = int(start * rate); i < out.size(); ++i) {
        const double t = double(i) / rate - start;
        const double env = std::min({ 1.0, t * 40, (seconds - t) * 30 });
        double v = 0;
        for (int h = 1; h <= 7; h += 2)
            v += (std::sin(2 * Pi * f1 * h * t) + std::sin(2 * Pi * f2 * h * t)) / h;
        out[i] = float(0.3 * env * v);
    }
    return out;
}

// Filtered noise that dies away: a slam, a backfire, tyres on gravel.
QList<float> burst(int rate, double seconds, double brightness, double decay, Rng &rng, double thumpHz = 0)
{
    QList<float> out;
    double low = 0;
    for (int i = 0; i < int(seconds * rate); ++i) {
        const double t = double(i) / rate;
        low += brightness * (rng.range(-1, 1) - low);
        double v = low * 2.5;
        if (thumpHz > 0)
            v += 0.8 * std::sin(2 * Pi * thumpHz * t);
        out.append(float(v * std::exp(-t * decay)));
    }
    return out;
}

// A steady tone gliding along a curve, for sirens and squealing tyres.
QList<float> glide(int rate, double seconds, const Curve &frequency, double noise, Rng &rng)
{
    QList<float> out;
    double phase = 0;
    for (int i = 0; i < int(seconds * rate); ++i) {
        const double t = double(i) / rate;
        phase += 2 * Pi * frequency(t) / rate;
        const double env = std::min({ 1.0, t * 20, (seconds - t) * 10 });
        out.append(float(env * (0.45 * std::sin(phase) + 0.15 * std::sin(3 * phase) + noise * rng.range(-1, 1))));
    }
    return out;
}

QList<float> mix(QList<float> a, const QList<float> &b, double at, int rate, double gain = 1)
{
    const int offset = int(at * rate);
    if (a.size() < offset + b.size())
        a.resize(offset + b.size());
    for (int i = 0; i < b.size(); ++i)
        a[offset + i] += float(gain * b.at(i));
    return a;
}

// Scales to a peak of 0.85 so every effect plays at a similar level.
QList<float> normalise(QList<float> samples)
{
    float peak = 1e-6f;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    for (float &s : samples)
        s = s * 0.85f / peak;
    return samples;
}

Curve constant(double value) { return [value](double) { return value; }; }
Curve ramp(double from, double to, double seconds)
{
    return [=](double t) { return from + (to - from) * std::min(1.0, t / seconds); };
}

Wav::Audio mono(int rate, QList<float> samples)
{
    return { rate, 1, normalise(std::move(samples)) };
}

Wav::Audio effect(const QString &fileName)
{
    Rng rng(fileName);
    const auto swell = [](double rise, double fall, double seconds) {
        return Curve([=](double t) { return std::min({ 1.0, t / rise, (seconds - t) / fall }); });
    };
    const QString name = fileName.toLower();
    if (name == u"backfrng.wav") {
        QList<float> s = engine(22050, 1.6, constant(900), swell(0.05, 0.2, 1.6), rng);
        for (double at : { 0.3, 0.75, 1.1 })
            s = mix(s, burst(22050, 0.25, 0.5, 18, rng, 60), at, 22050, 4);
        return mono(22050, s);
    }
    if (name == u"car_door.wav") {
        const QList<float> latch = burst(11025, 0.35, 0.6, 30, rng);
        return mono(11025, mix(latch, burst(11025, 0.45, 0.25, 12, rng, 70), 0.35, 11025));
    }
    if (name == u"carhorns.wav")
        return mono(22050, mix(horn(22050, 0.6, 392, 494), horn(22050, 0.8, 330, 415), 0.5, 22050));
    if (name == u"horns.wav") {
        QList<float> s = engine(11025, 1.9, constant(700), constant(0.4), rng);
        s = mix(s, horn(11025, 0.4, 440, 554), 0.2, 11025);
        s = mix(s, horn(11025, 0.3, 349, 440), 0.9, 11025);
        return mono(11025, mix(s, horn(11025, 0.5, 415, 523), 1.3, 11025));
    }
    if (name == u"cop-car.wav")
        return mono(22050, glide(22050, 2.0, [](double t) { return 950 + 350 * std::sin(2 * Pi * 1.5 * t); }, 0.05, rng));
    if (name == u"taxi.wav")
        return mono(11025, mix(horn(11025, 0.25, 466, 587), horn(11025, 0.25, 466, 587), 0.4, 11025));
    if (name == u"sportcar.wav")
        return mono(22050, engine(22050, 1.8, ramp(1200, 5200, 1.4), swell(0.1, 0.3, 1.8), rng));
    if (name == u"18wheelr.wav") {
        QList<float> s = engine(22050, 2.0, ramp(500, 1100, 2.0), constant(0.8), rng);
        return mono(22050, mix(s, horn(22050, 0.7, 147, 185), 1.0, 22050, 0.6));
    }
    if (name == u"peel-out.wav") {
        QList<float> s = engine(22050, 1.8, ramp(1500, 6000, 1.2), swell(0.05, 0.4, 1.8), rng);
        return mono(22050, mix(s, glide(22050, 1.2, ramp(2600, 1900, 1.2), 0.4, rng), 0.1, 22050, 0.7));
    }
    if (name == u"track2.wav") {
        QList<float> s = engine(22050, 2.0, constant(4200), swell(0.6, 0.6, 2.0), rng);
        return mono(22050, mix(s, engine(22050, 1.4, constant(4700), swell(0.4, 0.5, 1.4), rng), 0.5, 22050));
    }
    if (name == u"racecar.wav")
        return mono(22050, engine(22050, 1.7, ramp(3000, 8000, 1.5), swell(0.05, 0.2, 1.7), rng));
    if (name == u"indy-car.wav")
        return mono(22050, engine(22050, 1.6, [](double t) { return 7000 + 1500 * std::sin(3 * t); },
                                  swell(0.2, 0.3, 1.6), rng));
    if (name == u"mcycle.wav" || name == u"motorcyc2.wav")
        return mono(11025, engine(11025, 1.8, ramp(name == u"mcycle.wav" ? 1800 : 1200, 4200, 1.6),
                                  swell(0.1, 0.3, 1.8), rng));
    if (name == u"batmoble.wav") {
        QList<float> s = engine(22050, 2.0, ramp(600, 2600, 1.8), swell(0.2, 0.2, 2.0), rng);
        return mono(22050, mix(s, burst(22050, 1.2, 0.15, 2, rng), 0.6, 22050, 0.8)); // the jet exhaust
    }
    if (name == u"mirralstart.wav" || name == u"zr1start.wav") {
        QList<float> s = glide(22050, 0.7, [](double t) { return 14 + 6 * std::sin(40 * t); }, 0.3, rng); // starter
        return mono(22050, mix(s, engine(22050, 1.2, ramp(2500, 850, 0.8), swell(0.02, 0.2, 1.2), rng), 0.65, 22050));
    }
    if (name == u"stuck.wav") {
        QList<float> s = engine(11025, 1.9, [](double t) { return 2500 + 1800 * std::sin(5 * t); }, constant(0.7), rng);
        return mono(11025, mix(s, glide(11025, 1.7, [](double t) { return 1700 + 300 * std::sin(9 * t); }, 0.5, rng),
                               0.1, 11025, 0.8));
    }
    if (name == u"red_lght.wav") {
        QList<float> s = engine(22050, 2.0, [](double t) { return t < 1.0 ? 800 : 800 + 4000 * (t - 1.0); },
                                constant(1), rng);
        return mono(22050, s);
    }
    if (name == u"revnrun.wav")
        return mono(11025, engine(11025, 2.0, [](double t) { return 1200 + 3000 * std::abs(std::sin(2.2 * t)); },
                                  swell(0.1, 0.4, 2.0), rng));
    if (name == u"nascar.wav" || name == u"goingby.wav" || name == u"passby.wav")
        return passby(22050, name == u"nascar.wav", name == u"goingby.wav" ? 1.6 : 2.0);
    // The remaining engines differ in pitch, climb and length.
    const double base = 700 + rng.range(0, 900);
    const double seconds = rng.range(1.2, 2.0);
    return mono(22050, engine(22050, seconds, ramp(base, base * rng.range(1.5, 3.0), seconds),
                              swell(0.1, 0.3, seconds), rng));
}

} // namespace

Wav::Audio passby(int rate, bool stereo, double seconds)
{
    // A car at 35 m/s passes 8 m from the listener halfway through: its
    // engine note falls as it goes by (Doppler), it is loudest when nearest
    // and moves from left to right.
    constexpr double speed = 35, distance = 8, sound = 343;
    Rng rng(u"passby"_s);
    Wav::Audio audio { rate, stereo ? 2 : 1, {} };
    double phase = 0, rough = 0;
    const int frames = int(seconds * rate);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / rate - seconds / 2;
        const double x = speed * t;
        const double r = std::hypot(x, distance);
        const double approach = speed * x / r; // positive while moving away
        const double f = 95 * sound / (sound + approach);
        phase += 2 * Pi * f / rate;
        rough = 0.95 * rough + 0.05 * rng.range(-1, 1);
        double v = 0;
        for (int h = 1; h <= 6; ++h)
            v += std::sin(h * phase) / h;
        v = (0.5 * v + 2 * rough) * distance / r;
        if (stereo) {
            const double pan = 0.5 + 0.5 * x / r; // 0 left, 1 right
            audio.samples.append(float(v * std::sqrt(1 - pan)));
            audio.samples.append(float(v * std::sqrt(pan)));
        } else {
            audio.samples.append(float(v));
        }
    }
    audio.samples = normalise(audio.samples);
    return audio;
}

void addSoundJobs(Jobs &jobs, Output &output)
{
    // Most effects are 16-bit PCM; a few are stored as 8-bit PCM (odd lengths,
    // padded), IMA ADPCM or MS ADPCM, as they came from different sound libraries.
    static const QStringList eightBit = { u"car_door.wav"_s, u"horns.wav"_s, u"taxi.wav"_s };
    static const QStringList ima = { u"mcycle.wav"_s, u"stuck.wav"_s, u"revnrun.wav"_s };
    static const QStringList ms = { u"backfrng.wav"_s, u"peel-out.wav"_s, u"nascar.wav"_s };
    for (const Layout::Sound &sound : Layout::sounds())
        jobs.append([&output, &sound] {
            Wav::Audio audio = effect(sound.fileName);
            QByteArray bytes;
            if (eightBit.contains(sound.fileName)) {
                // An odd number of samples, so the data chunk ends in its pad byte.
                if (audio.samples.size() % 2 == 0)
                    audio.samples.removeLast();
                bytes = Wav::pcm8(audio, sound.name.toLatin1());
            } else if (ima.contains(sound.fileName)) {
                bytes = Wav::adpcm(audio, Wav::Encoding::ImaAdpcm);
            } else if (ms.contains(sound.fileName)) {
                bytes = Wav::adpcm(audio, Wav::Encoding::MsAdpcm, 512 * audio.channels);
            } else {
                bytes = Wav::pcm16(audio);
            }
            output.write(u"disc/"_s + Layout::Sounds + u'/' + sound.fileName, bytes);
        });
    jobs.append([&output] { output.write(u"program/passby.wav"_s, Wav::pcm16(passby(22050, true, 2.0))); });
}
