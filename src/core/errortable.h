#pragma once

#include <QString>

// The text of an error code; empty for a code that is not in the table.
QString errorText(const QString &code);

// ER001, ER037 and ER055 mean the disc is missing: Retry and Cancel, no icon.
bool isRetryCode(const QString &code);

// "Error number: " + code, two line breaks, the text and, for every code but
// the two booklet input checks, two more line breaks and the closing sentence.
QString composeErrorMessage(const QString &code);

extern const QString ProgramTitle; // "The Vireon Anthology"
