#include "library/libraryimport.h"

#include "library/librarydatabase.h"
#include "library/librarysql.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

using namespace librarysql;

namespace {

// Doubles hold whole numbers exactly up to 2^53; larger ones were never written by an export.
constexpr double kMaxWhole = 9007199254740991.0;

// Reads one entry's fields strictly: a field of the wrong type or out of range is an error
// naming it; an absent optional field keeps its default.
class EntryReader
{
public:
    explicit EntryReader(const QJsonObject& object)
        : o(object)
    {}

    QString problem; // the first one found

    QString text(const char* key, bool required = false)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required)
            return {};
        if (!v.isString() || (required && v.toString().isEmpty())) {
            fail(required ? LibraryImport::tr("\"%1\" must be text that is not empty.")
                          : LibraryImport::tr("\"%1\" must be text."),
                 key);
            return {};
        }
        return v.toString();
    }

    qint64 whole(const char* key, double minimum, double maximum, bool required = false)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required)
            return 0;
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < minimum ||
            d > maximum) {
            if (problem.isEmpty())
                problem = LibraryImport::tr("\"%1\" must be a whole number from %2 to %3.")
                              .arg(QLatin1String(key), QLocale().toString(qint64(minimum)),
                                   QLocale().toString(qint64(maximum)));
            return 0;
        }
        return qint64(d);
    }

    double number(const char* key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return 0;
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            fail(LibraryImport::tr("\"%1\" must be a number."), key);
            return 0;
        }
        return v.toDouble();
    }

    bool flag(const char* key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return false;
        if (!v.isBool())
            fail(LibraryImport::tr("\"%1\" must be true or false."), key);
        return v.toBool();
    }

    MediaItem item()
    {
        MediaItem m;
        m.type = int(whole("kind", MediaItem::Live, MediaItem::SeriesEpisode, true));
        m.id = text("id", true);
        m.name = text("name");
        m.categoryId = text("categoryId");
        m.iconUrl = text("iconUrl");
        m.containerExtension = text("containerExtension");
        m.streamUrl = text("streamUrl");
        m.rating = number("rating");
        m.addedAt = whole("addedAt", -kMaxWhole, kMaxWhole);
        return m;
    }

private:
    void fail(const QString& message, const char* key)
    {
        if (problem.isEmpty())
            problem = message.arg(QLatin1String(key));
    }

    const QJsonObject& o;
};

class ServerResolver
{
public:
    explicit ServerResolver(const QHash<QString, QString>& names)
        : names(names)
    {
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            keyOfName.insert(it.value(), it.key());
    }

    // A key of this computer stays; else the server of the entry's name here (older exports
    // gave the name as the key); else the key as written.
    QString keyFor(const QString& server, const QString& serverName) const
    {
        if (names.contains(server))
            return server;
        const QString byName = keyOfName.value(serverName.isEmpty() ? server : serverName);
        return byName.isEmpty() ? server : byName;
    }

private:
    const QHash<QString, QString>& names;
    QHash<QString, QString> keyOfName;
};

// The entries of one list, each checked; false (with `error` set) at the first bad one.
template <typename Read>
bool readList(const QJsonObject& root, const char* key, QString* error, Read read)
{
    const QJsonValue list = root.value(QLatin1String(key));
    if (list.isUndefined())
        return true;
    if (!list.isArray()) {
        *error = LibraryImport::tr("The file's \"%1\" is not a list.").arg(QLatin1String(key));
        return false;
    }
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject()) {
            *error = LibraryImport::tr("Entry %1 of \"%2\" is not an object.")
                         .arg(QLocale().toString(i + 1), QLatin1String(key));
            return false;
        }
        const QJsonObject object = array.at(i).toObject();
        EntryReader reader(object);
        read(reader);
        if (!reader.problem.isEmpty()) {
            *error = LibraryImport::tr("Entry %1 of \"%2\": %3")
                         .arg(QLocale().toString(i + 1), QLatin1String(key), reader.problem);
            return false;
        }
    }
    return true;
}

} // namespace

LibraryImport::Parsed LibraryImport::readFile(const QString& path,
                                              const QHash<QString, QString>& serverNames)
{
    Parsed parsed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        parsed.error =
            tr("%1 could not be read: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return parsed;
    }
    if (file.size() > kMaxFileBytes) {
        parsed.error =
            tr("%1 is %2, more than a library export can be (%3 at most). Nothing "
               "was imported.")
                .arg(QDir::toNativeSeparators(path), QLocale().formattedDataSize(file.size()),
                     QLocale().formattedDataSize(kMaxFileBytes));
        return parsed;
    }
    // Read at most one byte more than allowed: a file that grows meanwhile is still refused.
    const QByteArray json = file.read(kMaxFileBytes + 1);
    if (json.size() > kMaxFileBytes) {
        parsed.error =
            tr("%1 is more than a library export can be (%2 at most). Nothing was "
               "imported.")
                .arg(QDir::toNativeSeparators(path), QLocale().formattedDataSize(kMaxFileBytes));
        return parsed;
    }
    return parse(json, serverNames);
}

LibraryImport::Parsed LibraryImport::parse(const QByteArray& json,
                                           const QHash<QString, QString>& serverNames)
{
    Parsed parsed;
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject root = doc.object();
    if (parseError.error != QJsonParseError::NoError || !doc.isObject() ||
        root.value(QStringLiteral("format")).toString() != kFormat) {
        parsed.error = tr("The file is not a Velmora Player library export.");
        return parsed;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double v = version.toDouble(std::nan(""));
    if (!version.isDouble() || v != std::floor(v) || v < 1) {
        parsed.error = tr("The file's \"version\" is not a version number: it is not a library "
                          "export this program can read.");
        return parsed;
    }
    if (v > kFormatVersion) {
        parsed.error = tr("The file was exported by a newer version of Velmora Player and "
                          "cannot be read by this one.");
        return parsed;
    }
    const ServerResolver servers(serverNames);
    parsed.lineup = root.value(QStringLiteral("lineup"));
    QString error;
    const bool ok = readList(root, "favorites", &error,
                             [&](EntryReader& r) {
                                 Favorite f;
                                 const QString server = r.text("server", true);
                                 f.server = servers.keyFor(server, r.text("serverName"));
                                 f.item = r.item();
                                 f.starredAt = r.whole("starredAt", 0, kMaxWhole);
                                 parsed.favorites.append(std::move(f));
                             }) &&
                    readList(root, "watch", &error, [&](EntryReader& r) {
                        Watch w;
                        const QString server = r.text("server", true);
                        w.server = servers.keyFor(server, r.text("serverName"));
                        w.item = r.item();
                        w.seriesId = r.text("seriesId");
                        w.seriesName = r.text("seriesName");
                        w.lastEpisode = r.flag("lastEpisode");
                        w.positionMs = r.whole("positionMs", 0, kMaxWhole);
                        w.durationMs = r.whole("durationMs", 0, kMaxWhole);
                        w.watched = r.flag("watched");
                        w.updatedAt = r.whole("updatedAt", 0, kMaxWhole);
                        parsed.watch.append(std::move(w));
                    });
    if (!ok) {
        parsed.favorites.clear();
        parsed.watch.clear();
        parsed.error = tr("%1 Nothing was imported.").arg(error);
    }
    return parsed;
}

bool LibraryImport::write(QSqlDatabase& db, const Parsed& parsed, Counts* counts, QString* error)
{
    const auto run = [&](QSqlQuery& query) {
        if (query.exec())
            return true;
        *error = query.lastError().text();
        return false;
    };
    const auto count = [&](QSqlQuery& query, int* stored) {
        if (query.numRowsAffected() > 0)
            ++*stored;
        else
            ++counts->unchanged;
    };
    QSqlQuery star(db);
    // The later star wins; an older one never replaces a newer one, nor counts as stored.
    star.prepare(QStringLiteral("INSERT INTO favorites(server, kind, item_id, ") +
                 kSnapshotColumns + QStringLiteral(", starred_at) VALUES(?, ?, ?, ") +
                 kSnapshotPlaceholders +
                 QStringLiteral(", ?) ON CONFLICT(server, kind, item_id) DO UPDATE SET"
                                " starred_at = excluded.starred_at"
                                " WHERE excluded.starred_at > starred_at"));
    for (const Favorite& f : parsed.favorites) {
        bindKey(star, f.server, f.item.type, f.item.id);
        bindSnapshot(star, f.item);
        star.addBindValue(f.starredAt);
        if (!run(star))
            return false;
        count(star, &counts->favorites);
    }
    QSqlQuery save(db);
    save.prepare(QStringLiteral("INSERT INTO watch(server, kind, item_id, ") + kSnapshotColumns +
                 QStringLiteral(", series_id, series_name, last_episode, ") + kWatchColumns +
                 QStringLiteral(") VALUES(?, ?, ?, ") + kSnapshotPlaceholders +
                 QStringLiteral(", ?, ?, ?, ?, ?, ?, ?) ON CONFLICT(server, kind, item_id)"
                                " DO UPDATE SET position_ms = excluded.position_ms,"
                                " duration_ms = excluded.duration_ms,"
                                " watched = max(watched, excluded.watched),"
                                " updated_at = excluded.updated_at"
                                " WHERE excluded.updated_at > updated_at"));
    for (const Watch& w : parsed.watch) {
        bindKey(save, w.server, w.item.type, w.item.id);
        bindSnapshot(save, w.item);
        save.addBindValue(w.seriesId);
        save.addBindValue(w.seriesName);
        save.addBindValue(w.lastEpisode ? 1 : 0);
        save.addBindValue(w.positionMs);
        save.addBindValue(w.durationMs);
        save.addBindValue(w.watched ? 1 : 0);
        save.addBindValue(w.updatedAt);
        if (!run(save))
            return false;
        count(save, &counts->watch);
    }
    return true;
}

bool LibraryImport::writeFile(const QString& databasePath, const Parsed& parsed, Counts* counts,
                              QString* error)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("library-import-%1").arg(counter.fetchAndAddRelaxed(1));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(LibraryDatabase::kBusyTimeoutMs));
        if (!db.open()) {
            *error = db.lastError().text();
        } else {
            QSqlQuery begin(db);
            if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
                *error = begin.lastError().text();
            } else if (write(db, parsed, counts, error) && begin.exec(QStringLiteral("COMMIT"))) {
                ok = true;
            } else {
                if (error->isEmpty())
                    *error = begin.lastError().text();
                begin.exec(QStringLiteral("ROLLBACK"));
                *counts = {};
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QString LibraryImport::summary(const Counts& counts)
{
    QString text = tr("Imported: %1 favorites, %2 watch positions.")
                       .arg(QLocale().toString(counts.favorites), QLocale().toString(counts.watch));
    if (counts.unchanged > 0)
        text += u' ' + tr("Already up to date: %1.").arg(QLocale().toString(counts.unchanged));
    return text;
}
