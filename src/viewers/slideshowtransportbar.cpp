#include "slideshowtransportbar.h"

#include <QToolButton>

namespace {
using Action = TransportBar::Action;
// Each button with the word of the bar's tooltip: one photograph back or
// forward, timed showing, ten photographs back or forward, and "Exit", which
// hands the photograph on show back to the main window.
const QList<TransportBar::Button> Buttons {
    { Action::StepBack, QStringLiteral("Bkwd") },
    { Action::StepForward, QStringLiteral("Fwd") },
    { Action::Play, QStringLiteral("Play") },
    { Action::Pause, QStringLiteral("Pause") },
    { Action::JumpBack, QStringLiteral("Jump Bkwd") },
    { Action::JumpForward, QStringLiteral("Jump Fwd") },
    { Action::HandBack, QStringLiteral("Exit") },
};
}

SlideShowTransportBar::SlideShowTransportBar(QWidget *parent)
    : TransportBar(Buttons, parent)
{
    setToolTip(QStringLiteral("[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"));
    // The keyboard focus stays on "Beginning".
    for (int i = 0; i < count(); ++i)
        TransportBar::button(i)->setFocusPolicy(Qt::NoFocus);
    // Told apart from the window's own "Exit" by what it does.
    TransportBar::button(count() - 1)->setAccessibleName(QStringLiteral("Exit to the main window with this photograph"));
}
