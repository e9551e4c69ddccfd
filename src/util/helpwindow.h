#pragma once

#include "helpfile.h"

#include <QWidget>
#include <optional>

class HelpBrowser;
class QLabel;
class QLineEdit;
class QPushButton;
struct Platform;

// frmHelp: the help window of one owner window. It shows one topic of the
// manual at a time, follows the links between topics with Back and Forward,
// finds text in the manual and prints the topic on show. A help file that is
// missing or damaged is said so on its page.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(Platform &platform, QWidget *owner);
    ~HelpWindow() override;

    // Reads the manual from the native file (nothing: it was not found;
    // helpFile names it for the user) and shows the topic.
    void open(const QString &helpFile, const std::optional<QString> &nativeFile, int context);
    void showTopic(int context);
    // The topic on show; nothing while the page says the file cannot be read.
    std::optional<int> currentTopic() const;

    // Find Next: the next place of the text in this topic, then in the topics after it.
    void findNext();
    void printTopic();

private:
    void showProblem(const QString &title, const QString &text);

    Platform &m_platform;
    std::optional<HelpManual> m_manual;
    HelpBrowser *m_browser;
    QPushButton *m_contents;
    QPushButton *m_back;
    QPushButton *m_forward;
    QPushButton *m_print;
    QLineEdit *m_find;
    QPushButton *m_findNext;
    QLabel *m_status;
};
