// Times the photograph index and one photograph step of the main window.
//
//   bench_photo_index [photo count]
//
// (a) BuildPhotoIndex over a folder of 32 766 files; (b) NextPhoto on
// 2048 x 1536 photographs (decode, scale into Image4 and paint) beside a
// plain full-size decode of the same files, medians of several runs; then
// the memory of stepping through 500 photographs.
#include "benchsupport.h"
#include "main/selection.h"
#include "main/mainwindow.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/stretchedimage.h"
#include "support/harness.h"
#include "support/windowtest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <sys/resource.h>

namespace {
double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4096 / (1024 * 1024) : 0;
}

double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int photoCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 32766;

    // (a) the index over a large folder: names of many groups in no order.
    QTemporaryDir big;
    QDir().mkpath(big.filePath(QStringLiteral("disc/birds")));
    QDir().mkpath(big.filePath(QStringLiteral("program")));
    const QStringList codes{ "55", "56", "57", "58", "59", "60", "61", "62", "63", "64", "65", "66", "A2",
                             "TD", "TF", "ZY", "VC", "VM", "ZZ", "SB", "PT", "GB", "GH", "GL", "M1", "M3" };
    for (int i = 0; i < photoCount; ++i) {
        const int scrambled = int((quint64(i) * 7919) % quint64(photoCount));
        QFile(big.filePath(QStringLiteral("disc/birds/%1%2.jpg").arg(codes.at(scrambled % codes.size())).arg(scrambled, 6, 10, QLatin1Char('0'))))
            .open(QIODevice::WriteOnly);
    }
    QList<double> indexTimes;
    for (int run = 0; run < 5; ++run) {
        Harness harness(big);
        harness.session.roots.PhotoRoot = QStringLiteral("E:");
        QElapsedTimer timer;
        timer.start();
        harness.session.photoIndex = BuildPhotoIndex(harness.fs, QStringLiteral("E:"), harness.session.errors);
        indexTimes << timer.nsecsElapsed() / 1e6;
        if (harness.session.photoIndex.Count() != photoCount)
            qFatal("index holds %d of %d files", harness.session.photoIndex.Count(), photoCount);
    }
    out << "index build (" << photoCount << " files), median of 5: " << median(indexTimes) << " ms" << Qt::endl;

    // (b) steps through 2048 x 1536 photographs of one year.
    QTemporaryDir large;
    const int groupSize = 10;
    for (int i = 1; i <= groupSize; ++i)
        writeBenchPhoto(large.filePath(QStringLiteral("disc/birds/57%1.jpg").arg(i, 3, 10, QLatin1Char('0'))), QSize(2048, 1536), i);
    QDir().mkpath(large.filePath(QStringLiteral("program")));
    Harness harness(large);
    harness.startup.run({});
    harness.startup.Timer1_Timer();
    MainWindow *window = harness.startup.mainWindow();
    yearButton(window, 3)->click();

    QList<double> stepTimes, plainTimes;
    for (int i = 0; i < 3 * groupSize; ++i) {
        QElapsedTimer timer;
        timer.start();
        window->selection().NextPhoto();
        control<StretchedImage>(window, QStringLiteral("Image4"))->repaint();
        stepTimes << timer.nsecsElapsed() / 1e6;
    }
    for (int i = 1; i <= groupSize; ++i) {
        const QString file = large.filePath(QStringLiteral("disc/birds/57%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            const QImage plain(file);
            plainTimes << timer.nsecsElapsed() / 1e6;
            if (plain.isNull())
                qFatal("cannot decode %s", qPrintable(file));
        }
    }

    // Memory: 500 steps through the same photographs.
    const double before = residentMb();
    for (int i = 0; i < 500; ++i) {
        window->selection().NextPhoto();
        control<StretchedImage>(window, QStringLiteral("Image4"))->repaint();
    }
    const double after = residentMb();
    out << "memory: resident " << before << " MB before 500 steps, " << after << " MB after; peak " << peakMb()
        << " MB\n";
    if (!harness.dialogs.shown().isEmpty())
        out << "unexpected message: " << harness.dialogs.last().text << "\n";
    window->close();
    out << "index: " << photoCount << " files " << median(indexTimes) << " ms; step: " << median(stepTimes)
        << " ms; plain decode: " << median(plainTimes) << " ms\n";
    return 0;
}
