#pragma once

#include <QList>
#include <QString>
#include <optional>

class MainWindowHost;
class MediaFs;
struct Platform;
struct Session;

// A document that a menu entry or a button opens.
struct DocumentEntry
{
    QString control; // the designed name of the menu entry or button: "mnuCredits", "mnuMisc(3)"
    QString path;    // under MediaRoot, as written: "\richtext\credits.rtf"
    QString caption; // of the viewer
    QString errorCode;
    // The file is looked for in its folder before the viewer is loaded.
    bool lookedUpFirst = false;
};

const QList<DocumentEntry> &documentTable();
// The row of that control; nothing for a control that opens no fixed document.
std::optional<DocumentEntry> documentEntry(const QString &control);
// The menu entries of the table (every row but the screen-saver help button).
QStringList documentMenuEntries();

// The media path to open: MediaRoot + the row's path; for a row that is
// looked up first, its folder + the name as found there, and nothing when
// it is not found.
std::optional<QString> documentPath(const MediaFs &fs, const QString &mediaRoot, const DocumentEntry &entry);

// Opens the row's document: its error code is set first, and reported when
// the document is not found or cannot be loaded.
void OpenDocument(Platform &platform, Session &session, MainWindowHost &host, const DocumentEntry &entry);
// The Install Screen Saver panel's Help button (SSCommand5).
void ShowScreenSaverHelp(Platform &platform, Session &session, MainWindowHost &host);
