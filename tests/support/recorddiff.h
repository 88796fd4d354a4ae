#pragma once

#include "model/category.h"
#include "model/episode.h"
#include "model/mediaitem.h"

#include <QList>
#include <QString>

#include <cmath>

// Field-by-field comparison of record lists for tests: an empty text when they are equal, else
// where and how they first differ (records have no equality operator of their own). Numbers
// compare as values: NaN equals NaN, and 0 equals -0.
namespace recorddiff {

inline bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

inline QString show(const QString& s)
{
    return s.size() > 60 ? QStringLiteral("\"%1...\" (%2 chars)").arg(s.left(60)).arg(s.size())
                         : QStringLiteral("\"%1\"").arg(s);
}

inline QString field(qsizetype index, const char* name, const QString& a, const QString& b)
{
    return QStringLiteral("[%1].%2: %3 vs %4").arg(index).arg(QLatin1String(name), a, b);
}

inline QString diff(const Category& a, const Category& b, qsizetype i)
{
    if (a.id != b.id)
        return field(i, "id", show(a.id), show(b.id));
    if (a.name != b.name)
        return field(i, "name", show(a.name), show(b.name));
    return {};
}

inline QString diff(const MediaItem& a, const MediaItem& b, qsizetype i)
{
    if (a.type != b.type)
        return field(i, "type", QString::number(a.type), QString::number(b.type));
    if (a.id != b.id)
        return field(i, "id", show(a.id), show(b.id));
    if (a.name != b.name)
        return field(i, "name", show(a.name), show(b.name));
    if (a.categoryId != b.categoryId)
        return field(i, "categoryId", show(a.categoryId), show(b.categoryId));
    if (a.iconUrl != b.iconUrl)
        return field(i, "iconUrl", show(a.iconUrl), show(b.iconUrl));
    if (a.containerExtension != b.containerExtension)
        return field(i, "containerExtension", show(a.containerExtension),
                     show(b.containerExtension));
    if (a.streamUrl != b.streamUrl)
        return field(i, "streamUrl", show(a.streamUrl), show(b.streamUrl));
    if (!sameNumber(a.rating, b.rating))
        return field(i, "rating", QString::number(a.rating, 'g', 17),
                     QString::number(b.rating, 'g', 17));
    if (a.addedAt != b.addedAt)
        return field(i, "addedAt", QString::number(a.addedAt), QString::number(b.addedAt));
    if (a.archiveDays != b.archiveDays)
        return field(i, "archiveDays", QString::number(a.archiveDays),
                     QString::number(b.archiveDays));
    if (a.catchupType != b.catchupType)
        return field(i, "catchupType", show(a.catchupType), show(b.catchupType));
    if (a.catchupSource != b.catchupSource)
        return field(i, "catchupSource", show(a.catchupSource), show(b.catchupSource));
    return {};
}

inline QString diff(const Episode& a, const Episode& b, qsizetype i)
{
    if (a.id != b.id)
        return field(i, "id", show(a.id), show(b.id));
    if (a.seriesName != b.seriesName)
        return field(i, "seriesName", show(a.seriesName), show(b.seriesName));
    if (a.season != b.season)
        return field(i, "season", QString::number(a.season), QString::number(b.season));
    if (a.episodeNumber != b.episodeNumber)
        return field(i, "episodeNumber", QString::number(a.episodeNumber),
                     QString::number(b.episodeNumber));
    if (a.title != b.title)
        return field(i, "title", show(a.title), show(b.title));
    if (a.containerExtension != b.containerExtension)
        return field(i, "containerExtension", show(a.containerExtension),
                     show(b.containerExtension));
    return {};
}

template <typename Record>
QString diff(const QList<Record>& a, const QList<Record>& b)
{
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i) {
        const QString d = diff(a.at(i), b.at(i), i);
        if (!d.isEmpty())
            return d;
    }
    if (a.size() != b.size())
        return QStringLiteral("sizes %1 vs %2").arg(a.size()).arg(b.size());
    return {};
}

} // namespace recorddiff
