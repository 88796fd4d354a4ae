#pragma once

#include <QString>
#include <QtGlobal>

// One programme of the guide. Times are UTC seconds since the epoch.
struct GuideProgramme
{
    qint64 start = 0;
    qint64 stop = 0;
    QString title;
    QString description;
    bool archived = false; // the server keeps a recording to play back
};

Q_DECLARE_TYPEINFO(GuideProgramme, Q_RELOCATABLE_TYPE);

// The programme running at a moment and the one after it, as the "Now" column shows them.
struct GuideNowNext
{
    GuideProgramme now;
    GuideProgramme next;
    bool hasNow = false;
    bool hasNext = false;
};
