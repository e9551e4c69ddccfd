#pragma once

#include <QString>

class PhotoIndex;

// Steps through the photographs of the selection in the PhotoIndex, wrapping
// around at both ends. Decides which entry to show; the window loads it and
// reports back with shownForward / shownBackward.
//
// The two directions leave PhotoCursor in different places: after a step
// forward it designates the photograph on screen, after a step backward the
// entry before it. A selection shows photograph 1 with the cursor still at
// 0, so the first forward match after it is passed over (SkipFirstMatch).
class PhotoNavigator
{
public:
    explicit PhotoNavigator(const PhotoIndex &index) : m_index(index) { }

    // Positions are 1-based; 0 means "before the first entry". Counts above
    // 32 766 work: positions are plain ints.
    int PhotoCursor = 0;
    int CurrentPosition = 0;
    QString CurrentPhotoPath;
    bool SkipFirstMatch = false;
    bool LastStepForward = false;
    bool LastStepBackward = false;

    // A rebuilt index leaves the cursor past its last entry.
    void indexRebuilt();
    // A selection shows photograph 1 itself: cursor 0, no direction, skip pending.
    void selectionStarted();
    void FinishSelection();

    // The position NextPhoto shows for the group code, or 0 when the group has
    // no photograph (then nothing changes). The cursor moves to it. A code
    // with the year digits "02" is rewritten to "A2" first.
    int NextPhoto(QString &SelectionCode);
    // The position PreviousPhoto shows, or 0; the cursor moves once it is shown.
    int PreviousPhoto(QString &SelectionCode);

    // The window showed the entry.
    void shownForward(int position);
    void shownBackward(int position);
    // The entry before position could not be loaded going backwards: the
    // photograph after it counts as the one on screen.
    void failedBackward(int position);

private:
    int searchForward(const QString &code);
    int searchBackward(const QString &code) const;
    void shown(int position);

    const PhotoIndex &m_index;
};

// "02" (the year digits of 2002 as another window may leave them) becomes "A2".
void normaliseSelectionCode(QString &SelectionCode);
