#include "mainwindowhost.h"

// Anchors the interface's virtual table in one object file.
MainWindowHost::~MainWindowHost() = default;
