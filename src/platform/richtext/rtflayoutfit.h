#pragma once

#include <QtGlobal>

class QTextDocument;

namespace Rtf {

// Fits a document the reader made to the width it is laid out at, in the
// document's own pixels (before a printer's paint device scales them): right
// tab stops beyond the text's right edge move to that edge, so that what
// follows such a tab stays on its line, and a table wider than the text keeps
// the proportions of its columns and takes the text's width, where it would
// reach past it.
void fitToWidth(QTextDocument &doc, qreal width);

// Fits doc to its text width now and again whenever its layout takes another
// width (a box being resized), until it is read again.
void keepFittedToWidth(QTextDocument &doc);

} // namespace Rtf
