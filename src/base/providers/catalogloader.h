#pragma once

#include "model/category.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QNetworkAccessManager;
class XtreamClient;

// Loads a server's catalog: from the catalog cache while the server's last fetch is less than a
// day old, otherwise from the network (Xtream's six lists, each failed one standing in with its
// cached copy; or the playlist, by link or from a file), writing what arrived to the cache. A
// newer load supersedes an older one: what the older one still receives is cached under its own
// server but no longer delivered. Every handler runs on the GUI thread.
class CatalogLoader final : public QObject
{
    Q_OBJECT

public:
    struct Handlers
    {
        // A section's ("live", "movie", "series" or "channel") categories or items, to show.
        std::function<void(const QString& section, const QList<Category>& categories)> categories;
        std::function<void(const QString& section, const QList<MediaItem>& items)> items;
        // A fetched playlist's guide addresses (its #EXTM3U "url-tvg"), before its items.
        std::function<void(const QStringList& urls)> guideUrls;
        // The cache was too old or incomplete: `steps` requests start now (`now` in seconds since
        // the epoch, the server's new fetch time). Each ends with one stepDone, superseded or not.
        std::function<void(int steps, qint64 now)> fetching;
        std::function<void()> stepDone;
        // The playlist could not be read; a message for the user, after its stepDone.
        std::function<void(const QString& message)> failed;
    };

    explicit CatalogLoader(QNetworkAccessManager* manager, QObject* parent = nullptr);

    // `xtream` is the client configured for `config` (Xtream servers only; not owned).
    void load(const SourceConfig& config, bool forceRefresh, XtreamClient* xtream,
              const Handlers& handlers);

private:
    void loadXtream(const SourceConfig& config, bool forceRefresh, XtreamClient* xtream,
                    const Handlers& handlers);
    void loadPlaylist(const SourceConfig& config, bool forceRefresh, const Handlers& handlers);
    void applyPlaylist(const QString& sourceName, quint64 load, const QByteArray& utf8,
                       const Handlers& handlers);

    QNetworkAccessManager* manager = nullptr;
    quint64 generation = 0;
};
