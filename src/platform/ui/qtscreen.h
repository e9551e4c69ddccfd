#pragma once

#include "platform/base/screen.h"

// The primary screen as the window system reports it.
class QtScreen : public Screen
{
public:
    QSize sizeInPixels() const override;
};
