#pragma once

#include <QString>
#include <QTimeZone>
#include <QtGlobal>

struct XtreamServerInfo;

// The zone in which a server reads the times of archive addresses. Never the machine's own zone:
// a server in Amsterdam watched from Tokyo still wants Amsterdam wall-clock times.
class ServerTimeZone final
{
public:
    // Offsets derived from the server's clock are rounded to this (zones differ by 15 minutes).
    static constexpr int kOffsetStepSecs = 15 * 60;

    ServerTimeZone(); // UTC
    explicit ServerTimeZone(const QTimeZone& zone);

    // The named zone when this system knows the name; otherwise the fixed offset between the
    // server's wall clock and its Unix time, rounded to 15 minutes; UTC when neither is given.
    static ServerTimeZone fromServerInfo(const XtreamServerInfo& info);

    // The server's wall-clock time at `utcSecs` in `format` (QDateTime format text); daylight
    // saving follows the zone's rules for that moment, not for today.
    QString wallClock(qint64 utcSecs, const QString& format) const;
    int offsetAt(qint64 utcSecs) const;
    QTimeZone zone() const { return timeZone; }
    // For diagnostics: the zone's name or its offset.
    QString describe() const;

private:
    QTimeZone timeZone;
};
