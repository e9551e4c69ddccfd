#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

// The main window's menu bar in its designed order: every entry is a QAction
// whose objectName is its designed name ("mnuCopy", "mnuStuff(3)"); a menu is
// reached through its own action ("mnuFile"). Entries carry their help context
// number in the property "HelpContextID" where the design gives one.
//
// The menus and entries that are never made available (Literature, Artwork,
// Specialty, "What's New", "System Info") are left out of the bar.
class MainMenu
{
public:
    explicit MainMenu(QMenuBar *bar);

    // The entry of that name; never null for a designed name that is built.
    QAction *action(const QString &name) const;

private:
    QHash<QString, QAction *> m_actions;
};
