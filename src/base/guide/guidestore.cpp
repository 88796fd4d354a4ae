#include "guide/guidestore.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {
QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("guide-read-%1").arg(counter.fetchAndAddRelaxed(1));
}

QSqlDatabase database(const QString& name)
{
    return QSqlDatabase::database(name, false);
}

GuideProgramme rowProgramme(const QSqlQuery& q, int first)
{
    GuideProgramme p;
    p.start = q.value(first).toLongLong();
    p.stop = q.value(first + 1).toLongLong();
    p.title = q.value(first + 2).toString();
    p.description = q.value(first + 3).toString();
    p.archived = q.value(first + 4).toInt() != 0;
    return p;
}
} // namespace

GuideStore::GuideStore() = default;

GuideStore::~GuideStore()
{
    close();
}

QString GuideStore::schemaVersion()
{
    return QStringLiteral("1");
}

bool GuideStore::open(const QString& path, bool mapped)
{
    close();
    if (!QFileInfo::exists(path))
        return false;
    connection = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open() || metaValue(QStringLiteral("schema")) != schemaVersion()) {
        close();
        return false;
    }
    // Reads through a memory map: lookups of thousands of channels touch pages all over the
    // file, and a read call per page would cost more than the lookups themselves.
    if (mapped)
        QSqlQuery(db).exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
    return true;
}

void GuideStore::close()
{
    if (connection.isEmpty())
        return;
    {
        QSqlDatabase db = database(connection);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

bool GuideStore::isOpen() const
{
    return !connection.isEmpty();
}

QString GuideStore::metaValue(const QString& key) const
{
    if (connection.isEmpty())
        return {};
    QSqlQuery q(database(connection));
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    q.addBindValue(key);
    if (!q.exec() || !q.next())
        return {};
    return q.value(0).toString();
}

qint64 GuideStore::importedAt() const
{
    return metaValue(QStringLiteral("importedAt")).toLongLong();
}

QList<GuideStore::Channel> GuideStore::channels() const
{
    QList<Channel> list;
    if (connection.isEmpty())
        return list;
    QSqlQuery q(database(connection));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT num, id, names FROM channels ORDER BY num")))
        return list;
    while (q.next()) {
        const QString names = q.value(2).toString();
        list.append(Channel{q.value(0).toInt(), q.value(1).toString(),
                            names.split(u'\n', Qt::SkipEmptyParts)});
    }
    return list;
}

QHash<int, GuideNowNext> GuideStore::nowNext(qint64 now) const
{
    QHash<int, GuideNowNext> result;
    if (connection.isEmpty())
        return result;
    // Two key seeks per channel, channels outermost: the last start at or before now of a
    // programme still running (looking back only as far as programmes hold others, else the last
    // start at all), then that programme. Left to itself the planner scans every programme; a
    // materialized list of starts costs as much again as the seeks.
    QSqlQuery q(database(connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT c.num, p.start, p.stop, p.title FROM channels c CROSS JOIN programmes p"
        " ON p.ch = c.num AND p.start = coalesce((SELECT start FROM programmes WHERE ch = c.num"
        " AND start <= :now AND start >= :now - :reach AND stop > :now ORDER BY start DESC"
        " LIMIT 1), (SELECT max(start) FROM programmes WHERE ch = c.num AND start <= :now))"
        " WHERE p.stop > :now"));
    q.bindValue(QStringLiteral(":now"), now);
    q.bindValue(QStringLiteral(":reach"), metaValue(kNestedSecsKey).toLongLong());
    if (!q.exec())
        return result;
    result.reserve(1024);
    while (q.next()) {
        GuideNowNext& entry = result[q.value(0).toInt()];
        entry.now.start = q.value(1).toLongLong();
        entry.now.stop = q.value(2).toLongLong();
        entry.now.title = q.value(3).toString();
        entry.hasNow = true;
    }
    return result;
}

std::optional<GuideProgramme> GuideStore::nextAfter(int channel, qint64 time) const
{
    if (connection.isEmpty())
        return std::nullopt;
    QSqlQuery q(database(connection));
    q.prepare(QStringLiteral("SELECT start, stop, title, description, archived FROM programmes"
                             " WHERE ch = ? AND start > ? ORDER BY start LIMIT 1"));
    q.addBindValue(channel);
    q.addBindValue(time);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return rowProgramme(q, 0);
}

QList<GuideProgramme> GuideStore::programmes(int channel, qint64 from, qint64 to) const
{
    return programmes(QList<int>{channel}, from, to).value(channel);
}

QHash<int, QList<GuideProgramme>> GuideStore::programmes(const QList<int>& channels, qint64 from,
                                                         qint64 to) const
{
    QHash<int, QList<GuideProgramme>> result;
    if (connection.isEmpty())
        return result;
    QSqlQuery q(database(connection));
    q.setForwardOnly(true);
    // A programme starts at most a day before it overlaps the window: bounds the key range.
    q.prepare(QStringLiteral("SELECT start, stop, title, description, archived FROM programmes"
                             " WHERE ch = ? AND start >= ? AND start < ? AND stop > ?"
                             " ORDER BY start"));
    for (const int channel : channels) {
        q.addBindValue(channel);
        q.addBindValue(from - 86400);
        q.addBindValue(to);
        q.addBindValue(from);
        if (!q.exec())
            continue;
        QList<GuideProgramme>& list = result[channel];
        while (q.next())
            list.append(rowProgramme(q, 0));
    }
    return result;
}

QList<QList<GuideProgramme>> GuideStore::window(const QList<int>& channels, qint64 from,
                                                qint64 to) const
{
    QList<QList<GuideProgramme>> result(channels.size());
    if (connection.isEmpty())
        return result;
    QSqlQuery q(database(connection));
    q.setForwardOnly(true);
    // From the last start at or before `from` (it may still run), else from `from`.
    q.prepare(QStringLiteral(
        "SELECT start, stop, title, description, archived FROM programmes WHERE ch = :ch"
        " AND start >= coalesce((SELECT max(start) FROM programmes WHERE ch = :ch"
        " AND start <= :from), :from) AND start < :to ORDER BY start"));
    for (qsizetype i = 0; i < channels.size(); ++i) {
        if (channels[i] < 0)
            continue;
        q.bindValue(QStringLiteral(":ch"), channels[i]);
        q.bindValue(QStringLiteral(":from"), from);
        q.bindValue(QStringLiteral(":to"), to);
        if (!q.exec())
            continue;
        QList<GuideProgramme>& list = result[i];
        while (q.next()) {
            GuideProgramme p = rowProgramme(q, 0);
            if (p.stop > from)
                list.append(std::move(p));
        }
    }
    return result;
}

qint64 GuideStore::programmeCount() const
{
    if (connection.isEmpty())
        return 0;
    QSqlQuery q(database(connection));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM programmes")) || !q.next())
        return 0;
    return q.value(0).toLongLong();
}
