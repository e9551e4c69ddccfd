#pragma once

#include "core/mainwindowhost.h"
#include "platform/base/mediacontrol.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <memory>

class BookletPanel;
class ClientArea;
class CopyPanel;
class DetailPanes;
class MainMenu;
class MoviePlayer;
class PageViewer;
class PhotoArea;
class QAction;
class ScreenSaverPanel;
class ScreenSaverPhotoWindow;
class Selection;
class SlideShowViewer;
class SoundPanel;
class SSPanel;
class YearStrip;
struct Platform;
struct Session;

// The main window Form1: a shell that composes the parts owning its
// controls (the detail panes along the top, the photograph area, the year
// strip Frame1, and the panels that lie over the photograph), builds the
// menu bar and wires its entries to their handlers. It lives for the run;
// closing it ends the program.
class MainWindow : public QMainWindow, public MainWindowHost
{
    Q_OBJECT
public:
    MainWindow(Platform &platform, Session &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Load: default pointer, splash closed, year strip in front, size from the
    // screen and then from the settings, shown.
    void Form_Load(QWidget *splash);
    // On a screen other than 800 x 600: the designed size, no mnuHideStatus,
    // and the year strip right below the photograph.
    void takeDesignedSize();
    // Start-up fills the booklet's year lists.
    void fillBookletYearLists();

    // MainWindowHost
    QWidget *mainWindow() override { return this; }
    QString CurrentSelection() const override;
    void FocusYearButton() override;
    void focusYearButtonAt(int index) override;
    void disableMainWindow() override;
    void enableMainWindow() override;
    void placePanel(QWidget *panel, int top) override;
    void closeScreenSaverPhotoWindow() override;
    void RefreshScreenSaverButtons() override;
    void RefreshSelection() override;
    bool showHandedBackPhoto(const QString &mediaPath) override;
    void setPhotoNumber(const QString &number) override;
    void setSelectionLabel(const QString &label) override;
    void setFileName(const QString &fileName) override;
    void setStatsCaption(const QString &caption) override;
    void setDetailButtonEnabled(SelectionRules::DetailButton button, bool enabled) override;

    // The parts whose handlers the menu and the tests reach.
    Selection &selection() const { return *m_selection; }
    DetailPanes &detailPanes() const { return *m_details; }
    SlideShowViewer &slideShow() const { return *m_slideShow; }
    SoundPanel &soundPanel() const { return *m_pnlSound; }
    MoviePlayer &movies() const { return *m_movies; }
    QAction *menu(const QString &name) const;

    // Shows frmSSPhoto beside the main window, on top of it, without blocking it.
    void showScreenSaverPhotoWindow();
    // "Copy Photo": the screen-saver photo window, with its list folder made first.
    void mnuCopyPhoto_Click();
    void mnuHideStatus_Click();
    void cmdExit_Click();

Q_SIGNALS:
    // The window has closed; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createParts();
    void connectMenu();
    // The menu entries that open a fixed document of the document table.
    void connectDocumentMenu();
    // The Resize rule: any change of size brings back a task bar this program hid.
    void Form_Resize();

    Platform &m_platform;
    Session &m_session;
    std::unique_ptr<MainMenu> m_menu;
    ClientArea *m_client;
    std::unique_ptr<MediaControl> MMControl1;
    // The parts go before the controls they own: they are members, the
    // controls children of the client area.
    std::unique_ptr<PhotoArea> m_photo;
    std::unique_ptr<DetailPanes> m_details;
    YearStrip *m_strip;
    BookletPanel *m_pnlPrint;
    ScreenSaverPanel *m_pnlSSaver;
    CopyPanel *m_pnlProgress;
    SoundPanel *m_pnlSound;
    SSPanel *m_ssPnlSongs;
    std::unique_ptr<Selection> m_selection;
    std::unique_ptr<PageViewer> m_pageViewer;
    std::unique_ptr<SlideShowViewer> m_slideShow;
    std::unique_ptr<MoviePlayer> m_movies;
    QPointer<ScreenSaverPhotoWindow> m_ssPhoto;
    // The size mnuHideStatus asked for: its resize is ours, not the user's.
    QSize m_ownResize;
};
