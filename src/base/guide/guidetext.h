#pragma once

#include "guide/guideprogramme.h"

#include <QString>

// How guide times and programmes read on screen, in local time.
class GuideText final
{
public:
    static QString clock(qint64 secs);               // "20:15"
    static QString span(const GuideProgramme& p);    // "20:15 - 21:00"
    static QString day(qint64 secs, qint64 nowSecs); // "Today", "Tomorrow", "Friday 12 December"
    static QString tooltip(const GuideNowNext& nowNext); // now and next, with their times
    // How far the programme has run at `now`, 0 to 1.
    static double progress(const GuideProgramme& p, qint64 now);
};
