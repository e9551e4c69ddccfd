#pragma once

#include <QTextBrowser>

class MediaFs;

// The read-only rich-text box of the document viewer and the details pane:
// loads an RTF file through our own reader, wraps words, scrolls, lets the
// reader select and copy text, and never follows a link by itself.
class RichTextBox : public QTextBrowser
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the content with the document at the media path; false (and
    // the previous content kept) when the file is missing, larger than the
    // reader takes (MaxRtfBytes) or not a document.
    bool loadFile(const MediaFs &fs, const QString &mediaPath);
    // The number of characters of the text, as the box reports it.
    int textLength() const;

Q_SIGNALS:
    // A double-click anywhere in the text, after the box has selected the word.
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
