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

    void everyTextOfTheTable()
    {
        const QList<QPair<QString, QString>> table{
            { "ER001", " Unable to detect the Vireon Anthology CDROM." },
            { "ER002", " Unable to load  Description  for year selected." },
            { "ER003", " Unable to load Intel Video driver install software." },
            { "ER004", " Unable to load the text file." },
            { "ER005", " Unable to load the text file." },
            { "ER006", " Unable to load the text file." },
            { "ER007", " Unable to load the text file." },
            { "ER008", " Unable to load the text file." },
            { "ER009", " Unable to load the text file." },
            { "ER010", " Unable to load the text file." },
            { "ER011", " Unable to load Slide Show photo." },
            { "ER012", " Unable to load photo." },
            { "ER013", " Unable to load Slide Show photo." },
            { "ER014", " Unable to load Slide Show photo." },
            { "ER015", " Unable to load Slide Show photo." },
            { "ER016", " Unable to load Slide Show photo." },
            { "ER017", " Unable to load Slide Show photo." },
            { "ER018", " Unable to load Slide Show photo." },
            { "ER020", " Error loading text file." },
            { "ER021", " Unable to load  Script  for year selected." },
            { "ER022", " Unable to load  Emblem  for year selected." },
            { "ER023", " Vireon photo not found for year selected." },
            { "ER024", " Vireon clip art not found for year selected." },
            { "ER025", " Unable to load the text file." },
            { "ER026", " Unable to load the text file." },
            { "ER027", " Unable to load the text file." },
            { "ER029", " Unable to load the text file." },
            { "ER030", " Unable to load the text file." },
            { "ER031", " Unable to load the text file." },
            { "ER032", " Unable to load sound file: " },
            { "ER033", " Unable to load 'Postage Stamps' text file." },
            { "ER034", " You must select both a Start Year and an End Year. " },
            { "ER035", " Vireon clip art not found for year selected." },
            { "ER036", " 'TO' year may not be earlier than 'FROM' year." },
            { "ER037", " Unable to load the photo array." },
            { "ER038", " Unable to load the 'Sound Effects' file." },
            { "ER039", " Unable to load Slide Show photo." },
            { "ER040", " Unable to load file for printing." },
            { "ER041", " Unable to load  Rear Emblem for year selected." },
            { "ER042", " Unable to load  Side Emblem for year selected." },
            { "ER043", "  " },
            { "ER044", " Unable to load Vireon Ad." },
            { "ER045", " Unable to load Vireon Movie." },
            { "ER046", " " },
            { "ER047", " " },
            { "ER048", " " },
            { "ER049", " Unable to find Screen Saver." },
            { "ER050", " Unable to load 'Identification Guide' text file." },
            { "ER051", " " },
            { "ER052", " Unable to load 'Install Screen Saver Help' text file." },
            { "ER053", " Unable to load 'Contributions' text file." },
            { "ER054", "       " },
            { "ER055", " Unable to detect the Vireon Anthology CDROM." },
            { "ER056", " Unable to load 'What's New' text file." },

        };
        QCOMPARE(table.size(), 54);
        for (const auto &[code, text] : table)
            QCOMPARE(errorText(code), text);
        for (const char *unlisted : { "ER019", "ER028", "ER000", "ER057" })
            QVERIFY(errorText(QLatin1String(unlisted)).isEmpty());
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
