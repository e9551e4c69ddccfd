#include "core/errorreporter.h"
#include "core/errortable.h"
#include "support/fakehost.h"
#include "support/fakes.h"
#include "support/recordingdialogs.h"

#include <QTest>

namespace {
const QString Closing = QStringLiteral("\r\n\r\nMake sure that the Vireon Anthology is in the CDROM drive.");
}

class TestErrorReporting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void composesMessages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("ER012") << "ER012" << "Error number: ER012\r\n\r\n Unable to load photo." + Closing;
        QTest::newRow("double blanks kept")
            << "ER002" << "Error number: ER002\r\n\r\n Unable to load  Description  for year selected." + Closing;
        QTest::newRow("unlisted code") << "ER019" << "Error number: ER019\r\n\r\n" + Closing;
        QTest::newRow("past the table") << "ER057" << "Error number: ER057\r\n\r\n" + Closing;
        QTest::newRow("two blanks") << "ER043" << "Error number: ER043\r\n\r\n  " + Closing;
        QTest::newRow("seven blanks") << "ER054" << "Error number: ER054\r\n\r\n       " + Closing;
        QTest::newRow("booklet check, no closing")
            << "ER034" << "Error number: ER034\r\n\r\n You must select both a Start Year and an End Year. ";
        QTest::newRow("booklet order check")
            << "ER036" << "Error number: ER036\r\n\r\n 'TO' year may not be earlier than 'FROM' year.";
    }
    void composesMessages()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        QCOMPARE(composeErrorMessage(code), message);
    }

    void everyListedTextBeginsWithABlank()
    {
        int listed = 0;
        for (int n = 1; n <= 60; ++n) {
            const QString text = errorText(QStringLiteral("ER%1").arg(n, 3, 10, QLatin1Char('0')));
            if (text.isEmpty())
                continue;
            ++listed;
            QVERIFY2(text.startsWith(u' '), qPrintable(text));
        }
        QCOMPARE(listed, 54); // ER001..ER056 without ER019 and ER028
    }

    void ordinaryCodeShowsOkAndCriticalThenFocusesAndEnables()
    {
        RecordingDialogs dialogs;
        FakeHost host;
        ErrorReporter errors(dialogs);
        errors.setHost(&host);
        errors.setErrorCode(QStringLiteral("ER012"));
        errors.reportError();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.last().title, QStringLiteral("The Vireon Anthology"));
        QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(dialogs.last().icon, Dialogs::Icon::Critical);
        QCOMPARE(host.calls, QStringList({ "focus", "enable" }));

        // A load that failed leaves the focus where it is.
        host.calls.clear();
        errors.reportError(ErrorReporter::Origin::FailureHandler);
        QCOMPARE(host.calls, QStringList({ "enable" }));
        QCOMPARE(errors.errorCode(), QStringLiteral("ER012")); // the code keeps its value
    }

    void retryCodesOfferRetryAndCancel_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("disc") << "ER001";
        QTest::newRow("photo array") << "ER037";
        QTest::newRow("movie disc") << "ER055";
    }
    void retryCodesOfferRetryAndCancel()
    {
        QFETCH(QString, code);
        RecordingDialogs dialogs;
        FakeHost host;
        ErrorReporter errors(dialogs);
        errors.setHost(&host);
        errors.setErrorCode(code);

        dialogs.script({ Dialogs::Answer::Retry });
        errors.reportError();
        QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::RetryCancel);
        QCOMPARE(dialogs.last().icon, Dialogs::Icon::None);
        QVERIFY(host.calls.isEmpty()); // Retry neither moves the focus nor enables the window

        TerminationCatcher catcher;
        dialogs.script({ Dialogs::Answer::Cancel });
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, errors.reportError());
        QVERIFY(host.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestErrorReporting)
#include "tst_errorreporting.moc"
