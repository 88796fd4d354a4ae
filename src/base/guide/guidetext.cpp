#include "guide/guidetext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace {
QDateTime local(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs).toLocalTime();
}
} // namespace

QString GuideText::clock(qint64 secs)
{
    return QLocale().toString(local(secs).time(), timeFormat());
}

QString GuideText::timeFormat()
{
    // Seconds say nothing in a guide; some locales (and C) put them in their short format.
    static const QRegularExpression seconds(QStringLiteral("[.:]ss?"));
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return format.trimmed();
}

QString GuideText::shortDay(const QDate& date)
{
    //: Day in the guide's day list and corner: weekday, day and month, in the locale's words
    //: (QDate format: ddd weekday, d day, MMM month).
    return QLocale().toString(date, QCoreApplication::translate("GuideText", "ddd d MMM"));
}

QString GuideText::span(const GuideProgramme& p)
{
    return QCoreApplication::translate("GuideText", "%1 - %2").arg(clock(p.start), clock(p.stop));
}

QString GuideText::day(qint64 secs, qint64 nowSecs)
{
    const QDate date = local(secs).date();
    const QDate today = local(nowSecs).date();
    if (date == today)
        return QCoreApplication::translate("GuideText", "Today");
    if (date == today.addDays(1))
        return QCoreApplication::translate("GuideText", "Tomorrow");
    if (date == today.addDays(-1))
        return QCoreApplication::translate("GuideText", "Yesterday");
    //: A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).
    return QLocale().toString(date, QCoreApplication::translate("GuideText", "dddd d MMMM"));
}

QString GuideText::tooltip(const GuideNowNext& nowNext)
{
    QStringList lines;
    if (nowNext.hasNow)
        lines.append(QCoreApplication::translate("GuideText", "Now: %1  %2")
                         .arg(span(nowNext.now), nowNext.now.title));
    if (nowNext.hasNext)
        lines.append(QCoreApplication::translate("GuideText", "Next: %1  %2")
                         .arg(span(nowNext.next), nowNext.next.title));
    return lines.join(u'\n');
}

double GuideText::progress(const GuideProgramme& p, qint64 now)
{
    if (p.stop <= p.start)
        return 0.0;
    return std::clamp(double(now - p.start) / double(p.stop - p.start), 0.0, 1.0);
}
