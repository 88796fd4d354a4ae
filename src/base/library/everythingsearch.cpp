#include "library/everythingsearch.h"

#include "ui/catalogfilter.h"

#include <QCoreApplication>

QString EverythingSearch::groupTitle(Group group)
{
    switch (group) {
    case Channels:
        return QCoreApplication::translate("EverythingSearch", "Channels");
    case Movies:
        return QCoreApplication::translate("EverythingSearch", "Movies");
    case Series:
        return QCoreApplication::translate("EverythingSearch", "TV Shows");
    case Programmes:
        return QCoreApplication::translate("EverythingSearch", "Programmes");
    case GroupCount:
        break;
    }
    return {};
}

void EverythingSearch::setCatalog(Group group, const QList<MediaItem>& items)
{
    if (group >= Channels && group < Programmes)
        catalogs[group] = items;
}

void EverythingSearch::clear()
{
    for (QList<MediaItem>& list : catalogs)
        list.clear();
}

QList<EverythingSearch::Result> EverythingSearch::search(const QString& query, int limit) const
{
    QList<Result> results;
    if (query.isEmpty())
        return results;
    for (int g = Channels; g < Programmes; ++g) {
        if (catalogs[g].isEmpty())
            continue;
        Result result;
        result.group = Group(g);
        result.items = applyFilter(catalogs[g], QString(), query);
        result.total = result.items.size();
        if (result.items.size() > limit)
            result.items.resize(limit);
        if (result.total > 0)
            results.append(std::move(result));
    }
    if (programmes) {
        Result result = programmes(query, limit);
        result.group = Programmes;
        if (!result.items.isEmpty())
            results.append(std::move(result));
    }
    return results;
}
