#pragma once

#include <QByteArrayView>

#include <optional>

// XMLTV times: "YYYYMMDDhhmmss +hhmm", also "+hh:mm", "Z", no space before the offset, no
// seconds, and no offset at all (UTC). Returns UTC seconds since the epoch.
class XmltvTime final
{
public:
    static std::optional<qint64> parse(QByteArrayView text);
    // Seconds since the epoch of a proleptic Gregorian date and time, all fields in range.
    static qint64 epochSeconds(int year, int month, int day, int hour, int minute, int second);
};
