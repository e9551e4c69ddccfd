#pragma once

#include <QtGlobal>

// A build with the address and behaviour checkers runs several times slower.
// The time limits of the tests guard against work that grows out of bounds,
// not against a slower build, so they stretch with it.
constexpr qint64 timeLimit(qint64 milliseconds)
{
    return milliseconds * VIREON_TEST_SLOWDOWN;
}
