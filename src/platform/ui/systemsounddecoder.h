#pragma once

#include "platform/base/wavdecoder.h"

#include <QString>

#include <optional>

// Decodes a sound file to PcmSound through the system's decoders (GStreamer):
// for the wave encodings the program's own decoder does not read, such as
// A-law, mu-law, GSM 6.10 or MP3. Waits for the decoder, taking no input
// meanwhile. No sound, and the reason in error, when it cannot be decoded or
// its samples would take more than maxBytes.
std::optional<PcmSound> decodeWithSystemDecoders(const QString &fileName, qsizetype maxBytes, QString *error);
