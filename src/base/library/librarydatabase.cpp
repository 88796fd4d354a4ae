#include "library/librarydatabase.h"

#include "app/clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <atomic>
#include <utility>

namespace {

// Each entry brings the file from the version before it to the next one; never edit a released
// entry, append a new one.
const QList<QStringList>& migrations()
{
    static const QList<QStringList> steps = {
        {
            // 1: favorites, watch positions and recent channels, each keyed by server, kind, id
            QStringLiteral("CREATE TABLE favorites(server TEXT NOT NULL, kind INTEGER NOT NULL,"
                           " item_id TEXT NOT NULL, name TEXT, category_id TEXT, icon_url TEXT,"
                           " extension TEXT, stream_url TEXT, rating REAL, added_at INTEGER,"
                           " starred_at INTEGER NOT NULL, PRIMARY KEY(server, kind, item_id))"
                           " WITHOUT ROWID"),
            QStringLiteral("CREATE INDEX favorites_by_time ON favorites(server, kind, starred_at)"),
            QStringLiteral("CREATE TABLE watch(server TEXT NOT NULL, kind INTEGER NOT NULL,"
                           " item_id TEXT NOT NULL, name TEXT, category_id TEXT, icon_url TEXT,"
                           " extension TEXT, stream_url TEXT, rating REAL, added_at INTEGER,"
                           " series_id TEXT, series_name TEXT,"
                           " last_episode INTEGER NOT NULL DEFAULT 0,"
                           " position_ms INTEGER NOT NULL, duration_ms INTEGER NOT NULL,"
                           " watched INTEGER NOT NULL, updated_at INTEGER NOT NULL,"
                           " PRIMARY KEY(server, kind, item_id)) WITHOUT ROWID"),
            QStringLiteral("CREATE INDEX watch_by_time ON watch(server, kind, updated_at)"),
            QStringLiteral("CREATE INDEX watch_by_series ON watch(server, series_id)"),
            QStringLiteral("CREATE TABLE recent(server TEXT NOT NULL, kind INTEGER NOT NULL,"
                           " item_id TEXT NOT NULL, name TEXT, category_id TEXT, icon_url TEXT,"
                           " extension TEXT, stream_url TEXT, rating REAL, added_at INTEGER,"
                           " watched_at INTEGER NOT NULL, PRIMARY KEY(server, kind, item_id))"
                           " WITHOUT ROWID"),
            QStringLiteral("CREATE INDEX recent_by_time ON recent(server, watched_at)"),
        },
    };
    return steps;
}

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("velmora-library-%1").arg(++counter);
}
} // namespace

LibraryDatabase::LibraryDatabase(const QString& filePath)
    : connectionName(uniqueConnectionName())
    , path(filePath)
{
    Q_ASSERT(migrations().size() == kSchemaVersion);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Switching a file that another process writes to WAL needs its lock, and SQLite does not
    // wait where waiting could deadlock: try again until the same wait has passed.
    const QDeadlineTimer deadline(kBusyTimeoutMs);
    Health health = openFile(path);
    while (health == Health::Busy && !deadline.hasExpired()) {
        close();
        QThread::msleep(kRetryMs);
        health = openFile(path);
    }
    if (health == Health::Good) {
        if (migrate()) {
            persistent = true;
            return;
        }
        health = healthOf(lastCode);
    }
    close();
    if (health == Health::Damaged) {
        const QString aside = moveAside();
        if (!aside.isEmpty() && openFile(path) == Health::Good && migrate()) {
            persistent = true;
            problem = QCoreApplication::translate(
                          "LibraryDatabase",
                          "Your library (favorites and watch progress) could not be read and was "
                          "started afresh. The damaged file was kept as %1.")
                          .arg(QDir::toNativeSeparators(aside));
            return;
        }
        close();
    }
    if (health == Health::Newer) {
        problem = QCoreApplication::translate(
            "LibraryDatabase",
            "Your library (favorites and watch progress) was saved by a newer version of Velmora "
            "Player and cannot be read by this one. It is left as it is; changes you make in this "
            "session will not be kept.");
    } else if (health == Health::Busy) {
        problem = QCoreApplication::translate(
                      "LibraryDatabase",
                      "Your library (favorites and watch progress) at %1 is kept busy by another "
                      "program. It is left as it is; changes you make in this session will not "
                      "be kept.")
                      .arg(QDir::toNativeSeparators(path));
    } else {
        problem = QCoreApplication::translate(
                      "LibraryDatabase",
                      "Your library (favorites and watch progress) could not be opened at %1. "
                      "Changes you make in this session will not be kept.")
                      .arg(QDir::toNativeSeparators(path));
    }
    openFile(QStringLiteral(":memory:"));
    migrate();
}

LibraryDatabase::~LibraryDatabase()
{
    close();
}

QString LibraryDatabase::takeProblem()
{
    return std::exchange(problem, QString());
}

LibraryDatabase::Health LibraryDatabase::openFile(const QString& file)
{
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(file);
    // Another player (or a backup tool) may hold a lock for a moment: wait for it before any
    // statement, the first journal-mode switch included.
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!database.open()) {
        noteError(database.lastError().text());
        return Health::Unusable;
    }
    QSqlQuery query(database);
    const auto failed = [&] {
        noteError(query.lastError().text());
        return healthOf(query.lastError().nativeErrorCode());
    };
    // WAL keeps every committed transaction when the process dies; NORMAL sync only risks the
    // newest ones on power loss, and keeps a commit well under a millisecond.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next())
        return failed();
    if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return failed();
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next())
        return failed();
    if (query.value(0).toString() != QStringLiteral("ok"))
        return Health::Damaged;
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed();
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion)
        return Health::Newer;
    // A file of ours holds our tables; a readable database without them is not a library.
    if (version > 0 &&
        !query.exec(QStringLiteral("SELECT 1 FROM favorites, watch, recent LIMIT 0"))) {
        const Health health = failed();
        return health == Health::Unusable ? Health::Damaged : health;
    }
    return Health::Good;
}

LibraryDatabase::Health LibraryDatabase::healthOf(const QString& nativeCode)
{
    // Only SQLite's own verdict makes a file damaged: "malformed" or "not a database" (the low
    // byte of an extended code is its primary code). A lock that outlasted the wait is not.
    const int code = nativeCode.toInt() & 0xff;
    if (code == kSqliteCorrupt || code == kSqliteNotADb)
        return Health::Damaged;
    if (code == kSqliteBusy || code == kSqliteLocked)
        return Health::Busy;
    return Health::Unusable;
}

bool LibraryDatabase::migrate()
{
    for (;;) {
        // The write lock first, then the version: another process may have migrated the file
        // while this one waited, and a deferred transaction could not wait for the lock at all.
        if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
            return false;
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            noteError(query.lastError().text());
            exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        const int from = query.value(0).toInt();
        query.finish();
        if (from >= kSchemaVersion)
            return exec(QStringLiteral("COMMIT"));
        bool ok = true;
        for (const QString& statement : migrations().at(from))
            ok = ok && exec(statement);
        ok = ok && exec(QStringLiteral("PRAGMA user_version=%1").arg(from + 1)) &&
             exec(QStringLiteral("COMMIT"));
        if (!ok) {
            exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
}

bool LibraryDatabase::transaction(const std::function<bool()>& body)
{
    // Every transaction here writes: take the write lock at the start, where waiting for another
    // process's lock is possible (a read transaction cannot wait to become a write one).
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (body() && exec(QStringLiteral("COMMIT")))
        return true;
    exec(QStringLiteral("ROLLBACK"));
    return false;
}

void LibraryDatabase::noteError(const QString& what)
{
    error = what;
    qWarning("library: %s", qPrintable(what));
}

bool LibraryDatabase::exec(const QString& statement)
{
    QSqlQuery query(database);
    if (query.exec(statement))
        return true;
    noteError(query.lastError().text());
    lastCode = query.lastError().nativeErrorCode();
    return false;
}

void LibraryDatabase::close()
{
    if (!database.isValid())
        return;
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

QString LibraryDatabase::moveAside()
{
    const QString stamp = QDateTime::fromMSecsSinceEpoch(Clock::epochMs())
                              .toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(target); ++n)
        target = path + QStringLiteral(".damaged-") + stamp + QStringLiteral("-%1").arg(n);
    if (!QFile::exists(path) || !QFile::rename(path, target))
        return {};
    // The journal belongs to the damaged file; the shared-memory index is rebuilt from it.
    const QString wal = path + QStringLiteral("-wal");
    if (QFile::exists(wal))
        QFile::rename(wal, target + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    setAside = target;
    return target;
}
