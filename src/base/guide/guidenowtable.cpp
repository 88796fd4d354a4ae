#include "guide/guidenowtable.h"

#include "guide/guidestore.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

std::shared_ptr<const GuideNowTable> GuideNowTable::read(const QString& path, qint64 from,
                                                         qint64 until)
{
    static QAtomicInt counter;
    const QString connection = QStringLiteral("guide-now-%1").arg(counter.fetchAndAddRelaxed(1));
    auto table = std::make_shared<GuideNowTable>();
    table->from = from;
    table->until = until;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            qint64 reach = 0;
            q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
            q.addBindValue(QString(GuideStore::kNestedSecsKey));
            if (q.exec() && q.next())
                reach = q.value(0).toLongLong();
            q = QSqlQuery(db);
            q.setForwardOnly(true);
            // Per channel: the programmes running at `from` (the last one starting before it, and
            // as far back as programmes hold others), then the ones starting until `until`;
            // channels outermost, so two key seeks each.
            q.prepare(QStringLiteral(
                "SELECT c.num, p.start, p.stop, p.title FROM channels c CROSS JOIN programmes p"
                " ON p.ch = c.num AND p.start >= min(IFNULL((SELECT max(start) FROM programmes"
                " WHERE ch = c.num AND start <= :from), :from), :from - :reach)"
                " AND p.start < :until AND (p.stop > :from OR p.start >= :from)"
                " ORDER BY c.num, p.start"));
            q.bindValue(QStringLiteral(":from"), from);
            q.bindValue(QStringLiteral(":until"), until);
            q.bindValue(QStringLiteral(":reach"), reach);
            ok = q.exec();
            while (ok && q.next()) {
                const int channel = q.value(0).toInt();
                if (channel < 0)
                    continue;
                if (size_t(channel) >= table->firstOf.size())
                    table->firstOf.resize(size_t(channel) + 1, qsizetype(table->entries.size()));
                table->entries.push_back(
                    {q.value(1).toLongLong(), q.value(2).toLongLong(), q.value(3).toString()});
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!ok)
        return nullptr;
    table->firstOf.push_back(qsizetype(table->entries.size()));
    return table;
}

GuideNowNext GuideNowTable::at(int channel, qint64 now) const
{
    GuideNowNext result;
    if (channel < 0 || size_t(channel) + 1 >= firstOf.size())
        return result;
    const auto begin = entries.cbegin() + firstOf[size_t(channel)];
    const auto end = entries.cbegin() + firstOf[size_t(channel) + 1];
    const auto after =
        std::upper_bound(begin, end, now, [](qint64 t, const Entry& e) { return t < e.start; });
    // The last to begin of those running: one that holds a shorter one shows again after it.
    for (auto it = after; it != begin; --it) {
        const Entry& running = *(it - 1);
        if (running.stop > now) {
            result.now.start = running.start;
            result.now.stop = running.stop;
            result.now.title = running.title;
            result.hasNow = true;
            break;
        }
    }
    if (after != end) {
        result.next.start = after->start;
        result.next.stop = after->stop;
        result.next.title = after->title;
        result.hasNext = true;
    }
    return result;
}
