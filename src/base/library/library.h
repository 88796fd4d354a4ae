#pragma once

#include "library/libraryimport.h"
#include "library/watchrules.h"
#include "model/mediaitem.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class LibraryDatabase;
class QSqlDatabase;
class QSqlQuery;
class QThread;

// One starred, resumable or recently watched item with what the library remembers of it; `item`
// is the copy taken when it was stored, so it can be shown after the server dropped it.
struct LibraryEntry
{
    MediaItem item;
    qint64 at = 0; // epoch ms: starred, last saved or last watched
    WatchState watch;
};

// What the library needs to know about an episode besides the item itself.
struct EpisodeContext
{
    QString seriesId;
    QString seriesName;
    bool lastEpisode = false; // the series' final episode: finishing it finishes the series
};

// The user's own library, per server: favorites, where movies and episodes were left, and the
// channels watched last. Items are keyed by server name, kind and id (a playlist channel's id is
// its address), so they survive catalog refreshes. Every change is one small transaction; a
// failed one returns false and leaves its reason in `lastError`. Widget-free.
class Library final : public QObject
{
    Q_OBJECT

public:
    // The file under the application-data folder.
    static QString defaultPath();

    explicit Library(const QString& filePath = defaultPath(), QObject* parent = nullptr);
    ~Library() override;

    // The message for the user about a damaged or unreadable file, once; empty afterwards.
    QString takeProblem();
    bool isPersistent() const;
    QString lastError() const;
    QString filePath() const;

    static QString idOf(const MediaItem& item);

    // Reads the favorites and "Continue Watching" lists of `server` on another thread, so the
    // first opening of each finds them read. Lists changed meanwhile are read again when asked.
    void preload(const QString& server);
    // Waits for a preload to end (tests, benchmarks).
    void waitForPreload();

    // Favorites.
    bool isFavorite(const QString& server, const MediaItem& item) const;
    bool setFavorite(const QString& server, const MediaItem& item, bool starred);
    QList<LibraryEntry> favorites(const QString& server, int kind) const; // newest first
    QSet<QString> favoriteIds(const QString& server, int kind) const;
    // Moves a favorite `steps` places in its list (negative: towards the top), by trading places
    // with its neighbours. False when it cannot move or the change was not saved.
    bool moveFavorite(const QString& server, const MediaItem& item, int steps);

    // Watch positions. `savePosition` applies the watched rule (from 95% the position is cleared
    // and the item marked watched).
    bool savePosition(const QString& server, const MediaItem& item, qint64 positionMs,
                      qint64 durationMs, const EpisodeContext& episode = {});
    bool clearPosition(const QString& server, const MediaItem& item);
    WatchState watchState(const QString& server, const MediaItem& item) const;
    // Every remembered state of one kind, by id (poster marks).
    QHash<QString, WatchState> watchStates(const QString& server, int kind) const;
    // Series with a played episode, by series id (poster marks): the newest episode's state,
    // `watched` only when that was the final episode and it was watched to the end.
    QHash<QString, WatchState> seriesStates(const QString& server) const;
    // The episodes of one series, by episode id (episode tree marks, next episode).
    QHash<QString, WatchState> episodeStates(const QString& server, const QString& seriesId) const;
    // Movies to resume, newest first; for `MediaItem::Series`, the series with an episode to go
    // on with (their items hold the series id and name), newest first.
    QList<LibraryEntry> continueWatching(const QString& server, int kind) const;

    // Recent channels, newest first, at most watchrules::kRecentChannels per server.
    bool noteChannelWatched(const QString& server, const MediaItem& item);
    QList<LibraryEntry> recentChannels(const QString& server) const;

    // The file's connection, for parts stored beside the library (the lineup).
    QSqlDatabase database() const;
    // Tells whether an id of the lineup being imported is one its server has; unset: all are.
    using LineupIdCheck =
        std::function<bool(const QString& server, int what, int kind, const QString& id)>;
    void setLineupIdCheck(LineupIdCheck check) { lineupIdCheck = std::move(check); }

    // Moves what is kept under `from` (a server's name, from before servers had ids) to `to`.
    bool moveServer(const QString& from, const QString& to);
    // Removes everything kept for a server.
    bool forgetServer(const QString& server);

    // The whole library as JSON, and back (merged: newer entries win; a lineup in the file
    // replaces that server's). `serverNames` gives the display name of each server key here:
    // exports carry it, and an import finds a server of another computer by it.
    QByteArray exportJson(const QHash<QString, QString>& serverNames = {}) const;
    bool importJson(const QByteArray& json, QString* summary,
                    const QHash<QString, QString>& serverNames = {});
    // Reads, checks and stores an export file on another thread (files over
    // LibraryImport::kMaxFileBytes are refused). `done` runs once on this thread, with what was
    // stored or why nothing was, unless `context` is gone by then.
    using ImportDone = std::function<void(bool ok, const QString& message)>;
    void importFile(const QString& path, const QHash<QString, QString>& serverNames,
                    QObject* context, ImportDone done);
    // Waits for an import's worker to end (tests).
    void waitForImport();

signals:
    // Something of `server` and `kind` changed; views showing it refresh.
    void changed(const QString& server, int kind);

private:
    bool run(QSqlQuery& query) const;
    QList<LibraryEntry> readFavorites(const QString& server, int kind) const;
    QList<LibraryEntry> readContinueWatching(const QString& server, int kind) const;
    static QList<LibraryEntry> readFavorites(QSqlDatabase& db, const QString& server, int kind,
                                             QString* error);
    static QList<LibraryEntry> readContinueWatching(QSqlDatabase& db, const QString& server,
                                                    int kind, QString* error);
    static QString cacheKey(const QString& server, int kind);
    bool storeHere(const LibraryImport::Parsed& parsed, QString* summary);
    bool finishImport(bool ok, const LibraryImport::Counts& counts, const QString& error,
                      QString* summary);

    std::unique_ptr<LibraryDatabase> store;
    // Lists as the views open them, read once per server and kind and then kept in step with
    // every change, so opening them again never waits on the file.
    mutable QHash<QString, QList<LibraryEntry>> favoriteCache;
    mutable QHash<QString, QList<LibraryEntry>> continueCache;
    quint64 changes = 0; // counts `changed`: a preload that overlapped one is dropped
    QPointer<QThread> preloader;
    LineupIdCheck lineupIdCheck;
    QPointer<QThread> importer;
};
