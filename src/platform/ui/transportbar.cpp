#include "transportbar.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QToolButton>

namespace {
using Action = TransportBar::Action;

constexpr int Side = 32; // the pictures are drawn on a 32 x 32 grid and scaled by the button

// Triangles from x0 to x1 pointing right or left, and upright bars.
void right(QPainterPath &path, qreal x0, qreal x1)
{
    path.addPolygon(QPolygonF({ { x0, 6 }, { x1, 16 }, { x0, 26 }, { x0, 6 } }));
}
void left(QPainterPath &path, qreal x0, qreal x1)
{
    path.addPolygon(QPolygonF({ { x1, 6 }, { x0, 16 }, { x1, 26 }, { x1, 6 } }));
}
void bar(QPainterPath &path, qreal x, qreal width = 4)
{
    path.addRect(QRectF(x, 6, width, 20));
}

QPainterPath glyph(Action action)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (action) {
    case Action::ToStart:
        bar(path, 4, 3);
        left(path, 7, 17);
        left(path, 17, 27);
        break;
    case Action::ToEnd:
        right(path, 5, 15);
        right(path, 15, 25);
        bar(path, 25, 3);
        break;
    case Action::Play:
        right(path, 9, 25);
        break;
    case Action::Pause:
        bar(path, 9, 5);
        bar(path, 18, 5);
        break;
    case Action::StepBack:
        left(path, 6, 20);
        bar(path, 22);
        break;
    case Action::StepForward:
        bar(path, 6);
        right(path, 12, 26);
        break;
    case Action::Stop:
        path.addRect(QRectF(8, 8, 16, 16));
        break;
    case Action::JumpBack:
        left(path, 3, 16);
        left(path, 16, 29);
        break;
    case Action::JumpForward:
        right(path, 3, 16);
        right(path, 16, 29);
        break;
    case Action::HandBack:
        // A U-turn arrow: back along the top to where the show was left from.
        path.addPolygon(QPolygonF({ { 3, 10 }, { 11, 3 }, { 11, 17 }, { 3, 10 } }));
        break;
    }
    return path;
}
} // namespace

TransportBar::TransportBar(const QList<Button> &buttons, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const Button &look : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(look.word);
        button->setAccessibleName(look.word);
        button->setToolTip(look.word);
        button->setIcon(icon(look.action));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(
            button, &QToolButton::clicked, this, [this, action = look.action] { Q_EMIT triggered(action); });
        row->addWidget(button);
        m_buttons.append(button);
        m_actions.append(look.action);
    }
    setPlaying(false);
}

void TransportBar::setPlaying(bool playing)
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        switch (m_actions.at(i)) {
        case Action::Pause:
            m_buttons.at(i)->setEnabled(playing);
            break;
        case Action::StepBack:
        case Action::StepForward:
        case Action::JumpBack:
        case Action::JumpForward:
            m_buttons.at(i)->setEnabled(!playing);
            break;
        default:
            break;
        }
    }
}

QIcon TransportBar::icon(Action action)
{
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QGuiApplication::palette().color(QPalette::ButtonText);
    painter.fillPath(glyph(action), ink);
    if (action == Action::HandBack) {
        QPainterPath turn;
        turn.moveTo(10, 10);
        turn.lineTo(21, 10);
        turn.arcTo(QRectF(14, 10, 14, 14), 90, -180);
        turn.lineTo(9, 24);
        painter.strokePath(turn, QPen(ink, 3.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    }
    painter.end();
    return QIcon(picture);
}
