#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;
struct Platform;
struct Session;

// The help context number of a menu entry: its own, else that of the
// separator that heads its group in the menu, else its menu's; 0 (the
// contents page) when none of them has one.
int helpContextOf(const QAction *entry);
// The help context number of the nearest window or panel around the widget
// (the booklet panel inside the main window, say); 0 for any other.
int helpContextOf(const QWidget *widget);
// The help context numbers of the windows and panels, by designed name; 0
// for a name the manual has no topic for.
int windowHelpContext(const QString &designedName);

// F1 anywhere: the help topic of the highlighted menu entry, or else of the
// window or panel that has the focus, in the help window of that window.
class HelpKey : public QObject
{
    Q_OBJECT
public:
    HelpKey(Platform &platform, const Session &session);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Platform &m_platform;
    const Session &m_session;
};
