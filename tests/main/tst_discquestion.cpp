#include "core/setupchoices.h"
#include "main/splashwindow.h"
#include "platform/ui/placedialog.h"
#include "support/harness.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// When no disc is found and none was ever chosen, start-up first asks where
// the anthology is; the answer is searched and, when it holds the disc, remembered.
class TestDiscQuestion : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_copy; // a folder copy of a miniature disc
    QString m_image; // the same as a disc image, names in mixed case

    QString rememberedDisc(Harness &run) { return SetupChoices(run.settings).disc(); }

private Q_SLOTS:
    void initTestCase()
    {
        m_copy = m_dir.filePath(QStringLiteral("copy"));
        writePhoto(m_copy + QStringLiteral("/Birds/55001.JPG"));
        writePhoto(m_copy + QStringLiteral("/Birds/57002.jpg"));
        touchFile(m_copy + QStringLiteral("/RichText/57DESC.RTF"));
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty(),
            "xorriso is installed by scripts/install-deps.sh");
        m_image = m_dir.filePath(QStringLiteral("Anthology.iso"));
        QProcess xorriso;
        xorriso.start(QStringLiteral("xorriso"),
            { "-as", "mkisofs", "-J", "-r", "-V", "ANTHOLOGY", "-o", m_image, m_copy });
        QVERIFY(xorriso.waitForFinished(60000));
        QCOMPARE(xorriso.exitCode(), 0);
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void aFolderNamedIsSearchedAndRemembered()
    {
        QTemporaryDir dir; // no disc in E:
        Harness run(dir);
        run.dialogs.openAnswers = { m_copy };
        run.startup.run({});
        QCOMPARE(run.dialogs.openRequests.size(), 1);
        const Dialogs::OpenPlace &question = run.dialogs.openRequests.constFirst();
        QCOMPARE(question.title, QStringLiteral("Where is the Vireon Anthology?"));
        QVERIFY(question.explanation.contains(QStringLiteral("disc image")));
        QCOMPARE(question.filters.constFirst().second, QStringLiteral("*.iso"));
        // In the dialog a folder holding the disc is a choice; others open.
        QVERIFY(question.acceptsFolder(m_copy));
        QVERIFY(!question.acceptsFolder(m_dir.path()));

        QCOMPARE(run.session.roots.MediaRoot, QStringLiteral("D:")); // E: holds the test's own drive
        QCOMPARE(run.session.photoIndex.Count(), 2);
        QCOMPARE(rememberedDisc(run), m_copy);
        QVERIFY(run.dialogs.shown().isEmpty());
        QVERIFY(run.startup.splash()->isVisible()); // shown again once the disc was found
        run.startup.splash()->close();
    }

    void aDiscImageNamedIsADisc()
    {
        QTemporaryDir dir;
        Harness run(dir);
        run.dialogs.openAnswers = { m_image };
        run.startup.run({});
        QCOMPARE(run.session.roots.MediaRoot, QStringLiteral("D:"));
        QCOMPARE(run.session.photoIndex.Count(), 2);
        QVERIFY(run.fs.exists(QStringLiteral("D:\\richtext\\57desc.rtf")));
        QCOMPARE(rememberedDisc(run), m_image);
        run.startup.splash()->close();
    }

    void cancelLeadsToTheNoDiscBox()
    {
        QTemporaryDir dir;
        Harness run(dir);
        run.dialogs.script({ Dialogs::Answer::Cancel });
        TerminationCatcher catcher;
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, run.startup.run({}));
        QCOMPARE(run.dialogs.openRequests.size(), 1);
        QCOMPARE(run.dialogs.shown().size(), 1);
        QVERIFY(run.dialogs.last().text.contains(
            QStringLiteral(" Unable to detect the Vireon Anthology CDROM.")));
        QCOMPARE(run.dialogs.last().buttons, Dialogs::Buttons::RetryCancel);
        QVERIFY(rememberedDisc(run).isEmpty());
        QVERIFY(!run.startup.splash()->isVisible());
    }

    void aPlaceWithoutTheDiscIsNotRememberedAndAskedOnce()
    {
        QTemporaryDir dir;
        Harness run(dir);
        run.dialogs.openAnswers = { m_dir.path() };
        // Retry once, then the disc is put in E: meanwhile.
        run.dialogs.script({ Dialogs::Answer::Retry });
        run.dialogs.whileShown = [&] { writePhoto(dir.filePath(QStringLiteral("disc/birds/60001.jpg"))); };
        run.startup.run({});
        QCOMPARE(run.dialogs.openRequests.size(), 1);
        QCOMPARE(run.dialogs.shown().size(), 1);
        QCOMPARE(run.session.roots.MediaRoot, QStringLiteral("E:"));
        QVERIFY(rememberedDisc(run).isEmpty());
        run.startup.splash()->close();
    }

    void aDiscChosenBeforeIsNotAskedFor()
    {
        QTemporaryDir dir;
        Harness run(dir);
        SetupChoices(run.settings).rememberDisc(m_dir.filePath(QStringLiteral("moved-away.iso")));
        run.dialogs.script({ Dialogs::Answer::Cancel });
        TerminationCatcher catcher;
        QVERIFY_THROWS_EXCEPTION(ProgramTerminated, run.startup.run({}));
        QVERIFY(run.dialogs.openRequests.isEmpty());
        QCOMPARE(run.dialogs.shown().size(), 1);
        run.startup.splash()->close();
    }

    void theDialogTakesADiscFolderOrAFile()
    {
        Dialogs::OpenPlace request { QStringLiteral("Where?"), QStringLiteral("Choose the disc."),
            { { QStringLiteral("Disc images"), QStringLiteral("*.iso") } }, m_dir.path(),
            [this](const QString &folder) { return folder == m_copy; } };
        {
            PlaceDialog dialog(request);
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("explanation"))->text(), request.explanation);
            dialog.selectFile(m_copy);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.chosen(), m_copy);
        }
        {
            PlaceDialog dialog(request);
            const QString other = m_dir.filePath(QStringLiteral("copy/Birds"));
            dialog.selectFile(other);
            dialog.accept(); // opens the folder
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(dialog.directory().absolutePath(), other);
            QVERIFY(dialog.chosen().isEmpty());
        }
        {
            PlaceDialog dialog(request);
            dialog.selectFile(m_image);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.chosen(), m_image);
        }
    }
};

QTEST_MAIN(TestDiscQuestion)
#include "tst_discquestion.moc"
