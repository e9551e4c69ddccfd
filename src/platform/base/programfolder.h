#pragma once

#include <QString>

// The folder that holds the program file; VIREON_PROGRAM_FOLDER overrides it
// (tests, packaged installs). Never ends with a separator.
QString programFolder();
