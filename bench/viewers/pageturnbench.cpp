// One page turn of the brochure viewer on scanned pages of 2500 x 3300:
// decode the next page once, hand it to the views, set the scroll bars.
#include "benchsupport.h"
#include "main/mainwindow.h"
#include "platform/ui/sscommand.h"
#include "support/harness.h"
#include "support/windowtest.h"
#include "viewers/pageviewer.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace {
constexpr int PageCount = 4;
constexpr int Turns = 12;
}

void benchPageTurn(QTextStream &out)
{
    QTemporaryDir dir;
    writeBenchPhoto(dir.filePath(QStringLiteral("disc/birds/57010.jpg")), QSize(800, 600), 1);
    for (int page = 0; page < PageCount; ++page)
        writeBenchPhoto(dir.filePath(QStringLiteral("disc/brochures/57brch%1.jpg").arg(page, 2, 10, QLatin1Char('0'))),
                        QSize(2500, 3300), 10 + page);
    touchFile(dir.filePath(QStringLiteral("program/passby.wav")));
    Harness run(dir);
    run.startup.run({});
    run.startup.Timer1_Timer();
    MainWindow *main = run.startup.mainWindow();
    yearButton(main, 3)->click();

    PageViewer viewer(run.platform, run.session, *main);
    viewer.openBrochure();
    if (!viewer.window())
        qFatal("the brochure did not open: %s", qPrintable(run.dialogs.shown().isEmpty() ? QString() : run.dialogs.last().text));
    QList<double> times;
    for (int turn = 0; turn < Turns; ++turn) {
        QElapsedTimer timer;
        timer.start();
        viewer.window()->SpinUp();
        viewer.window()->repaint();
        times << timer.nsecsElapsed() / 1e6;
    }
    out << "  2500 x 3300 pages: median " << median(times) << " ms, slowest " << maximum(times) << " ms over "
        << times.size() << " turns" << Qt::endl;
    viewer.window()->close();
    main->close();
}
