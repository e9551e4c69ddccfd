// One tick of the slide timer: decode the next photograph at the size of
// Image1, caption and counter, and paint the window's photograph.
#include "benchsupport.h"
#include "main/mainwindow.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"
#include "viewers/slideshowviewer.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace {
constexpr int PhotoCount = 8;
constexpr int Laps = 3;

QList<double> tickTimes(QSize photoSize)
{
    QTemporaryDir dir;
    for (int i = 1; i <= PhotoCount; ++i)
        writeBenchPhoto(dir.filePath(QStringLiteral("disc/birds/55%1.jpg").arg(i, 3, 10, QLatin1Char('0'))),
            photoSize, i);
    touchFile(dir.filePath(QStringLiteral("program/passby.wav")));
    Harness run(dir);
    run.startup.run({});
    run.startup.Timer1_Timer();
    MainWindow *main = run.startup.mainWindow();
    SlideShowWindow *show = main->slideShow().openShow();
    show->show();
    show->mmSlide_PlayClick();

    QList<double> times;
    for (int lap = 0; lap < Laps; ++lap) {
        for (int photo = 1; photo <= PhotoCount; ++photo) {
            QElapsedTimer timer;
            timer.start();
            show->Timer1_Timer();
            show->Image1->repaint();
            times << timer.nsecsElapsed() / 1e6;
        }
        show->Timer1_Timer(); // after the last photograph a tick only rewinds: not timed
    }
    if (!run.dialogs.shown().isEmpty())
        qFatal("unexpected message: %s", qPrintable(run.dialogs.last().text));
    show->close();
    main->close();
    return times;
}
}

void benchSlideShowTick(QTextStream &out)
{
    for (const QSize size : { QSize(800, 600), QSize(2048, 1536) }) {
        const QList<double> times = tickTimes(size);
        out << "  " << size.width() << " x " << size.height() << " photographs: median " << median(times)
            << " ms, slowest " << maximum(times) << " ms over " << times.size() << " ticks" << Qt::endl;
    }
}
