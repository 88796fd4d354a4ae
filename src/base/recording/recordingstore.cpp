#include "recording/recordingstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace {
// PRAGMA user_version from which rows name their server by its id.
constexpr int kServerIdVersion = 1;

const QString kColumns = QStringLiteral(
    "server, channel_id, channel_name, title, kind, state, starts_at, ends_at, pad_before, "
    "pad_after, path, started_at, ended_at, bytes, gaps, message, series_id, source_url");

// A null text would be stored as NULL, which the columns refuse.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

void bindRecording(QSqlQuery& query, const Recording& r)
{
    query.addBindValue(text(r.server));
    query.addBindValue(text(r.channelId));
    query.addBindValue(text(r.channelName));
    query.addBindValue(text(r.title));
    query.addBindValue(r.kind);
    query.addBindValue(r.state);
    query.addBindValue(r.startsAt);
    query.addBindValue(r.endsAt);
    query.addBindValue(r.padBeforeMs);
    query.addBindValue(r.padAfterMs);
    query.addBindValue(text(r.path));
    query.addBindValue(r.startedAt);
    query.addBindValue(r.endedAt);
    query.addBindValue(r.bytes);
    query.addBindValue(text(r.gaps));
    query.addBindValue(text(r.message));
    query.addBindValue(r.seriesId);
    query.addBindValue(text(r.sourceUrl));
}
} // namespace

QString RecordingStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recordings.db");
}

RecordingStore::RecordingStore(const QString& filePath)
    : path(filePath)
{
    static std::atomic<int> counter{0};
    connectionName = QStringLiteral("velmora-recordings-%1").arg(++counter);
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    db.setDatabaseName(filePath);
    if (!db.open()) {
        fail(QStringLiteral("open"), db.lastError().text());
        return;
    }
    open = exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
           exec(QStringLiteral(
               "CREATE TABLE IF NOT EXISTS recordings(id INTEGER PRIMARY KEY, server TEXT NOT "
               "NULL, channel_id TEXT NOT NULL, channel_name TEXT NOT NULL, title TEXT NOT NULL, "
               "kind INTEGER NOT NULL, state INTEGER NOT NULL, starts_at INTEGER NOT NULL, "
               "ends_at INTEGER NOT NULL, pad_before INTEGER NOT NULL, pad_after INTEGER NOT "
               "NULL, path TEXT NOT NULL, started_at INTEGER NOT NULL, ended_at INTEGER NOT NULL, "
               "bytes INTEGER NOT NULL, gaps TEXT NOT NULL, message TEXT NOT NULL, series_id "
               "INTEGER NOT NULL, source_url TEXT NOT NULL)")) &&
           exec(QStringLiteral("CREATE TABLE IF NOT EXISTS series_rules(id INTEGER PRIMARY KEY, "
                               "server TEXT NOT NULL, channel_id TEXT NOT NULL, channel_name TEXT "
                               "NOT NULL, title TEXT NOT NULL)"));
}

RecordingStore::~RecordingStore()
{
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

bool RecordingStore::fail(const QString& what, const QString& detail)
{
    error = QCoreApplication::translate("RecordingStore",
                                        "The list of recordings in %1 could not be updated (%2: "
                                        "%3). Check that the file and its folder can be written.")
                .arg(QDir::toNativeSeparators(path), what, detail);
    return false;
}

bool RecordingStore::exec(const QString& statement)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    return fail(statement.section(QLatin1Char(' '), 0, 1), query.lastError().text());
}

QList<Recording> RecordingStore::recordings()
{
    QList<Recording> list;
    if (!open)
        return list;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, %1 FROM recordings ORDER BY starts_at DESC, id DESC")
                        .arg(kColumns))) {
        fail(QStringLiteral("read"), query.lastError().text());
        return list;
    }
    while (query.next()) {
        Recording r;
        int c = 0;
        r.id = query.value(c++).toLongLong();
        r.server = query.value(c++).toString();
        r.channelId = query.value(c++).toString();
        r.channelName = query.value(c++).toString();
        r.title = query.value(c++).toString();
        r.kind = query.value(c++).toInt();
        r.state = query.value(c++).toInt();
        r.startsAt = query.value(c++).toLongLong();
        r.endsAt = query.value(c++).toLongLong();
        r.padBeforeMs = query.value(c++).toLongLong();
        r.padAfterMs = query.value(c++).toLongLong();
        r.path = query.value(c++).toString();
        r.startedAt = query.value(c++).toLongLong();
        r.endedAt = query.value(c++).toLongLong();
        r.bytes = query.value(c++).toLongLong();
        r.gaps = query.value(c++).toString();
        r.message = query.value(c++).toString();
        r.seriesId = query.value(c++).toLongLong();
        r.sourceUrl = query.value(c++).toString();
        list.append(r);
    }
    return list;
}

bool RecordingStore::save(Recording& recording)
{
    if (!open)
        return fail(QStringLiteral("open"), db.lastError().text());
    QSqlQuery query(db);
    if (recording.id == 0) {
        query.prepare(QStringLiteral("INSERT INTO recordings(%1) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,"
                                     "?,?,?,?,?)")
                          .arg(kColumns));
        bindRecording(query, recording);
        if (!query.exec())
            return fail(QStringLiteral("insert"), query.lastError().text());
        recording.id = query.lastInsertId().toLongLong();
        return true;
    }
    QString assignments;
    for (const QString& column : kColumns.split(QStringLiteral(", ")))
        assignments += (assignments.isEmpty() ? QString() : QStringLiteral(", ")) + column +
                       QStringLiteral("=?");
    query.prepare(QStringLiteral("UPDATE recordings SET %1 WHERE id=?").arg(assignments));
    bindRecording(query, recording);
    query.addBindValue(recording.id);
    if (!query.exec())
        return fail(QStringLiteral("update"), query.lastError().text());
    return true;
}

bool RecordingStore::remove(qint64 id)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM recordings WHERE id=?"));
    query.addBindValue(id);
    return query.exec() || fail(QStringLiteral("delete"), query.lastError().text());
}

bool RecordingStore::keyedByName()
{
    QSqlQuery query(db);
    return open && query.exec(QStringLiteral("PRAGMA user_version")) && query.next() &&
           query.value(0).toInt() < kServerIdVersion;
}

bool RecordingStore::moveServers(const QList<std::pair<QString, QString>>& nameToId)
{
    if (!open)
        return fail(QStringLiteral("open"), db.lastError().text());
    if (!db.transaction())
        return fail(QStringLiteral("move"), db.lastError().text());
    for (const auto& [name, id] : nameToId) {
        for (const char* table : {"recordings", "series_rules"}) {
            QSqlQuery query(db);
            query.prepare(
                QStringLiteral("UPDATE %1 SET server=? WHERE server=?").arg(QLatin1String(table)));
            query.addBindValue(id);
            query.addBindValue(name);
            if (!query.exec()) {
                const QString detail = query.lastError().text();
                db.rollback();
                return fail(QStringLiteral("move"), detail);
            }
        }
    }
    QSqlQuery mark(db);
    if (!mark.exec(QStringLiteral("PRAGMA user_version=%1").arg(kServerIdVersion)) ||
        !db.commit()) {
        const QString detail = mark.lastError().text() + db.lastError().text();
        db.rollback();
        return fail(QStringLiteral("move"), detail);
    }
    return true;
}

QList<SeriesRule> RecordingStore::rules()
{
    QList<SeriesRule> list;
    QSqlQuery query(db);
    if (!open || !query.exec(QStringLiteral(
                     "SELECT id, server, channel_id, channel_name, title FROM series_rules")))
        return list;
    while (query.next())
        list.append({query.value(0).toLongLong(), query.value(1).toString(),
                     query.value(2).toString(), query.value(3).toString(),
                     query.value(4).toString()});
    return list;
}

bool RecordingStore::save(SeriesRule& rule)
{
    QSqlQuery query(db);
    if (rule.id == 0) {
        query.prepare(QStringLiteral("INSERT INTO series_rules(server, channel_id, channel_name, "
                                     "title) VALUES(?,?,?,?)"));
    } else {
        query.prepare(QStringLiteral("UPDATE series_rules SET server=?, channel_id=?, "
                                     "channel_name=?, title=? WHERE id=?"));
    }
    query.addBindValue(text(rule.server));
    query.addBindValue(text(rule.channelId));
    query.addBindValue(text(rule.channelName));
    query.addBindValue(text(rule.title));
    if (rule.id != 0)
        query.addBindValue(rule.id);
    if (!query.exec())
        return fail(QStringLiteral("series"), query.lastError().text());
    if (rule.id == 0)
        rule.id = query.lastInsertId().toLongLong();
    return true;
}

bool RecordingStore::removeRule(qint64 id)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM series_rules WHERE id=?"));
    query.addBindValue(id);
    return query.exec() || fail(QStringLiteral("series"), query.lastError().text());
}
