#include "controls.h"

#include "sscommand.h"
#include "sspanel.h"
#include "stretchedimage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {
template<typename Control>
Control *place(Control *control, const QString &name, const Twips &where)
{
    // The designed name is for the program and its tests; what a screen
    // reader says is the caption or a name given for it.
    control->setObjectName(name);
    control->setGeometry(toPixels(where));
    return control;
}

// The frame's extra size around the client area; nothing until the window
// manager has framed the window.
QSize frameExtra(const QWidget *window)
{
    return window->frameGeometry().size() - window->geometry().size();
}
}

SSCommand *makeButton(QWidget *parent, const QString &name, const QString &caption, const Twips &where)
{
    auto *button = new SSCommand(caption, parent);
    button->setAccessibleName(caption.trimmed());
    return place(button, name, where);
}

SSPanel *makePanel(QWidget *parent, const QString &name, const QString &caption, const Twips &where)
{
    auto *panel = new SSPanel(parent);
    panel->setCaption(caption);
    return place(panel, name, where);
}

void placeHiddenPanel(SSPanel *panel, const QString &name, const QString &accessibleName, const Twips &where)
{
    panel->setAccessibleName(accessibleName);
    place(panel, name, where)->hide();
}

StretchedImage *makeImage(QWidget *parent, const QString &name, const Twips &where)
{
    return place(new StretchedImage(parent), name, where);
}

QLabel *makePictureBox(QWidget *parent, const QString &name, const Twips &where)
{
    auto *box = new QLabel(parent);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return place(box, name, where);
}

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const Twips &where)
{
    return place(new QLineEdit(parent), name, where);
}

QListWidget *makeListBox(QWidget *parent, const QString &name, const Twips &where)
{
    return place(new QListWidget(parent), name, where);
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption, const Twips &where)
{
    auto *option = new QRadioButton(caption, parent);
    option->setAccessibleName(caption);
    return place(option, name, where);
}

QString arrayName(const QString &name, int index)
{
    return name + u'(' + QString::number(index) + u')';
}

Twips outerPlace(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    return Twips{ pixelsToTwips(outer.x()), pixelsToTwips(outer.y()), pixelsToTwips(outer.width()),
                  pixelsToTwips(outer.height()) };
}

void setOuterPlace(QWidget *window, const Twips &where)
{
    window->move(twips(where.left), twips(where.top));
    setOuterSize(window, where.width, where.height);
}

void setOuterSize(QWidget *window, int widthTwips, int heightTwips)
{
    const QSize extra = frameExtra(window);
    window->resize(qMax(1, twips(widthTwips) - extra.width()), qMax(1, twips(heightTwips) - extra.height()));
}
