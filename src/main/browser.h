#pragma once

#include <QObject>
#include <QString>

class MainWindow;
class OverlayPictures;
struct Platform;
struct Session;

// Choosing a year or category in the main window and stepping through its
// photographs: the year buttons and their keys, the first click, the click
// cycle on the photograph, the "Vireon Stuff" menu, the arrows, the photo
// number panel and the file-name display. The rules sit in SelectionRules
// and PhotoNavigator; this class shows what they decide.
class Browser : public QObject
{
    Q_OBJECT
public:
    Browser(MainWindow &window, Platform &platform, Session &session);

    // The loaders of the overlay pictures, once the detail panes exist.
    void setOverlayPictures(OverlayPictures *pictures) { m_overlays = pictures; }

    void ShowSelection();
    void FinishSelection();
    void RefreshSelection();
    void HighlightYearButton(int index);
    void ShowCategory();
    void AdvanceSelection();

    void cmdYR_Click(int index);
    void cmdYR_KeyPress(int index, int key);
    void Form_Click();
    void Image4_MouseDown(Qt::MouseButton button);
    void mnuStuff_Click(int index);
    void Form_LostFocus();

    void NextPhoto();
    void PreviousPhoto();
    // Loads the photograph's own details document into rtbDetails and places the pane.
    bool LoadPhotoDetails(int position);
    void mnuNames_Click();
    void txtFile_Click();
    void panPhoto_DblClick();

    bool ShowFileNames = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void setSelection(const QString &label);
    // The year button's selection, shared by its click and its space bar.
    void selectYear(int index);
    // Shows the entry in Image4; false when its picture cannot be decoded.
    bool showPhoto(int position);
    // A photograph step: the entry in Image4, its number and, when shown, its file name.
    bool showStep(int position);
    void showFileName(const QString &fileName);
    void setFileNamesShown(bool shown);
    // Nothing selected yet: the steps only bring cmdYR(1) into play.
    bool refuseWithoutSelection();
    void focusYearButton(int index);

    MainWindow &m_window;
    Platform &m_platform;
    Session &m_session;
    OverlayPictures *m_overlays = nullptr;
};
