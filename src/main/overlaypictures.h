#pragma once

// The loaders of the script, emblem and clip-art pictures laid over the
// photograph; the selection reloads the visible ones for each new label.
class OverlayPictures
{
public:
    virtual ~OverlayPictures() = default;
    virtual void LoadYearClipArt() = 0;
    virtual void LoadYearScript() = 0;
    virtual void LoadYearEmblem() = 0;
};
