#pragma once

#include "recording/recording.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <utility>

// The recordings and series rules in an SQLite file beside the library, so schedules survive a
// restart. Every call is quick (a row or two); a failed write returns false and lastError()
// says why for the user.
class RecordingStore final
{
public:
    explicit RecordingStore(const QString& filePath);
    ~RecordingStore();

    RecordingStore(const RecordingStore&) = delete;
    RecordingStore& operator=(const RecordingStore&) = delete;

    static QString defaultPath();

    bool isOpen() const { return open; }
    QString lastError() const { return error; }

    QList<Recording> recordings();
    // Inserts (id 0, which is then set) or updates.
    bool save(Recording& recording);
    bool remove(qint64 id);

    // Rows of older versions name their server by its display name. Until moveServers() has
    // succeeded once, this is true.
    bool keyedByName();
    // Moves every row of each name to the server's id, in one transaction that also notes the
    // move as done; nothing changes when it fails.
    bool moveServers(const QList<std::pair<QString, QString>>& nameToId);

    QList<SeriesRule> rules();
    bool save(SeriesRule& rule);
    bool removeRule(qint64 id);

private:
    bool exec(const QString& statement);
    bool fail(const QString& what, const QString& detail);

    QString connectionName;
    QString path;
    QSqlDatabase db;
    QString error;
    bool open = false;
};
