#include "core/photoindex.h"
#include "core/photonavigator.h"

#include <QTest>

namespace {
// 1955 has five photographs, 1956 one, 2002 two, "Vireon Coin " one.
PhotoIndex sampleIndex()
{
    return PhotoIndex(QStringLiteral("E:"), { "55030.jpg", "56001.jpg", "55010.jpg", "a2001.jpg", "55050.jpg",
                                              "ZY001.jpg", "55020.jpg", "A2002.jpg", "55040.jpg" });
}

// The numbers within the group that a run of steps shows ('n' Next, 'p' Previous).
QStringList walk(const PhotoIndex &index, PhotoNavigator &navigator, QString code, const QString &steps)
{
    QStringList shown;
    for (const QChar step : steps) {
        const int p = step == u'n' ? navigator.NextPhoto(code) : navigator.PreviousPhoto(code);
        if (!p) {
            shown << QStringLiteral("-");
            continue;
        }
        step == u'n' ? navigator.shownForward(p) : navigator.shownBackward(p);
        shown << index.numberAt(p);
    }
    return shown;
}

void select(PhotoNavigator &navigator)
{
    navigator.selectionStarted();
    navigator.FinishSelection();
}
}

class TestPhotoNavigator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepsAfterASelection_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("next shows 2") << "55" << "n" << QStringList{ "2" };
        QTest::newRow("previous shows the last") << "55" << "p" << QStringList{ "5" };
        QTest::newRow("forward wraps") << "55" << "nnnnn" << QStringList{ "2", "3", "4", "5", "1" };
        QTest::newRow("backward wraps") << "55" << "ppppppp" << QStringList{ "5", "4", "3", "2", "1", "5", "4" };
        QTest::newRow("next after previous") << "55" << "ppn" << QStringList{ "5", "4", "5" };
        QTest::newRow("previous after next") << "55" << "nnnp" << QStringList{ "2", "3", "4", "3" };
        QTest::newRow("turning back and forth") << "55" << "npnpn" << QStringList{ "2", "1", "2", "1", "2" };
        QTest::newRow("one photograph") << "56" << "nnpnp" << QStringList{ "1", "1", "1", "1", "1" };
        QTest::newRow("2002 by its year digits") << "02" << "nn" << QStringList{ "2", "1" };
        QTest::newRow("a group without photographs") << "TD" << "np" << QStringList{ "-", "-" };
    }
    void stepsAfterASelection()
    {
        QFETCH(QString, code);
        QFETCH(QString, steps);
        QFETCH(QStringList, numbers);
        const PhotoIndex index = sampleIndex();
        PhotoNavigator navigator(index);
        select(navigator);
        QCOMPARE(walk(index, navigator, code, steps), numbers);
    }

    void positionsAndPathFollowTheSteps()
    {
        const PhotoIndex index = sampleIndex();
        PhotoNavigator navigator(index);
        select(navigator);
        QString code = QStringLiteral("02");
        const int p = navigator.NextPhoto(code);
        QCOMPARE(code, QStringLiteral("A2")); // rewritten for good
        navigator.shownForward(p);
        QCOMPARE(navigator.CurrentPosition, 8);
        QCOMPARE(navigator.PhotoCursor, 8);
        QCOMPARE(navigator.CurrentPhotoPath, QStringLiteral("E:\\birds\\A2002.JPG"));

        const int back = navigator.PreviousPhoto(code);
        navigator.shownBackward(back);
        QCOMPARE(navigator.CurrentPosition, 7);
        QCOMPARE(navigator.PhotoCursor, 6); // backwards leaves the cursor before the photograph
    }

    void rebuildingTheIndexRestartsTheGroup()
    {
        const PhotoIndex index = sampleIndex();
        PhotoNavigator navigator(index);
        select(navigator);
        QCOMPARE(walk(index, navigator, "55", "nnnn"), QStringList({ "2", "3", "4", "5" }));
        navigator.indexRebuilt();
        QCOMPARE(walk(index, navigator, "55", "n"), QStringList({ "1" }));

        // Right after a selection the skip is still pending: photograph 2.
        select(navigator);
        navigator.indexRebuilt();
        QCOMPARE(walk(index, navigator, "55", "n"), QStringList({ "2" }));
    }

    void aFailedStepBackwardKeepsThePhotographAfterIt()
    {
        const PhotoIndex index = sampleIndex();
        PhotoNavigator navigator(index);
        select(navigator);
        QString code = QStringLiteral("55");
        const int p = navigator.PreviousPhoto(code);
        navigator.failedBackward(p);
        QCOMPARE(navigator.CurrentPosition, p + 1);
    }

    void countsBeyondSixteenBitsWork()
    {
        QStringList names;
        for (int i = 0; i < 40000; ++i)
            names << QStringLiteral("55%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
        names << QStringLiteral("ZY001.jpg");
        const PhotoIndex index(QStringLiteral("E:"), names);
        QCOMPARE(index.Count(), 40001);
        QCOMPARE(index.numberAt(40000), QStringLiteral("40000"));
        PhotoNavigator navigator(index);
        select(navigator);
        QString code = QStringLiteral("55");
        QCOMPARE(navigator.PreviousPhoto(code), 40000);
        code = QStringLiteral("ZY");
        QCOMPARE(navigator.NextPhoto(code), 40001);
    }
};

QTEST_GUILESS_MAIN(TestPhotoNavigator)
#include "tst_photonavigator.moc"
