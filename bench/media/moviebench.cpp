// The movie window with the real media control: for each movie, choosing it
// to its first picture in PicMovie, Play to the first picture after that one,
// the processor time the process spends while the movie plays, and Play after
// Pause to the next picture.
#include "benchsupport.h"
#include "platform/ui/qtmediacontrol.h"
#include "support/fakehost.h"
#include "support/harness.h"
#include "viewers/moviewindow.h"

#include <QElapsedTimer>
#include <QChildEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <sys/resource.h>

namespace {

double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Follows the pictures the movie window's video widget is given; each movie
// opened gets a widget of its own, followed from the moment it is shown.
struct Pictures : QObject
{
    QElapsedTimer clock;
    qint64 first = -1; // ms from the start to the first picture
    qint64 moving = -1; // ms to the first picture from later in the movie
    qint64 last = -1; // ms to the latest picture
    double processorAtLast = 0;
    QPointer<QVideoSink> sink;
    std::function<void()> changed;

    void start()
    {
        clock.start();
        first = moving = last = -1;
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildPolished)
            if (auto *video = qobject_cast<QVideoWidget *>(static_cast<QChildEvent *>(event)->child()))
                if (video->videoSink() != sink) {
                    sink = video->videoSink();
                    connect(sink, &QVideoSink::videoFrameChanged, this, &Pictures::shown);
                }
        return QObject::eventFilter(watched, event);
    }
    void shown(const QVideoFrame &picture)
    {
        if (picture.isValid() && clock.isValid()) {
            last = clock.elapsed();
            processorAtLast = processorSeconds();
            if (first < 0)
                first = last;
            if (moving < 0 && picture.startTime() > 0)
                moving = last;
        }
        if (changed)
            changed();
    }
};

// Runs the event loop until the condition holds or the time is up, or, with
// quietMs, until no picture has come for that long.
void waitFor(Pictures &pictures, const std::function<bool()> &done, int timeoutMs, int quietMs = 0)
{
    QEventLoop loop;
    QTimer timeout, quiet;
    timeout.setSingleShot(true);
    quiet.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    pictures.changed = [&] {
        if (done())
            loop.quit();
        if (quietMs > 0)
            quiet.start(quietMs);
    };
    if (!done()) {
        timeout.start(timeoutMs);
        if (quietMs > 0)
            quiet.start(quietMs);
        loop.exec();
    }
    pictures.changed = nullptr;
}

} // namespace

void benchMovies(QTextStream &out, const QString &disc)
{
    QTemporaryDir printed;
    TestServices services(disc, printed.path());
    services.platform.mediaControls = qtMediaControls();
    FakeHost host;
    MovieWindow window(
        services.platform, services.session, host, QStringLiteral("E:\\movies\\"), [] { return false; });
    Pictures pictures;
    auto *picture = window.findChild<QWidget *>(QStringLiteral("PicMovie"));
    picture->installEventFilter(&pictures);

    pictures.start();
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        out << "  the movie window cannot be shown" << Qt::endl;
        return;
    }
    waitFor(
        pictures, [&] { return pictures.sink && pictures.sink->videoFrame().isValid(); }, 3000);
    out << "  opening the window to the first movie's first picture: " << pictures.clock.elapsed()
        << " ms (the first media player of the run)" << Qt::endl;

    QList<double> choose, play, moving, processor, resumed;
    for (int index : { 0, 1, 2, 3, 4 }) {
        const QString name = movieTable().at(index).fileName;
        services.dialogs.clear();
        pictures.start();
        window.optMovie_Click(index);
        waitFor(
            pictures, [&] { return pictures.first >= 0; }, 3000);
        if (!services.dialogs.shown().isEmpty() || pictures.first < 0) {
            out << "  " << name << ": did not open ("
                << (services.dialogs.shown().isEmpty() ? QStringLiteral("no picture within 3 s")
                                                       : services.dialogs.last().text.section(u'\r', 0, 0))
                << ")" << Qt::endl;
            continue;
        }
        const qint64 chosen = pictures.first;

        pictures.start();
        const double before = processorSeconds();
        window.MMControl1_PlayClick();
        waitFor(
            pictures, [] { return false; }, 10000, 600); // until the last picture has stood for a while
        const double wall = pictures.last / 1000.0;
        const double busy = wall > 0 ? (pictures.processorAtLast - before) / wall * 100 : 0;
        out << "  " << name << ": chosen to first picture " << chosen << " ms, Play to first picture "
            << pictures.first << " ms and to the next one " << pictures.moving
            << " ms, processor while playing " << qRound(busy) << " % of one core over " << wall << " s"
            << Qt::endl;
        choose << chosen;
        play << pictures.first;
        moving << pictures.moving;
        processor << busy;

        // From the start again, paused part way, and played on.
        window.MMControl1_PrevClick();
        window.MMControl1_PlayClick();
        waitFor(
            pictures, [] { return false; }, 700);
        window.MMControl1_PauseClick();
        waitFor(
            pictures, [] { return false; }, 300);
        const qint64 pausedAt = pictures.sink->videoFrame().startTime();
        pictures.start();
        window.MMControl1_PlayClick();
        qint64 onward = -1;
        waitFor(
            pictures,
            [&] {
                if (onward < 0 && pictures.sink->videoFrame().startTime() > pausedAt)
                    onward = pictures.clock.elapsed();
                return onward >= 0;
            },
            3000);
        out << "    paused and played on: to the next picture " << onward << " ms" << Qt::endl;
        resumed << onward;
        window.MMControl1_StopClick();
        waitFor(
            pictures, [] { return false; }, 800); // the user looks before choosing the next
    }
    if (choose.isEmpty())
        return;
    out << "  median: chosen to first picture " << median(choose) << " ms (slowest " << maximum(choose)
        << "), Play to first picture " << median(play) << " ms (slowest " << maximum(play)
        << "), to the next one " << median(moving) << " ms, processor " << qRound(median(processor)) << " %"
        << ", paused and played on to the next picture " << median(resumed) << " ms (slowest "
        << maximum(resumed) << ")" << Qt::endl;
    window.close();
}
