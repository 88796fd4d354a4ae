#include "guide/guideprogrammeindex.h"

#include <QAtomicInt>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {
QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("guide-search-%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

std::shared_ptr<const GuideProgrammeIndex>
GuideProgrammeIndex::read(const QString& path, qint64 from, qint64 to,
                          const std::atomic<bool>& cancel)
{
    auto index = std::make_shared<GuideProgrammeIndex>();
    const QString connection = nextConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.prepare(QStringLiteral(
                "SELECT ch, start, stop, title FROM programmes WHERE stop > ? AND start < ?"));
            q.addBindValue(from);
            q.addBindValue(to);
            ok = q.exec();
            QHash<QString, qint32> titleNumbers;
            while (ok && q.next()) {
                if ((index->programmes.size() & 0xfff) == 0 &&
                    cancel.load(std::memory_order_relaxed)) {
                    ok = false;
                    break;
                }
                const QString title = q.value(3).toString();
                auto known = titleNumbers.constFind(title);
                if (known == titleNumbers.cend()) {
                    known = titleNumbers.insert(title, qint32(index->titles.size()));
                    index->titles.append(title);
                    index->foldedTitles.append(title.toCaseFolded());
                }
                const qint64 start = q.value(1).toLongLong();
                index->programmes.push_back(
                    {start,
                     qint32(std::clamp<qint64>(q.value(2).toLongLong() - start, 0, INT32_MAX)),
                     q.value(0).toInt(), *known});
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!ok)
        return nullptr;
    std::stable_sort(index->programmes.begin(), index->programmes.end(),
                     [](const Slot& a, const Slot& b) { return a.start < b.start; });
    index->programmes.shrink_to_fit();
    return index;
}

QList<GuideProgrammeIndex::Hit> GuideProgrammeIndex::find(const QString& query, qint64 now,
                                                          int limit, qsizetype* total) const
{
    QList<Hit> hits;
    qsizetype count = 0;
    if (!query.isEmpty()) {
        // Titles repeat: each distinct one is compared once.
        const QString folded = query.toCaseFolded();
        std::vector<char> matches(size_t(foldedTitles.size()));
        bool any = false;
        for (qsizetype i = 0; i < foldedTitles.size(); ++i) {
            matches[size_t(i)] = foldedTitles[i].contains(folded);
            any = any || matches[size_t(i)];
        }
        // By start, the ended ones skipped: the running ones come first by themselves.
        for (const Slot& slot : programmes) {
            if (!any)
                break;
            if (!matches[size_t(slot.title)] || slot.start + slot.length <= now)
                continue;
            if (++count <= limit)
                hits.append(
                    {slot.channel, slot.start, slot.start + slot.length, titles[slot.title]});
        }
    }
    if (total)
        *total = count;
    return hits;
}
