#include "xtreamfixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRandomGenerator>

namespace {
const QString kApiPath = QStringLiteral("/player_api.php");

QByteArray compact(const QJsonArray& array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QString titleFor(QRandomGenerator& rng, const QString& kind, int index)
{
    static const QStringList words = {
        QStringLiteral("Night"),      QStringLiteral("River"),       QStringLiteral("Cinéma"),
        QStringLiteral("Ελλάδα"),     QStringLiteral("Город"),       QStringLiteral("日本"),
        QStringLiteral("Sport"),      QStringLiteral("News"),        QStringLiteral("Kids"),
        QStringLiteral("\"Quoted\""), QStringLiteral("Back\\slash"), QStringLiteral("Ünïcode")};
    return QStringLiteral("%1 %2 %3")
        .arg(kind, words.at(rng.bounded(int(words.size()))))
        .arg(index);
}
} // namespace

XtreamFixture::Catalog XtreamFixture::generate(int live, int movies, int series, int categories,
                                               int seasons, int episodesPerSeason, quint32 seed)
{
    QRandomGenerator rng(seed);
    Catalog c;
    for (int i = 0; i < categories; ++i) {
        c.liveCategories.append({QString::number(100 + i), QStringLiteral("Live group %1").arg(i)});
        c.vodCategories.append({QString::number(200 + i), QStringLiteral("Movie group %1").arg(i)});
        c.seriesCategories.append(
            {QString::number(300 + i), QStringLiteral("Series group %1").arg(i)});
    }
    auto categoryOf = [&](const QList<Category>& list) {
        return list.isEmpty() ? QString() : list.at(rng.bounded(int(list.size()))).id;
    };
    for (int i = 0; i < live; ++i) {
        MediaItem m;
        m.type = MediaItem::Live;
        m.id = QString::number(1000 + i);
        m.name = titleFor(rng, QStringLiteral("Channel"), i);
        m.categoryId = categoryOf(c.liveCategories);
        m.iconUrl = QStringLiteral("http://logos.example.invalid/%1.png").arg(i);
        c.live.append(m);
    }
    for (int i = 0; i < movies; ++i) {
        MediaItem m;
        m.type = MediaItem::Movie;
        m.id = QString::number(500000 + i);
        m.name = titleFor(rng, QStringLiteral("Movie"), i);
        m.categoryId = categoryOf(c.vodCategories);
        m.iconUrl = QStringLiteral("http://posters.example.invalid/m/%1.jpg").arg(i);
        m.containerExtension = i % 3 == 0 ? QStringLiteral("mkv") : QStringLiteral("mp4");
        m.rating = rng.bounded(101) / 10.0;
        m.addedAt = 1'500'000'000 + rng.bounded(200'000'000);
        c.movies.append(m);
    }
    int episodeId = 900000;
    for (int i = 0; i < series; ++i) {
        MediaItem m;
        m.type = MediaItem::Series;
        m.id = QString::number(7000 + i);
        m.name = titleFor(rng, QStringLiteral("Show"), i);
        m.categoryId = categoryOf(c.seriesCategories);
        m.iconUrl = QStringLiteral("http://posters.example.invalid/s/%1.jpg").arg(i);
        m.rating = rng.bounded(101) / 10.0;
        m.addedAt = 1'500'000'000 + rng.bounded(200'000'000);
        c.series.append(m);
        QList<Episode> episodes;
        for (int s = 1; s <= seasons; ++s) {
            for (int e = 1; e <= episodesPerSeason; ++e) {
                Episode episode;
                episode.id = QString::number(episodeId++);
                episode.seriesName = m.name;
                episode.season = s;
                episode.episodeNumber = e;
                episode.title = QStringLiteral("Episode %1").arg(e);
                episode.containerExtension = e % 2 ? QStringLiteral("mkv") : QStringLiteral("mp4");
                episodes.append(episode);
            }
        }
        c.episodes.insert(m.id, episodes);
    }
    return c;
}

QByteArray XtreamFixture::categoriesJson(const QList<Category>& categories)
{
    QJsonArray array;
    for (const Category& category : categories)
        array.append(QJsonObject{{QStringLiteral("category_id"), category.id},
                                 {QStringLiteral("category_name"), category.name},
                                 {QStringLiteral("parent_id"), 0}});
    return compact(array);
}

QByteArray XtreamFixture::liveStreamsJson(const QList<MediaItem>& items)
{
    QJsonArray array;
    int num = 0;
    for (const MediaItem& item : items)
        array.append(QJsonObject{{QStringLiteral("num"), ++num},
                                 {QStringLiteral("name"), item.name},
                                 {QStringLiteral("stream_type"), QStringLiteral("live")},
                                 {QStringLiteral("stream_id"), item.id.toLongLong()},
                                 {QStringLiteral("stream_icon"), item.iconUrl},
                                 {QStringLiteral("epg_channel_id"),
                                  item.guideId.isEmpty() ? QJsonValue() : QJsonValue(item.guideId)},
                                 {QStringLiteral("added"), QStringLiteral("1600000000")},
                                 {QStringLiteral("category_id"), item.categoryId},
                                 {QStringLiteral("custom_sid"), QString()},
                                 {QStringLiteral("tv_archive"), item.archiveDays > 0 ? 1 : 0},
                                 {QStringLiteral("tv_archive_duration"), item.archiveDays},
                                 {QStringLiteral("direct_source"), QString()}});
    return compact(array);
}

QByteArray XtreamFixture::vodStreamsJson(const QList<MediaItem>& items)
{
    QJsonArray array;
    int num = 0;
    for (const MediaItem& item : items)
        array.append(QJsonObject{{QStringLiteral("num"), ++num},
                                 {QStringLiteral("name"), item.name},
                                 {QStringLiteral("stream_type"), QStringLiteral("movie")},
                                 {QStringLiteral("stream_id"), item.id.toLongLong()},
                                 {QStringLiteral("stream_icon"), item.iconUrl},
                                 {QStringLiteral("rating"), QString::number(item.rating)},
                                 {QStringLiteral("rating_5based"), item.rating / 2},
                                 {QStringLiteral("added"), QString::number(item.addedAt)},
                                 {QStringLiteral("category_id"), item.categoryId},
                                 {QStringLiteral("container_extension"), item.containerExtension},
                                 {QStringLiteral("custom_sid"), QString()},
                                 {QStringLiteral("direct_source"), QString()}});
    return compact(array);
}

QByteArray XtreamFixture::seriesJson(const QList<MediaItem>& items)
{
    QJsonArray array;
    int num = 0;
    for (const MediaItem& item : items)
        array.append(QJsonObject{{QStringLiteral("num"), ++num},
                                 {QStringLiteral("name"), item.name},
                                 {QStringLiteral("series_id"), item.id.toLongLong()},
                                 {QStringLiteral("cover"), item.iconUrl},
                                 {QStringLiteral("plot"), QStringLiteral("A plot.")},
                                 {QStringLiteral("genre"), QStringLiteral("Drama")},
                                 {QStringLiteral("last_modified"), QString::number(item.addedAt)},
                                 {QStringLiteral("rating"), QString::number(item.rating)},
                                 {QStringLiteral("rating_5based"), item.rating / 2},
                                 {QStringLiteral("backdrop_path"), QJsonArray()},
                                 {QStringLiteral("category_id"), item.categoryId}});
    return compact(array);
}

QByteArray XtreamFixture::seriesInfoJson(const QString& seriesName, const QList<Episode>& episodes)
{
    QJsonObject seasons;
    for (const Episode& episode : episodes) {
        const QString key = QString::number(episode.season);
        QJsonArray list = seasons.value(key).toArray();
        list.append(
            QJsonObject{{QStringLiteral("id"), episode.id},
                        {QStringLiteral("episode_num"), episode.episodeNumber},
                        {QStringLiteral("title"), episode.title},
                        {QStringLiteral("container_extension"), episode.containerExtension},
                        {QStringLiteral("season"), episode.season},
                        {QStringLiteral("info"),
                         QJsonObject{{QStringLiteral("duration"), QStringLiteral("00:45:00")}}}});
        seasons.insert(key, list);
    }
    const QJsonObject root{
        {QStringLiteral("seasons"), QJsonArray()},
        {QStringLiteral("info"), QJsonObject{{QStringLiteral("name"), seriesName}}},
        {QStringLiteral("episodes"), seasons}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray XtreamFixture::loginJson(const QString& username, const QString& password,
                                    const QString& status)
{
    const QJsonObject info{{QStringLiteral("username"), username},
                           {QStringLiteral("password"), password},
                           {QStringLiteral("auth"), 1},
                           {QStringLiteral("status"), status},
                           {QStringLiteral("exp_date"), QStringLiteral("1900000000")},
                           // The player and one recording at once.
                           {QStringLiteral("max_connections"), QStringLiteral("2")}};
    const QJsonObject server{{QStringLiteral("url"), QStringLiteral("127.0.0.1")},
                             {QStringLiteral("server_protocol"), QStringLiteral("http")}};
    return QJsonDocument(QJsonObject{{QStringLiteral("user_info"), info},
                                     {QStringLiteral("server_info"), server}})
        .toJson(QJsonDocument::Compact);
}

XtreamFixture::XtreamFixture(bool ownThread)
    : ownThread(ownThread)
{
    http.route(kApiPath,
               [this](const LoopbackHttpServer::Request& request) { return answer(request); });
}

XtreamFixture::~XtreamFixture()
{
    http.stop();
}

bool XtreamFixture::start()
{
    return http.start(ownThread);
}

QString XtreamFixture::baseUrl() const
{
    return http.baseUrl();
}

SourceConfig XtreamFixture::server(const QString& name) const
{
    SourceConfig c;
    c.type = SourceConfig::Xtream;
    c.name = name;
    c.url = baseUrl();
    c.username = username();
    c.password = password();
    return c;
}

void XtreamFixture::setCredentials(const QString& username, const QString& password)
{
    QMutexLocker lock(&mutex);
    user = username;
    pass = password;
}

QString XtreamFixture::username() const
{
    QMutexLocker lock(&mutex);
    return user;
}

QString XtreamFixture::password() const
{
    QMutexLocker lock(&mutex);
    return pass;
}

void XtreamFixture::setAccountStatus(const QString& accountStatus)
{
    QMutexLocker lock(&mutex);
    status = accountStatus;
}

void XtreamFixture::setCatalog(const Catalog& catalog)
{
    QHash<QString, QByteArray> prepared;
    prepared.insert(QStringLiteral("get_live_categories"), categoriesJson(catalog.liveCategories));
    prepared.insert(QStringLiteral("get_vod_categories"), categoriesJson(catalog.vodCategories));
    prepared.insert(QStringLiteral("get_series_categories"),
                    categoriesJson(catalog.seriesCategories));
    prepared.insert(QStringLiteral("get_live_streams"), liveStreamsJson(catalog.live));
    prepared.insert(QStringLiteral("get_vod_streams"), vodStreamsJson(catalog.movies));
    prepared.insert(QStringLiteral("get_series"), seriesJson(catalog.series));
    QMutexLocker lock(&mutex);
    content = catalog;
    bodies = prepared;
}

XtreamFixture::Catalog XtreamFixture::catalog() const
{
    QMutexLocker lock(&mutex);
    return content;
}

void XtreamFixture::setAnswer(const QString& action, const LoopbackHttpServer::Response& response)
{
    QMutexLocker lock(&mutex);
    overrides.insert(action, response);
}

void XtreamFixture::clearAnswer(const QString& action)
{
    QMutexLocker lock(&mutex);
    overrides.remove(action);
}

QList<LoopbackHttpServer::Request> XtreamFixture::requests() const
{
    return http.requestsTo(kApiPath);
}

int XtreamFixture::requestCount(const QString& action) const
{
    int count = 0;
    const auto all = requests();
    for (const auto& request : all) {
        if (request.queryValue(QStringLiteral("action")) == action)
            ++count;
    }
    return count;
}

void XtreamFixture::clearRequests()
{
    http.clearRequests();
}

LoopbackHttpServer::Response XtreamFixture::answer(const LoopbackHttpServer::Request& request)
{
    const QString action = request.queryValue(QStringLiteral("action"));
    QMutexLocker lock(&mutex);
    if (auto it = overrides.constFind(action); it != overrides.cend())
        return *it;
    if (request.queryValue(QStringLiteral("username")) != user ||
        request.queryValue(QStringLiteral("password")) != pass)
        return LoopbackHttpServer::json(R"({"user_info":{"auth":0}})");
    if (action.isEmpty())
        return LoopbackHttpServer::json(loginJson(user, pass, status));
    if (action == QStringLiteral("get_series_info")) {
        const QString id = request.queryValue(QStringLiteral("series_id"));
        QString name;
        for (const MediaItem& item : content.series) {
            if (item.id == id)
                name = item.name;
        }
        return LoopbackHttpServer::json(seriesInfoJson(name, content.episodes.value(id)));
    }
    if (auto it = bodies.constFind(action); it != bodies.cend())
        return LoopbackHttpServer::json(*it);
    return LoopbackHttpServer::json("[]");
}
