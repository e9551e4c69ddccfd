#include "spinbutton.h"

#include <QBoxLayout>
#include <QToolButton>

namespace {
QToolButton *makeHalf(QWidget *parent, Qt::ArrowType arrow, const QString &name)
{
    auto *half = new QToolButton(parent);
    half->setArrowType(arrow);
    half->setAutoRepeat(true);
    half->setAccessibleName(name);
    half->setObjectName(name);
    half->setToolTip(name);
    // The halves share the control equally, however small it is.
    half->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    half->setFocusPolicy(Qt::NoFocus);
    return half;
}
}

SpinButton::SpinButton(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
{
    const bool vertical = orientation == Qt::Vertical;
    m_up = makeHalf(this, vertical ? Qt::UpArrow : Qt::RightArrow, QStringLiteral("Up"));
    m_down = makeHalf(this, vertical ? Qt::DownArrow : Qt::LeftArrow, QStringLiteral("Down"));
    auto *layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(vertical ? m_up : m_down);
    layout->addWidget(vertical ? m_down : m_up);
    connect(m_up, &QToolButton::clicked, this, &SpinButton::SpinUp);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::SpinDown);
}

void SpinButton::setHalfNames(const QString &up, const QString &down)
{
    m_up->setAccessibleName(up);
    m_up->setToolTip(up);
    m_down->setAccessibleName(down);
    m_down->setToolTip(down);
}
