#include "platform/base/eventpump.h"
#include "support/fakes.h"

#include <QTest>
#include <QTimer>

class TestEventPump : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aLoopCannotBeEnteredFromWithinItself()
    {
        FakeEventPump pump;
        int copies = 0;
        int refused = 0;
        // A copy that pumps after each chunk, and a second "Copy" click that
        // arrives during the first pump.
        std::function<void()> copy = [&] {
            EventPump::Loop loop(pump, QStringLiteral("copy"));
            if (!loop.entered()) {
                ++refused;
                return;
            }
            ++copies;
            for (int chunk = 0; chunk < 3; ++chunk)
                pump.processPendingEvents();
        };
        pump.meanwhile.insert(1, copy);
        copy();
        QCOMPARE(copies, 1);
        QCOMPARE(refused, 1);
        QCOMPARE(pump.pumps, 3);
        QVERIFY(!pump.isRunning(QStringLiteral("copy")));
        copy(); // once it has ended, the loop runs again
        QCOMPARE(copies, 2);
    }

    void otherLoopsMayNest()
    {
        FakeEventPump pump;
        EventPump::Loop wait(pump, QStringLiteral("wait for copy"));
        EventPump::Loop copy(pump, QStringLiteral("copy"));
        QVERIFY(wait.entered());
        QVERIFY(copy.entered());
        QVERIFY(pump.isRunning(QStringLiteral("wait for copy")) && pump.isRunning(QStringLiteral("copy")));
    }

    void theApplicationPumpDeliversWaitingEvents()
    {
        QtEventPump pump;
        bool delivered = false;
        QTimer::singleShot(0, [&] { delivered = true; });
        QTRY_VERIFY_WITH_TIMEOUT((pump.processPendingEvents(), delivered), 1000);
    }
};

QTEST_GUILESS_MAIN(TestEventPump)
#include "tst_eventpump.moc"
