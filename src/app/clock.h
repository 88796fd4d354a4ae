#pragma once

#include <QtGlobal>

// The one place the program asks for the time, so tests can move time instead of waiting.
class Clock final
{
public:
    static qint64 epochMs();     // wall clock, milliseconds since the Unix epoch
    static qint64 epochSecs();   // wall clock, whole seconds since the Unix epoch
    static qint64 monotonicMs(); // steady clock for measuring durations

    // Test seam: pin both clocks to a fake time that the test advances by hand.
    static void setFake(qint64 epochMs);
    static void advanceFake(qint64 ms);
    static void clearFake();
    static bool isFake();
};
