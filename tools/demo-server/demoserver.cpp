#include "demoserver.h"

#include "app/clock.h"
#include "archivestream.h"
#include "catalogrenderer.h"
#include "clipstore.h"
#include "democatalog.h"
#include "demoguide.h"
#include "filesender.h"
#include "guide/gzip.h"
#include "httprange.h"
#include "livechannel.h"
#include "livehub.h"
#include "posterpainter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTcpSocket>
#include <QTimeZone>
#include <QUrlQuery>

namespace {

using Kind = DemoCatalog::Kind;
using Method = QHttpServerRequest::Method;

constexpr int kPlaylistWaitMs = 15000;
constexpr qint64 kShiftMaxMinutes = 4 * 60; // how long a "utc=" request plays at most
constexpr qsizetype kPosterCacheBytes = 64 * 1024 * 1024;

const QByteArray kJson = QByteArrayLiteral("application/json");
const QByteArray kText = QByteArrayLiteral("text/plain; charset=utf-8");

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 206:
        return "Partial Content";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 416:
        return "Range Not Satisfiable";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray garbagePage()
{
    return QByteArrayLiteral(
        "<!DOCTYPE html>\n<html><head><title>Service Unavailable</title></head>\n"
        "<body><h1>Service temporarily unavailable</h1>\n"
        "<p>The server is under maintenance. Please try again later.</p></body></html>\n");
}

bool isHead(const QHttpServerRequest& request)
{
    return request.method() == Method::Head;
}

QString queryValue(const QHttpServerRequest& request, const QString& key)
{
    return request.query().queryItemValue(key, QUrl::FullyDecoded);
}

// "123.ts" gives 123 and "ts"; false for anything else.
bool splitStreamName(const QString& name, qint64* id, QString* extension)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return false;
    bool ok = false;
    *id = name.left(dot).toLongLong(&ok);
    *extension = name.mid(dot + 1);
    return ok && *id > 0 && !extension->isEmpty();
}

Kind kindOfPath(const QString& text, bool* ok)
{
    *ok = true;
    if (text == u"live")
        return Kind::Live;
    if (text == u"movie")
        return Kind::Movie;
    *ok = text == u"series";
    return Kind::Series;
}

} // namespace

DemoServer::DemoServer(const DemoOptions& options, QObject* parent)
    : QAbstractHttpServer(parent)
    , options(options)
    , posters(kPosterCacheBytes)
{}

DemoServer::~DemoServer()
{
    delete live; // ends the ffmpeg processes before their folder goes
    live = nullptr;
    if (!runDir.isEmpty())
        QDir(runDir).removeRecursively();
}

bool DemoServer::start(QString* error)
{
    const quint16 port = listen(options.address, options.port);
    if (port == 0) {
        *error = QStringLiteral("cannot listen on %1:%2")
                     .arg(options.address.toString(), QString::number(options.port));
        return false;
    }
    base = options.baseUrl(port);
    runDir = options.dataDir + QStringLiteral("/live-%1").arg(QCoreApplication::applicationPid());
    if (!QDir().mkpath(runDir)) {
        *error = QStringLiteral("cannot create %1").arg(runDir);
        return false;
    }
    catalog = std::make_unique<DemoCatalog>(options.scale);
    if (options.largeGuide) {
        guide = std::make_unique<DemoGuide>(DemoGuide::large(Clock::epochSecs()));
    } else {
        QList<qint64> ids;
        for (const DemoCatalog::Entry& entry : catalog->entries(Kind::Live))
            ids.append(entry.id);
        guide = std::make_unique<DemoGuide>(ids, Clock::epochSecs(), 8);
    }
    renderer =
        std::make_unique<CatalogRenderer>(*catalog, base, options.username, options.password);
    renderer->setTimeZone(QTimeZone(options.timeZone.toUtf8()));

    LiveHub::Settings liveSettings;
    liveSettings.ffmpeg = options.ffmpeg;
    liveSettings.directory = runDir;
    liveSettings.idleMs = options.liveIdleMs;
    liveSettings.maxChannels = options.maxLive;
    live = new LiveHub(
        liveSettings,
        [this](qint64 id) {
            const DemoCatalog::Entry* e = catalog->find(Kind::Live, id);
            return e ? e->name : QString::number(id);
        },
        this);

    ClipStore::Settings clipSettings;
    clipSettings.ffmpeg = options.ffmpeg;
    clipSettings.directory = options.dataDir + QStringLiteral("/clips");
    clipSettings.secondsOverride = options.clipSeconds;
    clips = new ClipStore(clipSettings, this);
    return true;
}

bool DemoServer::admitLive(qint64 channel, bool hls, QTcpSocket* socket)
{
    if (options.maxConnections <= 0)
        return true;
    constexpr qint64 kHlsSessionMs = 12000;
    const qint64 now = Clock::monotonicMs();
    liveSockets.removeIf([](const QPointer<QTcpSocket>& s) {
        return !s || s->state() != QAbstractSocket::ConnectedState;
    });
    hlsReadAt.removeIf(
        [now](QHash<qint64, qint64>::iterator it) { return now - it.value() > kHlsSessionMs; });
    if (hls && hlsReadAt.contains(channel)) { // the same viewer reading the playlist again
        hlsReadAt[channel] = now;
        return true;
    }
    if (liveSockets.size() + hlsReadAt.size() >= options.maxConnections)
        return false;
    if (hls)
        hlsReadAt.insert(channel, now);
    else
        liveSockets.append(socket);
    return true;
}

bool DemoServer::credentialsMatch(const QString& user, const QString& password) const
{
    return user == options.username && password == options.password;
}

bool DemoServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const QString path = request.url().path(QUrl::FullyDecoded);
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    const QString first = parts.value(0);

    if (first == u"control") {
        serveControl(request, socket, parts.value(1));
        return true;
    }
    if (request.method() != Method::Get && request.method() != Method::Head) {
        send(socket, false, 405, kText, "Only GET and HEAD are served here.\n",
             {{"Allow", "GET, HEAD"}});
        return true;
    }
    if (parts.isEmpty()) {
        serveIndex(request, socket);
    } else if (path == u"/player_api.php") {
        serveApi(request, socket);
    } else if (path == u"/xmltv.php") {
        serveGuide(request, socket);
    } else if (path == u"/get.php") {
        servePlaylist(request, socket, true);
    } else if (path == u"/playlist.m3u" || path == u"/playlist.m3u8") {
        servePlaylist(request, socket, false);
    } else if (first == u"posters" && parts.size() == 3) {
        servePoster(request, socket, parts);
    } else if ((first == u"live" || first == u"movie" || first == u"series") && parts.size() >= 4) {
        serveStream(request, socket, parts);
    } else if (first == u"timeshift") {
        const QTimeZone zone(options.timeZone.toUtf8());
        if (options.archivePathForm)
            serveArchive(request, socket, ArchiveStream::fromPath(parts, zone));
        else
            notFound(request, socket);
    } else if (path == u"/streaming/timeshift.php") {
        serveArchive(request, socket,
                     ArchiveStream::fromQuery(QUrlQuery(request.url()),
                                              QTimeZone(options.timeZone.toUtf8())));
    } else if (first == u"hls" && parts.size() == 3) {
        serveSegment(request, socket, parts);
    } else {
        return false;
    }
    return true;
}

void DemoServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    notFound(request, socket);
}

void DemoServer::notFound(const QHttpServerRequest& request, QTcpSocket* socket)
{
    send(socket, isHead(request), 404, kText, "Not found.\n");
}

void DemoServer::sendHead(QTcpSocket* socket, int status, const Headers& headers)
{
    QByteArray head =
        QByteArrayLiteral("HTTP/1.1 ") + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    for (const auto& [name, value] : headers)
        head += name + ": " + value + "\r\n";
    head += "\r\n";
    socket->write(head);
}

void DemoServer::send(QTcpSocket* socket, bool headOnly, int status, const QByteArray& contentType,
                      const QByteArray& body, const Headers& extra)
{
    Headers headers = {{"Content-Type", contentType},
                       {"Content-Length", QByteArray::number(body.size())}};
    headers += extra;
    sendHead(socket, status, headers);
    if (!headOnly)
        socket->write(body);
}

void DemoServer::sendFile(QTcpSocket* socket, bool headOnly, const QByteArray& rangeHeader,
                          const QString& path, const QByteArray& contentType)
{
    const qint64 size = QFileInfo(path).size();
    const HttpRange range = HttpRange::parse(rangeHeader, size);
    Headers headers = {
        {"Content-Type", contentType}, {"Accept-Ranges", "bytes"}, {"Connection", "close"}};
    int status = 200;
    qint64 first = 0;
    qint64 length = size;
    switch (range.kind) {
    case HttpRange::Kind::Unsatisfiable:
        status = 416;
        length = 0;
        headers.append({"Content-Range", range.contentRange(size)});
        break;
    case HttpRange::Kind::Partial:
        status = 206;
        first = range.first;
        length = range.length();
        headers.append({"Content-Range", range.contentRange(size)});
        break;
    case HttpRange::Kind::Whole:
        break;
    }
    headers.append({"Content-Length", QByteArray::number(length)});
    sendHead(socket, status, headers);
    if (headOnly || length == 0 || !FileSender::start(socket, path, first, length))
        socket->disconnectFromHost();
}

void DemoServer::hold(QTcpSocket* socket, qint64 channel)
{
    held.append({channel, socket});
}

void DemoServer::releaseHeld(qint64 channel)
{
    QList<QPointer<QTcpSocket>> released;
    held.removeIf([&](const std::pair<qint64, QPointer<QTcpSocket>>& entry) {
        if (entry.second && entry.first != channel)
            return false;
        released.append(entry.second);
        return true;
    });
    for (const QPointer<QTcpSocket>& socket : released) {
        if (socket)
            socket->abort();
    }
}

void DemoServer::serveIndex(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const QString text =
        QStringLiteral("Velmora demo server\n\n"
                       "Xtream login:   %1  user %2  password %3\n"
                       "Player API:     %1/player_api.php?username=%2&password=%3\n"
                       "M3U playlist:   %1/playlist.m3u\n"
                       "Catalog:        %4 live channels, %5 movies, %6 series\n\n")
            .arg(base, options.username, options.password,
                 QString::number(catalog->entries(Kind::Live).size()),
                 QString::number(catalog->entries(Kind::Movie).size()),
                 QString::number(catalog->entries(Kind::Series).size())) +
        FaultControl::usage();
    send(socket, isHead(request), 200, kText, text.toUtf8());
}

bool DemoServer::applyApiFault(const QHttpServerRequest& request, QTcpSocket* socket)
{
    switch (faults.apiMode()) {
    case FaultControl::ApiMode::Normal:
        return false;
    case FaultControl::ApiMode::Stall:
        hold(socket, 0);
        return true;
    case FaultControl::ApiMode::Garbage:
        send(socket, isHead(request), 200, "text/html; charset=utf-8", garbagePage());
        return true;
    }
    return false;
}

void DemoServer::serveApi(const QHttpServerRequest& request, QTcpSocket* socket)
{
    if (applyApiFault(request, socket))
        return;
    const bool head = isHead(request);
    if (!credentialsMatch(queryValue(request, QStringLiteral("username")),
                          queryValue(request, QStringLiteral("password")))) {
        send(socket, head, 200, kJson, CatalogRenderer::loginRefused());
        return;
    }
    const QString action = queryValue(request, QStringLiteral("action"));
    const QString categoryId = queryValue(request, QStringLiteral("category_id"));
    QByteArray body;
    if (action.isEmpty())
        body = renderer->login(faults.accountStatus(), Clock::epochSecs(),
                               options.maxConnections > 0 ? options.maxConnections
                                                          : options.maxLive);
    else if (action == u"get_live_categories")
        body = renderer->categories(Kind::Live);
    else if (action == u"get_vod_categories")
        body = renderer->categories(Kind::Movie);
    else if (action == u"get_series_categories")
        body = renderer->categories(Kind::Series);
    else if (action == u"get_live_streams")
        body = renderer->streams(Kind::Live, categoryId);
    else if (action == u"get_vod_streams")
        body = renderer->streams(Kind::Movie, categoryId);
    else if (action == u"get_series")
        body = renderer->streams(Kind::Series, categoryId);
    else if (action == u"get_series_info")
        body = renderer->seriesInfo(queryValue(request, QStringLiteral("series_id")).toLongLong());
    else if (action == u"get_short_epg" || action == u"get_simple_data_table") {
        const qint64 id = queryValue(request, QStringLiteral("stream_id")).toLongLong();
        const int asked = queryValue(request, QStringLiteral("limit")).toInt();
        const int limit = action == u"get_short_epg" ? (asked > 0 ? asked : 4) : 0;
        body = catalog->find(Kind::Live, id) ? guide->epgJson(id, Clock::epochSecs(), limit)
                                             : QByteArrayLiteral("{\"epg_listings\":[]}");
    } else
        body = QByteArrayLiteral("[]"); // what real servers answer to actions they lack
    send(socket, head, 200, kJson, body);
}

void DemoServer::serveGuide(const QHttpServerRequest& request, QTcpSocket* socket)
{
    if (applyApiFault(request, socket))
        return;
    const bool head = isHead(request);
    if (!credentialsMatch(queryValue(request, QStringLiteral("username")),
                          queryValue(request, QStringLiteral("password")))) {
        send(socket, head, 401, kText, "Wrong user name or password.\n");
        return;
    }
    if (guidePlain.isEmpty())
        guidePlain = guide->xmltv();
    const QByteArray type = QByteArrayLiteral("application/xml");
    if (request.value("Accept-Encoding").contains("gzip")) {
        if (guideGzip.isEmpty())
            guideGzip = Gzip::compress(guidePlain);
        send(socket, head, 200, type, guideGzip, {{"Content-Encoding", "gzip"}});
        return;
    }
    send(socket, head, 200, type, guidePlain);
}

void DemoServer::servePlaylist(const QHttpServerRequest& request, QTcpSocket* socket,
                               bool checkLogin)
{
    if (applyApiFault(request, socket))
        return;
    const bool head = isHead(request);
    if (checkLogin && !credentialsMatch(queryValue(request, QStringLiteral("username")),
                                        queryValue(request, QStringLiteral("password")))) {
        send(socket, head, 401, kText, "Wrong user name or password.\n");
        return;
    }
    const QString output = queryValue(request, QStringLiteral("output"));
    QString extension = QStringLiteral("ts");
    if (output == u"m3u8" || output == u"hls")
        extension = QStringLiteral("m3u8");
    else if (!output.isEmpty() && output != u"ts" && output != u"mpegts") {
        send(socket, head, 400, kText, "output must be ts or m3u8.\n");
        return;
    }
    send(socket, head, 200, "audio/x-mpegurl; charset=utf-8", renderer->playlist(extension));
}

void DemoServer::servePoster(const QHttpServerRequest& request, QTcpSocket* socket,
                             const QStringList& parts)
{
    const bool head = isHead(request);
    bool kindOk = false;
    const Kind kind = kindOfPath(parts[1], &kindOk);
    qint64 id = 0;
    QString extension;
    const DemoCatalog::Entry* entry = nullptr;
    if (kindOk && splitStreamName(parts[2], &id, &extension) && extension == u"png")
        entry = catalog->find(kind, id);
    if (!entry) {
        notFound(request, socket);
        return;
    }
    if (faults.posterGarbage()) {
        send(socket, head, 200, "text/html; charset=utf-8", garbagePage());
        return;
    }
    const QString key = parts[1] + u'/' + QString::number(id);
    if (const QByteArray* cached = posters.object(key)) {
        send(socket, head, 200, "image/png", *cached, {{"Cache-Control", "max-age=86400"}});
        return;
    }
    QString caption = catalog->categoryName(kind, *entry);
    if (entry->year > 0)
        caption += QStringLiteral(" \u00B7 %1").arg(entry->year);
    const QSize size = kind == Kind::Live ? PosterPainter::kLogoSize : PosterPainter::kPosterSize;
    const QByteArray png =
        PosterPainter::png(entry->name, caption, DemoCatalog::seedOf(kind, id), size);
    posters.insert(key, new QByteArray(png), png.size());
    send(socket, head, 200, "image/png", png, {{"Cache-Control", "max-age=86400"}});
}

void DemoServer::serveStream(const QHttpServerRequest& request, QTcpSocket* socket,
                             const QStringList& parts)
{
    // /<kind>/<user>/<password>/<id>.<ext>; a password may itself hold "/".
    const QString user = parts[1];
    const QString password = parts.mid(2, parts.size() - 3).join(u'/');
    qint64 id = 0;
    QString extension;
    if (!splitStreamName(parts.last(), &id, &extension)) {
        notFound(request, socket);
        return;
    }
    if (!credentialsMatch(user, password)) {
        send(socket, isHead(request), 401, kText, "Wrong user name or password.\n");
        return;
    }
    const QUrlQuery query(request.url());
    if (parts[0] == u"live" && query.hasQueryItem(QStringLiteral("utc"))) {
        // The "shift" form of a playlist: the live address told where to start.
        ArchiveStream::Request archive;
        archive.username = user;
        archive.password = password;
        archive.channel = id; // MPEG-TS whatever the live address' extension
        archive.startUtc = query.queryItemValue(QStringLiteral("utc")).toLongLong();
        const qint64 toNow = Clock::epochSecs() - archive.startUtc;
        archive.minutes = int(std::clamp<qint64>(toNow / 60, 1, kShiftMaxMinutes));
        archive.valid = archive.channel > 0 && archive.startUtc > 0;
        serveArchive(request, socket, archive);
    } else if (parts[0] == u"live") {
        serveLive(request, socket, id, extension);
    } else {
        serveClip(request, socket, id, extension);
    }
}

void DemoServer::serveLive(const QHttpServerRequest& request, QTcpSocket* socket, qint64 id,
                           const QString& extension)
{
    const bool head = isHead(request);
    const bool hls = extension == u"m3u8";
    if (!catalog->find(Kind::Live, id) || (!hls && extension != u"ts")) {
        notFound(request, socket);
        return;
    }
    switch (faults.channelFault(id)) {
    case FaultControl::ChannelFault::Close:
        socket->disconnectFromHost();
        return;
    case FaultControl::ChannelFault::Stall:
        if (hls) {
            hold(socket, id);
            return;
        }
        break;
    case FaultControl::ChannelFault::None:
        break;
    }
    const QByteArray type = hls ? "application/vnd.apple.mpegurl" : "video/mp2t";
    if (head) {
        sendHead(socket, 200, {{"Content-Type", type}, {"Connection", "close"}});
        socket->disconnectFromHost();
        return;
    }
    if (!admitLive(id, hls, socket)) {
        send(socket, false, 403, kText, "Too many connections for this account.\n");
        return;
    }
    LiveChannel* channel = live->acquire(id);
    if (!channel) {
        send(socket, false, 503, kText, "Every live slot is in use; try again later.\n",
             {{"Retry-After", "5"}});
        return;
    }
    if (!hls) {
        sendHead(socket, 200,
                 {{"Content-Type", type}, {"Cache-Control", "no-cache"}, {"Connection", "close"}});
        channel->addViewer(socket);
        return;
    }
    channel->touch();
    channel->whenPlaylistReady(socket, kPlaylistWaitMs, [socket](const QByteArray& text) {
        if (text.isEmpty())
            send(socket, false, 503, kText, "The channel did not start in time.\n");
        else
            send(socket, false, 200, "application/vnd.apple.mpegurl", text,
                 {{"Cache-Control", "no-cache"}});
    });
}

void DemoServer::serveArchive(const QHttpServerRequest& request, QTcpSocket* socket,
                              const ArchiveStream::Request& archive)
{
    if (!archive.valid) {
        notFound(request, socket);
        return;
    }
    if (!credentialsMatch(archive.username, archive.password)) {
        send(socket, isHead(request), 401, kText, "Wrong user name or password.\n");
        return;
    }
    const qint64 now = Clock::epochSecs();
    const qint64 age = now - archive.startUtc;
    const int days = DemoCatalog::archiveDays(archive.channel);
    if (!catalog->find(Kind::Live, archive.channel) || days == 0 || age < 0 ||
        age > days * 24 * 3600) {
        send(socket, isHead(request), 404, kText, "No archive for that channel and time.\n");
        return;
    }
    // A dropped channel's archive fails like its live stream, either way of dropping it.
    if (faults.channelFault(archive.channel) != FaultControl::ChannelFault::None) {
        socket->disconnectFromHost();
        return;
    }
    // Tests read the start the server understood from here as well as from the picture.
    sendHead(socket, 200,
             {{"Content-Type", "video/mp2t"},
              {"Connection", "close"},
              {"X-Archive-Start", QByteArray::number(archive.startUtc)}});
    if (isHead(request)) {
        socket->disconnectFromHost();
        return;
    }
    new ArchiveStream(options.ffmpeg, archive.channel, archive.startUtc, archive.minutes * 60,
                      socket);
    archiveViewers.removeIf([](const auto& viewer) { return viewer.second.isNull(); });
    archiveViewers.append({archive.channel, socket});
}

void DemoServer::serveSegment(const QHttpServerRequest& request, QTcpSocket* socket,
                              const QStringList& parts)
{
    const qint64 id = parts[1].toLongLong();
    LiveChannel* channel = live->running(id);
    const QString path = channel ? channel->segmentPath(parts[2]) : QString();
    switch (faults.channelFault(id)) {
    case FaultControl::ChannelFault::Close:
        socket->disconnectFromHost();
        return;
    case FaultControl::ChannelFault::Stall:
        hold(socket, id);
        return;
    case FaultControl::ChannelFault::None:
        break;
    }
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        notFound(request, socket);
        return;
    }
    channel->touch();
    send(socket, isHead(request), 200, "video/mp2t", file.readAll());
}

void DemoServer::serveClip(const QHttpServerRequest& request, QTcpSocket* socket, qint64 id,
                           const QString& extension)
{
    const bool known = request.url().path().startsWith(u"/movie/")
                           ? catalog->find(Kind::Movie, id) != nullptr
                           : catalog->findEpisode(id).has_value();
    if (!known || !ClipStore::supportsExtension(extension)) {
        notFound(request, socket);
        return;
    }
    // The request object is reused for the connection's next request: keep what is needed.
    const bool head = isHead(request);
    const QByteArray range = request.value("Range");
    const QByteArray type = ClipStore::contentType(extension);
    clips->fetch(ClipStore::variantFor(id), extension, socket,
                 [socket, head, range, type](const QString& path) {
                     if (path.isEmpty()) {
                         send(socket, head, 500, kText, "The clip could not be made.\n",
                              {{"Connection", "close"}});
                         socket->disconnectFromHost();
                         return;
                     }
                     sendFile(socket, head, range, path, type);
                 });
}

void DemoServer::serveControl(const QHttpServerRequest& request, QTcpSocket* socket,
                              const QString& action)
{
    const QHash<qint64, FaultControl::ChannelFault> before = faults.droppedChannels();
    const FaultControl::ApiMode apiBefore = faults.apiMode();
    QString error;
    if (!faults.apply(action, request.query(), &error)) {
        const QJsonObject answer{{QStringLiteral("error"), error},
                                 {QStringLiteral("usage"), FaultControl::usage()}};
        send(socket, false, 400, kJson, QJsonDocument(answer).toJson(QJsonDocument::Compact));
        return;
    }

    QSet<qint64> changed;
    for (auto it = before.constBegin(); it != before.constEnd(); ++it)
        changed.insert(it.key());
    for (auto it = faults.droppedChannels().constBegin(); it != faults.droppedChannels().constEnd();
         ++it)
        changed.insert(it.key());
    for (qint64 id : std::as_const(changed)) {
        const FaultControl::ChannelFault now = faults.channelFault(id);
        live->setFault(id, now);
        if (now != FaultControl::ChannelFault::None) {
            for (const auto& [channel, viewer] : std::as_const(archiveViewers)) {
                if (channel == id && viewer)
                    viewer->abort();
            }
        }
        if (before.value(id) == FaultControl::ChannelFault::Stall &&
            now != FaultControl::ChannelFault::Stall)
            releaseHeld(id);
    }
    if (apiBefore == FaultControl::ApiMode::Stall &&
        faults.apiMode() != FaultControl::ApiMode::Stall)
        releaseHeld(0);

    QJsonObject state = faults.describe();
    state.insert(QStringLiteral("live"), live->describe());
    send(socket, isHead(request), 200, kJson, QJsonDocument(state).toJson(QJsonDocument::Compact));
}
