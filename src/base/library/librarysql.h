#pragma once

#include "library/watchrules.h"
#include "model/mediaitem.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

// The column lists and bindings the library's tables share: every table keeps a copy of the
// item (its "snapshot") next to its key, so an item the server dropped can still be shown.
namespace librarysql {

inline const QString kSnapshotColumns =
    QStringLiteral("name, category_id, icon_url, extension, stream_url, rating, added_at");
inline const QString kSnapshotPlaceholders = QStringLiteral("?, ?, ?, ?, ?, ?, ?");
constexpr int kSnapshotColumnCount = 7;
inline const QString kWatchColumns =
    QStringLiteral("position_ms, duration_ms, watched, updated_at");

inline void bindKey(QSqlQuery& query, const QString& server, int kind, const QString& id)
{
    query.addBindValue(server);
    query.addBindValue(kind);
    query.addBindValue(id);
}

inline void bindSnapshot(QSqlQuery& query, const MediaItem& item)
{
    query.addBindValue(item.name);
    query.addBindValue(item.categoryId);
    query.addBindValue(item.iconUrl);
    query.addBindValue(item.containerExtension);
    query.addBindValue(item.streamUrl);
    query.addBindValue(item.rating);
    query.addBindValue(item.addedAt);
}

// Column 0 is the item id, the snapshot follows.
inline MediaItem readSnapshot(const QSqlQuery& query, int kind)
{
    MediaItem item;
    item.type = kind;
    item.id = query.value(0).toString();
    item.name = query.value(1).toString();
    item.categoryId = query.value(2).toString();
    item.iconUrl = query.value(3).toString();
    item.containerExtension = query.value(4).toString();
    item.streamUrl = query.value(5).toString();
    item.rating = query.value(6).toDouble();
    item.addedAt = query.value(7).toLongLong();
    return item;
}

inline WatchState readWatch(const QSqlQuery& query, int first)
{
    WatchState state;
    state.positionMs = query.value(first).toLongLong();
    state.durationMs = query.value(first + 1).toLongLong();
    state.watched = query.value(first + 2).toBool();
    state.updatedAt = query.value(first + 3).toLongLong();
    return state;
}

} // namespace librarysql
