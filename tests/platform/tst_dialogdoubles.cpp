#include "support/scripteddialogs.h"

#include <QDialog>
#include <QTest>

// The doubles every window test leans on: a wrong answer here would make
// many tests pass for the wrong reason.
class TestDialogDoubles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theSaveDialogCancelsUnlessScripted()
    {
        RecordingDialogs dialogs;
        const Dialogs::SaveFile request{ QStringLiteral("Save Photo"), QStringLiteral(".jpg"), {}, QStringLiteral("/tmp"),
                                         QStringLiteral("55090.jpg") };
        QCOMPARE(dialogs.saveFile(request), std::nullopt);
        dialogs.saveAnswers << QStringLiteral("/tmp/kept.jpg");
        QCOMPARE(dialogs.saveFile(request), std::optional<QString>(QStringLiteral("/tmp/kept.jpg")));
        QCOMPARE(dialogs.saveRequests.size(), 2);
        QCOMPARE(dialogs.saveRequests.constFirst().fileName, QStringLiteral("55090.jpg"));
    }

    void aCancelledPrinterSetupChangesNothing()
    {
        RecordingDialogs dialogs;
        PrinterChoice choice{ QStringLiteral("Office"), QPageSize(QPageSize::Letter), QPageLayout::Portrait };
        const PrinterChoice before = choice;
        QVERIFY(!dialogs.printerSetup(choice));
        QCOMPARE(choice, before);
        dialogs.printerAnswers << PrinterChoice{ QStringLiteral("Hall"), QPageSize(QPageSize::A4), QPageLayout::Landscape };
        QVERIFY(dialogs.printerSetup(choice));
        QCOMPARE(choice.printerName, QStringLiteral("Hall"));
    }

    void aModalWindowRunsItsScriptAndIsClosedAfterwards()
    {
        ScriptedDialogs dialogs;
        QDialog window;
        window.setObjectName(QStringLiteral("txtForm"));
        bool shownInScript = false;
        dialogs.scriptModal([&](QDialog &modal) { shownInScript = modal.isVisible() && modal.isModal(); });
        QCOMPARE(dialogs.runModal(window), int(QDialog::Rejected));
        QVERIFY(shownInScript);
        QVERIFY(!window.isVisible());
        QCOMPARE(dialogs.modalWindows, QStringList{ QStringLiteral("txtForm") });

        dialogs.scriptModal([](QDialog &modal) { modal.accept(); });
        QCOMPARE(dialogs.runModal(window), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestDialogDoubles)
#include "tst_dialogdoubles.moc"
