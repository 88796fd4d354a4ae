#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One recording, planned, running or done, as the store keeps it. Times are milliseconds since
// the Unix epoch on the wall clock.
struct Recording
{
    // Stored as integers; the numbers must not change.
    enum State : int
    {
        Scheduled = 0,
        Running = 1,
        Done = 2,
        Failed = 3,
        Missed = 4 // the program was not running when it was due
    };
    enum Kind : int
    {
        Now = 0,       // started by hand on the channel playing
        Programme = 1, // one programme from the guide
        Series = 2,    // a programme of a series rule
        Archive = 3    // a past programme saved from the server's archive
    };

    qint64 id = 0;
    QString server;
    QString channelId;
    QString channelName;
    QString title;
    int kind = Now;
    int state = Scheduled;
    qint64 startsAt = 0; // the programme's start, or when recording began for Now
    qint64 endsAt = 0;   // the programme's end; 0: until stopped (an archive download ends with
                         // its stream, not the clock)
    qint64 padBeforeMs = 0;
    qint64 padAfterMs = 0;
    QString path;
    qint64 startedAt = 0; // when writing began; 0 before
    qint64 endedAt = 0;   // when writing ended; 0 while it runs
    qint64 bytes = 0;
    QString gaps;    // "at+length" pairs in ms into the recording, separated by ';'
    QString message; // why it failed or what went wrong on the way
    qint64 seriesId = 0;
    QString sourceUrl; // archive downloads only: the programme's archive address

    // When writing begins and ends, padding included; stopAt 0: until stopped.
    qint64 recordFrom() const { return startsAt - padBeforeMs; }
    qint64 recordUntil() const { return kind != Archive && endsAt > 0 ? endsAt + padAfterMs : 0; }
    bool isActive() const { return state == Scheduled || state == Running; }
    // The time the file covers: what was written so far for a running one.
    qint64 lengthMs(qint64 nowMs) const
    {
        if (startedAt <= 0)
            return 0;
        return qMax<qint64>(0, (endedAt > 0 ? endedAt : nowMs) - startedAt);
    }
};

// A "Record series" choice: every programme with this title on this channel.
struct SeriesRule
{
    qint64 id = 0;
    QString server;
    QString channelId;
    QString channelName;
    QString title;
};
