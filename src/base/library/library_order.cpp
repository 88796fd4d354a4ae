// The user's own order of favorites: each keeps its star time, and moving one trades those
// times with the favorites it passes, so "newest first" reads as the user's order.
#include "library/library.h"
#include "library/librarydatabase.h"

#include <QSqlQuery>

bool Library::moveFavorite(const QString& server, const MediaItem& item, int steps)
{
    const QList<LibraryEntry> list = favorites(server, item.type);
    const QString id = idOf(item);
    qsizetype from = -1;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].item.id == id)
            from = i;
    }
    const qsizetype to = from + steps;
    if (from < 0 || steps == 0 || to < 0 || to >= list.size())
        return false;
    // The times of the places from `from` to `to`, handed one place along.
    QList<std::pair<QString, qint64>> updates;
    const int step = steps > 0 ? 1 : -1;
    for (qsizetype i = from; i != to; i += step)
        updates.append({list[i + step].item.id, list[i].at});
    updates.append({id, list[to].at});
    const bool ok = store->transaction([&] {
        QSqlQuery query(store->db());
        query.prepare(QStringLiteral("UPDATE favorites SET starred_at = ? WHERE server = ? AND"
                                     " kind = ? AND item_id = ?"));
        for (const auto& [itemId, at] : updates) {
            query.addBindValue(at);
            query.addBindValue(server);
            query.addBindValue(item.type);
            query.addBindValue(itemId);
            if (!run(query))
                return false;
        }
        return true;
    });
    if (!ok)
        return false;
    favoriteCache.remove(cacheKey(server, item.type));
    emit changed(server, item.type);
    return true;
}
