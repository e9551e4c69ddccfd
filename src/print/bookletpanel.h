#pragma once

#include "platform/ui/sspanel.h"

#include <QStringList>
#include <array>

class QListWidget;

// pnlPrint: the panel that prints a booklet of chosen years.
class BookletPanel : public SSPanel
{
    Q_OBJECT
public:
    explicit BookletPanel(QWidget *client);

    // The years offered by the From and To lists, in order.
    static QStringList bookletYears();
    // Start-up fills both lists with the booklet's years.
    void fillYearLists();

private:
    std::array<QListWidget *, 2> m_List1{};
};
