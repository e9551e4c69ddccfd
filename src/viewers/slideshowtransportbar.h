#pragma once

#include <QWidget>
#include <array>

class QToolButton;

// The slide show's transport bar mmSlide: seven buttons in a row that open
// no media and only raise their clicks. The owner tells it whether the show
// plays: then "Pause" is enabled and the four step buttons are disabled.
class SlideShowTransportBar : public QWidget
{
    Q_OBJECT
public:
    enum Button { Bkwd, Fwd, Play, Pause, JumpBkwd, JumpFwd, Exit };

    explicit SlideShowTransportBar(QWidget *parent = nullptr);

    QToolButton *button(Button which) const { return m_buttons.at(which); }
    void setPlaying(bool playing);

private:
    std::array<QToolButton *, 7> m_buttons{};
};
