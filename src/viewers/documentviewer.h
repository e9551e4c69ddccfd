#pragma once

#include <QString>

class MainWindowHost;
struct Platform;

// Shows the rich-text document at the media path (MediaRoot + its relative
// path) in the document viewer under the caption, modally, and returns true
// once the viewer has closed. False, with no viewer shown, when the document
// cannot be loaded: the caller reports its own error code.
bool ShowDocument(Platform &platform, MainWindowHost &host, const QString &mediaPath, const QString &caption);
