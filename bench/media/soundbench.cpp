// The sound panel with the real media control: from a click on a play
// button to the first of the sound reaching the sound server, taken from
// the server's monitor of its output (parecord), for every sound of the disc.
#include "benchsupport.h"
#include "main/soundpanel.h"
#include "main/soundtable.h"
#include "platform/ui/qtmediacontrol.h"
#include "support/fakehost.h"
#include "support/harness.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

namespace {

constexpr int Rate = 44100;
constexpr int Loud = 40; // of 32767: above the noise of silence

// The monitor of the server's output, read as it comes: when the first loud
// sample since the mark arrived, in ms after the mark.
class Monitor
{
public:
    bool start(QString *why)
    {
        const QString parecord = QStandardPaths::findExecutable(QStringLiteral("parecord"));
        if (parecord.isEmpty()) {
            *why = QStringLiteral("parecord is not installed");
            return false;
        }
        m_process.start(parecord,
            { QStringLiteral("--raw"), QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=5"), QStringLiteral("-d"),
                QStringLiteral("@DEFAULT_MONITOR@") });
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { read(); });
        // A running server sends silence at once.
        wait([this] { return m_samples > Rate / 10; }, 3000);
        if (m_samples == 0) {
            *why = QStringLiteral("no sound server answers (start PulseAudio, a null sink will do)");
            m_process.kill();
            m_process.waitForFinished();
            return false;
        }
        return true;
    }
    ~Monitor()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    void mark()
    {
        m_clock.start();
        m_onset = -1;
    }
    double onset() const { return m_onset; }
    // Runs the event loop until the condition holds or the time is up.
    void wait(const std::function<bool()> &done, int timeoutMs)
    {
        QEventLoop loop;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        tick.start(5);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        if (!done())
            loop.exec();
    }
    bool quietFor(int ms) const { return m_quietSamples > Rate * ms / 1000; }

private:
    void read()
    {
        const QByteArray bytes = m_process.readAllStandardOutput();
        const double arrived = m_clock.isValid() ? m_clock.nsecsElapsed() / 1e6 : 0;
        const qsizetype count = bytes.size() / 2;
        for (qsizetype i = 0; i < count; ++i) {
            const int sample = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
            if (std::abs(sample) <= Loud) {
                ++m_quietSamples;
                continue;
            }
            m_quietSamples = 0;
            // The sample came this long before the bytes that carried it arrived.
            if (m_onset < 0 && m_clock.isValid())
                m_onset = arrived - (count - i) * 1000.0 / Rate;
        }
        m_samples += count;
    }

    QProcess m_process;
    QElapsedTimer m_clock;
    qint64 m_samples = 0;
    qint64 m_quietSamples = 0;
    double m_onset = -1;
};

} // namespace

void benchSounds(QTextStream &out, const QString &disc)
{
    Monitor monitor;
    QString why;
    if (!monitor.start(&why)) {
        out << "  not measured: " << why << Qt::endl;
        return;
    }
    QTemporaryDir printed;
    TestServices services(disc, printed.path());
    auto media = qtMediaControls()();
    FakeHost host;
    QWidget client;
    client.resize(800, 600);
    SoundPanel panel(services.platform, services.session, *media, host, &client);

    QList<double> onsets;
    for (int i = 0; i < SoundCount; ++i) {
        monitor.wait([&] { return monitor.quietFor(300); }, 5000);
        monitor.mark();
        panel.SSCommand2_Click(i);
        monitor.wait([&] { return monitor.onset() >= 0; }, 2000);
        if (monitor.onset() < 0 || !services.dialogs.shown().isEmpty()) {
            out << "  " << soundTable().at(i).fileName << ": not heard" << Qt::endl;
            services.dialogs.clear();
            continue;
        }
        onsets << monitor.onset();
        monitor.wait([&] { return monitor.quietFor(300); }, 5000); // heard to its end
    }
    panel.SSCommand3_Click();
    if (onsets.isEmpty())
        return;
    out << "  click to the first of the sound at the server: median " << median(onsets) << " ms, first "
        << onsets.first() << " ms (the first media player of the run), slowest of the others "
        << maximum(onsets.mid(1)) << " ms, over " << onsets.size() << " sounds" << Qt::endl;
}
