#include "termination.h"

#include <cstdlib>

namespace {
TerminationHandler &handler()
{
    static TerminationHandler current;
    return current;
}
}

void terminateProgram()
{
    if (handler())
        handler()();
    // Nothing is closed in order and nothing is saved: a lock file left behind
    // is recognised as stale by the next run.
    std::_Exit(0);
}

TerminationHandler setTerminationHandler(TerminationHandler newHandler)
{
    TerminationHandler previous = std::move(handler());
    handler() = std::move(newHandler);
    return previous;
}
