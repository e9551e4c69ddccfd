#pragma once

#include "mediacopy.h"

#include <QString>

class SSPanel;
struct Platform;

// A gauge panel's flood percentage and, when asked, its caption (the whole
// percentage); the panel repaints only when they change, so a copy's chunks
// cost no paint when the percentage stands still.
void setGauge(SSPanel &gauge, int percent, bool withCaption);

// The failure's description in a box with an OK button.
void showCopyFailure(Platform &platform, CopyFailure failure);

// CopyFileWithGauge: copies one file in chunks of 1000 bytes, setting the
// gauge's flood percentage after each and letting pending events run. It
// sets no caption and leaves the gauge where the last chunk put it. A
// failure is shown with its description. True when the file was copied.
bool CopyFileWithGauge(Platform &platform, const QString &source, const QString &destination, SSPanel &gauge);
