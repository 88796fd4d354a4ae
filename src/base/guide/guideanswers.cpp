#include "guide/guideanswers.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {
QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("guide-answers-%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

GuideAnswers::~GuideAnswers()
{
    close();
}

QString GuideAnswers::pathFor(const QString& guidePath)
{
    QString path = guidePath;
    if (path.endsWith(QStringLiteral(".sqlite")))
        path.chop(7);
    return path + QStringLiteral(".answers.sqlite");
}

bool GuideAnswers::open(const QString& path)
{
    close();
    connection = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    QSqlQuery q(db);
    if (!db.open() || !q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !q.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS answers(stream TEXT NOT NULL, start INTEGER NOT NULL,"
            " stop INTEGER NOT NULL, title TEXT, description TEXT, archived INTEGER,"
            " PRIMARY KEY(stream, start)) WITHOUT ROWID"))) {
        q = QSqlQuery();
        close();
        return false;
    }
    return true;
}

void GuideAnswers::close()
{
    if (connection.isEmpty())
        return;
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

QHash<QString, QList<GuideProgramme>> GuideAnswers::load(qint64 keepFrom)
{
    QHash<QString, QList<GuideProgramme>> result;
    if (connection.isEmpty())
        return result;
    QSqlQuery q(QSqlDatabase::database(connection, false));
    // What ended before the window goes for good: channels the server dropped leave nothing.
    q.prepare(QStringLiteral("DELETE FROM answers WHERE stop < ?"));
    q.addBindValue(keepFrom);
    q.exec();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT stream, start, stop, title, description, archived"
                             " FROM answers ORDER BY stream, start"));
    if (!q.exec())
        return result;
    while (q.next()) {
        GuideProgramme p;
        p.start = q.value(1).toLongLong();
        p.stop = q.value(2).toLongLong();
        p.title = q.value(3).toString();
        p.description = q.value(4).toString();
        p.archived = q.value(5).toInt() != 0;
        result[q.value(0).toString()].append(std::move(p));
    }
    return result;
}

bool GuideAnswers::save(const QString& streamId, const QList<GuideProgramme>& programmes)
{
    if (connection.isEmpty())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM answers WHERE stream = ?"));
    q.addBindValue(streamId);
    bool ok = q.exec();
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO answers VALUES (?, ?, ?, ?, ?, ?)"));
    for (const GuideProgramme& p : programmes) {
        if (!ok)
            break;
        q.addBindValue(streamId);
        q.addBindValue(p.start);
        q.addBindValue(p.stop);
        q.addBindValue(p.title);
        q.addBindValue(p.description);
        q.addBindValue(p.archived ? 1 : 0);
        ok = q.exec();
    }
    if (ok && db.commit())
        return true;
    db.rollback();
    return false;
}
