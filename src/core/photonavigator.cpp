#include "photonavigator.h"

#include "photoindex.h"

void normaliseSelectionCode(QString &SelectionCode)
{
    if (SelectionCode.startsWith(u'0'))
        SelectionCode = u'A' + SelectionCode.mid(1, 1);
}

void PhotoNavigator::indexRebuilt()
{
    PhotoCursor = m_index.Count() + 1;
}

void PhotoNavigator::selectionStarted()
{
    SkipFirstMatch = true;
}

void PhotoNavigator::FinishSelection()
{
    PhotoCursor = 0;
    LastStepForward = false;
    LastStepBackward = false;
}

int PhotoNavigator::NextPhoto(QString &SelectionCode)
{
    if (LastStepBackward) {
        LastStepBackward = false;
        ++PhotoCursor;
    }
    LastStepForward = true;
    normaliseSelectionCode(SelectionCode);
    const int found = searchForward(SelectionCode);
    if (found)
        PhotoCursor = found;
    return found;
}

int PhotoNavigator::searchForward(const QString &code)
{
    // Entry k + 1 for k from the cursor up to Count, then once more from the
    // start. A pending skip passes over the first match, even when that match
    // is the only photograph of the group.
    for (int round = 0; round < 2; ++round) {
        for (int k = qMax(PhotoCursor, 0); k <= m_index.Count(); ++k) {
            if (m_index.groupCodeAt(k + 1) != code)
                continue;
            if (SkipFirstMatch) {
                SkipFirstMatch = false;
                continue;
            }
            return k + 1;
        }
        PhotoCursor = 0;
    }
    return 0;
}

int PhotoNavigator::PreviousPhoto(QString &SelectionCode)
{
    SkipFirstMatch = false;
    if (LastStepForward)
        --PhotoCursor;
    LastStepBackward = true;
    normaliseSelectionCode(SelectionCode);
    if (PhotoCursor < 1)
        PhotoCursor = m_index.Count();
    return searchBackward(SelectionCode);
}

int PhotoNavigator::searchBackward(const QString &code) const
{
    for (int k = qMin(PhotoCursor, m_index.Count()); k >= 1; --k)
        if (m_index.groupCodeAt(k) == code)
            return k;
    for (int k = m_index.Count(); k >= 1; --k)
        if (m_index.groupCodeAt(k) == code)
            return k;
    return 0;
}

void PhotoNavigator::shown(int position)
{
    CurrentPhotoPath = m_index.pathAt(position);
    CurrentPosition = position;
}

void PhotoNavigator::shownForward(int position)
{
    shown(position);
}

void PhotoNavigator::shownBackward(int position)
{
    PhotoCursor = position - 1;
    shown(position);
    LastStepForward = false;
}

void PhotoNavigator::failedBackward(int position)
{
    CurrentPosition = position + 1;
}
