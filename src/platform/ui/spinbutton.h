#pragma once

#include <QWidget>

class QToolButton;

// Two arrow halves. Vertical: "Up" above "Down"; horizontal: "Down" on the
// left (arrow pointing left), "Up" on the right. Each half is a button with
// its accessible name ("Up", "Down" unless renamed) and repeats while held.
class SpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButton(Qt::Orientation orientation = Qt::Vertical, QWidget *parent = nullptr);

    // Accessible names of the halves (the page viewer calls them "Back" and "Forward").
    void setHalfNames(const QString &up, const QString &down);
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void SpinUp();
    void SpinDown();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
