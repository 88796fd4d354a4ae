#include "lineup/lineupexchange.h"

#include "lineup/lineupstore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <tuple>

namespace lineupexchange {
namespace {

const QString kCategory = QStringLiteral("category");
const QString kItem = QStringLiteral("item");

// The context is the one the translation tools give texts of this namespace.
QString tr(const char* text)
{
    return QCoreApplication::translate("lineupexchange", text);
}

QJsonObject entryObject(const LineupEntry& e)
{
    QJsonObject o{
        {QStringLiteral("what"), e.what == LineupEntry::CategoryEntry ? kCategory : kItem},
        {QStringLiteral("kind"), e.kind},
        {QStringLiteral("id"), e.id}};
    if (e.hidden)
        o.insert(QStringLiteral("hidden"), true);
    if (e.locked)
        o.insert(QStringLiteral("locked"), true);
    if (!e.name.isEmpty())
        o.insert(QStringLiteral("name"), e.name);
    if (!e.providerName.isEmpty())
        o.insert(QStringLiteral("providerName"), e.providerName);
    if (e.position >= 0)
        o.insert(QStringLiteral("position"), e.position);
    if (!e.guideId.isEmpty())
        o.insert(QStringLiteral("guideId"), e.guideId);
    if (e.shiftMinutes != 0)
        o.insert(QStringLiteral("shiftMinutes"), e.shiftMinutes);
    return o;
}

bool isWhole(const QJsonValue& v)
{
    return v.isDouble() && v.toDouble() == double(qint64(v.toDouble()));
}

} // namespace

QJsonValue exportAll(QSqlDatabase& db)
{
    QString ignored;
    if (!LineupStore::ensureSchema(db, &ignored))
        return QJsonArray();
    QSqlQuery servers(db);
    QStringList names;
    if (servers.exec(QStringLiteral("SELECT server FROM lineup UNION SELECT server FROM"
                                    " lineup_guides ORDER BY 1"))) {
        while (servers.next())
            names.append(servers.value(0).toString());
    }
    LineupStore store(db);
    QJsonArray list;
    for (const QString& server : names) {
        QJsonArray entries;
        QList<LineupEntry> all = store.load(server).all();
        std::sort(all.begin(), all.end(), [](const LineupEntry& a, const LineupEntry& b) {
            return std::tie(a.what, a.kind, a.id) < std::tie(b.what, b.kind, b.id);
        });
        for (const LineupEntry& e : all)
            entries.append(entryObject(e));
        list.append(QJsonObject{{QStringLiteral("server"), server},
                                {QStringLiteral("entries"), entries},
                                {QStringLiteral("guideSources"),
                                 QJsonArray::fromStringList(store.guideSources(server))}});
    }
    return list;
}

bool parse(const QJsonValue& value, const IdCheck& known, QList<ServerLineup>* out,
           QString* message)
{
    out->clear();
    if (value.isUndefined() || value.isNull())
        return true;
    const auto reject = [&](const QString& why) {
        if (message)
            *message =
                tr("The lineup in the file cannot be imported: %1 Nothing was changed.").arg(why);
        out->clear();
        return false;
    };
    if (!value.isArray())
        return reject(tr("it is not a list of servers."));
    const QJsonArray servers = value.toArray();
    QSet<QString> seenServers;
    int total = 0;
    for (const QJsonValue& sv : servers) {
        const QJsonObject so = sv.toObject();
        const QString server = so.value(QStringLiteral("server")).toString();
        if (!sv.isObject() || server.isEmpty() || server.size() > kMaxText)
            return reject(tr("a server has no name."));
        if (seenServers.contains(server))
            return reject(tr("the server \"%1\" is listed twice.").arg(server));
        seenServers.insert(server);
        ServerLineup lineup;
        lineup.server = server;
        const QJsonValue guides = so.value(QStringLiteral("guideSources"));
        if (!guides.isUndefined()) {
            if (!guides.isArray() || guides.toArray().size() > kMaxGuideSources)
                return reject(tr("the guide addresses of \"%1\" are not a list of at most %2.")
                                  .arg(server)
                                  .arg(kMaxGuideSources));
            for (const QJsonValue& g : guides.toArray()) {
                if (!g.isString() || g.toString().isEmpty() || g.toString().size() > kMaxText)
                    return reject(tr("a guide address of \"%1\" is not valid.").arg(server));
                lineup.guideSources.append(g.toString());
            }
        }
        const QJsonValue entries = so.value(QStringLiteral("entries"));
        if (!entries.isUndefined() && !entries.isArray())
            return reject(tr("the entries of \"%1\" are not a list.").arg(server));
        QSet<QString> seen;
        int number = 0;
        for (const QJsonValue& ev : entries.toArray()) {
            ++number;
            if (++total > kMaxEntries)
                return reject(tr("it holds more than %1 entries.").arg(kMaxEntries));
            const auto bad = [&](const QString& what) {
                return reject(
                    tr("entry %1 of \"%2\": %3").arg(QString::number(number), server, what));
            };
            if (!ev.isObject())
                return bad(tr("not an object."));
            const QJsonObject o = ev.toObject();
            LineupEntry e;
            const QString what = o.value(QStringLiteral("what")).toString();
            if (what != kCategory && what != kItem)
                return bad(tr("unknown type \"%1\".").arg(what));
            e.what = what == kCategory ? LineupEntry::CategoryEntry : LineupEntry::ItemEntry;
            const QJsonValue kind = o.value(QStringLiteral("kind"));
            if (!isWhole(kind) ||
                (kind.toInt() != MediaItem::Live && kind.toInt() != MediaItem::Movie &&
                 kind.toInt() != MediaItem::Series))
                return bad(tr("unknown kind."));
            e.kind = kind.toInt();
            const QJsonValue id = o.value(QStringLiteral("id"));
            if (!id.isString() || id.toString().isEmpty() || id.toString().size() > kMaxText)
                return bad(tr("no id."));
            e.id = id.toString();
            for (auto [key, target] : {std::pair{QStringLiteral("hidden"), &e.hidden},
                                       std::pair{QStringLiteral("locked"), &e.locked}}) {
                const QJsonValue v = o.value(key);
                if (!v.isUndefined() && !v.isBool())
                    return bad(tr("\"%1\" is not true or false.").arg(key));
                *target = v.toBool();
            }
            for (auto [key, target] : {std::pair{QStringLiteral("name"), &e.name},
                                       std::pair{QStringLiteral("providerName"), &e.providerName},
                                       std::pair{QStringLiteral("guideId"), &e.guideId}}) {
                const QJsonValue v = o.value(key);
                if (!v.isUndefined() && (!v.isString() || v.toString().size() > kMaxText))
                    return bad(tr("\"%1\" is not a text.").arg(key));
                *target = v.toString();
            }
            const QJsonValue position = o.value(QStringLiteral("position"));
            if (!position.isUndefined()) {
                if (!isWhole(position) || position.toInt() < 0 || position.toInt() > kMaxPosition)
                    return bad(tr("the position is not a number from 0 to %1.").arg(kMaxPosition));
                e.position = position.toInt();
            }
            const QJsonValue shift = o.value(QStringLiteral("shiftMinutes"));
            if (!shift.isUndefined()) {
                if (!isWhole(shift) || shift.toInt() % 15 != 0 ||
                    qAbs(shift.toInt()) > kMaxShiftMinutes)
                    return bad(tr("the time shift is not whole quarters of an hour."));
                e.shiftMinutes = shift.toInt();
            }
            const QString key = QStringLiteral("%1/%2/").arg(e.what).arg(e.kind) + e.id;
            if (seen.contains(key))
                return bad(tr("\"%1\" is listed twice.").arg(e.id));
            seen.insert(key);
            if (known && !known(server, e.what, e.kind, e.id))
                return bad(
                    tr("the server has no %1 with the id \"%2\".")
                        .arg(e.what == LineupEntry::CategoryEntry ? tr("category") : tr("item"),
                             e.id));
            lineup.entries.append(e);
        }
        out->append(lineup);
    }
    return true;
}

bool write(QSqlDatabase& db, const QList<ServerLineup>& lineups, QString* error)
{
    if (lineups.isEmpty())
        return true;
    if (!LineupStore::ensureSchema(db, error))
        return false;
    QSqlQuery query(db);
    for (const ServerLineup& lineup : lineups) {
        for (const QString& table : {QStringLiteral("lineup"), QStringLiteral("lineup_guides")}) {
            query.prepare(QStringLiteral("DELETE FROM %1 WHERE server = ?").arg(table));
            query.addBindValue(lineup.server);
            if (!query.exec()) {
                if (error)
                    *error = query.lastError().text();
                return false;
            }
        }
        for (const LineupEntry& e : lineup.entries) {
            if (!LineupStore::write(db, lineup.server, e, error))
                return false;
        }
        for (int i = 0; i < lineup.guideSources.size(); ++i) {
            query.prepare(QStringLiteral(
                "INSERT INTO lineup_guides(server, position, address) VALUES(?, ?, ?)"));
            query.addBindValue(lineup.server);
            query.addBindValue(i);
            query.addBindValue(lineup.guideSources[i]);
            if (!query.exec()) {
                if (error)
                    *error = query.lastError().text();
                return false;
            }
        }
    }
    return true;
}

} // namespace lineupexchange
