// Moving a library to another computer: favorites and watch states as one JSON document.
#include "app/clock.h"
#include "library/library.h"
#include "library/librarydatabase.h"
#include "library/libraryimport.h"
#include "library/librarysql.h"
#include "lineup/lineupexchange.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QThread>

using namespace librarysql;

namespace {

// `serverName` lets another computer, where the server has another id, find it by its name.
QJsonObject itemObject(const QSqlQuery& query, const QHash<QString, QString>& serverNames)
{
    const QString server = query.value(0).toString();
    return QJsonObject{
        {QStringLiteral("server"), server},
        {QStringLiteral("serverName"), serverNames.value(server, server)},
        {QStringLiteral("kind"), query.value(1).toInt()},
        {QStringLiteral("id"), query.value(2).toString()},
        {QStringLiteral("name"), query.value(3).toString()},
        {QStringLiteral("categoryId"), query.value(4).toString()},
        {QStringLiteral("iconUrl"), query.value(5).toString()},
        {QStringLiteral("containerExtension"), query.value(6).toString()},
        {QStringLiteral("streamUrl"), query.value(7).toString()},
        {QStringLiteral("rating"), query.value(8).toDouble()},
        {QStringLiteral("addedAt"), query.value(9).toLongLong()},
    };
}

} // namespace

QByteArray Library::exportJson(const QHash<QString, QString>& serverNames) const
{
    const QString key = QStringLiteral("server, kind, item_id, ") + kSnapshotColumns;
    QJsonArray favorites;
    QSqlQuery query(store->db());
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT ") + key +
                   QStringLiteral(", starred_at FROM favorites ORDER BY starred_at"))) {
        while (query.next()) {
            QJsonObject o = itemObject(query, serverNames);
            o.insert(QStringLiteral("starredAt"), query.value(10).toLongLong());
            favorites.append(o);
        }
    }
    QJsonArray watch;
    if (query.exec(QStringLiteral("SELECT ") + key +
                   QStringLiteral(", series_id, series_name, last_episode, ") + kWatchColumns +
                   QStringLiteral(" FROM watch ORDER BY updated_at"))) {
        while (query.next()) {
            QJsonObject o = itemObject(query, serverNames);
            o.insert(QStringLiteral("seriesId"), query.value(10).toString());
            o.insert(QStringLiteral("seriesName"), query.value(11).toString());
            o.insert(QStringLiteral("lastEpisode"), query.value(12).toBool());
            const WatchState state = readWatch(query, 13);
            o.insert(QStringLiteral("positionMs"), state.positionMs);
            o.insert(QStringLiteral("durationMs"), state.durationMs);
            o.insert(QStringLiteral("watched"), state.watched);
            o.insert(QStringLiteral("updatedAt"), state.updatedAt);
            watch.append(o);
        }
    }
    const QJsonObject root{
        {QStringLiteral("format"), LibraryImport::kFormat},
        {QStringLiteral("version"), LibraryImport::kFormatVersion},
        {QStringLiteral("exportedAt"), Clock::epochMs()},
        {QStringLiteral("favorites"), favorites},
        {QStringLiteral("watch"), watch},
        {QStringLiteral("lineup"), lineupexchange::exportAll(store->db())},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool Library::importJson(const QByteArray& json, QString* summary,
                         const QHash<QString, QString>& serverNames)
{
    LibraryImport::Parsed parsed = LibraryImport::parse(json, serverNames);
    if (!parsed.error.isEmpty()) {
        if (summary)
            *summary = parsed.error;
        return false;
    }
    return storeHere(parsed, summary);
}

// On this thread: a lineup's ids are checked against the catalog shown, which lives here.
bool Library::storeHere(const LibraryImport::Parsed& parsed, QString* summary)
{
    QList<lineupexchange::ServerLineup> lineups;
    if (!parsed.lineup.isUndefined() &&
        !lineupexchange::parse(parsed.lineup, lineupIdCheck, &lineups, summary))
        return false;
    LibraryImport::Counts counts;
    QString error;
    const bool ok = store->transaction([&] {
        return lineupexchange::write(store->db(), lineups, &error) &&
               LibraryImport::write(store->db(), parsed, &counts, &error);
    });
    return finishImport(ok, ok ? counts : LibraryImport::Counts{}, error, summary);
}

bool Library::finishImport(bool ok, const LibraryImport::Counts& counts, const QString& error,
                           QString* summary)
{
    if (!ok) {
        if (!error.isEmpty())
            store->noteError(error);
        if (summary)
            *summary = QCoreApplication::translate("Library", "The library could not be saved: %1")
                           .arg(error.isEmpty() ? lastError() : error);
        return false;
    }
    if (summary)
        *summary = LibraryImport::summary(counts);
    favoriteCache.clear();
    continueCache.clear();
    emit changed(QString(), -1);
    return true;
}

void Library::importFile(const QString& path, const QHash<QString, QString>& serverNames,
                         QObject* context, ImportDone done)
{
    waitForImport();
    // With a file, the worker writes through a connection of its own; an in-memory library
    // (its file could not be opened) only exists on this thread's connection.
    const QString databasePath = store->isPersistent() ? store->filePath() : QString();
    QPointer<QObject> owner(context);
    importer =
        QThread::create([this, path, serverNames, databasePath, owner, done = std::move(done)]() {
            LibraryImport::Parsed parsed = LibraryImport::readFile(path, serverNames);
            LibraryImport::Counts counts;
            QString error;
            bool written = false;
            // A lineup is checked against the catalog on the window thread, and stored there.
            if (parsed.error.isEmpty() && parsed.lineup.isUndefined() && !databasePath.isEmpty())
                written = LibraryImport::writeFile(databasePath, parsed, &counts, &error);
            QMetaObject::invokeMethod(
                this,
                [this, parsed = std::move(parsed), counts, error, written, owner, done]() {
                    QString message = parsed.error;
                    bool ok = false;
                    if (message.isEmpty()) {
                        if (written || !error.isEmpty()) {
                            ok = finishImport(written, counts, error, &message);
                        } else {
                            ok = storeHere(parsed, &message);
                        }
                    }
                    if (owner)
                        done(ok, message);
                },
                Qt::QueuedConnection);
        });
    connect(importer, &QThread::finished, importer, &QObject::deleteLater);
    importer->start(QThread::LowPriority);
}

void Library::waitForImport()
{
    if (importer)
        importer->wait();
}
