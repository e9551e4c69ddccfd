#pragma once

#include <QString>
#include <QStringList>

// The movie player's check of the period video and sound decoders, asked of
// this system's GStreamer registry (the one the media player uses).
namespace CodecCheck {

// Whether GStreamer here has the element and would plug it in on its own
// (a rank above "none"). False when GStreamer cannot be started.
bool hasElement(const QString &name);

// One line per format of the disc: whether it can be played here and, if
// not, which package to install.
QString periodFormatReport();

// Why the movie file at path cannot be played here ("no decoder for Indeo 5
// video (package gstreamer1.0-libav)"), video first; empty when it can.
QStringList movieProblems(const QString &path);

} // namespace CodecCheck
