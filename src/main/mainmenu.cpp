#include "mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
const char HelpContextID[] = "HelpContextID";

// One line of a menu: a separator (empty caption), or an entry.
struct Entry
{
    QString name;
    QString caption;
    int helpContextId = 0;
};

struct Menu
{
    QString name;
    QString caption;
    int helpContextId = 0;
    QList<Entry> entries; // none: the top-level item is itself a command
};

Entry separator(int helpContextId = 0)
{
    return Entry{ QString(), QString(), helpContextId };
}

QList<Menu> designedMenus()
{
    return {
        { QStringLiteral("mnuFile"), QStringLiteral("File"), 1510,
          {
              separator(),
              { QStringLiteral("mnuWallPaper"), QStringLiteral("Create &Wallpaper Instructions") },
              { QStringLiteral("mnuCopyPhoto"), QStringLiteral("Copy Photo") },
              separator(),
              { QStringLiteral("mnuCopy"), QStringLiteral("Copy CD-ROM photos to hard drive") },
              { QStringLiteral("mnuRemove"), QStringLiteral("Remove photos from hard drive") },
              separator(),
              { QStringLiteral("mnuCopyMovies"), QStringLiteral("Copy CD-ROM movies to hard drive") },
              { QStringLiteral("mnuRemoveMovies"), QStringLiteral("Remove movies from hard drive") },
              separator(1620),
              { QStringLiteral("mnuSaver"), QStringLiteral("Install Screen saver") },
              { QStringLiteral("mnuVideo"), QStringLiteral("Install Intel Video Software") },
              separator(1630),
              { QStringLiteral("mnuPrintPhoto"), QStringLiteral("Print Photo") },
              { QStringLiteral("mnuPrnt"), QStringLiteral("Print Booklet") },
              { QStringLiteral("mnuPrint"), QStringLiteral("Print Setup") },
              separator(1640),
              { QStringLiteral("mnuCheckResolution"), QStringLiteral("Check Screen Resolution") },
              separator(1650),
              { QStringLiteral("mnuNames"), QStringLiteral("Show File &Names") },
              separator(1660),
              { QStringLiteral("mnuExit"), QStringLiteral("Exit") },
          } },
        { QStringLiteral("mnuSound"), QStringLiteral("Sound Effects"), 1520, {} },
        { QStringLiteral("mnuMovies"), QStringLiteral("Movies"), 1530, {} },
        { QStringLiteral("mnuMiscellaneous"), QStringLiteral("Miscellaneous"), 1550,
          {
              { QStringLiteral("mnuMisc(1)"), QStringLiteral("Vireon Advertising Checklist") },
              { QStringLiteral("mnuMisc(3)"), QStringLiteral("2002 Vireon Press Release") },
          } },
        { QStringLiteral("mnuTarvelloStuff"), QStringLiteral("Vireon Stuff"), 1570,
          {
              { QStringLiteral("mnuStuff(0)"), QStringLiteral("The Danbury Mint") },
              { QStringLiteral("mnuStuff(1)"), QStringLiteral("The Franklin Mint Die Cast Models") },
              { QStringLiteral("mnuStuff(2)"), QStringLiteral("Vireon Coin") },
              { QStringLiteral("mnuStuff(3)"), QStringLiteral("Vireon Cookies") },
              { QStringLiteral("mnuStuff(4)"), QStringLiteral("Vireon Metal Signs") },
              { QStringLiteral("mnuStuff(5)"), QStringLiteral("Vireon Postage Stamps") },
          } },
        { QStringLiteral("mnuHideStatus"), QStringLiteral("HideStatusBar"), 0, {} },
        { QStringLiteral("mnuHelp"), QStringLiteral("Help"), 1600,
          {
              { QStringLiteral("mnuContents"), QStringLiteral("Contents") },
              separator(1670),
              { QStringLiteral("mnuquillonsoftware"), QStringLiteral("Visit the Quillon Software website ") },
              { QStringLiteral("mnuRegisterOL"), QStringLiteral("Register On-line") },
              { QStringLiteral("mnuRegister"), QStringLiteral("Print Registration Form") },
              separator(),
              { QStringLiteral("mnuIntro"), QStringLiteral("Introduction") },
              { QStringLiteral("mnuNotice"), QStringLiteral("Notice") },
              { QStringLiteral("mnuCredits"), QStringLiteral("Credits") },
              { QStringLiteral("mnuContrib"), QStringLiteral("Contributions") },
              separator(),
              { QStringLiteral("mnuAbout"), QStringLiteral("About") },
          } },
    };
}

void setHelpContext(QAction *action, int helpContextId)
{
    if (helpContextId != 0)
        action->setProperty(HelpContextID, helpContextId);
}
}

MainMenu::MainMenu(QMenuBar *bar)
{
    for (const Menu &menu : designedMenus()) {
        QAction *top = nullptr;
        if (menu.entries.isEmpty()) {
            top = bar->addAction(menu.caption);
        } else {
            auto *popup = new QMenu(menu.caption, bar);
            // Every designed separator shows, the one at the top of File too.
            popup->setSeparatorsCollapsible(false);
            popup->setObjectName(menu.name);
            top = bar->addMenu(popup);
            for (const Entry &entry : menu.entries) {
                QAction *item = entry.name.isEmpty() ? popup->addSeparator() : popup->addAction(entry.caption);
                setHelpContext(item, entry.helpContextId);
                if (!entry.name.isEmpty()) {
                    item->setObjectName(entry.name);
                    m_actions.insert(entry.name, item);
                }
            }
        }
        top->setObjectName(menu.name);
        setHelpContext(top, menu.helpContextId);
        m_actions.insert(menu.name, top);
    }
}

QAction *MainMenu::action(const QString &name) const
{
    return m_actions.value(name);
}
