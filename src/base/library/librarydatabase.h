#pragma once

#include <QSqlDatabase>
#include <QString>

#include <functional>

// The library's SQLite file: opened in WAL mode and brought to the current schema, waiting for
// the locks of other processes. A file SQLite calls damaged is moved aside (renamed, never
// deleted) and an empty library takes its place;
// when even that fails the library lives in memory for the run. Either way the player goes on,
// and `takeProblem` hands the user one message about it.
class LibraryDatabase final
{
public:
    static constexpr int kSchemaVersion = 1;
    // How long a statement waits for another process's lock before it gives up.
    static constexpr int kBusyTimeoutMs = 5000;
    static constexpr int kRetryMs = 50;

    explicit LibraryDatabase(const QString& filePath);
    ~LibraryDatabase();

    LibraryDatabase(const LibraryDatabase&) = delete;
    LibraryDatabase& operator=(const LibraryDatabase&) = delete;

    QSqlDatabase& db() { return database; }
    QString filePath() const { return path; }
    bool isPersistent() const { return persistent; }
    // Where a damaged file was moved; empty when none was.
    QString setAsidePath() const { return setAside; }

    // The message for the user about a problem at opening, once; empty afterwards.
    QString takeProblem();

    // Runs `body` in one transaction; commits when it returns true, rolls back otherwise.
    bool transaction(const std::function<bool()>& body);

    // The message of the last failed statement, for the user.
    QString lastError() const { return error; }
    void noteError(const QString& what);

private:
    enum class Health
    {
        Good,
        Damaged, // SQLite says so: moved aside
        Newer,   // written by a later version: left alone
        Busy,    // another process held its lock for longer than the wait: left alone
        Unusable // cannot be opened or written (permissions, full disk): left alone
    };
    // SQLite's primary result codes.
    static constexpr int kSqliteBusy = 5;
    static constexpr int kSqliteLocked = 6;
    static constexpr int kSqliteCorrupt = 11;
    static constexpr int kSqliteNotADb = 26;

    static Health healthOf(const QString& nativeCode);

    Health openFile(const QString& file);
    bool migrate();
    bool exec(const QString& statement);
    void close();
    QString moveAside();

    QString connectionName;
    QString path;
    QSqlDatabase database;
    QString setAside;
    QString problem;
    QString error;
    QString lastCode; // SQLite's code of the last failed statement run by exec()
    bool persistent = false;
};
