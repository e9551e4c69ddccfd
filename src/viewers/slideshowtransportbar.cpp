#include "slideshowtransportbar.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace {
struct ButtonLook
{
    const char *name;
    QStyle::StandardPixmap icon;
};
// Left to right, with the words of the bar's tooltip.
constexpr std::array<ButtonLook, 7> Looks{ {
    { "Bkwd", QStyle::SP_MediaSkipBackward },
    { "Fwd", QStyle::SP_MediaSkipForward },
    { "Play", QStyle::SP_MediaPlay },
    { "Pause", QStyle::SP_MediaPause },
    { "Jump Bkwd", QStyle::SP_MediaSeekBackward },
    { "Jump Fwd", QStyle::SP_MediaSeekForward },
    { "Exit", QStyle::SP_MediaStop },
} };
}

SlideShowTransportBar::SlideShowTransportBar(QWidget *parent)
    : QWidget(parent)
{
    setToolTip(QStringLiteral("[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < int(Looks.size()); ++i) {
        auto *button = new QToolButton(this);
        const QString name = QLatin1String(Looks.at(i).name);
        button->setObjectName(name);
        button->setAccessibleName(name);
        button->setIcon(style()->standardIcon(Looks.at(i).icon));
        // The keyboard focus stays on "Beginning"; hovering shows the bar's own tooltip.
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->addWidget(button);
        m_buttons[i] = button;
    }
    setPlaying(false);
}

void SlideShowTransportBar::setPlaying(bool playing)
{
    button(Pause)->setEnabled(playing);
    for (Button step : { Bkwd, Fwd, JumpBkwd, JumpFwd })
        button(step)->setEnabled(!playing);
}
