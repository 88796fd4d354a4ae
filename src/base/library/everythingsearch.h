#pragma once

#include "model/mediaitem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One search over every kind of the active server: channels, movies, series and, when a guide
// provides them, programmes. Each group is in the order a tab shows the same query (relevance
// tier, then catalog order) and holds at most `limit` items; `total` counts every match.
// Widget-free; runs on every keystroke.
class EverythingSearch final
{
public:
    enum Group
    {
        Channels,
        Movies,
        Series,
        Programmes,
        GroupCount
    };

    struct Result
    {
        Group group = Channels;
        QList<MediaItem> items;
        qsizetype total = 0;
        QStringList labels; // what the rows read instead of the items' names, when given
    };

    // Another part (the programme guide) answers for programmes; items it returns are shown as
    // they come, under "Programmes".
    using ProgrammeSearch = std::function<Result(const QString& query, int limit)>;

    static QString groupTitle(Group group);

    // Lists are implicitly shared: setting a catalog copies nothing.
    void setCatalog(Group group, const QList<MediaItem>& items);
    void setProgrammeSearch(ProgrammeSearch search) { programmes = std::move(search); }
    void clear();

    // Groups without matches are left out. An empty query finds nothing.
    QList<Result> search(const QString& query, int limit) const;

private:
    QList<MediaItem> catalogs[GroupCount];
    ProgrammeSearch programmes;
};
