#pragma once

#include "overlaypictures.h"

#include <QObject>
#include <QPoint>
#include <functional>

class MainWindow;
class QLabel;
struct Platform;
struct Session;
namespace DetailRules {
struct Document;
}

// Opens a document in the modal viewer with a caption; false when it cannot be loaded.
using DocumentOpener = std::function<bool(const QString &mediaPath, const QString &caption)>;

// The detail buttons of the main window: the Description, Options, Colors,
// Nostalgia and Statistics documents, the script, emblem and clip-art
// pictures laid over the photograph, the details pane's statistics and the
// clipboard copy of a picture. The names and captions come from DetailRules.
class DetailPanes : public QObject, public OverlayPictures
{
    Q_OBJECT
public:
    DetailPanes(MainWindow &window, Platform &platform, Session &session, DocumentOpener open);

    void setDocumentOpener(DocumentOpener open) { m_open = std::move(open); }

    void cmdDesc_Click();
    void cmdOptions_Click();
    void cmdColors_Click();
    void cmdNostalgia_Click();
    void cmdScript_Click();
    void cmdEmblem_Click();
    void cmdClipArt_Click();
    void cmdStats_Click();

    void LoadYearClipArt() override;
    void LoadYearScript() override;
    void LoadYearEmblem() override;
    // Asks, then places the picture of the box on the clipboard.
    void CopyToClipboard(QLabel *picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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
    // The Script and Emblem buttons: hide a visible picture, else load it.
    void toggle(QLabel *picture, void (DetailPanes::*load)());

    MainWindow &m_window;
    Platform &m_platform;
    Session &m_session;
    DocumentOpener m_open;
};
