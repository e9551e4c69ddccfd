#include "bookletpanel.h"

#include "platform/ui/controls.h"

#include <QListWidget>

BookletPanel::BookletPanel(QWidget *client)
    : SSPanel(client)
{
    placeHiddenPanel(this, QStringLiteral("pnlPrint"), QStringLiteral("Print Vireon Booklet"), Twips{ 1800, 720, 6015, 5895 });
    m_List1[0] = makeListBox(this, arrayName(QStringLiteral("List1"), 0), pixelPlace(72, 312, 73, 52));
    m_List1[1] = makeListBox(this, arrayName(QStringLiteral("List1"), 1), pixelPlace(184, 312, 81, 52));
}

QStringList BookletPanel::bookletYears()
{
    QStringList years;
    for (int i = 0; i <= 12; ++i)
        years << (i <= 11 ? QStringLiteral("19") + QString::number(55 + i) : QString::number(i + 1990));
    return years;
}

void BookletPanel::fillYearLists()
{
    const QStringList years = bookletYears();
    m_List1[0]->addItems(years);
    m_List1[1]->addItems(years);
}
