// The lists a server's views open first, read on another thread when the server is chosen.
#include "library/library.h"

#include "library/librarydatabase.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QThread>

void Library::waitForPreload()
{
    if (preloader)
        preloader->wait();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void Library::preload(const QString& server)
{
    if (!store->isPersistent() || server.isEmpty())
        return;
    waitForPreload();
    const QString path = store->filePath();
    const quint64 startedAt = changes;
    preloader = QThread::create([this, path, server, startedAt]() {
        using Lists = QHash<QString, QList<LibraryEntry>>;
        Lists favorites, continuing;
        static QAtomicInt counter;
        const QString name =
            QStringLiteral("library-preload-%1").arg(counter.fetchAndAddRelaxed(1));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
            if (db.open()) {
                QString error;
                for (const int kind : {MediaItem::Live, MediaItem::Movie, MediaItem::Series})
                    favorites.insert(cacheKey(server, kind),
                                     readFavorites(db, server, kind, &error));
                for (const int kind : {MediaItem::Movie, MediaItem::Series})
                    continuing.insert(cacheKey(server, kind),
                                      readContinueWatching(db, server, kind, &error));
                if (!error.isEmpty()) {
                    favorites.clear();
                    continuing.clear();
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        QMetaObject::invokeMethod(
            this,
            [this, favorites, continuing, startedAt]() {
                if (changes != startedAt)
                    return;
                for (auto it = favorites.cbegin(); it != favorites.cend(); ++it)
                    favoriteCache.insert(it.key(), it.value());
                for (auto it = continuing.cbegin(); it != continuing.cend(); ++it)
                    continueCache.insert(it.key(), it.value());
            },
            Qt::QueuedConnection);
    });
    connect(preloader, &QThread::finished, preloader, &QObject::deleteLater);
    preloader->start(QThread::LowPriority);
}
