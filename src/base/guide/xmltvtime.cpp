#include "guide/xmltvtime.h"

namespace {
bool digits(QByteArrayView text, qsizetype at, qsizetype count, int& out)
{
    if (at + count > text.size())
        return false;
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}
} // namespace

qint64 XmltvTime::epochSeconds(int year, int month, int day, int hour, int minute, int second)
{
    // Days from 1970-01-01 of a civil date (H. Hinnant's algorithm).
    const qint64 y = month <= 2 ? year - 1 : year;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const qint64 days = era * 146097 + doe - 719468;
    return days * 86400 + hour * 3600 + minute * 60 + second;
}

std::optional<qint64> XmltvTime::parse(QByteArrayView text)
{
    text = text.trimmed();
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!digits(text, 0, 4, year) || !digits(text, 4, 2, month) || !digits(text, 6, 2, day) ||
        !digits(text, 8, 2, hour) || !digits(text, 10, 2, minute))
        return std::nullopt;
    qsizetype at = 12;
    if (digits(text, 12, 2, second))
        at = 14;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 60)
        return std::nullopt;
    qint64 secs = epochSeconds(year, month, day, hour, minute, second);

    while (at < text.size() && text[at] == ' ')
        ++at;
    if (at == text.size())
        return secs;
    const char sign = text[at];
    if ((sign == 'Z' || sign == 'z') && at + 1 == text.size())
        return secs;
    if (sign != '+' && sign != '-')
        return std::nullopt;
    int offsetHours = 0, offsetMinutes = 0;
    if (!digits(text, at + 1, 2, offsetHours))
        return std::nullopt;
    qsizetype minutesAt = at + 3;
    if (minutesAt < text.size() && text[minutesAt] == ':')
        ++minutesAt;
    if (!digits(text, minutesAt, 2, offsetMinutes) || minutesAt + 2 != text.size() ||
        offsetHours > 14 || offsetMinutes > 59)
        return std::nullopt;
    const qint64 offset = offsetHours * 3600 + offsetMinutes * 60;
    return sign == '+' ? secs - offset : secs + offset;
}
