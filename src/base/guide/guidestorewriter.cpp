#include "guide/guidestorewriter.h"

#include "guide/guidestore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <unistd.h>

namespace {
// Rows per INSERT: one statement per row would spend most of the import in the driver.
constexpr int kBatchRows = 64;
constexpr int kColumns = 6;

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
} // namespace

GuideStoreWriter::GuideStoreWriter(const QString& path)
    : finalPath(path)
    , tempPath(path + QStringLiteral(".importing"))
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

bool GuideStoreWriter::begin()
{
    QFile::remove(tempPath); // left by an import that was killed
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
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES (?, ?)"));
        auto put = [&](const QString& key, const QString& value) {
            q.addBindValue(key);
            q.addBindValue(value);
            return q.exec();
        };
        bool ok = put(QStringLiteral("schema"), GuideStore::schemaVersion());
        for (const auto& [key, value] : meta)
            ok = ok && put(key, value);
        if (!ok) {
            failure =
                QCoreApplication::translate("GuideStoreWriter", "could not write the guide: %1")
                    .arg(q.lastError().text());
            return false;
        }
    }
    if (!exec(QStringLiteral(
            "UPDATE programmes SET stop = (SELECT min(p.start) FROM programmes p"
            " WHERE p.ch = programmes.ch AND p.start > programmes.start) WHERE stop = 0")) ||
        !exec(QStringLiteral("DELETE FROM programmes WHERE stop IS NULL OR stop <= start")))
        return false;
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
    if (!syncFile(tempPath) || std::rename(QFile::encodeName(tempPath).constData(),
                                           QFile::encodeName(finalPath).constData()) != 0) {
        failure =
            QCoreApplication::translate("GuideStoreWriter", "could not replace the guide file %1")
                .arg(finalPath);
        QFile::remove(tempPath);
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
