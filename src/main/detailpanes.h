#pragma once

#include "core/selectionrules.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

class MainWindowHost;
class PhotoArea;
class QLabel;
class QWidget;
class RichTextBox;
class SSCommand;
class YearStrip;
struct Platform;
struct Session;
namespace DetailRules {
struct Document;
}

// Opens a document in the modal viewer with a caption; false when it cannot be loaded.
using DocumentOpener = std::function<bool(const QString &mediaPath, const QString &caption)>;

// The detail buttons along the top of the main window (Description,
// Options, Statistics, Colors, Script, Emblem, ClipArt, Ads, Brochure,
// Nostalgia), the script, emblem and clip-art pictures laid over the
// photograph and the details pane rtbDetails. The buttons open the year's
// documents, show and hide the pictures, fill the details pane with
// statistics, and copy a picture to the clipboard; the names and captions
// come from DetailRules. Ads and Brochure belong to the page viewer and are
// only reported.
class DetailPanes : public QObject
{
    Q_OBJECT
public:
    DetailPanes(QWidget *client, Platform &platform, Session &session, MainWindowHost &host, const PhotoArea &photo,
                const YearStrip &strip, DocumentOpener open);
    ~DetailPanes() override;

    void setDocumentOpener(DocumentOpener open) { m_open = std::move(open); }

    void cmdDesc_Click();
    void cmdOptions_Click();
    void cmdColors_Click();
    void cmdNostalgia_Click();
    void cmdScript_Click();
    void cmdEmblem_Click();
    void cmdClipArt_Click();
    void cmdStats_Click();

    void LoadYearClipArt();
    void LoadYearScript();
    void LoadYearEmblem();
    // Asks, then places the picture of the box on the clipboard.
    void CopyToClipboard(QLabel *picture);

    // What the selection sets: the buttons offered, one button, the caption
    // of cmdStats ("Statistics", "Details", "Engines").
    void setButtons(const SelectionRules::DetailButtons &buttons);
    void setButtonEnabled(SelectionRules::DetailButton button, bool enabled);
    void setStatsCaption(const QString &caption);
    // The pictures laid over the photograph: all hidden, or the visible ones
    // loaded again for the label now selected.
    void hideOverlayPictures();
    void reloadVisibleOverlayPictures();
    // The details pane: hidden, whether it is shown, and the photograph's own
    // details document loaded into it (false when it cannot be read).
    void hideDetails();
    bool detailsVisible() const;
    bool loadPhotoDetails(const QString &mediaPath);
    // The last of the buttons in the order Tab moves through them.
    QWidget *lastInTabOrder() const;
    // The top of the button row (cmdDesc), where the copy panel is placed from.
    int buttonRowTop() const;

Q_SIGNALS:
    void cmdAd_Click();
    void cmdBrochure_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(QWidget *client);
    SSCommand *button(SelectionRules::DetailButton which) const;
    QString label() const;
    // Looks the document up under MediaRoot and opens the name found in
    // folder; reports the code when it is not there.
    void openLookedUp(const DetailRules::Document &document, const QString &folder, const QString &code);
    // Loads the picture under MediaRoot into the box at its natural size.
    bool loadInto(QLabel *box, const QString &relativePath);
    // Script and emblem: hidden, loaded, placed, shown; the code reported on failure.
    void loadOverlay(QLabel *picture, const QString &code, const QString &relativePath,
                     const std::function<QPoint()> &place);
    QPoint clipArtPlace() const;
    // The detail pane's place: its right edge 10 pixels inside the right edge of cmdAd, just below the photograph's top.
    void placeDetails();
    // The Script and Emblem buttons: hide a visible picture, else load it.
    void toggle(QLabel *picture, void (DetailPanes::*load)());

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    const PhotoArea &m_photo;
    const YearStrip &m_strip;
    DocumentOpener m_open;

    std::array<SSCommand *, 10> m_buttons{}; // by DetailButton
    QLabel *m_picClipArt;
    QLabel *m_picEmblem;
    QLabel *m_picScript;
    RichTextBox *m_rtbDetails;
};
