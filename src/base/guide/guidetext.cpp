#include "guide/guidetext.h"

#include <QDateTime>
#include <QLocale>

namespace {
QDateTime local(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs).toLocalTime();
}
} // namespace

QString GuideText::clock(qint64 secs)
{
    return local(secs).toString(QStringLiteral("HH:mm"));
}

QString GuideText::span(const GuideProgramme& p)
{
    return clock(p.start) + QStringLiteral(" - ") + clock(p.stop);
}

QString GuideText::day(qint64 secs, qint64 nowSecs)
{
    const QDate date = local(secs).date();
    const QDate today = local(nowSecs).date();
    if (date == today)
        return QStringLiteral("Today");
    if (date == today.addDays(1))
        return QStringLiteral("Tomorrow");
    if (date == today.addDays(-1))
        return QStringLiteral("Yesterday");
    return QLocale().toString(date, QStringLiteral("dddd d MMMM"));
}

QString GuideText::tooltip(const GuideNowNext& nowNext)
{
    QStringList lines;
    if (nowNext.hasNow)
        lines.append(QStringLiteral("Now: %1  %2").arg(span(nowNext.now), nowNext.now.title));
    if (nowNext.hasNext)
        lines.append(QStringLiteral("Next: %1  %2").arg(span(nowNext.next), nowNext.next.title));
    return lines.join(u'\n');
}

double GuideText::progress(const GuideProgramme& p, qint64 now)
{
    if (p.stop <= p.start)
        return 0.0;
    return std::clamp(double(now - p.start) / double(p.stop - p.start), 0.0, 1.0);
}
