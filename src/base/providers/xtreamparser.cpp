#include "providers/xtreamparser.h"

#include "providers/fastjson.h"
#include "providers/jsonscanner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
using Type = FastJson::Type;
using Value = JsonScanner::Value;

// Runs the fast reading when simdjson takes the text, else Qt's reading of Qt's parse. A reading
// clears `fits` when the answer holds more than kMaxRecords records.
template <typename Fast, typename Reference>
auto readBody(const QByteArray& body, bool* ok, JsonPath path, Fast fast, Reference reference)
{
    bool parsed = false;
    bool fits = true;
    decltype(reference(QJsonDocument(), fits)) list;
    FastJson json;
    if (path == JsonPath::Fast && json.parse(body)) {
        parsed = true;
        list = fast(json.root(), fits);
    } else {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(body, &error);
        parsed = error.error == QJsonParseError::NoError;
        list = reference(document, fits);
    }
    if (!fits)
        list.clear();
    if (ok)
        *ok = parsed && fits;
    return list;
}

// The scanner's reading first: it builds records as it reads, without simdjson's document.
template <typename Scan, typename Fast, typename Reference>
auto readScanned(const QByteArray& body, bool* ok, JsonPath path, Scan scan, Fast fast,
                 Reference reference)
{
    if (path == JsonPath::Fast) {
        JsonScanner scanner(body.constData(), body.size());
        auto list = scan(scanner);
        if (scanner.finish()) {
            if (ok)
                *ok = true;
            return list;
        }
    }
    return readBody(body, ok, path, fast, reference);
}

// A long list is given room for the records its first element promises, in huge pages where the
// system has them: in a fresh process most of a parse's time otherwise goes to faulting in the
// list's memory 4 KiB at a time. Only what records fill is ever touched.
template <typename Record>
void reserveFor(QList<Record>& list, qsizetype firstElementBytes, qsizetype bytesLeft)
{
    constexpr qsizetype kWorthIt = 4096; // records; fewer take a few pages at most
    if (firstElementBytes <= 0 || bytesLeft / firstElementBytes < kWorthIt)
        return;
    list.reserve(std::min(bytesLeft / firstElementBytes + 64, XtreamParser::kMaxRecords / 4));
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto begin = reinterpret_cast<std::uintptr_t>(list.data());
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last =
        (begin + std::uintptr_t(list.capacity()) * sizeof(Record)) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE); // a hint only
#endif
}

bool fitsLimit(qsizetype count, bool& fits)
{
    fits = count <= XtreamParser::kMaxRecords;
    return fits;
}

// Records are built while the text is read. Past a quarter of kMaxRecords the text goes to
// simdjson's document, which counts the elements before building any: a body of millions of
// tiny elements fails there without first building two million records.
template <typename Record, std::size_t N, typename Build>
QList<Record> scanList(JsonScanner& scanner, const std::array<std::string_view, N>& keys,
                       Build build)
{
    QList<Record> list;
    const char top = scanner.peek();
    if (top != '[') {
        // An object is valid JSON without records; anything else only Qt can judge.
        if (top == '{')
            scanner.skip();
        else
            scanner.decline();
        return list;
    }
    scanner.enterArray();
    std::array<Value, N> fields;
    JsonScanner::SharedTexts shared;
    while (scanner.nextElement()) {
        if (list.size() == XtreamParser::kMaxRecords / 4)
            scanner.decline();
        const qsizetype left = scanner.bytesLeft();
        scanner.pick(keys, fields);
        if (list.isEmpty())
            reserveFor(list, left - scanner.bytesLeft(), scanner.bytesLeft());
        build(list.emplaceBack(), fields, shared); // in place: no record to move and destroy
    }
    return list;
}

template <typename Record, typename Build>
QList<Record> fastList(FastJson::Element root, bool& fits, Build build)
{
    QList<Record> list;
    if (root.type() != Type::Array)
        return list;
    const qsizetype size = FastJson::arraySize(root);
    if (!fitsLimit(size, fits))
        return list;
    list.reserve(size);
    FastJson::forEachElement(root, [&](FastJson::Element element) { list.append(build(element)); });
    return list;
}

template <typename Record, typename Build>
QList<Record> referenceList(const QJsonDocument& document, bool& fits, Build build)
{
    QList<Record> list;
    const QJsonArray array = document.array();
    if (!fitsLimit(array.size(), fits))
        return list;
    list.reserve(array.size());
    for (const QJsonValue& element : array)
        list.append(build(element.toObject()));
    return list;
}

QString idText(qint64 id)
{
    return QString::number(id);
}

constexpr std::array<std::string_view, 2> kCategoryKeys = {"category_id", "category_name"};
constexpr std::array<std::string_view, 7> kLiveKeys = {
    "stream_id",           "name",          "category_id", "stream_icon", "tv_archive",
    "tv_archive_duration", "epg_channel_id"};
constexpr std::array<std::string_view, 7> kVodKeys = {
    "stream_id", "name", "category_id", "stream_icon", "container_extension", "rating", "added"};
constexpr std::array<std::string_view, 6> kSeriesKeys = {"series_id", "name",   "category_id",
                                                         "cover",     "rating", "last_modified"};
constexpr std::array<std::string_view, 4> kEpisodeKeys = {"id", "episode_num", "title",
                                                          "container_extension"};

QLatin1StringView key(std::string_view name)
{
    return QLatin1StringView(name.data(), qsizetype(name.size()));
}

// "tv_archive" 1 (number or text) keeps "tv_archive_duration" days; a flag without a length
// still means at least the day just past.
int archiveDays(qint64 flag, qint64 days)
{
    if (flag != 1)
        return 0;
    return int(std::clamp<qint64>(days, 1, 365));
}
} // namespace

QList<Category> XtreamParser::categories(const QByteArray& body, bool* ok, JsonPath path)
{
    return readScanned(
        body, ok, path,
        [](JsonScanner& scanner) {
            return scanList<Category>(
                scanner, kCategoryKeys,
                [](Category& category, const auto& f, JsonScanner::SharedTexts&) {
                    category.id = JsonScanner::text(f[0]);
                    category.name = JsonScanner::text(f[1]);
                });
        },
        [](FastJson::Element root, bool& fits) {
            return fastList<Category>(root, fits, [](FastJson::Element element) {
                const auto f = FastJson::pick(element, kCategoryKeys);
                return Category{f.text(0), f.text(1)};
            });
        },
        [](const QJsonDocument& document, bool& fits) {
            return referenceList<Category>(document, fits, [](const QJsonObject& o) {
                return Category{JsonReadings::text(o.value(key(kCategoryKeys[0]))),
                                JsonReadings::text(o.value(key(kCategoryKeys[1])))};
            });
        });
}

QList<MediaItem> XtreamParser::liveStreams(const QByteArray& body, bool* ok, JsonPath path)
{
    return readScanned(
        body, ok, path,
        [](JsonScanner& scanner) {
            return scanList<MediaItem>(
                scanner, kLiveKeys,
                [](MediaItem& item, const auto& f, JsonScanner::SharedTexts& shared) {
                    item.type = MediaItem::Live;
                    item.id = idText(JsonScanner::integer(f[0]));
                    item.name = JsonScanner::text(f[1]);
                    item.categoryId = shared.text(f[2]);
                    item.iconUrl = JsonScanner::text(f[3]);
                    item.archiveDays =
                        archiveDays(JsonScanner::integer(f[4]), JsonScanner::integer(f[5]));
                    item.guideId = JsonScanner::text(f[6]);
                });
        },
        [](FastJson::Element root, bool& fits) {
            return fastList<MediaItem>(root, fits, [](FastJson::Element element) {
                const auto f = FastJson::pick(element, kLiveKeys);
                MediaItem item;
                item.type = MediaItem::Live;
                item.id = idText(f.integer(0));
                item.name = f.text(1);
                item.categoryId = f.text(2);
                item.iconUrl = f.text(3);
                item.archiveDays = archiveDays(f.integer(4), f.integer(5));
                item.guideId = f.text(6);
                return item;
            });
        },
        [](const QJsonDocument& document, bool& fits) {
            return referenceList<MediaItem>(document, fits, [](const QJsonObject& o) {
                MediaItem item;
                item.type = MediaItem::Live;
                item.id = idText(JsonReadings::integer(o.value(key(kLiveKeys[0]))));
                item.name = JsonReadings::text(o.value(key(kLiveKeys[1])));
                item.categoryId = JsonReadings::text(o.value(key(kLiveKeys[2])));
                item.iconUrl = JsonReadings::text(o.value(key(kLiveKeys[3])));
                item.archiveDays = archiveDays(JsonReadings::integer(o.value(key(kLiveKeys[4]))),
                                               JsonReadings::integer(o.value(key(kLiveKeys[5]))));
                item.guideId = JsonReadings::text(o.value(key(kLiveKeys[6])));
                return item;
            });
        });
}

QList<MediaItem> XtreamParser::vodStreams(const QByteArray& body, bool* ok, JsonPath path)
{
    return readScanned(
        body, ok, path,
        [](JsonScanner& scanner) {
            return scanList<MediaItem>(
                scanner, kVodKeys,
                [](MediaItem& item, const auto& f, JsonScanner::SharedTexts& shared) {
                    item.type = MediaItem::Movie;
                    item.id = idText(JsonScanner::integer(f[0]));
                    item.name = JsonScanner::text(f[1]);
                    item.categoryId = shared.text(f[2]);
                    item.iconUrl = JsonScanner::text(f[3]);
                    item.containerExtension = shared.text(f[4]);
                    item.rating = JsonScanner::decimal(f[5]);
                    item.addedAt = JsonScanner::integer(f[6]);
                });
        },
        [](FastJson::Element root, bool& fits) {
            return fastList<MediaItem>(root, fits, [](FastJson::Element element) {
                const auto f = FastJson::pick(element, kVodKeys);
                MediaItem item;
                item.type = MediaItem::Movie;
                item.id = idText(f.integer(0));
                item.name = f.text(1);
                item.categoryId = f.text(2);
                item.iconUrl = f.text(3);
                item.containerExtension = f.text(4);
                item.rating = f.decimal(5);
                item.addedAt = f.integer(6);
                return item;
            });
        },
        [](const QJsonDocument& document, bool& fits) {
            return referenceList<MediaItem>(document, fits, [](const QJsonObject& o) {
                MediaItem item;
                item.type = MediaItem::Movie;
                item.id = idText(JsonReadings::integer(o.value(key(kVodKeys[0]))));
                item.name = JsonReadings::text(o.value(key(kVodKeys[1])));
                item.categoryId = JsonReadings::text(o.value(key(kVodKeys[2])));
                item.iconUrl = JsonReadings::text(o.value(key(kVodKeys[3])));
                item.containerExtension = JsonReadings::text(o.value(key(kVodKeys[4])));
                item.rating = JsonReadings::decimal(o.value(key(kVodKeys[5])));
                item.addedAt = JsonReadings::integer(o.value(key(kVodKeys[6])));
                return item;
            });
        });
}

QList<MediaItem> XtreamParser::series(const QByteArray& body, bool* ok, JsonPath path)
{
    return readScanned(
        body, ok, path,
        [](JsonScanner& scanner) {
            return scanList<MediaItem>(
                scanner, kSeriesKeys,
                [](MediaItem& item, const auto& f, JsonScanner::SharedTexts& shared) {
                    item.type = MediaItem::Series;
                    item.id = idText(JsonScanner::integer(f[0]));
                    item.name = JsonScanner::text(f[1]);
                    item.categoryId = shared.text(f[2]);
                    item.iconUrl = JsonScanner::text(f[3]);
                    item.rating = JsonScanner::decimal(f[4]);
                    item.addedAt = JsonScanner::integer(f[5]);
                });
        },
        [](FastJson::Element root, bool& fits) {
            return fastList<MediaItem>(root, fits, [](FastJson::Element element) {
                const auto f = FastJson::pick(element, kSeriesKeys);
                MediaItem item;
                item.type = MediaItem::Series;
                item.id = idText(f.integer(0));
                item.name = f.text(1);
                item.categoryId = f.text(2);
                item.iconUrl = f.text(3);
                item.rating = f.decimal(4);
                item.addedAt = f.integer(5);
                return item;
            });
        },
        [](const QJsonDocument& document, bool& fits) {
            return referenceList<MediaItem>(document, fits, [](const QJsonObject& o) {
                MediaItem item;
                item.type = MediaItem::Series;
                item.id = idText(JsonReadings::integer(o.value(key(kSeriesKeys[0]))));
                item.name = JsonReadings::text(o.value(key(kSeriesKeys[1])));
                item.categoryId = JsonReadings::text(o.value(key(kSeriesKeys[2])));
                item.iconUrl = JsonReadings::text(o.value(key(kSeriesKeys[3])));
                item.rating = JsonReadings::decimal(o.value(key(kSeriesKeys[4])));
                item.addedAt = JsonReadings::integer(o.value(key(kSeriesKeys[5])));
                return item;
            });
        });
}

namespace {
// The season number of an "episodes" key: a decimal integer that fits an int, else 0.
int seasonOf(const QString& key)
{
    return key.toInt();
}

QList<Episode> fastEpisodes(FastJson::Element root, bool& fits)
{
    QList<Episode> list;
    if (root.type() != Type::Object)
        return list;

    QString seriesName;
    FastJson::Element info;
    if (FastJson::member(root, "info", info) && info.type() == Type::Object) {
        FastJson::Element name;
        if (FastJson::member(info, "name", name))
            seriesName = FastJson::text(name);
    }

    FastJson::Element episodes;
    if (!FastJson::member(root, "episodes", episodes) || episodes.type() != Type::Object)
        return list;

    // A parsed QJsonObject keeps the last of duplicate keys and lists its keys sorted by code
    // point, which is the byte order of their UTF-8 text.
    struct Season
    {
        std::string_view key;
        FastJson::Element value;
    };
    std::vector<Season> seasons;
    FastJson::forEachMember(episodes, [&](std::string_view key, FastJson::Element value) {
        seasons.push_back({key, value});
    });
    std::vector<std::size_t> order(seasons.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return seasons[a].key < seasons[b].key; });

    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i + 1 < order.size() && seasons[order[i + 1]].key == seasons[order[i]].key)
            continue; // a later duplicate of this key follows and wins
        const Season& season = seasons[order[i]];
        if (season.value.type() != Type::Array)
            continue;
        const int number = seasonOf(FastJson::toQString(season.key));
        if (!fitsLimit(list.size() + FastJson::arraySize(season.value), fits))
            return list;
        FastJson::forEachElement(season.value, [&](FastJson::Element element) {
            const auto f = FastJson::pick(element, kEpisodeKeys);
            Episode episode;
            episode.id = idText(f.integer(0));
            episode.seriesName = seriesName;
            episode.season = number;
            episode.episodeNumber = f.wholeNumber(1);
            episode.title = f.text(2);
            episode.containerExtension = f.text(3);
            list.append(episode);
        });
    }
    return list;
}

QList<Episode> referenceEpisodes(const QJsonDocument& document, bool& fits)
{
    QList<Episode> list;
    const QJsonObject top = document.object();
    const QString seriesName = JsonReadings::text(
        top.value(QStringLiteral("info")).toObject().value(QStringLiteral("name")));
    const QJsonObject episodes = top.value(QStringLiteral("episodes")).toObject();
    for (auto it = episodes.constBegin(); it != episodes.constEnd(); ++it) {
        const int number = seasonOf(it.key());
        const QJsonArray array = it.value().toArray();
        if (!fitsLimit(list.size() + array.size(), fits))
            return list;
        for (const QJsonValue& element : array) {
            const QJsonObject o = element.toObject();
            Episode episode;
            episode.id = idText(JsonReadings::integer(o.value(key(kEpisodeKeys[0]))));
            episode.seriesName = seriesName;
            episode.season = number;
            episode.episodeNumber = JsonReadings::wholeNumber(o.value(key(kEpisodeKeys[1])));
            episode.title = JsonReadings::text(o.value(key(kEpisodeKeys[2])));
            episode.containerExtension = JsonReadings::text(o.value(key(kEpisodeKeys[3])));
            list.append(episode);
        }
    }
    return list;
}
} // namespace

QList<Episode> XtreamParser::seriesEpisodes(const QByteArray& body, bool* ok, JsonPath path)
{
    return readBody(body, ok, path, fastEpisodes, referenceEpisodes);
}

XtreamServerInfo XtreamParser::serverInfo(const QByteArray& loginBody)
{
    const QJsonObject login = QJsonDocument::fromJson(loginBody).object();
    const QJsonObject info = login.value(QStringLiteral("server_info")).toObject();
    XtreamServerInfo result;
    const qint64 limit = JsonReadings::integer(login.value(QStringLiteral("user_info"))
                                                   .toObject()
                                                   .value(QStringLiteral("max_connections")));
    result.maxConnections = limit > 0 && limit <= 1000 ? int(limit) : 0;
    result.timezone = JsonReadings::text(info.value(QStringLiteral("timezone")));
    result.timeNow = JsonReadings::text(info.value(QStringLiteral("time_now")));
    result.timestampNow = JsonReadings::integer(info.value(QStringLiteral("timestamp_now")));
    return result;
}
