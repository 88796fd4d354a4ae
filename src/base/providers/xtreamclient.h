#pragma once

#include "model/category.h"
#include "model/episode.h"
#include "model/mediaitem.h"
#include "model/xtreamserverinfo.h"
#include "providers/jsonreadings.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QByteArray;
class QNetworkAccessManager;
class QUrl;

// Speaks the Xtream Codes player API: login test, category and stream lists, episodes of a
// series, and the playable stream addresses. Every request goes to <base>/player_api.php.
//
// Each asynchronous call runs its callback exactly once, later, on the GUI thread; never from
// inside the call. If the client is destroyed first, the callback never runs.
class XtreamClient final : public QObject
{
    Q_OBJECT

public:
    using LoginCallback = std::function<void(bool ok, const QString& message)>;
    // `ok` is false when the request failed (network, HTTP status, inactivity, oversized body,
    // not JSON, more than XtreamParser::kMaxRecords records); the list is then empty. Callers
    // that only want the list may ignore it.
    using CategoriesCallback = std::function<void(const QList<Category>& categories, bool ok)>;
    using ItemsCallback = std::function<void(const QList<MediaItem>& items, bool ok)>;
    using ServerInfoCallback = std::function<void(const XtreamServerInfo& info, bool ok)>;
    using EpisodesCallback = std::function<void(const QList<Episode>& episodes, bool ok)>;

    // A request that receives no byte for this long fails like a network error; a slow but
    // moving download is never cut. Stream lists wait longer: many panels compute a large list
    // for well over 30 s before its first byte.
    static constexpr int kDefaultInactivityTimeoutMs = 30000;
    static constexpr int kListInactivityTimeoutMs = 120000;

    explicit XtreamClient(QObject* parent = nullptr);
    ~XtreamClient() override;

    // Drops at most one trailing "/" from `server`; no other normalisation.
    void configure(const QString& server, const QString& username, const QString& password);

    void testLogin(LoginCallback callback);
    // The clock fields of the login answer (archive addresses are written on the server's clock).
    void fetchServerInfo(ServerInfoCallback callback);
    void fetchLiveCategories(CategoriesCallback callback);
    void fetchVodCategories(CategoriesCallback callback);
    void fetchSeriesCategories(CategoriesCallback callback);
    void fetchLiveStreams(const QString& categoryId, ItemsCallback callback);
    void fetchVodStreams(const QString& categoryId, ItemsCallback callback);
    void fetchSeries(const QString& categoryId, ItemsCallback callback);
    void fetchSeriesEpisodes(const QString& seriesId, EpisodesCallback callback);

    QString liveStreamUrl(const QString& streamId, const QString& extension) const;
    QString movieStreamUrl(const QString& streamId, const QString& extension) const;
    QString episodeStreamUrl(const QString& episodeId, const QString& extension) const;

    // A body larger than this fails the request instead of growing the process without bound.
    // Six lists load at once, so the caps add up: a catalog of 300k movies is about 100 MB,
    // category lists and login answers stay far below their smaller cap.
    static constexpr qint64 kDefaultMaxBodyBytes = 128LL * 1024 * 1024;
    static constexpr qint64 kSmallAnswerMaxBytes = 16LL * 1024 * 1024;
    // Test seam: the body limit for requests started afterwards.
    void setMaxBodyBytes(qint64 bytes);

    // The address of one request: <base>/player_api.php with "username", "password", then
    // "action" when not empty, then the one item of `extraQuery` ("key=value"; no item when it
    // has no "=" after its first character). Keys and values are percent-encoded in full.
    static QUrl requestUrl(const QString& baseUrl, const QString& username, const QString& password,
                           const QString& action, const QString& extraQuery);

private:
    using BodyCallback = std::function<void(const QByteArray& body, bool ok)>;

    // The request layer: GET <base>/player_api.php?username=..&password=..[&action=..][&k=v].
    // `ok` is false on a network error, an HTTP error status or an oversized body.
    void get(const QString& action, const QString& extraQuery, BodyCallback callback);
    void fetchCategories(const QString& action, CategoriesCallback callback);
    void fetchItems(const QString& action, const QString& categoryId,
                    QList<MediaItem> (*parse)(const QByteArray&, bool*, JsonPath),
                    ItemsCallback callback);

    QNetworkAccessManager* manager = nullptr;
    QString baseUrl;
    QString username;
    QString password;
    qint64 maxBodyBytes = kDefaultMaxBodyBytes;
};
