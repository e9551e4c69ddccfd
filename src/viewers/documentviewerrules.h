#pragma once

#include "platform/base/dialogs.h"

#include <QString>

struct PrintOutcome;

// The OK button spans the button row from the left edge of the text up to the
// print button, whose right edge lines up with the text's: its width in twips.
int okButtonWidth(int textWidth, int printButtonWidth);

// "Would you like to print the ", two line breaks, the caption and "?".
QString printQuestion(const QString &caption);

// The box after printing: "Printing complete!" when the printer took the
// document, where the PDF file is when there was no printer, or why nothing
// was printed.
Dialogs::Message printedMessage(const PrintOutcome &outcome);
