#pragma once

#include "guide/guideprogramme.h"

#include <QDate>
#include <QString>

// How guide times and programmes read on screen, in local time.
class GuideText final
{
public:
    static QString clock(qint64 secs); // "20:15", or "8:15 PM" where so written
    // The locale's short time format without seconds ("HH:mm", "h:mm AP").
    static QString timeFormat();
    // The locale's short day ("Fri 12 Dec", "Fr., 12. Dez.") and its long form.
    static QString shortDay(const QDate& date);
    static QString span(const GuideProgramme& p);    // "20:15 - 21:00"
    static QString day(qint64 secs, qint64 nowSecs); // "Today", "Tomorrow", "Friday 12 December"
    static QString tooltip(const GuideNowNext& nowNext); // now and next, with their times
    // How far the programme has run at `now`, 0 to 1.
    static double progress(const GuideProgramme& p, qint64 now);
};
