#include "platform/ui/qtdesktop.h"

#include <QElapsedTimer>

#include <ctime>
#include <QTest>
#include <QTimer>
#include <QWidget>

class TestQtDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runAndWaitReturnsWhenTheProgramEndsWhileEventsGoOn()
    {
        QtDesktop desktop({});
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(10);
        QElapsedTimer clock;
        clock.start();
        const Desktop::RunResult result = desktop.runAndWait(QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("sleep 0.3; exit 3") });
        QVERIFY(result.started);
        QCOMPARE(result.exitCode, 3);
        QVERIFY(clock.elapsed() >= 250);
        // The interface was served meanwhile: the timer kept firing.
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    }

    // Waiting spends no processor time of its own: no polling of the program's state.
    void runAndWaitDoesNotPoll()
    {
        QtDesktop desktop({});
        const std::clock_t before = std::clock();
        QVERIFY(desktop.runAndWait(QStringLiteral("sleep"), { QStringLiteral("0.5") }).started);
        const double seconds = double(std::clock() - before) / CLOCKS_PER_SEC;
        QVERIFY2(seconds < 0.1, qPrintable(QString::number(seconds)));
    }

    void aProgramThatCannotStartIsReported()
    {
        QtDesktop desktop({});
        QVERIFY(!desktop.runAndWait(QStringLiteral("/nonexistent/installer.exe"), {}).started);
    }

    void topmostKeepsThePlaceAndSize()
    {
        QtDesktop desktop({});
        QWidget window;
        window.setGeometry(120, 80, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        desktop.setTopmost(&window, true);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.geometry(), before);
        QVERIFY(window.isVisible());
        desktop.setTopmost(&window, false);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.geometry(), before);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestQtDesktop)
#include "tst_qtdesktop.moc"
