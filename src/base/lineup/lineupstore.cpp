#include "lineup/lineupstore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
const QString kColumns = QStringLiteral("server, what, kind, item_id, hidden, locked, name,"
                                        " provider_name, position, guide_id, shift_minutes");
} // namespace

LineupStore::LineupStore(const QSqlDatabase& db)
    : connectionName(db.connectionName())
{
    QSqlDatabase database = connection();
    ready = ensureSchema(database, &error);
}

QSqlDatabase LineupStore::connection() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool LineupStore::ensureSchema(QSqlDatabase& db, QString* error)
{
    QSqlQuery query(db);
    const auto failed = [&] {
        if (error)
            *error = query.lastError().text();
        return false;
    };
    // The lineup's own version, beside the library's user_version.
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS lineup_schema(version INTEGER"
                                   " NOT NULL)")))
        return failed();
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM lineup_schema")) || !query.next())
        return failed();
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion) {
        if (error)
            *error = QStringLiteral("newer lineup tables");
        return false;
    }
    if (version == kSchemaVersion)
        return true;
    // Each step may run again after a failed one: no transaction, so an import's can hold it.
    const QStringList steps = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS lineup(server TEXT NOT NULL,"
                       " what INTEGER NOT NULL, kind INTEGER NOT NULL, item_id TEXT NOT NULL,"
                       " hidden INTEGER NOT NULL DEFAULT 0, locked INTEGER NOT NULL DEFAULT 0,"
                       " name TEXT, provider_name TEXT, position INTEGER NOT NULL DEFAULT -1,"
                       " guide_id TEXT, shift_minutes INTEGER NOT NULL DEFAULT 0,"
                       " PRIMARY KEY(server, what, kind, item_id)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS lineup_guides(server TEXT NOT NULL,"
                       " position INTEGER NOT NULL, address TEXT NOT NULL,"
                       " PRIMARY KEY(server, position)) WITHOUT ROWID"),
        QStringLiteral("DELETE FROM lineup_schema"),
        QStringLiteral("INSERT INTO lineup_schema(version) VALUES(%1)").arg(kSchemaVersion),
    };
    for (const QString& step : steps) {
        if (!query.exec(step))
            return failed();
    }
    return true;
}

bool LineupStore::fail(const QString& what)
{
    error = what;
    qWarning("lineup: %s", qPrintable(what));
    return false;
}

Lineup LineupStore::load(const QString& server)
{
    QSqlDatabase database = connection();
    Lineup lineup;
    if (!ready)
        return lineup;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + kColumns +
                  QStringLiteral(" FROM lineup WHERE server = ?"));
    query.addBindValue(server);
    if (!query.exec()) {
        fail(query.lastError().text());
        return lineup;
    }
    while (query.next()) {
        LineupEntry e;
        e.what = query.value(1).toInt();
        e.kind = query.value(2).toInt();
        e.id = query.value(3).toString();
        e.hidden = query.value(4).toBool();
        e.locked = query.value(5).toBool();
        e.name = query.value(6).toString();
        e.providerName = query.value(7).toString();
        e.position = query.value(8).toInt();
        e.guideId = query.value(9).toString();
        e.shiftMinutes = query.value(10).toInt();
        lineup.put(e);
    }
    return lineup;
}

bool LineupStore::write(QSqlDatabase& db, const QString& server, const LineupEntry& e,
                        QString* error)
{
    QSqlQuery query(db);
    if (e.isEmpty()) {
        query.prepare(QStringLiteral(
            "DELETE FROM lineup WHERE server = ? AND what = ? AND kind = ? AND item_id = ?"));
        query.addBindValue(server);
        query.addBindValue(e.what);
        query.addBindValue(Lineup::sectionOf(e.kind));
        query.addBindValue(e.id);
    } else {
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO lineup(") + kColumns +
                      QStringLiteral(") VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(server);
        query.addBindValue(e.what);
        query.addBindValue(Lineup::sectionOf(e.kind));
        query.addBindValue(e.id);
        query.addBindValue(e.hidden ? 1 : 0);
        query.addBindValue(e.locked ? 1 : 0);
        query.addBindValue(e.name);
        query.addBindValue(e.providerName);
        query.addBindValue(e.position);
        query.addBindValue(e.guideId);
        query.addBindValue(e.shiftMinutes);
    }
    if (query.exec())
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

bool LineupStore::save(const QString& server, const LineupEntry& entry)
{
    QSqlDatabase database = connection();
    if (!ready)
        return fail(error.isEmpty() ? QStringLiteral("the lineup tables are missing") : error);
    QString why;
    return write(database, server, entry, &why) || fail(why);
}

bool LineupStore::saveAll(const QString& server, const QList<LineupEntry>& entries)
{
    QSqlDatabase database = connection();
    if (!ready)
        return fail(error.isEmpty() ? QStringLiteral("the lineup tables are missing") : error);
    if (!database.transaction())
        return fail(database.lastError().text());
    QString why;
    for (const LineupEntry& e : entries) {
        if (!write(database, server, e, &why)) {
            database.rollback();
            return fail(why);
        }
    }
    if (!database.commit()) {
        why = database.lastError().text();
        database.rollback();
        return fail(why);
    }
    return true;
}

bool LineupStore::remove(const QString& server, int what, int kind, const QString& id)
{
    LineupEntry e;
    e.what = what;
    e.kind = kind;
    e.id = id;
    return save(server, e);
}

QStringList LineupStore::guideSources(const QString& server)
{
    QSqlDatabase database = connection();
    QStringList addresses;
    if (!ready)
        return addresses;
    QSqlQuery query(database);
    query.prepare(
        QStringLiteral("SELECT address FROM lineup_guides WHERE server = ? ORDER BY position"));
    query.addBindValue(server);
    if (!query.exec()) {
        fail(query.lastError().text());
        return addresses;
    }
    while (query.next())
        addresses.append(query.value(0).toString());
    return addresses;
}

bool LineupStore::setGuideSources(const QString& server, const QStringList& addresses)
{
    QSqlDatabase database = connection();
    if (!ready)
        return fail(QStringLiteral("the lineup tables are missing"));
    if (!database.transaction())
        return fail(database.lastError().text());
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM lineup_guides WHERE server = ?"));
    query.addBindValue(server);
    bool ok = query.exec();
    for (int i = 0; ok && i < addresses.size(); ++i) {
        query.prepare(
            QStringLiteral("INSERT INTO lineup_guides(server, position, address) VALUES(?, ?, ?)"));
        query.addBindValue(server);
        query.addBindValue(i);
        query.addBindValue(addresses[i]);
        ok = query.exec();
    }
    if (!ok) {
        const QString why = query.lastError().text();
        database.rollback();
        return fail(why);
    }
    if (!database.commit()) {
        const QString why = database.lastError().text();
        database.rollback();
        return fail(why);
    }
    return true;
}
