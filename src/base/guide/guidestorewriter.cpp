#include "guide/guidestorewriter.h"

#include "guide/guidestore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
// Rows per INSERT: one statement per row would spend most of the import in the driver.
constexpr int kBatchRows = 64;
constexpr int kColumns = 6;
// The length of a channel's last programme when the guide gives no stop: the next import,
// with the programme after it, corrects it.
constexpr qint64 kDefaultLengthSecs = 3600;
// Another import holds the lock only while it numbers itself or renames its file.
constexpr int kLockWaitMs = 30000;
constexpr QLatin1StringView kNumberKey{"import"};

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("guide-write-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString insertSql(int rows)
{
    QString sql = QStringLiteral("INSERT OR IGNORE INTO programmes VALUES ");
    for (int i = 0; i < rows; ++i)
        sql += i ? QStringLiteral(",(?,?,?,?,?,?)") : QStringLiteral("(?,?,?,?,?,?)");
    return sql;
}

bool syncFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    return ::fsync(file.handle()) == 0;
}

bool processAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (pid == QCoreApplication::applicationPid())
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Files of imports whose process is gone: "<name>.importing-<number>-<pid>", and the unnumbered
// "<name>.importing" of older versions.
void removeLeftovers(const QString& finalPath)
{
    const QFileInfo info(finalPath);
    const QDir dir = info.dir();
    const QString prefix = info.fileName() + QStringLiteral(".importing");
    for (const QString& name : dir.entryList({prefix + u'*'}, QDir::Files)) {
        const QString tail = name.mid(prefix.size());
        if (tail.isEmpty() || !processAlive(tail.section(u'-', -1).toLongLong()))
            QFile::remove(dir.filePath(name));
    }
}

// The number of the import that wrote the guide at `path`; 0 when there is none.
qint64 installedNumber(const QString& path)
{
    GuideStore store;
    if (!store.open(path, false))
        return 0;
    return store.metaValue(kNumberKey).toLongLong();
}
} // namespace

GuideStoreWriter::GuideStoreWriter(const QString& path)
    : finalPath(path)
    , connection(nextConnectionName())
{}

GuideStoreWriter::~GuideStoreWriter()
{
    abandon();
}

bool GuideStoreWriter::exec(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (q.exec(sql))
        return true;
    if (failure.isEmpty())
        failure = QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                      .arg(q.lastError().text());
    return false;
}

bool GuideStoreWriter::takeNumber()
{
    QLockFile lock(finalPath + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        failure = QStringLiteral("could not lock the guide file %1").arg(finalPath);
        return false;
    }
    // The last number given out, and never below the installed guide's (the counter may be lost).
    const QString counterPath = finalPath + QStringLiteral(".imports");
    qint64 last = 0;
    if (QFile counter(counterPath); counter.open(QIODevice::ReadOnly))
        last = counter.readAll().trimmed().toLongLong();
    number = std::max(last, installedNumber(finalPath)) + 1;
    QSaveFile counter(counterPath);
    if (!counter.open(QIODevice::WriteOnly) || counter.write(QByteArray::number(number)) < 0 ||
        !counter.commit()) {
        failure = QStringLiteral("could not write %1").arg(counterPath);
        return false;
    }
    return true;
}

bool GuideStoreWriter::begin()
{
    if (!takeNumber())
        return false;
    tempPath = QStringLiteral("%1.importing-%2-%3")
                   .arg(finalPath)
                   .arg(number)
                   .arg(QCoreApplication::applicationPid());
    removeLeftovers(finalPath);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(tempPath);
        if (!db.open()) {
            failure = QCoreApplication::translate("GuideStoreWriter",
                                                  "could not create the guide file: %1")
                          .arg(db.lastError().text());
            return false;
        }
    }
    open = true;
    // The file is renamed into place only when complete; a journal would buy nothing.
    return exec(QStringLiteral("PRAGMA journal_mode=OFF")) &&
           exec(QStringLiteral("PRAGMA synchronous=OFF")) &&
           exec(QStringLiteral("PRAGMA cache_size=-16384")) &&
           exec(QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT)")) &&
           exec(QStringLiteral(
               "CREATE TABLE channels(num INTEGER PRIMARY KEY, id TEXT NOT NULL, names TEXT)")) &&
           exec(QStringLiteral(
               "CREATE TABLE programmes(ch INTEGER NOT NULL, start INTEGER NOT NULL,"
               " stop INTEGER NOT NULL, title TEXT, description TEXT, archived INTEGER,"
               " PRIMARY KEY(ch, start)) WITHOUT ROWID")) &&
           QSqlDatabase::database(connection, false).transaction() && prepareBatch();
}

bool GuideStoreWriter::prepareBatch()
{
    batchInsert = std::make_unique<QSqlQuery>(QSqlDatabase::database(connection, false));
    if (batchInsert->prepare(insertSql(kBatchRows)))
        return true;
    failure = QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                  .arg(batchInsert->lastError().text());
    return false;
}

void GuideStoreWriter::addChannel(int number, const QString& id, const QStringList& names)
{
    if (!open || !failure.isEmpty())
        return;
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO channels VALUES (?, ?, ?)"));
    q.addBindValue(number);
    q.addBindValue(id);
    q.addBindValue(names.join(u'\n'));
    if (!q.exec())
        failure = QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                      .arg(q.lastError().text());
}

void GuideStoreWriter::addProgramme(int channel, const GuideProgramme& p)
{
    if (!open || !failure.isEmpty())
        return;
    if (pending.isEmpty())
        pending.reserve(kBatchRows * kColumns);
    pending.append(channel);
    pending.append(p.start);
    pending.append(p.stop);
    pending.append(p.title);
    pending.append(p.description);
    pending.append(p.archived ? 1 : 0);
    if (++pendingRows == kBatchRows)
        flush();
}

bool GuideStoreWriter::flush()
{
    if (pendingRows == 0)
        return failure.isEmpty();
    QSqlQuery tail(QSqlDatabase::database(connection, false));
    QSqlQuery& q = pendingRows == kBatchRows ? *batchInsert : tail;
    if (pendingRows != kBatchRows)
        q.prepare(insertSql(pendingRows));
    for (int i = 0; i < pending.size(); ++i)
        q.bindValue(i, pending.at(i));
    if (!q.exec() && failure.isEmpty())
        failure = QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                      .arg(q.lastError().text());
    added += pendingRows;
    pending.clear();
    pendingRows = 0;
    return failure.isEmpty();
}

bool GuideStoreWriter::commit(const QList<std::pair<QString, QString>>& meta)
{
    if (!open || !flush())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!exec(QStringLiteral(
                  "UPDATE programmes SET stop = coalesce((SELECT min(p.start) FROM programmes p"
                  " WHERE p.ch = programmes.ch AND p.start > programmes.start), start + %1)"
                  " WHERE stop = 0")
                  .arg(kDefaultLengthSecs)) ||
        !exec(QStringLiteral("DELETE FROM programmes WHERE stop IS NULL OR stop <= start")) ||
        // A channel without programmes would hide it from the player API's answers.
        !exec(QStringLiteral("DELETE FROM channels WHERE NOT EXISTS"
                             " (SELECT 1 FROM programmes WHERE ch = channels.num)")))
        return false;
    {
        // How far back "now" must look for a programme around a shorter one that has ended:
        // the longest programme that holds another one whole.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral(
                "SELECT coalesce(max(a.stop - a.start), 0) FROM programmes a JOIN programmes b"
                " ON b.ch = a.ch AND b.start > a.start AND b.start < a.stop WHERE b.stop < "
                "a.stop")) ||
            !q.next()) {
            failure = QStringLiteral("could not write the guide: ") + q.lastError().text();
            return false;
        }
        const qint64 nested = q.value(0).toLongLong();
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES (?, ?)"));
        auto put = [&](const QString& key, const QString& value) {
            q.addBindValue(key);
            q.addBindValue(value);
            return q.exec();
        };
        bool ok = put(QStringLiteral("schema"), GuideStore::schemaVersion()) &&
                  put(kNumberKey, QString::number(number)) &&
                  put(GuideStore::kNestedSecsKey, QString::number(nested));
        for (const auto& [key, value] : meta)
            ok = ok && put(key, value);
        if (!ok) {
            failure =
                QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                    .arg(q.lastError().text());
            return false;
        }
    }
    if (!db.commit()) {
        failure = QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                      .arg(db.lastError().text());
        return false;
    }
    batchInsert.reset();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
    open = false;
    const bool installed = install();
    if (!installed || overtaken)
        QFile::remove(tempPath);
    return installed;
}

bool GuideStoreWriter::install()
{
    if (!syncFile(tempPath)) {
        failure = QStringLiteral("could not write the guide file %1").arg(tempPath);
        return false;
    }
    // Only a file that opens as this import's guide replaces the one in use.
    {
        GuideStore written;
        if (!written.open(tempPath, false) ||
            written.metaValue(kNumberKey) != QString::number(number)) {
            failure = QStringLiteral("the new guide file %1 is incomplete").arg(tempPath);
            return false;
        }
    }
    QLockFile lock(finalPath + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        failure = QStringLiteral("could not lock the guide file %1").arg(finalPath);
        return false;
    }
    if (installedNumber(finalPath) > number) {
        overtaken = true; // an import that began later is in place: it stays
        return true;
    }
    if (std::rename(QFile::encodeName(tempPath).constData(),
                    QFile::encodeName(finalPath).constData()) != 0) {
        failure = QStringLiteral("could not replace the guide file ") + finalPath;
        return false;
    }
    return true;
}

void GuideStoreWriter::abandon()
{
    if (!open)
        return;
    batchInsert.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    open = false;
    QFile::remove(tempPath);
}
