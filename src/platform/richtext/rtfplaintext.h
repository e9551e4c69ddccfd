#pragma once

#include <QString>

class QTextDocument;

// The text of a document as other converters write it: one line per
// paragraph, one line per table row with its cells separated by tabs (the
// paragraphs of one cell joined by blanks), non-breaking spaces as blanks.
QString plainTextOf(const QTextDocument &doc);
