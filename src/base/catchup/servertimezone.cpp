#include "catchup/servertimezone.h"

#include "model/xtreamserverinfo.h"

#include <QDateTime>

#include <cmath>

ServerTimeZone::ServerTimeZone()
    : timeZone(QTimeZone::utc())
{}

ServerTimeZone::ServerTimeZone(const QTimeZone& zone)
    : timeZone(zone.isValid() ? zone : QTimeZone::utc())
{}

ServerTimeZone ServerTimeZone::fromServerInfo(const XtreamServerInfo& info)
{
    const QByteArray name = info.timezone.trimmed().toUtf8();
    if (!name.isEmpty() && QTimeZone::isTimeZoneIdAvailable(name))
        return ServerTimeZone(QTimeZone(name));

    // time_now is the server's wall clock; read as if it were UTC, its distance from the real
    // Unix time is the zone's offset (plus the moments between writing the two fields).
    // Read as a plain date and time, never through the machine's zone: in its daylight-saving
    // gap that hour does not exist.
    const QString text = info.timeNow.trimmed();
    const QDateTime wall(QDate::fromString(text.section(u' ', 0, 0), QStringLiteral("yyyy-MM-dd")),
                         QTime::fromString(text.section(u' ', 1), QStringLiteral("HH:mm:ss")),
                         QTimeZone::utc());
    if (!wall.isValid() || info.timestampNow <= 0)
        return ServerTimeZone();
    const double difference = double(wall.toSecsSinceEpoch() - info.timestampNow);
    const int offset = int(std::lround(difference / kOffsetStepSecs)) * kOffsetStepSecs;
    // Real zones lie between -12:00 and +14:00; anything else is a broken clock, not a zone.
    if (offset < -12 * 3600 || offset > 14 * 3600)
        return ServerTimeZone();
    return ServerTimeZone(QTimeZone(offset));
}

QString ServerTimeZone::wallClock(qint64 utcSecs, const QString& format) const
{
    return QDateTime::fromSecsSinceEpoch(utcSecs, timeZone).toString(format);
}

int ServerTimeZone::offsetAt(qint64 utcSecs) const
{
    return timeZone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSecs, QTimeZone::utc()));
}

QString ServerTimeZone::describe() const
{
    return QString::fromUtf8(timeZone.id());
}
