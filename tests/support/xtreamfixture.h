#pragma once

#include "loopbackhttpserver.h"
#include "model/category.h"
#include "model/episode.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

// A pretend Xtream server on 127.0.0.1 for tests: answers player_api.php per "action" from a
// catalog (generated or hand-made) in the shape real servers send (ids as numbers, ratings and
// time stamps as strings), checks the credentials like a real server (a wrong login gets
// {"user_info":{"auth":0}} for every action), and lets a test override the answer to any action
// (stall, 404, HTML, slow body...). Every request is recorded.
//
//     XtreamFixture xtream;
//     xtream.setCatalog(XtreamFixture::generate(50, 200, 20));
//     QVERIFY(xtream.start());
//     client.configure(xtream.baseUrl(), xtream.username(), xtream.password());
class XtreamFixture final
{
public:
    struct Catalog
    {
        QList<Category> liveCategories;
        QList<Category> vodCategories;
        QList<Category> seriesCategories;
        QList<MediaItem> live;
        QList<MediaItem> movies;
        QList<MediaItem> series;
        QHash<QString, QList<Episode>> episodes; // by series id
    };

    // `live`, `movies` and `series` entries spread over `categories` categories per kind; each
    // series has `seasons` seasons of `episodesPerSeason` episodes. Ids are unique decimal
    // numbers; every value survives the trip through the JSON unchanged.
    static Catalog generate(int live, int movies, int series, int categories = 5, int seasons = 2,
                            int episodesPerSeason = 3, quint32 seed = 1);

    // The answers as real servers write them.
    static QByteArray categoriesJson(const QList<Category>& categories);
    static QByteArray liveStreamsJson(const QList<MediaItem>& items);
    static QByteArray vodStreamsJson(const QList<MediaItem>& items);
    static QByteArray seriesJson(const QList<MediaItem>& items);
    static QByteArray seriesInfoJson(const QString& seriesName, const QList<Episode>& episodes);
    static QByteArray loginJson(const QString& username, const QString& password,
                                const QString& status = QStringLiteral("Active"));

    // With `ownThread` the server keeps answering while the test's thread is blocked.
    explicit XtreamFixture(bool ownThread = false);
    ~XtreamFixture();

    XtreamFixture(const XtreamFixture&) = delete;
    XtreamFixture& operator=(const XtreamFixture&) = delete;

    bool start();
    QString baseUrl() const; // "http://127.0.0.1:<port>", what a server entry holds
    // A server entry named `name` for this server and its account.
    SourceConfig server(const QString& name) const;
    LoopbackHttpServer& server() { return http; }

    // The account the server accepts; "user" / "pass" unless changed.
    void setCredentials(const QString& username, const QString& password);
    QString username() const;
    QString password() const;
    // The "status" of the accepted account ("Active" unless changed).
    void setAccountStatus(const QString& status);

    void setCatalog(const Catalog& catalog);
    Catalog catalog() const;

    // Replaces the answer to one action ("" is the login request, which has none) until
    // clearAnswer(); applies whatever the credentials.
    void setAnswer(const QString& action, const LoopbackHttpServer::Response& response);
    void clearAnswer(const QString& action);

    // The player_api.php requests received, oldest first.
    QList<LoopbackHttpServer::Request> requests() const;
    int requestCount(const QString& action) const;
    void clearRequests();

private:
    LoopbackHttpServer::Response answer(const LoopbackHttpServer::Request& request);

    LoopbackHttpServer http;
    bool ownThread = false;

    mutable QMutex mutex; // the server may answer on its own thread
    QString user = QStringLiteral("user");
    QString pass = QStringLiteral("pass");
    QString status = QStringLiteral("Active");
    Catalog content;
    QHash<QString, QByteArray> bodies; // prepared answers per action
    QHash<QString, LoopbackHttpServer::Response> overrides;
};
