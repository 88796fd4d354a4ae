#include "ui/posterloader.h"

#include "app/httprequests.h"
#include "ui/thumbnailpaths.h"

#include <QMetaObject>
#include <QNetworkReply>
#include <QUrl>

#include <algorithm>

PosterLoader::PosterLoader(QNetworkAccessManager* manager, const Settings& settings,
                           QObject* parent)
    : QObject(parent)
    , manager(manager)
    , settings(settings)
{}

// Downloads still running are aborted with their context (this), without telling anyone.
PosterLoader::~PosterLoader() = default;

QPixmap PosterLoader::cached(const QString& url)
{
    if (url.isEmpty())
        return {};
    if (const auto held = memory.find(url); held != memory.end()) {
        recentFirst.splice(recentFirst.begin(), recentFirst, held->recent);
        return held->poster;
    }
    QPixmap fromDisk;
    if (!fromDisk.load(thumbnailCachePath(url)))
        return {};
    return remember(url, fit(fromDisk));
}

void PosterLoader::download(const QString& url, int group, int tag, int priority, Completion done)
{
    if (url.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [done = std::move(done)] { done(Outcome::Failed, QPixmap()); },
            Qt::QueuedConnection);
        return;
    }
    queue.push_back(Request{url, group, tag, priority, nextOrder++, std::move(done)});
    // Started from the event loop, so a caller asking for a screenful at once has its whole
    // screenful ranked before the first slot is given out.
    if (!startPending) {
        startPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                startPending = false;
                startDownloads();
            },
            Qt::QueuedConnection);
    }
}

void PosterLoader::rerank(int group, const std::function<std::optional<int>(int tag)>& rank)
{
    std::vector<Completion> dropped;
    for (auto it = queue.begin(); it != queue.end();) {
        if (it->group != group) {
            ++it;
            continue;
        }
        if (const std::optional<int> priority = rank(it->tag)) {
            it->priority = *priority;
            ++it;
        } else {
            dropped.push_back(std::move(it->done));
            it = queue.erase(it);
        }
    }
    for (const Completion& done : dropped)
        done(Outcome::Dropped, QPixmap());
}

QPixmap PosterLoader::fit(const QPixmap& decoded) const
{
    if (settings.fitSize.isEmpty())
        return decoded;
    const QSize target = settings.fitSize * settings.pixelRatio;
    if (decoded.width() <= target.width() && decoded.height() <= target.height())
        return decoded;
    QPixmap scaled = decoded.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(settings.pixelRatio);
    return scaled;
}

QPixmap PosterLoader::remember(const QString& url, const QPixmap& poster)
{
    if (const auto old = memory.find(url); old != memory.end()) {
        heldBytes -= old->bytes;
        recentFirst.erase(old->recent);
        memory.erase(old);
    }
    const qint64 bytes = qint64(poster.width()) * poster.height() * poster.depth() / 8;
    recentFirst.push_front(url);
    memory.insert(url, Held{poster, bytes, recentFirst.begin()});
    heldBytes += bytes;
    while (heldBytes > settings.memoryBudgetBytes && !recentFirst.empty()) {
        const auto evicted = memory.find(recentFirst.back());
        heldBytes -= evicted->bytes;
        memory.erase(evicted);
        recentFirst.pop_back();
    }
    return poster;
}

void PosterLoader::startDownloads()
{
    while (downloads.size() < settings.maxDownloads && !queue.empty()) {
        const auto next =
            std::min_element(queue.begin(), queue.end(), [](const Request& a, const Request& b) {
                return a.priority != b.priority ? a.priority < b.priority : a.order < b.order;
            });
        Request request = std::move(*next);
        queue.erase(next);
        HttpRequests::Options options;
        options.inactivityTimeoutMs = settings.inactivityTimeoutMs;
        options.maxBodyBytes = settings.maxBodyBytes;
        QNetworkReply* reply =
            HttpRequests::get(manager, QUrl(request.url, QUrl::TolerantMode), options, this,
                              [this](QNetworkReply* finishedReply) { finished(finishedReply); });
        downloads.insert(reply, std::move(request));
    }
}

void PosterLoader::finished(QNetworkReply* reply)
{
    const auto found = downloads.find(reply);
    if (found == downloads.end())
        return; // answered by another download of the same poster and aborted
    const Request request = std::move(*found);
    downloads.erase(found);

    QPixmap decoded;
    QByteArray body;
    const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (reply->error() == QNetworkReply::NoError &&
        (type.isEmpty() || type.startsWith(QStringLiteral("image/"), Qt::CaseInsensitive))) {
        body = reply->readAll();
        decoded.loadFromData(body);
    }
    if (decoded.isNull()) {
        request.done(Outcome::Failed, QPixmap());
        startDownloads();
        return;
    }

    storeThumbnailFile(request.url, body); // a failed write only costs a download next run
    const QPixmap poster = remember(request.url, fit(decoded));

    // Every other request for this poster, queued or on its way, is answered now.
    std::vector<Completion> answered;
    for (auto it = queue.begin(); it != queue.end();) {
        if (it->url == request.url) {
            answered.push_back(std::move(it->done));
            it = queue.erase(it);
        } else {
            ++it;
        }
    }
    QList<QNetworkReply*> duplicates;
    for (auto it = downloads.begin(); it != downloads.end();) {
        if (it->url == request.url) {
            answered.push_back(std::move(it->done));
            duplicates.append(it.key());
            it = downloads.erase(it);
        } else {
            ++it;
        }
    }
    for (QNetworkReply* duplicate : duplicates)
        duplicate->abort();

    request.done(Outcome::Loaded, poster);
    for (const Completion& done : answered)
        done(Outcome::Loaded, poster);
    startDownloads();
}
