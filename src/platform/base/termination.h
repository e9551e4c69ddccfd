#pragma once

#include <functional>

// Ends the program at once: no window is closed in order and nothing is saved.
// Used by Cancel in a Retry box and by a second instance. Tests replace the
// handler (which then must not return normally, e.g. it throws).
[[noreturn]] void terminateProgram();

using TerminationHandler = std::function<void()>;
// Installs a handler; returns the previous one. An empty handler restores the default.
TerminationHandler setTerminationHandler(TerminationHandler handler);
