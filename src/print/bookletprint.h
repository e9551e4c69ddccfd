#pragma once

#include "bookletrules.h"
#include "platform/base/printer.h"

#include <QString>

class MediaFs;

// How printing a booklet went: the error code to report ("ER040" when a
// picture or document could not be loaded or the printer failed, or the
// plan's range error once the cover and introduction are out), empty when
// all of it was printed; and how the print job went, if one was started.
struct BookletResult
{
    QString errorCode;
    PrintOutcome outcome;
};

// The name of the booklet's print job (and of its PDF file where there is no printer).
inline const QString BookletJobName = QStringLiteral("The Vireon Anthology Booklet");

// Prints the plan as one print job: the cover pictures at their places and
// natural size, then every document with one-inch margins, each starting on
// a page of its own. A picture or document that cannot be loaded stops the
// booklet there; what was printed before it still comes out.
BookletResult printBooklet(
    const MediaFs &fs, Printer &printer, const QString &mediaRoot, const BookletRules::Plan &plan);
