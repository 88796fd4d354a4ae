#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <list>
#include <optional>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

// Poster images by URL, without any widget: posters in memory up to a number of bytes (the least
// recently used go first), the disk cache of thumbnailpaths.h below that, and downloads through
// a queue that keeps only a few in flight, so posters that hang cannot take every connection
// to their host, and a download that goes silent fails after an inactivity limit.
//
// Requests carry a caller-chosen group and tag, so the caller can re-rank or drop the queued
// ones as its view moves (see rerank). Requests for the same URL are sent separately, but the
// first that succeeds answers all of them.
class PosterLoader final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        qint64 memoryBudgetBytes = 128LL * 1024 * 1024;
        int maxDownloads = 4; // Qt opens six connections per host; leave some for the rest
        int inactivityTimeoutMs = 20000;
        qint64 maxBodyBytes = 32LL * 1024 * 1024; // bigger is no poster
        // Posters larger than this are scaled down (aspect kept) before they are kept; empty:
        // kept as decoded. `pixelRatio` is the screen's, so they stay sharp there.
        QSize fitSize;
        qreal pixelRatio = 1.0;
    };

    enum class Outcome
    {
        Loaded,
        Failed, // network error, silence, not an image: the caller keeps its placeholder
        Dropped // taken out of the queue by rerank before it was sent
    };
    using Completion = std::function<void(Outcome outcome, const QPixmap& poster)>;

    PosterLoader(QNetworkAccessManager* manager, const Settings& settings,
                 QObject* parent = nullptr);
    ~PosterLoader() override;

    // The poster from memory, else from the disk cache (then kept in memory too); null when it
    // has to be downloaded.
    QPixmap cached(const QString& url);

    // Queues a download. Lower `priority` goes first, equal ones in the order asked. `done` runs
    // exactly once on the GUI thread, never from inside this call; not at all once the loader
    // is destroyed.
    void download(const QString& url, int group, int tag, int priority, Completion done);

    // Gives every queued download of `group` the priority `rank` returns for its tag, or drops
    // it when `rank` returns nothing (its completion runs at once with Dropped).
    void rerank(int group, const std::function<std::optional<int>(int tag)>& rank);

    int queuedCount() const { return int(queue.size()); }
    int downloadingCount() const { return int(downloads.size()); }
    qint64 memoryBytes() const { return heldBytes; }
    int memoryCount() const { return int(memory.size()); }
    bool inMemory(const QString& url) const { return memory.contains(url); }

private:
    struct Request
    {
        QString url;
        int group = 0;
        int tag = 0;
        int priority = 0;
        quint64 order = 0;
        Completion done;
    };
    struct Held
    {
        QPixmap poster;
        qint64 bytes = 0;
        std::list<QString>::iterator recent;
    };

    QPixmap fit(const QPixmap& decoded) const;
    QPixmap remember(const QString& url, const QPixmap& poster);
    void startDownloads();
    void finished(QNetworkReply* reply);

    QNetworkAccessManager* manager;
    Settings settings;
    std::vector<Request> queue;
    QHash<QNetworkReply*, Request> downloads;
    quint64 nextOrder = 0;
    bool startPending = false;
    QHash<QString, Held> memory;
    std::list<QString> recentFirst; // URLs in memory, most recently used first
    qint64 heldBytes = 0;
};
