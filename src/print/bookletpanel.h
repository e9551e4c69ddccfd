#pragma once

#include "bookletrules.h"
#include "platform/ui/sspanel.h"

#include <QStringList>
#include <array>

class MainWindowHost;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class SSCommand;
class StretchedImage;
struct Platform;
struct Session;

// pnlPrint: the panel that prints a booklet of chosen years. It lies on the
// main window, is not modal and keeps its choices while it is shown.
class BookletPanel : public SSPanel
{
    Q_OBJECT
public:
    BookletPanel(Platform &platform, Session &session, MainWindowHost &host, QWidget *client);

    // The years offered by the From and To lists, in order.
    static QStringList bookletYears();
    // Start-up fills both lists with the booklet's years.
    void fillYearLists();

    // "Print Booklet": opens the panel 5 pixels below the top of the photograph.
    void mnuPrnt_Click(int photoTop);
    void Check1_Click();
    void SSCommand7_Click();
    void cmdOK_Click();
    void cmdPrint_Click();

private:
    void createControls();
    // Print disabled and captioned "Print", cmdOK "Cancel", no year selected.
    void resetButtonsAndLists();
    BookletRules::Choice choice() const;
    // The entry selected in List1(index), empty when there is none.
    QString selectedYear(int index) const;
    void reportError(const QString &code);

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;

    QLabel *Label3 = nullptr;
    std::array<QCheckBox *, 4> m_Check1 {};
    QGroupBox *Frame2 = nullptr;
    StretchedImage *Image3 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    std::array<QListWidget *, 2> m_List1 {};
    SSCommand *cmdPrint = nullptr;
    SSCommand *SSCommand7 = nullptr;
    SSCommand *cmdOK = nullptr;
};
