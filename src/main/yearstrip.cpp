#include "yearstrip.h"

#include "core/contentcatalog.h"
#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"

#include <QKeyEvent>

namespace {
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
}

YearStrip::YearStrip(QWidget *client)
    : QFrame(client)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(QStringLiteral("Model years"));
    setGeometry(toPixels(Twips{ 0, 7800, 12015, 495 }));

    for (int i = 1; i <= 13; ++i) {
        // The 2002 button stands a little apart from the others.
        const int left = i <= 12 ? 120 + 720 * (i - 1) : 8880;
        m_cmdYR[i] = makeButton(this, arrayName(QStringLiteral("cmdYR"), i), ContentCatalog::yearLabel(i),
                                Twips{ left, 60, 720, 375 });
        connect(m_cmdYR[i], &QPushButton::clicked, this, [this, i] { Q_EMIT cmdYR_Click(i); });
        m_cmdYR[i]->installEventFilter(this);
    }
    m_ssCmdSlide = makeButton(this, QStringLiteral("ssCmdSlide"), QStringLiteral("SlideShow"), Twips{ 9720, 60, 1245, 375 });
    m_cmdExit = makeButton(this, QStringLiteral("cmdExit"), QStringLiteral("Exit"), Twips{ 11040, 60, 765, 375 });
    connect(m_ssCmdSlide, &QPushButton::clicked, this, &YearStrip::ssCmdSlide_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &YearStrip::cmdExit_Click);
}

YearStrip::~YearStrip()
{
    // The buttons outlive this part of the strip while the frame deletes them.
    for (int i = 1; i <= 13; ++i)
        m_cmdYR[i]->removeEventFilter(this);
}

bool YearStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    for (int i = 1; i <= 13; ++i) {
        if (watched != m_cmdYR[i])
            continue;
        const int key = static_cast<QKeyEvent *>(event)->key();
        Q_EMIT cmdYR_KeyPress(i, key);
        // The comma and period step. The space bar still presses the button,
        // unless its selection moved the focus on: the release would then go
        // to the next button and leave this one drawn pressed.
        return key == Qt::Key_Comma || key == Qt::Key_Period || (key == Qt::Key_Space && !m_cmdYR[i]->hasFocus());
    }
    return QFrame::eventFilter(watched, event);
}

void YearStrip::HighlightYearButton(int index)
{
    for (int i = 1; i <= 13; ++i) {
        m_cmdYR[i]->setCaptionPointSize(10);
        m_cmdYR[i]->setCaptionColor(i <= 12 ? Navy : Green);
    }
    if (index >= 1 && index <= 13) {
        m_cmdYR[index]->setCaptionColor(Red);
        m_cmdYR[index]->setCaptionPointSize(12);
    }
}

void YearStrip::setYearEnabled(int index, bool enabled)
{
    m_cmdYR.at(index)->setEnabled(enabled);
}

void YearStrip::enableAllYears()
{
    for (int i = 1; i <= 13; ++i)
        m_cmdYR[i]->setEnabled(true);
}

void YearStrip::focusYear(int index)
{
    if (index >= 1 && index <= 13)
        m_cmdYR[index]->setFocus();
}

int YearStrip::exitButtonRight() const
{
    return x() + m_cmdExit->geometry().right() + 1;
}
