#include "core/errortable.h"
#include "core/session.h"
#include "platform/base/mediafs.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/stretchedimage.h"
#include "support/fakehost.h"
#include "support/harness.h"
#include "support/fakes.h"
#include "support/recordingdialogs.h"
#include "support/testprinter.h"
#include "viewers/pageviewer.h"
#include "viewers/pageviewerwindow.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QTimer>
#include <QToolButton>

namespace {
// Page n of a fixture is (n + a multiple of 100) pixels high, so the height tells which page is on show.
void writePage(const QString &file, int width, int height)
{
    QDir().mkpath(QFileInfo(file).path());
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::darkCyan);
    QVERIFY(page.save(file, "JPG"));
}

// A JPEG whose header claims 16000 x 16000 pixels (a gigabyte decoded) over the data of 16 x 16.
void writeHugeHeader(const QString &file)
{
    writePage(file, 16, 16);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    QVERIFY(sof > 0);
    bytes.replace(sof + 5, 4, QByteArray("\x3E\x80\x3E\x80", 4));
    f.seek(0);
    f.write(bytes);
}

// The viewer over a disc in E: with an 800 x 600 screen. The offscreen
// platform frames windows with 2 pixels a side: the client area is 796 x 596.
struct Run : TestServices
{
    Run(const QTemporaryDir &dir, const QString &year)
        : TestServices(dir.path(), dir.filePath(QStringLiteral("printed")))
        , viewer(platform, session, host)
    {
        select(year);
    }
    void select(const QString &year)
    {
        host.label = year;
        session.SelectionCode = year.startsWith(u'2') ? u'A' + year.right(1) : year.mid(2);
    }
    // Runs the advertisement viewer; check() looks at the open window, which is then closed.
    void whileAdIsOpen(const std::function<void(PageViewerWindow *)> &check)
    {
        dialogs.scriptModal([&](QDialog &) { check(viewer.window()); });
        viewer.ShowAdvertisement();
    }

    FakeHost host;
    PageViewer viewer;
};

int pageShown(const PageViewerWindow *window)
{
    return window->picChild->height() % 100;
}
}

class TestPageViewer : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        writePage(m_dir.filePath("brochures/57BRCH00.JPG"), 2000, 1500);
        for (int n = 1; n <= 12; ++n)
            writePage(m_dir.filePath(QStringLiteral("brochures/57brch%1.jpg").arg(n, 2, 10, QLatin1Char('0'))), 600, 700 + n);
        for (int n : { 0, 1, 3 })
            writePage(m_dir.filePath(QStringLiteral("brochures/60brch0%1.jpg").arg(n)), 500, 400 + n);
        writePage(m_dir.filePath("brochures/02brch00.jpg"), 300, 200);
        writePage(m_dir.filePath("ads/57foth00.jpg"), 1000, 800);
        writePage(m_dir.filePath("ads/57foth01.jpg"), 1000, 801);
        writePage(m_dir.filePath("ads/02foth00.jpg"), 300, 200);
        QFile garbage(m_dir.filePath("brochures/58brch00.jpg"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a picture");
        garbage.close();
        QFile::copy(m_dir.filePath("ads/57foth00.jpg"), m_dir.filePath("brochures/59brch00.jpg"));
        QFile truncated(m_dir.filePath("brochures/59brch00.jpg"));
        QVERIFY(truncated.resize(300));
        writeHugeHeader(m_dir.filePath("brochures/62brch00.jpg"));
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void brochureOpensModelessOnTheWholeScreen()
    {
        Run run(m_dir, "1957");
        run.viewer.openBrochure();
        PageViewerWindow *w = run.viewer.window();
        QVERIFY(w->isVisible() && !w->isModal());
        QCOMPARE(w->objectName(), QStringLiteral("frmScroll"));
        QCOMPARE(w->windowTitle(), QStringLiteral("The Vireon Anthology    1957 Showroom Brochure"));
        QCOMPARE(w->frameGeometry(), QRect(0, 0, 800, 600));
        QCOMPARE(w->Text1->text(), QStringLiteral("1 of 13"));
        QCOMPARE(run.host.saverClosed, 1);
        QCOMPARE(w->SpinButton1->geometry(), QRect(0, 0, 49, 16));
        QCOMPARE(w->Text1->geometry(), QRect(49, 0, 57, 19));
        QCOMPARE(w->picParent->geometry(), QRect(0, 0, 779, 579));
        QCOMPARE(w->HScroll1->geometry(), QRect(0, 579, 779, 17));
        QCOMPARE(w->VScroll1->geometry(), QRect(779, 0, 17, 579));
        QCOMPARE(w->sscommand1->geometry(), QRect(779, 579, 17, 17));
        QCOMPARE(w->Image1->geometry(), QRect(0, 0, 620, 579));
        QCOMPARE(w->focusWidget(), w->sscommand1);
        QCOMPARE(w->sscommand1->accessibleName(), QStringLiteral("Close"));
        QCOMPARE(w->SpinButton1->downButton()->accessibleName(), QStringLiteral("Back"));
        QCOMPARE(w->SpinButton1->upButton()->accessibleName(), QStringLiteral("Forward"));
        QVERIFY(w->picChild->isVisible() && w->HScroll1->isVisible() && w->VScroll1->isVisible());
        QCOMPARE(w->picChild->size(), QSize(2000, 1500));
        QCOMPARE(w->HScroll1->maximum(), 1221);
        QCOMPARE(w->HScroll1->pageStep(), 101);
        QCOMPARE(w->VScroll1->maximum(), 921);
        QCOMPARE(w->VScroll1->pageStep(), 76);

        w->HScroll1->setValue(300);
        w->VScroll1->setValue(200);
        QCOMPARE(w->picChild->pos(), QPoint(-300, -200));
        QTest::mouseClick(w->picChild, Qt::LeftButton); // no zoom for brochures
        QVERIFY(w->picParent->isVisible());
        QTest::mousePress(w->picChild, Qt::RightButton);
        QVERIFY(!w->isVisible());
    }

    void brochurePagesTurnWithWrapAround()
    {
        Run run(m_dir, "1957");
        run.viewer.openBrochure();
        PageViewerWindow *w = run.viewer.window();
        w->VScroll1->setValue(100);
        QTest::mouseClick(w->SpinButton1->upButton(), Qt::LeftButton);
        QCOMPARE(pageShown(w), 1);
        QCOMPARE(w->Text1->text(), QStringLiteral("2 of 13"));
        QCOMPARE(w->picChild->pos(), QPoint(0, 0));
        QVERIFY(!w->HScroll1->isEnabled());
        QCOMPARE(w->HScroll1->pageStep(), 101); // a page turn leaves it
        QCOMPARE(w->VScroll1->maximum(), 122);
        QCOMPARE(w->VScroll1->pageStep(), 122); // no sixth on a page turn
        for (int n = 2; n <= 12; ++n) {
            w->SpinUp();
            QCOMPARE(pageShown(w), n);
            QCOMPARE(w->picChild->width(), 600); // a brochure page, never an advertisement
        }
        w->SpinUp();
        QCOMPARE(w->Text1->text(), QStringLiteral("1 of 13"));
        QTest::mouseClick(w->SpinButton1->downButton(), Qt::LeftButton);
        QCOMPARE(w->Text1->text(), QStringLiteral("13 of 13"));
        QTest::keyClick(w->sscommand1, ',');
        QCOMPARE(pageShown(w), 11);
        QTest::keyClick(w->sscommand1, '.');
        QCOMPARE(pageShown(w), 12);
        QCOMPARE(w->focusWidget(), w->sscommand1);

        // Another year chosen meanwhile: its pages are sought, the opening's total stays.
        run.select("1960");
        w->SpinUp();
        QCOMPARE(w->picChild->size(), QSize(500, 400));
        QCOMPARE(w->Text1->text(), QStringLiteral("1 of 13"));
        QCOMPARE(w->windowTitle(), QStringLiteral("The Vireon Anthology    1957 Showroom Brochure"));
    }

    void gapsAreSkippedAndReopeningReplacesTheWindow()
    {
        Run run(m_dir, "1960");
        run.viewer.openBrochure();
        QPointer<PageViewerWindow> first = run.viewer.window();
        QCOMPARE(first->Text1->text(), QStringLiteral("1 of 4"));
        first->SpinUp();
        first->SpinUp();
        QCOMPARE(first->Text1->text(), QStringLiteral("4 of 4"));
        first->SpinDown();
        QCOMPARE(first->Text1->text(), QStringLiteral("2 of 4"));

        run.select("2002"); // reopening closes the open viewer first
        run.viewer.openBrochure();
        QVERIFY(!first->isVisible() && run.viewer.window() != first);
        run.viewer.window()->close();
    }

    void singlePageBrochureHidesSpinAndCounter()
    {
        Run run(m_dir, "2002");
        run.viewer.openBrochure();
        PageViewerWindow *w = run.viewer.window();
        QCOMPARE(run.session.SelectionCode, QStringLiteral("02"));
        QVERIFY(w->SpinButton1->isHidden() && w->Text1->isHidden());
        QTest::keyClicks(w->sscommand1, ". x");
        QVERIFY(w->isVisible() && w->picParent->isVisible());
        QPointer<QLineEdit> counter = w->Text1;
        QTest::mouseClick(w->sscommand1, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(!counter->isHidden());
    }

    void unreadableFirstPageReportsER044_data()
    {
        QTest::addColumn<QString>("year");
        QTest::newRow("missing") << "1963";
        QTest::newRow("not a picture") << "1958";
        QTest::newRow("truncated") << "1959";
        QTest::newRow("huge") << "1962";
    }

    void unreadableFirstPageReportsER044()
    {
        QFETCH(QString, year);
        Run run(m_dir, year);
        run.viewer.openBrochure();
        QCOMPARE(run.viewer.window(), nullptr);
        QCOMPARE(run.dialogs.shown().size(), 1);
        QCOMPARE(run.dialogs.last().text, composeErrorMessage(QStringLiteral("ER044")));
        QCOMPARE(run.dialogs.last().icon, Dialogs::Icon::Critical);
    }

    void advertisementIsModalAndZooms()
    {
        Run run(m_dir, "1957");
        run.whileAdIsOpen([&](PageViewerWindow *w) {
            QVERIFY(w->isModal() && w->isVisible());
            QCOMPARE(run.dialogs.modalWindows, QStringList{ QStringLiteral("frmScroll") });
            QCOMPARE(w->windowTitle(), QStringLiteral("The Vireon Anthology    1957 Advertisement"));
            QCOMPARE(w->Text1->text(), QStringLiteral("1 of 2"));
            QVERIFY(w->picParent->isHidden() && w->HScroll1->isHidden() && w->VScroll1->isHidden());
            QCOMPARE(w->Image1->geometry(), QRect(177, 0, 446, 579));
            QCOMPARE(w->Image1->image().size(), QSize(1000, 800));

            QTest::mouseClick(w->Image1, Qt::LeftButton);
            QVERIFY(w->picChild->isVisible() && w->HScroll1->isVisible() && w->VScroll1->isVisible());
            QVERIFY(w->HScroll1->isEnabled());
            QCOMPARE(w->HScroll1->maximum(), 221);
            QTest::keyClick(w->sscommand1, '.');
            QCOMPARE(pageShown(w), 1);
            QCOMPARE(w->Image1->image().height(), 801);
            QTest::mouseClick(w->picChild, Qt::LeftButton);
            QVERIFY(w->picParent->isHidden() && w->HScroll1->isHidden());
            QCOMPARE(w->Image1->geometry(), QRect(169, 0, 462, 600));
            QTest::keyClick(w->sscommand1, 'z');
            QVERIFY(w->picParent->isVisible());
            QTest::mousePress(w->picChild, Qt::RightButton);
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(run.host.focusedAt, QList<int>({ 4 }));
    }

    void keysAndTheWheelScrollThePage()
    {
        Run run(m_dir, "1957");
        run.viewer.openBrochure();
        PageViewerWindow *w = run.viewer.window();
        QTest::keyClick(w->sscommand1, Qt::Key_Down);
        QCOMPARE(w->VScroll1->value(), 20);
        QTest::keyClick(w->sscommand1, Qt::Key_PageDown);
        QCOMPARE(w->VScroll1->value(), 20 + 579);
        QTest::keyClick(w->sscommand1, Qt::Key_End);
        QCOMPARE(w->VScroll1->value(), 921);
        QTest::keyClick(w->sscommand1, Qt::Key_Home);
        QCOMPARE(w->VScroll1->value(), 0);
        QTest::keyClick(w->sscommand1, Qt::Key_Right);
        QCOMPARE(w->HScroll1->value(), 20);
        QWheelEvent notch(QPointF(100, 100), w->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &notch);
        QCOMPARE(w->VScroll1->value(), 3 * 20);
        QCOMPARE(pageShown(w), 0); // none of these keys turned or zoomed the page
        QVERIFY(w->isVisible());
        w->close();
    }

    void enterAndBackspaceActAsTypedCharacters()
    {
        Run run(m_dir, "1957");
        run.whileAdIsOpen([&](PageViewerWindow *w) {
            QTest::keyClick(w->sscommand1, Qt::Key_Return); // zoom in, like any character
            QVERIFY(w->picParent->isVisible());
            QTest::keyClick(w->sscommand1, Qt::Key_Backspace); // and out again
            QVERIFY(w->picParent->isHidden());
            QVERIFY(w->isVisible());
        });
    }

    void singlePageAdvertisementReplacesAnOpenBrochure()
    {
        Run run(m_dir, "2002");
        run.viewer.openBrochure();
        QPointer<PageViewerWindow> brochure = run.viewer.window();
        run.whileAdIsOpen([&](PageViewerWindow *w) {
            QVERIFY(!brochure || !brochure->isVisible());
            QVERIFY(w->SpinButton1->isVisible());
            QTest::mouseClick(w->SpinButton1->upButton(), Qt::LeftButton);
            QTest::mouseClick(w->SpinButton1->downButton(), Qt::LeftButton);
            QCOMPARE(w->Text1->text(), QStringLiteral("1 of 1"));
            QCOMPARE(w->Image1->image().size(), QSize(300, 200));
            QCOMPARE(QApplication::overrideCursor(), nullptr);
        });
        QCOMPARE(run.host.focusedAt, QList<int>({ -51 })); // no such year button: the focus stays
    }

    void missingAdvertisementSaysSorry()
    {
        Run run(m_dir, "1963");
        run.viewer.ShowAdvertisement();
        QCOMPARE(run.viewer.window(), nullptr);
        QCOMPARE(run.dialogs.shown().size(), 1);
        QCOMPARE(run.dialogs.last().text, QStringLiteral("Sorry!\r\n\r\nAd not found.\r\n"));
        QCOMPARE(run.dialogs.last().title, QStringLiteral("The Vireon Anthology"));
        QCOMPARE(run.dialogs.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(run.host.enabled, 1);
        QVERIFY(run.host.focusedAt.isEmpty());
    }
};

QTEST_MAIN(TestPageViewer)
#include "tst_pageviewer.moc"
