#include "library/library.h"

#include "app/clock.h"
#include "library/librarydatabase.h"
#include "library/librarysql.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

using namespace librarysql;

QString Library::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/library.db");
}

Library::Library(const QString& filePath, QObject* parent)
    : QObject(parent)
    , store(std::make_unique<LibraryDatabase>(filePath))
{
    connect(this, &Library::changed, this, [this]() { ++changes; });
}

Library::~Library()
{
    // The preload and the import post their results to this object.
    waitForPreload();
    waitForImport();
}

QString Library::takeProblem()
{
    return store->takeProblem();
}

bool Library::isPersistent() const
{
    return store->isPersistent();
}

QString Library::lastError() const
{
    return store->lastError();
}

QString Library::filePath() const
{
    return store->filePath();
}

QSqlDatabase Library::database() const
{
    return store->db();
}

QString Library::idOf(const MediaItem& item)
{
    return item.id.isEmpty() ? item.streamUrl : item.id;
}

bool Library::run(QSqlQuery& query) const
{
    if (query.exec())
        return true;
    store->noteError(query.lastError().text());
    return false;
}

bool Library::isFavorite(const QString& server, const MediaItem& item) const
{
    QSqlQuery query(store->db());
    query.prepare(
        QStringLiteral("SELECT 1 FROM favorites WHERE server = ? AND kind = ? AND item_id = ?"));
    bindKey(query, server, item.type, idOf(item));
    return run(query) && query.next();
}

bool Library::setFavorite(const QString& server, const MediaItem& item, bool starred)
{
    QSqlQuery query(store->db());
    if (starred) {
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO favorites(server, kind, item_id, ") +
                      kSnapshotColumns + QStringLiteral(", starred_at) VALUES(?, ?, ?, ") +
                      kSnapshotPlaceholders +
                      QStringLiteral(", max(?, (SELECT IFNULL(MAX(starred_at), 0) + 1 FROM"
                                     " favorites WHERE server = ? AND kind = ?)))"));
        bindKey(query, server, item.type, idOf(item));
        bindSnapshot(query, item);
        // Strictly increasing, so "most recently starred first" holds within one millisecond.
        query.addBindValue(Clock::epochMs());
        query.addBindValue(server);
        query.addBindValue(item.type);
    } else {
        query.prepare(
            QStringLiteral("DELETE FROM favorites WHERE server = ? AND kind = ? AND item_id = ?"));
        bindKey(query, server, item.type, idOf(item));
    }
    // One statement is its own transaction.
    if (!run(query))
        return false;
    const auto cached = favoriteCache.find(cacheKey(server, item.type));
    if (cached != favoriteCache.end()) {
        const QString id = idOf(item);
        QList<LibraryEntry>& list = *cached;
        const qint64 newest = list.isEmpty() ? 0 : list.first().at;
        list.removeIf([&](const LibraryEntry& e) { return e.item.id == id; });
        if (starred) {
            LibraryEntry entry;
            entry.item = item;
            entry.item.id = id;
            entry.at = qMax(Clock::epochMs(), newest + 1);
            list.prepend(std::move(entry));
        }
    }
    emit changed(server, item.type);
    return true;
}

QString Library::cacheKey(const QString& server, int kind)
{
    return QString::number(kind) + QLatin1Char('/') + server;
}

QList<LibraryEntry> Library::favorites(const QString& server, int kind) const
{
    const QString key = cacheKey(server, kind);
    auto it = favoriteCache.constFind(key);
    if (it == favoriteCache.cend())
        it = favoriteCache.insert(key, readFavorites(server, kind));
    return *it;
}

QList<LibraryEntry> Library::readFavorites(const QString& server, int kind) const
{
    QString error;
    QList<LibraryEntry> entries = readFavorites(store->db(), server, kind, &error);
    if (!error.isEmpty())
        store->noteError(error);
    return entries;
}

QList<LibraryEntry> Library::readFavorites(QSqlDatabase& db, const QString& server, int kind,
                                           QString* error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT item_id, ") + kSnapshotColumns +
                  QStringLiteral(", starred_at FROM favorites WHERE server = ? AND kind = ?"
                                 " ORDER BY starred_at DESC"));
    query.addBindValue(server);
    query.addBindValue(kind);
    QList<LibraryEntry> entries;
    if (!query.exec()) {
        *error = query.lastError().text();
        return entries;
    }
    while (query.next()) {
        LibraryEntry entry;
        entry.item = readSnapshot(query, kind);
        entry.at = query.value(kSnapshotColumnCount + 1).toLongLong();
        entries.append(std::move(entry));
    }
    return entries;
}

QSet<QString> Library::favoriteIds(const QString& server, int kind) const
{
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT item_id FROM favorites WHERE server = ? AND kind = ?"));
    query.addBindValue(server);
    query.addBindValue(kind);
    QSet<QString> ids;
    if (run(query)) {
        while (query.next())
            ids.insert(query.value(0).toString());
    }
    return ids;
}

bool Library::savePosition(const QString& server, const MediaItem& item, qint64 positionMs,
                           qint64 durationMs, const EpisodeContext& episode)
{
    const bool end = watchrules::reachesEnd(positionMs, durationMs);
    QSqlQuery query(store->db());
    // A watched mark stays when the item is watched again and left early.
    query.prepare(
        QStringLiteral("INSERT INTO watch(server, kind, item_id, ") + kSnapshotColumns +
        QStringLiteral(", series_id, series_name, last_episode, position_ms,"
                       " duration_ms, watched, updated_at) VALUES(?, ?, ?, ") +
        kSnapshotPlaceholders +
        QStringLiteral(", ?, ?, ?, ?, ?, ?, max(?, (SELECT IFNULL(MAX(updated_at), 0)"
                       " + 1 FROM watch WHERE server = ?))) ON CONFLICT(server, kind, item_id) DO"
                       " UPDATE SET position_ms = excluded.position_ms,"
                       " duration_ms = excluded.duration_ms,"
                       " watched = max(watched, excluded.watched),"
                       " updated_at = excluded.updated_at,"
                       " last_episode = excluded.last_episode"));
    bindKey(query, server, item.type, idOf(item));
    bindSnapshot(query, item);
    query.addBindValue(episode.seriesId);
    query.addBindValue(episode.seriesName);
    query.addBindValue(episode.lastEpisode ? 1 : 0);
    query.addBindValue(end ? 0 : qMax<qint64>(0, positionMs));
    query.addBindValue(qMax<qint64>(0, durationMs));
    query.addBindValue(end ? 1 : 0);
    // Strictly increasing: the newest save decides which episode a series goes on with.
    query.addBindValue(Clock::epochMs());
    query.addBindValue(server);
    if (!run(query))
        return false;
    if (item.type == MediaItem::SeriesEpisode) {
        continueCache.remove(cacheKey(server, MediaItem::Series));
    } else if (const auto cached = continueCache.find(cacheKey(server, item.type));
               cached != continueCache.end()) {
        const QString id = idOf(item);
        const qint64 newest = cached->isEmpty() ? 0 : cached->first().at;
        cached->removeIf([&](const LibraryEntry& e) { return e.item.id == id; });
        if (!end && positionMs > watchrules::kResumeAfterMs) {
            LibraryEntry entry;
            entry.item = item;
            entry.item.id = id;
            entry.watch = {positionMs, durationMs, false, qMax(Clock::epochMs(), newest + 1)};
            entry.at = entry.watch.updatedAt;
            cached->prepend(std::move(entry));
        }
    }
    emit changed(server, item.type);
    return true;
}

bool Library::clearPosition(const QString& server, const MediaItem& item)
{
    QSqlQuery query(store->db());
    query.prepare(QStringLiteral("UPDATE watch SET position_ms = 0, updated_at = ? WHERE server = ?"
                                 " AND kind = ? AND item_id = ?"));
    query.addBindValue(Clock::epochMs());
    bindKey(query, server, item.type, idOf(item));
    if (!run(query))
        return false;
    continueCache.clear();
    emit changed(server, item.type);
    return true;
}

WatchState Library::watchState(const QString& server, const MediaItem& item) const
{
    QSqlQuery query(store->db());
    query.prepare(QStringLiteral("SELECT ") + kWatchColumns +
                  QStringLiteral(" FROM watch WHERE server = ? AND kind = ? AND item_id = ?"));
    bindKey(query, server, item.type, idOf(item));
    if (!run(query) || !query.next())
        return {};
    return readWatch(query, 0);
}

QHash<QString, WatchState> Library::watchStates(const QString& server, int kind) const
{
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT item_id, ") + kWatchColumns +
                  QStringLiteral(" FROM watch WHERE server = ? AND kind = ?"));
    query.addBindValue(server);
    query.addBindValue(kind);
    QHash<QString, WatchState> states;
    if (run(query)) {
        while (query.next())
            states.insert(query.value(0).toString(), readWatch(query, 1));
    }
    return states;
}

QHash<QString, WatchState> Library::seriesStates(const QString& server) const
{
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT series_id, position_ms, duration_ms, watched AND last_episode, MAX(updated_at)"
        " FROM watch WHERE server = ? AND kind = ? AND series_id <> '' GROUP BY series_id"));
    query.addBindValue(server);
    query.addBindValue(int(MediaItem::SeriesEpisode));
    QHash<QString, WatchState> states;
    if (run(query)) {
        while (query.next())
            states.insert(query.value(0).toString(), readWatch(query, 1));
    }
    return states;
}

QHash<QString, WatchState> Library::episodeStates(const QString& server,
                                                  const QString& seriesId) const
{
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT item_id, ") + kWatchColumns +
                  QStringLiteral(" FROM watch WHERE server = ? AND series_id = ? AND kind = ?"));
    query.addBindValue(server);
    query.addBindValue(seriesId);
    query.addBindValue(int(MediaItem::SeriesEpisode));
    QHash<QString, WatchState> states;
    if (run(query)) {
        while (query.next())
            states.insert(query.value(0).toString(), readWatch(query, 1));
    }
    return states;
}

QList<LibraryEntry> Library::continueWatching(const QString& server, int kind) const
{
    const QString key = cacheKey(server, kind);
    auto it = continueCache.constFind(key);
    if (it == continueCache.cend())
        it = continueCache.insert(key, readContinueWatching(server, kind));
    return *it;
}

QList<LibraryEntry> Library::readContinueWatching(const QString& server, int kind) const
{
    QString error;
    QList<LibraryEntry> entries = readContinueWatching(store->db(), server, kind, &error);
    if (!error.isEmpty())
        store->noteError(error);
    return entries;
}

QList<LibraryEntry> Library::readContinueWatching(QSqlDatabase& db, const QString& server, int kind,
                                                  QString* error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QList<LibraryEntry> entries;
    if (kind == MediaItem::Series) {
        // The newest episode of each series decides: a finished last episode ends the series.
        query.prepare(QStringLiteral(
            "SELECT series_id, series_name, watched, last_episode, position_ms, duration_ms,"
            " MAX(updated_at) FROM watch WHERE server = ? AND kind = ? AND series_id <> ''"
            " GROUP BY series_id ORDER BY 7 DESC"));
        query.addBindValue(server);
        query.addBindValue(int(MediaItem::SeriesEpisode));
        if (!query.exec()) {
            *error = query.lastError().text();
            return entries;
        }
        while (query.next()) {
            WatchState state{query.value(4).toLongLong(), query.value(5).toLongLong(),
                             query.value(2).toBool(), query.value(6).toLongLong()};
            if (state.watched && query.value(3).toBool() &&
                watchrules::resumePositionMs(state) == 0)
                continue;
            LibraryEntry entry;
            entry.item.type = MediaItem::Series;
            entry.item.id = query.value(0).toString();
            entry.item.name = query.value(1).toString();
            entry.at = state.updatedAt;
            entry.watch = state;
            entries.append(std::move(entry));
        }
        return entries;
    }
    query.prepare(QStringLiteral("SELECT item_id, ") + kSnapshotColumns + QStringLiteral(", ") +
                  kWatchColumns +
                  QStringLiteral(" FROM watch WHERE server = ? AND kind = ? AND position_ms > ?"
                                 " ORDER BY updated_at DESC"));
    query.addBindValue(server);
    query.addBindValue(kind);
    query.addBindValue(watchrules::kResumeAfterMs);
    if (!query.exec()) {
        *error = query.lastError().text();
        return entries;
    }
    while (query.next()) {
        LibraryEntry entry;
        entry.item = readSnapshot(query, kind);
        entry.watch = readWatch(query, kSnapshotColumnCount + 1);
        entry.at = entry.watch.updatedAt;
        entries.append(std::move(entry));
    }
    return entries;
}

bool Library::noteChannelWatched(const QString& server, const MediaItem& item)
{
    const bool ok = store->transaction([&] {
        QSqlQuery insert(store->db());
        insert.prepare(QStringLiteral("INSERT OR REPLACE INTO recent(server, kind, item_id, ") +
                       kSnapshotColumns + QStringLiteral(", watched_at) VALUES(?, ?, ?, ") +
                       kSnapshotPlaceholders +
                       QStringLiteral(", max(?, (SELECT IFNULL(MAX(watched_at), 0) + 1 FROM"
                                      " recent WHERE server = ?)))"));
        bindKey(insert, server, item.type, idOf(item));
        bindSnapshot(insert, item);
        insert.addBindValue(Clock::epochMs());
        insert.addBindValue(server);
        QSqlQuery trim(store->db());
        trim.prepare(QStringLiteral(
            "DELETE FROM recent WHERE server = ? AND item_id NOT IN (SELECT item_id FROM recent"
            " WHERE server = ? ORDER BY watched_at DESC LIMIT ?)"));
        trim.addBindValue(server);
        trim.addBindValue(server);
        trim.addBindValue(watchrules::kRecentChannels);
        return run(insert) && run(trim);
    });
    if (ok)
        emit changed(server, item.type);
    return ok;
}

QList<LibraryEntry> Library::recentChannels(const QString& server) const
{
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT item_id, ") + kSnapshotColumns +
                  QStringLiteral(", watched_at FROM recent WHERE server = ?"
                                 " ORDER BY watched_at DESC"));
    query.addBindValue(server);
    QList<LibraryEntry> entries;
    if (!run(query))
        return entries;
    while (query.next()) {
        LibraryEntry entry;
        entry.item = readSnapshot(query, MediaItem::Live);
        entry.at = query.value(kSnapshotColumnCount + 1).toLongLong();
        entries.append(std::move(entry));
    }
    return entries;
}

bool Library::moveServer(const QString& from, const QString& to)
{
    const bool ok = store->transaction([&] {
        for (const char* table : {"favorites", "watch", "recent"}) {
            QSqlQuery query(store->db());
            // Rows already under `to` (a move done before) win.
            query.prepare(QStringLiteral("UPDATE OR IGNORE %1 SET server = ? WHERE server = ?")
                              .arg(QLatin1String(table)));
            query.addBindValue(to);
            query.addBindValue(from);
            if (!run(query))
                return false;
        }
        return true;
    });
    if (ok) {
        favoriteCache.clear();
        continueCache.clear();
        emit changed(to, -1);
    }
    return ok;
}

bool Library::forgetServer(const QString& server)
{
    const bool ok = store->transaction([&] {
        for (const char* table : {"favorites", "watch", "recent"}) {
            QSqlQuery query(store->db());
            query.prepare(
                QStringLiteral("DELETE FROM %1 WHERE server = ?").arg(QLatin1String(table)));
            query.addBindValue(server);
            if (!run(query))
                return false;
        }
        return true;
    });
    if (ok) {
        favoriteCache.clear();
        continueCache.clear();
        emit changed(server, -1);
    }
    return ok;
}
