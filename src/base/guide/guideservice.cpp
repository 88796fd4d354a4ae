#include "guide/guideservice.h"

#include "app/clock.h"
#include "app/httprequests.h"
#include "app/logmasking.h"
#include "guide/xtreamepg.h"
#include "providers/xtreamclient.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kFallbackTimeoutMs = 30000;

GuideNowNext nowNextIn(const QList<GuideProgramme>& list, qint64 now)
{
    GuideNowNext result;
    const auto after =
        std::upper_bound(list.cbegin(), list.cend(), now,
                         [](qint64 t, const GuideProgramme& p) { return t < p.start; });
    // The last to begin of those running: one that holds a shorter one shows again after it.
    for (auto it = after; it != list.cbegin(); --it) {
        if ((it - 1)->stop > now) {
            result.now = *(it - 1);
            result.hasNow = true;
            break;
        }
    }
    if (after != list.cend()) {
        result.next = *after;
        result.hasNext = true;
    }
    return result;
}

void shiftAll(QList<GuideProgramme>& list, qint64 secs)
{
    if (secs == 0)
        return;
    for (GuideProgramme& p : list) {
        p.start += secs;
        p.stop += secs;
    }
}

GuideNowNext shifted(GuideNowNext result, qint64 secs)
{
    result.now.start += secs;
    result.now.stop += secs;
    result.next.start += secs;
    result.next.stop += secs;
    return result;
}
} // namespace

GuideService::GuideService(QObject* parent)
    : QObject(parent)
    , importer(new GuideImporter(this))
    , network(new QNetworkAccessManager(this))
    , tick(new QTimer(this))
{
    tick->setSingleShot(true);
    connect(tick, &QTimer::timeout, this, [this]() {
        emit nowMoved();
        scheduleTick();
    });
}

GuideService::~GuideService()
{
    // The reader posts its result to this object: it must be done before this object is.
    if (searchCancel)
        searchCancel->store(true);
    for (const QPointer<QThread>& reader : std::as_const(readers)) {
        if (reader)
            reader->wait();
    }
}

void GuideService::inBackground(std::function<std::function<void()>()> work) const
{
    auto* self = const_cast<GuideService*>(this);
    readers.removeAll(QPointer<QThread>());
    QThread* thread = QThread::create([self, work = std::move(work)]() {
        QMetaObject::invokeMethod(self, work(), Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    readers.append(thread);
    thread->start(QThread::LowPriority);
}

QString GuideService::storePath(const QString& sourceName)
{
    QString safe;
    for (const QChar c : sourceName)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' ? c : QChar(u'_');
    const QByteArray hash =
        QCryptographicHash::hash(sourceName.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/guide");
    QDir().mkpath(folder);
    return folder + u'/' + safe.left(60) + u'-' + QString::fromLatin1(hash) + u".sqlite";
}

void GuideService::setImportLimits(qint64 bytes, int inactivityTimeoutMs)
{
    maxBytes = bytes;
    inactivityMs = inactivityTimeoutMs;
}

void GuideService::setSource(const SourceConfig& source)
{
    importer->cancel();
    ++generation;
    config = source;
    channels.clear();
    channelById.clear();
    fromServer.clear();
    setStatus(QString());
    loadAnswers();
    openStore();
}

void GuideService::loadAnswers()
{
    answers.close();
    if (config.name.isEmpty() || config.type != SourceConfig::Xtream ||
        !answers.open(GuideAnswers::pathFor(storePath(config.storageKey()))))
        return;
    const qint64 offset = offsetSecs();
    fromServer = answers.load(Clock::epochSecs() - 31 * 86400);
    for (QList<GuideProgramme>& list : fromServer) {
        for (GuideProgramme& p : list) {
            p.start += offset;
            p.stop += offset;
        }
    }
}

void GuideService::openStore()
{
    if (searchCancel)
        searchCancel->store(true);
    searchCancel.reset();
    searchIndex.reset();
    nowTable.reset();
    nowReading = false;
    ++storeGeneration;
    store.close();
    index = GuideMatch::Index();
    if (!config.name.isEmpty())
        store.open(storePath(config.storageKey()));
    index.build(store.channels());
    rematch();
}

void GuideService::setShifts(const QHash<QString, int>& minutesById)
{
    QHash<QString, qint64> secs;
    qint64 reach = 0;
    for (auto it = minutesById.cbegin(); it != minutesById.cend(); ++it) {
        if (*it == 0)
            continue;
        secs.insert(it.key(), qint64(*it) * 60);
        reach = std::max(reach, qint64(std::abs(*it)) * 60);
    }
    if (secs == shifts)
        return;
    shifts = secs;
    shiftReach = reach;
    emit guideChanged();
}

qint64 GuideService::shiftSecs(const MediaItem& item) const
{
    return shifts.isEmpty() ? 0 : shifts.value(item.id.isEmpty() ? item.streamUrl : item.id);
}

void GuideService::setChannels(const QList<MediaItem>& list)
{
    channels = list;
    rematch();
}

void GuideService::rematch()
{
    channelById.clear();
    itemOfChannel.clear();
    const bool byName = config.type != SourceConfig::Xtream;
    if (!index.isEmpty()) {
        channelById.reserve(channels.size());
        for (const MediaItem& item : std::as_const(channels)) {
            const int number = index.find(item, byName);
            if (number >= 0)
                channelById.insert(item.id, number);
        }
    }
    emit guideChanged();
    scheduleTick();
}

qint64 GuideService::offsetSecs() const
{
    return qint64(std::clamp(config.guideOffsetHours, -12, 12)) * 3600;
}

qint64 GuideService::keepFrom(qint64 now) const
{
    int archiveDays = 1;
    for (const MediaItem& item : channels)
        archiveDays = std::max(archiveDays, item.archiveDays);
    return now - qint64(std::min(archiveDays, 31)) * 86400;
}

QList<QUrl> GuideService::guideUrls() const
{
    QStringList texts;
    if (!config.guideUrl.trimmed().isEmpty()) {
        texts = config.guideUrl.split(u',', Qt::SkipEmptyParts);
    } else if (config.type == SourceConfig::Xtream) {
        QUrl url =
            XtreamClient::requestUrl(config.url.endsWith(u'/') ? config.url.chopped(1) : config.url,
                                     config.username, config.password, QString(), QString());
        url.setPath(
            url.path().replace(QStringLiteral("player_api.php"), QStringLiteral("xmltv.php")));
        return {url};
    } else {
        texts = config.offeredGuideUrls.split(u',', Qt::SkipEmptyParts);
    }
    QList<QUrl> urls;
    for (const QString& text : texts) {
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty())
            urls.append(trimmed.startsWith(u'/') ? QUrl::fromLocalFile(trimmed)
                                                 : QUrl(trimmed, QUrl::TolerantMode));
    }
    return urls;
}

void GuideService::refresh(bool force)
{
    if (config.name.isEmpty() || config.type == SourceConfig::SubscriptionKey)
        return;
    const qint64 now = Clock::epochSecs();
    if (!force && store.isOpen() && now - store.importedAt() < kMaxAgeSecs)
        return;
    const QList<QUrl> urls = guideUrls();
    if (urls.isEmpty() || channels.isEmpty())
        return;

    GuideImporter::Request request;
    request.storePath = storePath(config.storageKey());
    request.urls = urls;
    request.wanted = GuideMatch::wanted(channels, config.type != SourceConfig::Xtream);
    request.offsetSecs = offsetSecs();
    request.keepFrom = keepFrom(now);
    request.keepUntil = now + kDaysAhead * 86400;
    request.maxBytes = maxBytes;
    request.inactivityTimeoutMs = inactivityMs;
    request.meta = {{QStringLiteral("importedAt"), QString::number(now)}};
    const quint64 started = generation;
    auto updating = [this](int percent) {
        setStatus(tr("Updating guide... %1%").arg(QLocale().toString(percent)));
    };
    updating(0);
    importer->start(
        request,
        [this, started, updating](int percent) {
            if (started == generation)
                updating(percent);
        },
        [this, started](const GuideImporter::Result& result) {
            if (started != generation || result.cancelled)
                return;
            // The reasons may quote the guide's address: never with the password.
            const QString why = maskStreamUrlsIn(result.message);
            if (!result.ok) {
                setStatus(tr("Guide not updated: %1").arg(why));
                return;
            }
            setStatus(why.isEmpty() ? QString() : tr("Guide partly updated: %1").arg(why));
            openStore();
        });
}

bool GuideService::isImporting() const
{
    return importer->isRunning();
}

void GuideService::setStatus(const QString& text)
{
    if (status == text)
        return;
    status = text;
    emit statusChanged(status);
}

int GuideService::channelOf(const MediaItem& item) const
{
    return channelById.value(item.id, -1);
}

bool GuideService::hasGuide(const MediaItem& item) const
{
    return channelOf(item) >= 0 || fromServer.contains(item.id);
}

GuideNowNext GuideService::nowNext(const MediaItem& item) const
{
    const qint64 now = Clock::epochSecs();
    const qint64 shift = shiftSecs(item);
    const qint64 guideNow = now - shift; // the moment in the guide's own times
    const int number = channelOf(item);
    if (number < 0) {
        const auto answered = fromServer.constFind(item.id);
        return answered == fromServer.cend() ? GuideNowNext()
                                             : shifted(nowNextIn(*answered, guideNow), shift);
    }
    // Read again halfway through the window, so the next one is in before this one ends.
    if (!nowTable || now >= nowTable->start() + nowTableReach + kNowWindowSecs / 2 ||
        !nowTable->covers(guideNow))
        readNowTable(now);
    return nowTable && nowTable->covers(guideNow) ? shifted(nowTable->at(number, guideNow), shift)
                                                  : GuideNowNext();
}

void GuideService::readNowTable(qint64 now) const
{
    if (nowReading || !store.isOpen())
        return;
    nowReading = true;
    const QString path = storePath(config.storageKey());
    const quint64 asked = storeGeneration;
    const qint64 reach = shiftReach; // shifted channels look that far around now
    auto* self = const_cast<GuideService*>(this);
    inBackground([self, path, now, asked, reach]() -> std::function<void()> {
        std::shared_ptr<const GuideNowTable> table =
            GuideNowTable::read(path, now - reach, now + kNowWindowSecs + reach);
        return [self, table, asked, reach]() {
            // A file that cannot be read is not read again until the store is reopened.
            if (asked != self->storeGeneration || !table)
                return;
            self->nowReading = false;
            self->nowTable = table;
            self->nowTableReach = reach;
            emit self->nowMoved();
        };
    });
}

GuideNowNext GuideService::nowAndNext(const MediaItem& item) const
{
    GuideNowNext result = nowNext(item);
    const int number = channelOf(item);
    if (number >= 0 && !result.hasNext) {
        const qint64 shift = shiftSecs(item);
        const qint64 after = result.hasNow ? result.now.start : Clock::epochSecs();
        if (std::optional<GuideProgramme> next = store.nextAfter(number, after - shift)) {
            next->start += shift;
            next->stop += shift;
            result.next = *next;
            result.hasNext = true;
        }
    }
    return result;
}

void GuideService::scheduleTick()
{
    // Repaint once a minute: progress bars move, programmes end.
    tick->start(60 * 1000);
}

void GuideService::programmes(const MediaItem& item, QObject* context, ProgrammesCallback done)
{
    const qint64 now = Clock::epochSecs();
    const int number = channelOf(item);
    const qint64 from = now - qint64(std::max(1, item.archiveDays)) * 86400;
    const qint64 to = now + 7 * 86400;
    const qint64 shift = shiftSecs(item);
    QList<GuideProgramme> list;
    if (number >= 0)
        list = store.programmes(number, from - shift, to - shift);
    else if (const auto kept = fromServer.constFind(item.id);
             kept != fromServer.cend() && (kept->isEmpty() || kept->constLast().stop > now))
        list = *kept;
    else if (config.type == SourceConfig::Xtream && item.type == MediaItem::Live) {
        fetchFromServer(item, context, std::move(done));
        return;
    }
    shiftAll(list, shift);
    QTimer::singleShot(0, context, [list, done = std::move(done)]() { done(list); });
}

void GuideService::fetchFromServer(const MediaItem& item, QObject* context, ProgrammesCallback done)
{
    const QString base = config.url.endsWith(u'/') ? config.url.chopped(1) : config.url;
    const QString streamId = item.id;
    const quint64 asked = generation;
    const qint64 offset = offsetSecs();
    auto finish = [this, streamId, asked, offset, context = QPointer<QObject>(context),
                   done](QList<GuideProgramme> list) {
        if (asked == generation && !list.isEmpty())
            answers.save(streamId, list);
        for (GuideProgramme& p : list) {
            p.start += offset;
            p.stop += offset;
        }
        if (asked == generation) {
            fromServer.insert(streamId, list);
            emit guideChanged();
        }
        shiftAll(list, shifts.value(streamId));
        if (context)
            done(list);
    };
    auto ask = [this, base, streamId](const QString& action, auto next) {
        HttpRequests::Options options;
        options.inactivityTimeoutMs = kFallbackTimeoutMs;
        options.followAllRedirects = true;
        options.maxBodyBytes = 16LL * 1024 * 1024;
        const QString extra = action == u"get_short_epg" ? QStringLiteral("limit=50") : QString();
        QUrl url = XtreamClient::requestUrl(base, config.username, config.password, action,
                                            QStringLiteral("stream_id=") + streamId);
        if (!extra.isEmpty())
            url.setQuery(url.query(QUrl::FullyEncoded) + u'&' + extra, QUrl::StrictMode);
        HttpRequests::get(network, url, options, this, [next](QNetworkReply* reply) {
            next(reply->error() == QNetworkReply::NoError ? XtreamEpg::parse(reply->readAll())
                                                          : QList<GuideProgramme>());
        });
    };
    ask(QStringLiteral("get_simple_data_table"), [ask, finish](const QList<GuideProgramme>& table) {
        if (!table.isEmpty()) {
            finish(table);
            return;
        }
        ask(QStringLiteral("get_short_epg"),
            [finish](const QList<GuideProgramme>& shortList) { finish(shortList); });
    });
}
