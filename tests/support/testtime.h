#pragma once

#include <QTest>
#include <QtGlobal>

#include <algorithm>

// Waits on real time in tests are limits for a quiet machine. The suite runs beside builds and
// other suites, so every such wait stretches by one factor it sets in VELMORA_TEST_TIME_FACTOR
// (1 when unset; tests/CMakeLists.txt sets it for ctest). Only the limits grow: a wait still ends
// as soon as what it waits for is there, and what a test checks stays the same.
inline int testTimeFactor()
{
    static const int factor =
        std::clamp(qEnvironmentVariableIntValue("VELMORA_TEST_TIME_FACTOR"), 1, 20);
    return factor;
}

// `ms` of real time as this run may need it.
inline int testTimeout(int ms)
{
    return ms * testTimeFactor();
}

// Every QTRY_* wait (the 5 s default included) scaled the same way: like Qt's own, with the
// timeout passed through testTimeout().
// clang-format off
#undef QTRY_IMPL
#define QTRY_IMPL(expr, timeout)                                                                   \
    const int qt_test_timeoutValue = testTimeout(timeout);                                         \
    const int qt_test_step = qt_test_timeoutValue < 350 ? qt_test_timeoutValue / 7 + 1 : 50;       \
    { QTRY_LOOP_IMPL(expr, qt_test_timeoutValue, qt_test_step) }                                   \
    QTRY_TIMEOUT_DEBUG_IMPL(expr, qt_test_timeoutValue, qt_test_step)
// clang-format on
