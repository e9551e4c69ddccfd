#include "helpcontext.h"

#include "help.h"
#include "helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
const char HelpContextID[] = "HelpContextID";

int ownContext(const QObject *item)
{
    return item ? item->property(HelpContextID).toInt() : 0;
}

// The highlighted entry of an open menu, or of the menu bar.
const QAction *highlightedEntry(QWidget *focus)
{
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        return menu->activeAction();
    if (auto *bar = qobject_cast<QMenuBar *>(focus))
        return bar->activeAction();
    return nullptr;
}
}

int helpContextOf(const QAction *entry)
{
    if (!entry)
        return 0;
    if (const int own = ownContext(entry))
        return own;
    for (const QObject *holder : entry->associatedObjects()) {
        const auto *menu = qobject_cast<const QMenu *>(holder);
        if (!menu)
            continue;
        int group = 0;
        for (const QAction *item : menu->actions()) {
            if (item == entry)
                break;
            if (item->isSeparator())
                group = ownContext(item);
        }
        return group ? group : ownContext(menu->menuAction());
    }
    return 0;
}

int windowHelpContext(const QString &designedName)
{
    static const QHash<QString, int> contexts {
        { QStringLiteral("Form1"), 1100 },
        { QStringLiteral("pnlPrint"), 1110 },
        { QStringLiteral("pnlSSaver"), 1120 },
        { QStringLiteral("pnlProgress"), 1130 },
        { QStringLiteral("pnlSound"), 1140 },
        { QStringLiteral("txtForm"), 1150 },
        { QStringLiteral("frmScroll"), 1160 },
        { QStringLiteral("frmSlide"), 1170 },
        { QStringLiteral("frmMovie"), 1180 },
        { QStringLiteral("frmSSPhoto"), 1190 },
        { QStringLiteral("frmAbout"), 1200 },
        { QStringLiteral("frmHelp"), 1210 },
    };
    return contexts.value(designedName);
}

int helpContextOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const int context = windowHelpContext(widget->objectName()))
            return context;
    }
    return 0;
}

HelpKey::HelpKey(Platform &platform, const Session &session)
    : m_platform(platform)
    , m_session(session)
{
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    // The key reaches the window system's window first and then the widget
    // with the focus (or the open menu): it is taken there.
    auto *focus = qobject_cast<QWidget *>(watched);
    if (!focus || event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    QWidget *place = focus;
    int context = 0;
    if (const QAction *entry = highlightedEntry(focus)) {
        context = helpContextOf(entry);
        // The help window belongs to the window of the menu bar, once the menu is closed.
        while (qobject_cast<QMenu *>(place) && place->parentWidget())
            place = place->parentWidget();
        if (qobject_cast<QMenu *>(place))
            place = QApplication::activeWindow();
        for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open)
            QApplication::activePopupWidget()->close();
    } else {
        context = helpContextOf(place);
    }
    if (!place)
        return true;
    if (auto *help = qobject_cast<HelpWindow *>(place->window()))
        help->showTopic(context);
    else
        showHelp(m_platform, m_session, place->window(), context);
    return true;
}
