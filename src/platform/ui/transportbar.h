#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>

class QToolButton;

// A media bar in the manner of a player's transport controls: a row of
// buttons that each raise what the user asked for (play, pause, a step) and
// carry nothing out themselves. The owner acts on the request and tells the
// bar whether something plays; the bar enables its buttons to match.
class TransportBar : public QWidget
{
    Q_OBJECT
public:
    enum class Action {
        ToStart, // |<<
        ToEnd, // >>|
        Play,
        Pause,
        StepBack, // one step (a picture, a photograph) back: <|
        StepForward, // one step forward: |>
        Stop,
        JumpBack, // several steps back: <<
        JumpForward, // several steps forward: >>
        HandBack, // leave with what is on show
    };
    Q_ENUM(Action)

    struct Button
    {
        Action action;
        QString word; // the button's name, accessible name and tooltip ("Bkwd")
    };

    // The buttons from left to right, each as wide as the others.
    explicit TransportBar(const QList<Button> &buttons, QWidget *parent = nullptr);

    QToolButton *button(int position) const { return m_buttons.at(position); }
    int count() const { return int(m_buttons.size()); }

    // While something plays, Pause is enabled and the step and jump buttons
    // are not; otherwise the other way round. The rest stay enabled.
    void setPlaying(bool playing);

    // The picture of an action, drawn so that it shows what the button does.
    static QIcon icon(Action action);

Q_SIGNALS:
    void triggered(TransportBar::Action action);

private:
    QList<QToolButton *> m_buttons;
    QList<Action> m_actions;
};
