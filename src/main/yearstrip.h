#pragma once

#include <QColor>
#include <QFrame>
#include <array>

class SSCommand;

// The year strip Frame1 along the bottom of the main window: the year
// buttons cmdYR(1) to cmdYR(13), "SlideShow" (ssCmdSlide) and "Exit"
// (cmdExit). It only shows what the selection decides and reports what the
// user does with its buttons.
class YearStrip : public QFrame
{
    Q_OBJECT
public:
    explicit YearStrip(QWidget *client);
    ~YearStrip() override;

    // Every year button back to its plain caption (10 points, navy, 2002 in
    // green); with index in 1..13, that button in red at 12 points.
    void HighlightYearButton(int index);
    void setYearEnabled(int index, bool enabled);
    void enableAllYears();
    void focusYear(int index);
    // The right edge of cmdExit in the coordinates of the strip's parent.
    int exitButtonRight() const;

Q_SIGNALS:
    void cmdYR_Click(int index);
    // A key pressed on a year button: the comma and period step the
    // photographs, the space bar may select.
    void cmdYR_KeyPress(int index, int key);
    void ssCmdSlide_Click();
    void cmdExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<SSCommand *, 14> m_cmdYR{}; // designed indexes 1..13
    SSCommand *m_ssCmdSlide;
    SSCommand *m_cmdExit;
};
