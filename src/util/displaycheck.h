#pragma once

#include "platform/base/dialogs.h"

#include <QSize>

// "Check Screen Resolution": the message for a screen of this size in
// twips. An 800 x 600 screen gets the approval, any other the size found
// and the way to change it.
Dialogs::Message screenResolutionMessage(QSize screenTwips);
