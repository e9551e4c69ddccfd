#include "accessibility.h"

#include "sspanel.h"
#include "stretchedimage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace {
// The shown child widgets only: a hidden panel with all its controls is
// nothing a listener can reach, so it is not offered.
class ShownChildren : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                      : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden())
                children.append(child);
        }
        return children;
    }
};

// SSPanel: a label for its caption, a progress bar while it is a gauge, a
// group when it holds controls, and a plain bevel (nothing to say) otherwise.
class PanelAccessible : public ShownChildren
{
public:
    explicit PanelAccessible(SSPanel *panel) : ShownChildren(panel) { }

    QAccessible::Role role() const override
    {
        const auto *panel = static_cast<const SSPanel *>(widget());
        if (panel->isGauge())
            return QAccessible::ProgressBar;
        if (childCount() > 0)
            return QAccessible::Grouping;
        return panel->caption().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        const auto *panel = static_cast<const SSPanel *>(widget());
        if (t == QAccessible::Value && panel->isGauge())
            return QString::number(panel->floodPercent()) + u'%';
        return ShownChildren::text(t);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto *panel = qobject_cast<SSPanel *>(widget))
        return new PanelAccessible(panel);
    if (qobject_cast<StretchedImage *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // The program's own windows and the areas that hold their controls.
    if (qobject_cast<QDialog *>(widget) && !className.startsWith(u'Q'))
        return new ShownChildren(widget, QAccessible::Dialog);
    if (className == u"ClientArea" || className == u"YearStrip")
        return new ShownChildren(widget, QAccessible::Grouping);
    return nullptr;
}
}

void installAccessibility()
{
    QAccessible::installFactory(factory);
}
