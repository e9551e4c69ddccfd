#pragma once

#include <QString>

// Writes the whole anthology disc into root/disc and the program-folder
// files into root/program. Returns an empty string on success, otherwise the
// first failure.
QString generateDisc(const QString &root);
