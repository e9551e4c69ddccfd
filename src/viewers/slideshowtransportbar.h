#pragma once

#include "platform/ui/transportbar.h"

// The slide show's transport bar mmSlide: seven buttons that open no media
// and only raise what they stand for. The owner tells it whether the show
// plays: then "Pause" is enabled and the four step buttons are disabled.
class SlideShowTransportBar : public TransportBar
{
    Q_OBJECT
public:
    // Left to right.
    enum Button { Bkwd, Fwd, Play, Pause, JumpBkwd, JumpFwd, Exit };

    explicit SlideShowTransportBar(QWidget *parent = nullptr);

    QToolButton *button(Button which) const { return TransportBar::button(which); }
};
