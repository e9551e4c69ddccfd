#include "platform/ui/transportbar.h"
#include "viewers/slideshowtransportbar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
using Action = TransportBar::Action;

QImage picture(const QIcon &icon)
{
    return icon.pixmap(QSize(32, 32)).toImage();
}

// A real press and release with the event loop running between them.
void press(QToolButton *button)
{
    QTest::mousePress(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::mouseRelease(button, Qt::LeftButton);
}
} // namespace

// The transport bar: buttons that raise what they stand for, enabled by what
// the owner says plays; each with a picture and a tooltip of its own.
class TestTransportBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonsRaiseTheirActions()
    {
        const QList<Action> actions = { Action::ToStart, Action::ToEnd, Action::Play, Action::Pause,
            Action::StepBack, Action::StepForward, Action::Stop };
        QList<TransportBar::Button> buttons;
        for (Action action : actions)
            buttons.append({ action, QString::number(int(action)) });
        TransportBar bar(buttons);
        bar.resize(280, 24);
        bar.show();
        QSignalSpy raised(&bar, &TransportBar::triggered);
        for (int i = 0; i < bar.count(); ++i) {
            bar.setPlaying(actions.at(i) == Action::Pause);
            press(bar.button(i));
        }
        QCOMPARE(raised.size(), actions.size());
        for (int i = 0; i < actions.size(); ++i)
            QCOMPARE(raised.at(i).at(0).value<Action>(), actions.at(i));
    }

    void playingEnablesPauseAndDisablesTheSteps()
    {
        SlideShowTransportBar bar;
        using B = SlideShowTransportBar;
        QVERIFY(!bar.button(B::Pause)->isEnabled());
        for (B::Button other : { B::Bkwd, B::Fwd, B::Play, B::JumpBkwd, B::JumpFwd, B::Exit })
            QVERIFY(bar.button(other)->isEnabled());
        bar.setPlaying(true);
        QVERIFY(bar.button(B::Pause)->isEnabled() && bar.button(B::Play)->isEnabled()
            && bar.button(B::Exit)->isEnabled());
        for (B::Button step : { B::Bkwd, B::Fwd, B::JumpBkwd, B::JumpFwd })
            QVERIFY(!bar.button(step)->isEnabled());
    }

    // The slide show's buttons say what they do: one photograph back or
    // forward is a single step, not a skip to an end, and the hand-back
    // "Exit" is not a stop. Each has its own tooltip.
    void slideShowButtonsShowWhatTheyDo()
    {
        SlideShowTransportBar bar;
        using B = SlideShowTransportBar;
        const QList<QPair<B::Button, Action>> looks
            = { { B::Bkwd, Action::StepBack }, { B::Fwd, Action::StepForward }, { B::Play, Action::Play },
                  { B::Pause, Action::Pause }, { B::JumpBkwd, Action::JumpBack },
                  { B::JumpFwd, Action::JumpForward }, { B::Exit, Action::HandBack } };
        const QStringList words = { "Bkwd", "Fwd", "Play", "Pause", "Jump Bkwd", "Jump Fwd", "Exit" };
        for (const auto &[button, action] : looks) {
            QCOMPARE(bar.button(button)->toolTip(), words.at(button));
            QCOMPARE(picture(bar.button(button)->icon()), picture(TransportBar::icon(action)));
        }
        QCOMPARE(bar.toolTip(), QStringLiteral("[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"));
        QVERIFY(picture(bar.button(B::Bkwd)->icon()) != picture(TransportBar::icon(Action::ToStart)));
        QVERIFY(picture(bar.button(B::Fwd)->icon()) != picture(TransportBar::icon(Action::ToEnd)));
        QVERIFY(picture(bar.button(B::Exit)->icon()) != picture(TransportBar::icon(Action::Stop)));
    }

    // No two actions look alike.
    void everyActionHasItsOwnPicture()
    {
        QList<QImage> seen;
        for (int a = int(Action::ToStart); a <= int(Action::HandBack); ++a) {
            const QImage image = picture(TransportBar::icon(Action(a)));
            QVERIFY2(!seen.contains(image), qPrintable(QString::number(a)));
            seen << image;
        }
    }
};

QTEST_MAIN(TestTransportBar)
#include "tst_transportbar.moc"
