// Moving a library to another computer: favorites and watch states as one JSON document.
#include "app/clock.h"
#include "library/library.h"
#include "library/librarydatabase.h"
#include "library/librarysql.h"
#include "lineup/lineupexchange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

using namespace librarysql;

namespace {

const QString kFormat = QStringLiteral("velmora-library");
constexpr int kFormatVersion = 1;

QJsonObject itemObject(const QSqlQuery& query)
{
    return QJsonObject{
        {QStringLiteral("server"), query.value(0).toString()},
        {QStringLiteral("kind"), query.value(1).toInt()},
        {QStringLiteral("id"), query.value(2).toString()},
        {QStringLiteral("name"), query.value(3).toString()},
        {QStringLiteral("categoryId"), query.value(4).toString()},
        {QStringLiteral("iconUrl"), query.value(5).toString()},
        {QStringLiteral("containerExtension"), query.value(6).toString()},
        {QStringLiteral("streamUrl"), query.value(7).toString()},
        {QStringLiteral("rating"), query.value(8).toDouble()},
        {QStringLiteral("addedAt"), query.value(9).toLongLong()},
    };
}

MediaItem itemOf(const QJsonObject& o)
{
    MediaItem item;
    item.type = o.value(QStringLiteral("kind")).toInt(-1);
    item.id = o.value(QStringLiteral("id")).toString();
    item.name = o.value(QStringLiteral("name")).toString();
    item.categoryId = o.value(QStringLiteral("categoryId")).toString();
    item.iconUrl = o.value(QStringLiteral("iconUrl")).toString();
    item.containerExtension = o.value(QStringLiteral("containerExtension")).toString();
    item.streamUrl = o.value(QStringLiteral("streamUrl")).toString();
    item.rating = o.value(QStringLiteral("rating")).toDouble();
    item.addedAt = qint64(o.value(QStringLiteral("addedAt")).toDouble());
    return item;
}

bool validKey(const QJsonObject& o, const MediaItem& item)
{
    return !o.value(QStringLiteral("server")).toString().isEmpty() && !item.id.isEmpty() &&
           item.type >= MediaItem::Live && item.type <= MediaItem::SeriesEpisode;
}
} // namespace

QByteArray Library::exportJson() const
{
    const QString key = QStringLiteral("server, kind, item_id, ") + kSnapshotColumns;
    QJsonArray favorites;
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT ") + key +
                   QStringLiteral(", starred_at FROM favorites ORDER BY starred_at"))) {
        while (query.next()) {
            QJsonObject o = itemObject(query);
            o.insert(QStringLiteral("starredAt"), query.value(10).toLongLong());
            favorites.append(o);
        }
    }
    QJsonArray watch;
    if (query.exec(QStringLiteral("SELECT ") + key +
                   QStringLiteral(", series_id, series_name, last_episode, ") + kWatchColumns +
                   QStringLiteral(" FROM watch ORDER BY updated_at"))) {
        while (query.next()) {
            QJsonObject o = itemObject(query);
            o.insert(QStringLiteral("seriesId"), query.value(10).toString());
            o.insert(QStringLiteral("seriesName"), query.value(11).toString());
            o.insert(QStringLiteral("lastEpisode"), query.value(12).toBool());
            const WatchState state = readWatch(query, 13);
            o.insert(QStringLiteral("positionMs"), state.positionMs);
            o.insert(QStringLiteral("durationMs"), state.durationMs);
            o.insert(QStringLiteral("watched"), state.watched);
            o.insert(QStringLiteral("updatedAt"), state.updatedAt);
            watch.append(o);
        }
    }
    const QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), kFormatVersion},
        {QStringLiteral("exportedAt"), Clock::epochMs()},
        {QStringLiteral("favorites"), favorites},
        {QStringLiteral("watch"), watch},
        {QStringLiteral("lineup"), lineupexchange::exportAll(store->db())},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool Library::importJson(const QByteArray& json, QString* summary)
{
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject root = doc.object();
    if (parseError.error != QJsonParseError::NoError || !doc.isObject() ||
        root.value(QStringLiteral("format")).toString() != kFormat) {
        if (summary)
            *summary = tr("The file is not a Velmora Player library export.");
        return false;
    }
    if (root.value(QStringLiteral("version")).toInt() > kFormatVersion) {
        if (summary)
            *summary = tr("The file was exported by a newer version of Velmora "
                          "Player and cannot be read by this one.");
        return false;
    }
    QList<lineupexchange::ServerLineup> lineups;
    if (!lineupexchange::parse(root.value(QStringLiteral("lineup")), lineupIdCheck, &lineups,
                               summary))
        return false;
    int favoriteCount = 0, watchCount = 0;
    const bool ok = store->transaction([&] {
        QString lineupError;
        if (!lineupexchange::write(store->db(), lineups, &lineupError)) {
            store->noteError(lineupError);
            return false;
        }
        QSqlQuery star(store->db());
        // The later star wins; an older one never replaces a newer one.
        star.prepare(QStringLiteral("INSERT INTO favorites(server, kind, item_id, ") +
                     kSnapshotColumns + QStringLiteral(", starred_at) VALUES(?, ?, ?, ") +
                     kSnapshotPlaceholders +
                     QStringLiteral(", ?) ON CONFLICT(server, kind, item_id) DO UPDATE SET"
                                    " starred_at = max(starred_at, excluded.starred_at)"));
        for (const QJsonValue& v : root.value(QStringLiteral("favorites")).toArray()) {
            const QJsonObject o = v.toObject();
            const MediaItem item = itemOf(o);
            if (!validKey(o, item))
                continue;
            bindKey(star, o.value(QStringLiteral("server")).toString(), item.type, item.id);
            bindSnapshot(star, item);
            star.addBindValue(qint64(o.value(QStringLiteral("starredAt")).toDouble()));
            if (!run(star))
                return false;
            ++favoriteCount;
        }
        QSqlQuery save(store->db());
        save.prepare(QStringLiteral("INSERT INTO watch(server, kind, item_id, ") +
                     kSnapshotColumns + QStringLiteral(", series_id, series_name, last_episode, ") +
                     kWatchColumns + QStringLiteral(") VALUES(?, ?, ?, ") + kSnapshotPlaceholders +
                     QStringLiteral(", ?, ?, ?, ?, ?, ?, ?) ON CONFLICT(server, kind, item_id)"
                                    " DO UPDATE SET position_ms = excluded.position_ms,"
                                    " duration_ms = excluded.duration_ms,"
                                    " watched = max(watched, excluded.watched),"
                                    " updated_at = excluded.updated_at"
                                    " WHERE excluded.updated_at > updated_at"));
        for (const QJsonValue& v : root.value(QStringLiteral("watch")).toArray()) {
            const QJsonObject o = v.toObject();
            const MediaItem item = itemOf(o);
            if (!validKey(o, item))
                continue;
            bindKey(save, o.value(QStringLiteral("server")).toString(), item.type, item.id);
            bindSnapshot(save, item);
            save.addBindValue(o.value(QStringLiteral("seriesId")).toString());
            save.addBindValue(o.value(QStringLiteral("seriesName")).toString());
            save.addBindValue(o.value(QStringLiteral("lastEpisode")).toBool() ? 1 : 0);
            save.addBindValue(qint64(o.value(QStringLiteral("positionMs")).toDouble()));
            save.addBindValue(qint64(o.value(QStringLiteral("durationMs")).toDouble()));
            save.addBindValue(o.value(QStringLiteral("watched")).toBool() ? 1 : 0);
            save.addBindValue(qint64(o.value(QStringLiteral("updatedAt")).toDouble()));
            if (!run(save))
                return false;
            ++watchCount;
        }
        return true;
    });
    if (!ok) {
        if (summary)
            *summary = tr("The library could not be saved: %1").arg(lastError());
        return false;
    }
    if (summary)
        //: %1 is "%n favorites", %2 is "%n watch positions".
        *summary = tr("Imported %1 and %2.")
                       .arg(tr("%n favorites", "", favoriteCount),
                            tr("%n watch positions", "", watchCount));
    favoriteCache.clear();
    continueCache.clear();
    emit changed(QString(), -1);
    return true;
}
