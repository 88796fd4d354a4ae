#include "sources/serverdata.h"

#include "guide/guideanswers.h"
#include "guide/guideservice.h"
#include "library/library.h"
#include "sources/sourcemanager.h"

#include <QFile>
#include <QStringList>

QStringList ServerData::guideFiles(const QString& storageKey)
{
    const QString store = GuideService::storePath(storageKey);
    const QString answers = GuideAnswers::pathFor(store);
    QStringList files;
    for (const QString& database : {store, answers}) {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            files << database + QLatin1String(suffix);
    }
    return files;
}

void ServerData::adoptNameKeys(SourceManager& sources, Library& library)
{
    const QList<SourceManager::Rekeyed> rekeyed = sources.rekeyed();
    if (rekeyed.isEmpty())
        return;
    bool moved = true;
    for (const SourceManager::Rekeyed& server : rekeyed) {
        moved = library.moveServer(server.name, server.id) && moved;
        const QStringList from = guideFiles(server.name);
        const QStringList to = guideFiles(server.id);
        // A guide already under the id came from an interrupted move: it stays.
        if (QFile::exists(to.first()))
            continue;
        for (qsizetype i = 0; i < from.size(); ++i) {
            if (QFile::exists(from[i]))
                QFile::rename(from[i], to[i]);
        }
    }
    // The ids are stored only once the library holds them; otherwise the next start tries again.
    if (moved)
        sources.storeNewIds();
}

void ServerData::forget(Library& library, const QString& storageKey)
{
    library.forgetServer(storageKey);
    for (const QString& file : guideFiles(storageKey))
        QFile::remove(file);
}
