#pragma once

#include "lineup/lineup.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The lineups of every server in the library's SQLite file, in tables of their own with their
// own schema version, so the library's migrations and these never step on each other. Every
// change is one statement; a failed one returns false and leaves its reason in `lastError`.
class LineupStore final
{
public:
    static constexpr int kSchemaVersion = 1;

    // `db` stays the library's: only its connection's name is kept, so the library may close
    // it first. The tables are made when missing.
    explicit LineupStore(const QSqlDatabase& db);

    bool isReady() const { return ready; }
    QString lastError() const { return error; }

    Lineup load(const QString& server);
    bool save(const QString& server, const LineupEntry& entry);
    // Many entries in one transaction (a drag gives every category a new place).
    bool saveAll(const QString& server, const QList<LineupEntry>& entries);
    bool remove(const QString& server, int what, int kind, const QString& id);

    // The guide addresses of a server, first wins.
    QStringList guideSources(const QString& server);
    bool setGuideSources(const QString& server, const QStringList& addresses);

    // Creates the tables in `db` when missing; false when it cannot.
    static bool ensureSchema(QSqlDatabase& db, QString* error);
    // Writes one entry with an open query (for imports inside a transaction of the caller).
    static bool write(QSqlDatabase& db, const QString& server, const LineupEntry& entry,
                      QString* error);

private:
    bool fail(const QString& what);
    QSqlDatabase connection() const;

    QString connectionName;
    QString error;
    bool ready = false;
};
