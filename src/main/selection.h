#pragma once

#include <QObject>
#include <QString>

class DetailPanes;
class MainWindowHost;
class PhotoArea;
class YearStrip;
struct Platform;
struct Session;

// The year and category selection of the main window and the photograph
// steps within it: the year buttons and their keys, the first click on the
// window, the click cycle on the photograph, the "Vireon Stuff" menu, the
// arrows, the photo number and the file-name display. The rules sit in
// SelectionRules and PhotoNavigator; this class has the parts of the main
// window show what they decide.
class Selection : public QObject
{
    Q_OBJECT
public:
    Selection(Platform &platform, Session &session, MainWindowHost &host, YearStrip &strip, PhotoArea &photo,
              DetailPanes &details);

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

Q_SIGNALS:
    // The caption of mnuNames follows whether file names are shown.
    void fileNamesShown(bool shown);
    // A right click on the photograph: the screen-saver photo window opens.
    void screenSaverPhotosWanted();

private:
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
    QString label() const;

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    YearStrip &m_strip;
    PhotoArea &m_photo;
    DetailPanes &m_details;
};
