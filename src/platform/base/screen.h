#pragma once

#include "twips.h"

#include <QSize>

// The size of the screen the windows are laid out for.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize sizeInPixels() const = 0;
    QSize sizeInTwips() const
    {
        const QSize px = sizeInPixels();
        return QSize(pixelsToTwips(px.width()), pixelsToTwips(px.height()));
    }
};
