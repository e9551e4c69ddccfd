// Copies a 42 MB photo set and a 400 MB movie set through the copy panel's
// job (gauges set, events processed after every chunk, the panel shown) and
// the same files with a plain "cp -r" in the same run, and prints both
// throughputs, their ratio, how often the gauges repainted and the memory
// before, during and after.
//
//   bench_copy [WORKDIR]     (default: a temporary folder under /tmp)
#include "benchsupport.h"
#include "library/copypanel.h"
#include "platform/ui/sscommand.h"
#include "support/fakehost.h"
#include "support/harness.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
constexpr int Runs = 3;

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    return 0;
}

void writeSet(const QString &folder, const QString &suffix, int files, qint64 bytesEach)
{
    QDir().mkpath(folder);
    QByteArray block(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(1955);
    for (char &c : block)
        c = char(random.generate());
    for (int i = 0; i < files; ++i) {
        QFile file(folder + QStringLiteral("/%1%2").arg(55001 + i).arg(suffix));
        file.open(QIODevice::WriteOnly);
        for (qint64 left = bytesEach; left > 0; left -= block.size())
            file.write(block.constData(), qMin<qint64>(left, block.size()));
    }
}

// Counts the paints of the panel's gauges and samples the memory meanwhile.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    qint64 peakKb = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            peakKb = qMax(peakKb, residentKb());
        }
        return QObject::eventFilter(watched, event);
    }
};

struct Figures
{
    double jobSeconds = 0;
    double cpSeconds = 0;
    int paints = 0;
    qint64 peakKb = 0;
};

Figures copyOnce(TestServices &run, CopyPanel &panel, bool photos, const QString &disc,
                 const QString &program, const QString &folder)
{
    Figures figures;
    QDir(program + u'/' + folder).removeRecursively();
    QDir(program + QStringLiteral("/cp")).removeRecursively();
    PaintCounter counter;
    for (const char *gauge : { "ProgressGuage", "ProgressGuage2" })
        panel.findChild<QWidget *>(QLatin1String(gauge))->installEventFilter(&counter);
    run.session.CopyKind = photos;
    panel.OpenCopyPanel();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    panel.cmdCopy_Click();
    figures.jobSeconds = timer.nsecsElapsed() / 1e9;
    figures.paints = counter.paints;
    figures.peakKb = counter.peakKb;

    QDir().mkpath(program + QStringLiteral("/cp"));
    timer.restart();
    QProcess::execute(QStringLiteral("cp"), { QStringLiteral("-r"), disc + u'/' + folder, program + QStringLiteral("/cp/") });
    figures.cpSeconds = timer.nsecsElapsed() / 1e9;
    return figures;
}

void report(QTextStream &out, const char *name, double megabytes, const QList<Figures> &runs)
{
    QList<double> job, cp, rate;
    qint64 peak = 0;
    for (const Figures &f : runs) {
        job << f.jobSeconds;
        cp << f.cpSeconds;
        rate << f.paints / f.jobSeconds;
        peak = qMax(peak, f.peakKb);
    }
    const double jobRate = megabytes / median(job);
    const double cpRate = megabytes / median(cp);
    out << name << ": " << megabytes << " MB" << Qt::endl
        << "  copy job " << QString::number(jobRate, 'f', 0) << " MB/s (median of " << runs.size() << ", "
        << QString::number(median(job), 'f', 2) << " s)" << Qt::endl
        << "  cp -r    " << QString::number(cpRate, 'f', 0) << " MB/s (" << QString::number(median(cp), 'f', 2) << " s)"
        << Qt::endl
        << "  ratio    " << QString::number(jobRate / cpRate, 'f', 2) << " x cp" << Qt::endl
        << "  gauges   " << QString::number(median(rate), 'f', 0) << " repaints/s" << Qt::endl
        << "  memory   peak " << peak / 1024 << " MB resident during the job" << Qt::endl;
}
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/bench_copy-XXXXXX"));
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString disc = work + QStringLiteral("/disc");
    const QString program = work + QStringLiteral("/program");
    out << "writing the sets into " << work << Qt::endl;
    writeSet(disc + QStringLiteral("/birds"), QStringLiteral(".jpg"), 420, 100000);
    writeSet(disc + QStringLiteral("/movies"), QStringLiteral(".avi"), 5, 80000000);
    QDir().mkpath(program);

    TestServices run(disc, work + QStringLiteral("/printed"));
    QtEventPump qtEvents;
    FakeEventPump fakeEvents;
    EventPump &events = qEnvironmentVariableIsSet("BENCH_NOPUMP") ? static_cast<EventPump &>(fakeEvents) : qtEvents;
    Platform platform{ run.fs, run.dialogs, run.settings, run.screen, run.desktop, run.platform.mediaControls,
                       run.printer, run.clipboard, events };
    run.session.roots.ProgramFolder = program;
    run.session.roots.PhotoRoot = QStringLiteral("E:");
    QWidget client;
    client.resize(800, 600);
    FakeHost host;
    host.window = &client;
    auto *panel = new CopyPanel(platform, run.session, host, 0, &client);
    client.show();

    const qint64 before = residentKb();
    QList<Figures> photos, movies;
    for (int i = 0; i < Runs; ++i) {
        photos << copyOnce(run, *panel, true, disc, program, QStringLiteral("birds"));
        movies << copyOnce(run, *panel, false, disc, program, QStringLiteral("movies"));
    }
    report(out, "photo set", 42.0, photos);
    report(out, "movie set", 400.0, movies);
    out << "memory: " << before / 1024 << " MB before, " << residentKb() / 1024 << " MB after " << Runs
        << " rounds of both sets" << Qt::endl;
    return 0;
}
