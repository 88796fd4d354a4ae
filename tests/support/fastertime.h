#pragma once

#include "app/clock.h"

// Every wait the program sets up while this lives (timeouts, reconnect delays, countdown and
// progress ticks) lasts `factor` times less.
class FasterTime final
{
public:
    explicit FasterTime(int factor) { Clock::setTimeScale(factor); }
    ~FasterTime() { Clock::setTimeScale(1); }
    FasterTime(const FasterTime&) = delete;
    FasterTime& operator=(const FasterTime&) = delete;
};
