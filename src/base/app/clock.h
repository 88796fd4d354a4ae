#pragma once

#include <QtGlobal>

// The one place the program asks for the time, and for how long to wait, so tests can move time
// instead of waiting.
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

    // How long a wait of `ms` lasts: every timeout, schedule and countdown tick of the program
    // asks here when it is set up, so tests can shorten them all alike.
    static int waitMs(int ms);

    // Test seam: waits last `factor` times less (1: real time). Waits already running keep
    // their length.
    static void setTimeScale(int factor);
    static int timeScale();
};
