#pragma once

#include "lineup/lineup.h"

#include <QHash>
#include <QJsonValue>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

// The lineups as part of the library's export file, and back. A PIN is never part of it. An
// import is checked whole before anything is written: one bad entry rejects the file.
namespace lineupexchange {

inline constexpr int kMaxEntries = 200000;
inline constexpr int kMaxGuideSources = 64;
inline constexpr int kMaxText = 4096;
inline constexpr int kMaxPosition = 100000;
inline constexpr int kMaxShiftMinutes = 24 * 60;

struct ServerLineup
{
    QString server;
    QList<LineupEntry> entries;
    QStringList guideSources;
};

// True when the id is one the server's catalog holds; nullopt-like "don't know" is `true`.
using IdCheck = std::function<bool(const QString& server, int what, int kind, const QString& id)>;

// Every stored lineup, as the value of the export's "lineup" key.
QJsonValue exportAll(QSqlDatabase& db);

// Checks the "lineup" value of an import. An absent value (undefined) is an empty list.
// False with a message for the user when anything is wrong.
bool parse(const QJsonValue& value, const IdCheck& known, QList<ServerLineup>* out,
           QString* message);

// Replaces the stored lineups of the servers in `lineups`, inside the caller's transaction.
bool write(QSqlDatabase& db, const QList<ServerLineup>& lineups, QString* error);

} // namespace lineupexchange
