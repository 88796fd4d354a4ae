#include "recording/recordingplan.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace recordingplan {

namespace {
qint64 endOf(qint64 until)
{
    return until > 0 ? until : std::numeric_limits<qint64>::max();
}
} // namespace

std::pair<qint64, qint64> streamSpan(const Recording& r, qint64 nowMs)
{
    if (r.kind != Recording::Archive)
        return {r.recordFrom(), r.recordUntil()};
    const qint64 from = r.startedAt > 0 ? r.startedAt : nowMs;
    // Faster than real time when the server allows; never slower is the safe guess.
    return {from, from + qMax<qint64>(60000, r.endsAt - r.startsAt)};
}

int peakOverlap(const QList<Recording>& recordings, const QString& server, qint64 from,
                qint64 until, qint64 nowMs, qint64 ignoreId)
{
    // Sweep over the starts and ends inside the window; an end sorts before a start at the same
    // moment, so back-to-back recordings do not count as overlapping.
    QList<std::pair<qint64, int>> events;
    const qint64 windowEnd = endOf(until);
    for (const Recording& r : recordings) {
        if (r.id == ignoreId || !r.isActive() || r.server != server)
            continue;
        const auto [spanFrom, spanUntil] = streamSpan(r, nowMs);
        const qint64 start = r.state == Recording::Running ? qMin(spanFrom, from) : spanFrom;
        const qint64 end = endOf(spanUntil);
        if (end <= from || start >= windowEnd)
            continue;
        events.append({qMax(start, from), +1});
        events.append({qMin(end, windowEnd), -1});
    }
    std::sort(events.begin(), events.end());
    int now = 0;
    int peak = 0;
    for (const auto& [at, change] : events) {
        Q_UNUSED(at);
        now += change;
        peak = qMax(peak, now);
    }
    return peak;
}

QString refusal(const QList<Recording>& recordings, const Recording& candidate, int watching,
                int limit, qint64 nowMs)
{
    if (limit <= 0)
        return {};
    const auto [from, until] = streamSpan(candidate, nowMs);
    const int others = peakOverlap(recordings, candidate.server, from, until, nowMs, candidate.id);
    const int needed = others + watching + 1;
    if (needed <= limit)
        return {};
    if (candidate.kind == Recording::Archive)
        return QCoreApplication::translate(
                   "RecordingPlan",
                   "\"%1\" cannot be downloaded now: together with %n recording(s) running "
                   "meanwhile and what you watch it needs %2 streams at once, and the server "
                   "allows %3.",
                   "", others)
            .arg(candidate.title)
            .arg(needed)
            .arg(limit);
    return QCoreApplication::translate(
               "RecordingPlan",
               "\"%1\" cannot be recorded: together with %n other recording(s) at that time and "
               "what you watch it needs %2 streams at once, and the server allows %3.",
               "", others)
        .arg(candidate.title)
        .arg(needed)
        .arg(limit);
}

QList<GuideProgramme> seriesProgrammes(const SeriesRule& rule,
                                       const QList<GuideProgramme>& programmes,
                                       const QList<Recording>& recordings, qint64 nowMs)
{
    QList<GuideProgramme> found;
    const QString title = rule.title.trimmed();
    for (const GuideProgramme& programme : programmes) {
        if (programme.stop * 1000 <= nowMs ||
            programme.title.trimmed().compare(title, Qt::CaseInsensitive) != 0)
            continue;
        const bool planned =
            std::any_of(recordings.cbegin(), recordings.cend(), [&](const Recording& r) {
                return r.server == rule.server && r.channelId == rule.channelId &&
                       r.startsAt == programme.start * 1000;
            });
        if (!planned)
            found.append(programme);
    }
    return found;
}

QString fileName(const QString& title, const QString& channel, qint64 startMs)
{
    const QString when =
        QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyy-MM-dd HH-mm"));
    QString name = title.trimmed().isEmpty() ? channel.trimmed() : title.trimmed();
    if (!channel.trimmed().isEmpty() && name != channel.trimmed())
        name += QStringLiteral(" - ") + channel.trimmed();
    name += QStringLiteral(" - ") + when;
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (refused.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    if (name.size() > 180)
        name.truncate(180);
    return name + QStringLiteral(".ts");
}

QString freePath(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    QString candidate = dir.filePath(name);
    const QFileInfo info(name);
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = dir.filePath(
            QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    return candidate;
}

QString gapsText(const QList<std::pair<qint64, qint64>>& gaps)
{
    QStringList parts;
    for (const auto& [at, length] : gaps)
        parts.append(QStringLiteral("%1+%2").arg(at).arg(length));
    return parts.join(QLatin1Char(';'));
}

QList<std::pair<qint64, qint64>> parseGaps(const QString& text)
{
    QList<std::pair<qint64, qint64>> gaps;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype plus = part.indexOf(QLatin1Char('+'));
        if (plus > 0)
            gaps.append({part.left(plus).toLongLong(), part.mid(plus + 1).toLongLong()});
    }
    return gaps;
}

} // namespace recordingplan
