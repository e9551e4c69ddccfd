#pragma once

#include "core/errorreporter.h"
#include "platform/base/mediacontrol.h"
#include "viewers/mainwindowhost.h"
#include "viewers/slideshowhost.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <array>
#include <memory>

class Browser;
class DetailPanes;
class MainMenu;
class PageViewer;
class SlideShowViewer;
class ScreenSaverPhotoWindow;
class QAction;
class QFrame;
class QLineEdit;
class QListWidget;
class RichTextBox;
class QLabel;
class SpinButton;
class SSCommand;
class SSPanel;
class StretchedImage;
struct Platform;
struct Session;

// The main window Form1: the detail buttons, the photograph Image4, the year
// strip Frame1 and the panels that lie over the photograph, with the menu bar.
// It lives for the run; closing it ends the program.
class MainWindow : public QMainWindow, public ErrorHost, public MainWindowHost, public SlideShowHost
{
    Q_OBJECT
public:
    MainWindow(Platform &platform, Session &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Load: default pointer, splash closed, year strip in front, size from the
    // screen and then from the settings, shown.
    void Form_Load(QWidget *splash);

    // ErrorHost and MainWindowHost
    void FocusYearButton() override;
    void enableMainWindow() override;
    QWidget *mainWindow() override { return this; }
    QString CurrentSelection() const override;
    void focusYearButtonAt(int index) override;
    void closeScreenSaverPhotoWindow() override;
    void RefreshSelection() override;

    // SlideShowHost: what the slide show's "Exit" sets here.
    bool showHandedBackPhoto(const QString &mediaPath) override;
    void setPhotoNumber(const QString &number) override;
    void setSelectionLabel(const QString &label) override;
    void setFileName(const QString &fileName) override;
    void setStatsCaption(const QString &caption) override;
    void setDetailButtonEnabled(const QString &name, bool enabled) override;
    SlideShowViewer &slideShow() const { return *m_slideShow; }

    Browser &browser() const { return *m_browser; }
    // Decodes the photograph straight to the size of Image4 and puts it there;
    // false (and the picture on show kept) when it cannot be decoded.
    bool loadImage4(const QString &mediaPath);
    DetailPanes &detailPanes() const { return *m_details; }
    // Shows frmSSPhoto beside the main window, on top of it, without blocking it.
    void showScreenSaverPhotoWindow();

    QAction *menu(const QString &name) const;
    SSCommand *cmdYR(int index) const { return m_cmdYR.at(index); }
    QListWidget *List1(int index) const { return m_List1.at(index); }

    void mnuHideStatus_Click();
    void cmdExit_Click();

    // Detail buttons.
    SSCommand *cmdDesc, *cmdOptions, *cmdStats, *cmdColors, *cmdScript, *cmdEmblem, *cmdClipArt, *cmdAd,
        *cmdBrochure, *cmdNostalgia;
    StretchedImage *Image4;
    SpinButton *SpinButton1;
    SSPanel *panPhoto, *panYear;
    QLineEdit *txtFile;
    RichTextBox *rtbDetails;
    QLabel *picClipArt, *picEmblem, *picScript;
    QFrame *Frame1;
    SSCommand *ssCmdSlide, *cmdExit;
    std::unique_ptr<MediaControl> MMControl1;
    SSPanel *pnlPrint, *pnlSSaver, *pnlProgress, *pnlSound, *ssPnlSongs;

Q_SIGNALS:
    // The window has closed; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls(QWidget *client);
    void createYearStrip(QWidget *client);
    void createPanels(QWidget *client);
    void connectMenu();
    // The menu entries that open a fixed document of the document table.
    void connectDocumentMenu();
    // The Resize rule: any change of size brings back a task bar this program hid.
    void Form_Resize();

    Platform &m_platform;
    Session &m_session;
    std::unique_ptr<MainMenu> m_menu;
    Browser *m_browser;
    DetailPanes *m_details;
    std::unique_ptr<PageViewer> m_pageViewer;
    std::unique_ptr<SlideShowViewer> m_slideShow;
    QPointer<ScreenSaverPhotoWindow> m_ssPhoto;
    std::array<SSCommand *, 14> m_cmdYR{}; // designed indexes 1..13
    std::array<QListWidget *, 2> m_List1{};
    // The size mnuHideStatus asked for: its resize is ours, not the user's.
    QSize m_ownResize;
};
