#pragma once

#include <QDialog>

class MainWindowHost;
class RichTextBox;
class SSCommand;
struct Platform;

// The document viewer txtForm: one rich-text document, read only, with OK
// and a print button below it. Modal; it takes the caption its opener gives.
class DocumentViewerWindow : public QDialog
{
    Q_OBJECT
public:
    DocumentViewerWindow(Platform &platform, MainWindowHost &host, QWidget *parent = nullptr);

    // Widens OK to reach the print button.
    void widenOkButton();

    // Event handlers.
    void SSCommand1_Click();
    void rtbText_DblClick();
    void cmdPrint_Click();
    void Form_Activate();

    RichTextBox *rtbText;
    SSCommand *SSCommand1;
    SSCommand *cmdPrint;

    ~DocumentViewerWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Every way of closing (OK, a double-click, Escape, the close box) gives
    // the main window back with the focus on the year buttons.
    void done(int result) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Platform &m_platform;
    MainWindowHost &m_host;
};
