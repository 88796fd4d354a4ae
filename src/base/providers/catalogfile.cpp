#include "providers/catalogfile.h"

#include "providers/fastjson.h"
#include "providers/jsonscanner.h"
#include "providers/jsontext.h"

#include <QByteArrayView>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <vector>

namespace {
using Type = FastJson::Type;

constexpr std::array<std::string_view, 2> kCategoryKeys = {"id", "name"};
constexpr std::array<std::string_view, 14> kItemKeys = {
    "type",      "id",       "name",    "categoryId",  "iconUrl",       "containerExtension",
    "streamUrl", "rating",   "addedAt", "archiveDays", "catchupSource", "catchupType",
    "guideId",   "guideName"};
constexpr std::array<std::string_view, 6> kEpisodeKeys = {
    "id", "seriesName", "season", "episodeNumber", "title", "containerExtension"};

// The file starts with this when it records its owner.
constexpr char kOwnerHead[] = "{\"sourceName\":\"";
constexpr qsizetype kOwnerHeadSize = sizeof kOwnerHead - 1;

QLatin1StringView key(std::string_view name)
{
    return QLatin1StringView(name.data(), qsizetype(name.size()));
}

// ---- Writing ---------------------------------------------------------------------------------

void appendSection(QByteArray& out, const CatalogCache::Section& data)
{
    out.reserve(out.size() + 64 + data.categories.size() * 48 + data.items.size() * 260);
    out.append("{\"categories\":[");
    bool first = true;
    for (const Category& category : data.categories) {
        out.append(first ? "{\"id\":" : ",{\"id\":");
        first = false;
        JsonText::appendString(out, category.id);
        out.append(",\"name\":");
        JsonText::appendString(out, category.name);
        out.append('}');
    }
    out.append("],\"items\":[");
    // Ratings repeat a lot; format each distinct value once.
    QHash<quint64, QByteArray> ratings;
    first = true;
    for (const MediaItem& item : data.items) {
        out.append(first ? "{\"addedAt\":" : ",{\"addedAt\":");
        first = false;
        JsonText::appendInteger(out, item.addedAt);
        // Archive fields only where a channel has an archive: most entries have none, and files
        // written before they existed read the same.
        if (item.archiveDays != 0) {
            out.append(",\"archiveDays\":");
            JsonText::appendInteger(out, item.archiveDays);
        }
        if (!item.catchupSource.isEmpty()) {
            out.append(",\"catchupSource\":");
            JsonText::appendString(out, item.catchupSource);
        }
        if (!item.catchupType.isEmpty()) {
            out.append(",\"catchupType\":");
            JsonText::appendString(out, item.catchupType);
        }
        out.append(",\"categoryId\":");
        JsonText::appendString(out, item.categoryId);
        out.append(",\"containerExtension\":");
        JsonText::appendString(out, item.containerExtension);
        // Guide names likewise only where the source gives them.
        if (!item.guideId.isEmpty()) {
            out.append(",\"guideId\":");
            JsonText::appendString(out, item.guideId);
        }
        if (!item.guideName.isEmpty()) {
            out.append(",\"guideName\":");
            JsonText::appendString(out, item.guideName);
        }
        out.append(",\"iconUrl\":");
        JsonText::appendString(out, item.iconUrl);
        out.append(",\"id\":");
        JsonText::appendString(out, item.id);
        out.append(",\"name\":");
        JsonText::appendString(out, item.name);
        out.append(",\"rating\":");
        quint64 bits;
        std::memcpy(&bits, &item.rating, sizeof bits);
        auto it = ratings.find(bits);
        if (it == ratings.end()) {
            QByteArray text;
            JsonText::appendDouble(text, item.rating);
            it = ratings.insert(bits, text);
        }
        out.append(*it);
        out.append(",\"streamUrl\":");
        JsonText::appendString(out, item.streamUrl);
        out.append(",\"type\":");
        JsonText::appendInteger(out, item.type);
        out.append('}');
    }
    out.append("]}");
}

void appendEpisodeEntry(QByteArray& out, const QList<Episode>& episodes, qint64 savedAt)
{
    out.append("{\"list\":[");
    bool first = true;
    for (const Episode& episode : episodes) {
        out.append(first ? "{\"containerExtension\":" : ",{\"containerExtension\":");
        first = false;
        JsonText::appendString(out, episode.containerExtension);
        out.append(",\"episodeNumber\":");
        JsonText::appendInteger(out, episode.episodeNumber);
        out.append(",\"id\":");
        JsonText::appendString(out, episode.id);
        out.append(",\"season\":");
        JsonText::appendInteger(out, episode.season);
        out.append(",\"seriesName\":");
        JsonText::appendString(out, episode.seriesName);
        out.append(",\"title\":");
        JsonText::appendString(out, episode.title);
        out.append('}');
    }
    out.append("],\"savedAt\":");
    JsonText::appendInteger(out, savedAt);
    out.append('}');
}

QJsonObject sectionObject(const CatalogCache::Section& data)
{
    QJsonArray categories;
    for (const Category& category : data.categories) {
        QJsonObject o;
        o.insert(QStringLiteral("id"), category.id);
        o.insert(QStringLiteral("name"), category.name);
        categories.append(o);
    }
    QJsonArray items;
    for (const MediaItem& item : data.items) {
        QJsonObject o;
        o.insert(QStringLiteral("type"), item.type);
        o.insert(QStringLiteral("id"), item.id);
        o.insert(QStringLiteral("name"), item.name);
        o.insert(QStringLiteral("categoryId"), item.categoryId);
        o.insert(QStringLiteral("iconUrl"), item.iconUrl);
        o.insert(QStringLiteral("containerExtension"), item.containerExtension);
        o.insert(QStringLiteral("streamUrl"), item.streamUrl);
        o.insert(QStringLiteral("rating"), item.rating);
        o.insert(QStringLiteral("addedAt"), item.addedAt);
        if (item.archiveDays != 0)
            o.insert(QStringLiteral("archiveDays"), item.archiveDays);
        if (!item.catchupSource.isEmpty())
            o.insert(QStringLiteral("catchupSource"), item.catchupSource);
        if (!item.catchupType.isEmpty())
            o.insert(QStringLiteral("catchupType"), item.catchupType);
        if (!item.guideId.isEmpty())
            o.insert(QStringLiteral("guideId"), item.guideId);
        if (!item.guideName.isEmpty())
            o.insert(QStringLiteral("guideName"), item.guideName);
        items.append(o);
    }
    QJsonObject section;
    section.insert(QStringLiteral("categories"), categories);
    section.insert(QStringLiteral("items"), items);
    return section;
}

QJsonObject episodeEntry(const QList<Episode>& episodes, qint64 savedAt)
{
    QJsonArray list;
    for (const Episode& episode : episodes) {
        QJsonObject o;
        o.insert(QStringLiteral("id"), episode.id);
        o.insert(QStringLiteral("seriesName"), episode.seriesName);
        o.insert(QStringLiteral("season"), episode.season);
        o.insert(QStringLiteral("episodeNumber"), episode.episodeNumber);
        o.insert(QStringLiteral("title"), episode.title);
        o.insert(QStringLiteral("containerExtension"), episode.containerExtension);
        list.append(o);
    }
    QJsonObject entry;
    entry.insert(QStringLiteral("savedAt"), savedAt);
    entry.insert(QStringLiteral("list"), list);
    return entry;
}

// Qt's parser drops a byte-order mark that opens a string, and JSON writers (Qt's and ours) put
// it there as it is; escaped, it reads back. A quote before the mark opens a string, or is an
// escaped quote inside one, where the escape changes nothing.
QByteArray& escapeOpeningMarks(QByteArray& text)
{
    if (text.contains("\"\xEF\xBB\xBF"))
        text.replace("\"\xEF\xBB\xBF", "\"\\ufeff");
    return text;
}

// Qt's compact text of `top` with the owner member put in front.
QByteArray withOwnerFirst(const QJsonObject& top, const QString& owner)
{
    const QByteArray body = QJsonDocument(top).toJson(QJsonDocument::Compact);
    QByteArray out("{");
    JsonText::appendString(out, QString(CatalogFile::kOwnerKey));
    out.append(':');
    JsonText::appendString(out, owner);
    if (body.size() > 2)
        out.append(',');
    out.append(QByteArrayView(body).sliced(1));
    return escapeOpeningMarks(out);
}

// ---- Qt's reading ----------------------------------------------------------------------------

bool ownedObject(const QByteArray& file, const QString& owner, QJsonObject& top)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    // A file of the stored format before owners were recorded is read by whoever maps to it.
    const QJsonValue recorded = object.value(CatalogFile::kOwnerKey);
    if (!recorded.isUndefined() && (!recorded.isString() || recorded.toString() != owner))
        return false;
    top = object;
    return true;
}

MediaItem referenceItem(const QJsonObject& o)
{
    MediaItem item;
    item.type = JsonReadings::wholeNumber(o.value(key(kItemKeys[0])));
    item.id = JsonReadings::text(o.value(key(kItemKeys[1])));
    item.name = JsonReadings::text(o.value(key(kItemKeys[2])));
    item.categoryId = JsonReadings::text(o.value(key(kItemKeys[3])));
    item.iconUrl = JsonReadings::text(o.value(key(kItemKeys[4])));
    item.containerExtension = JsonReadings::text(o.value(key(kItemKeys[5])));
    item.streamUrl = JsonReadings::text(o.value(key(kItemKeys[6])));
    item.rating = JsonReadings::number(o.value(key(kItemKeys[7])));
    item.addedAt = JsonReadings::integer(o.value(key(kItemKeys[8])));
    item.archiveDays = JsonReadings::wholeNumber(o.value(key(kItemKeys[9])));
    item.catchupSource = JsonReadings::text(o.value(key(kItemKeys[10])));
    item.catchupType = JsonReadings::text(o.value(key(kItemKeys[11])));
    item.guideId = JsonReadings::text(o.value(key(kItemKeys[12])));
    item.guideName = JsonReadings::text(o.value(key(kItemKeys[13])));
    return item;
}

bool referenceReadSection(const QByteArray& file, const QString& owner, const QString& section,
                          CatalogCache::Section& out)
{
    QJsonObject top;
    if (!ownedObject(file, owner, top) || !top.contains(section))
        return false;
    const QJsonObject object = top.value(section).toObject();
    CatalogCache::Section result;
    const QJsonArray categories = object.value(QStringLiteral("categories")).toArray();
    result.categories.reserve(categories.size());
    for (const QJsonValue& value : categories) {
        const QJsonObject o = value.toObject();
        result.categories.append(Category{JsonReadings::text(o.value(key(kCategoryKeys[0]))),
                                          JsonReadings::text(o.value(key(kCategoryKeys[1])))});
    }
    const QJsonArray items = object.value(QStringLiteral("items")).toArray();
    result.items.reserve(items.size());
    for (const QJsonValue& value : items)
        result.items.append(referenceItem(value.toObject()));
    out = std::move(result);
    return true;
}

bool isFresh(qint64 nowSecs, qint64 savedAt, qint64 maxAgeSecs)
{
    qint64 age = 0;
    if (qSubOverflow(nowSecs, savedAt, &age))
        return savedAt > 0; // far in the future: fresh; far in the past: stale
    return age < maxAgeSecs;
}

bool referenceReadEpisodes(const QByteArray& file, const QString& owner, const QString& seriesId,
                           qint64 nowSecs, qint64 maxAgeSecs, QList<Episode>& out)
{
    QJsonObject top;
    if (!ownedObject(file, owner, top))
        return false;
    const QJsonObject episodes = top.value(CatalogFile::kEpisodesKey).toObject();
    if (!episodes.contains(seriesId))
        return false;
    const QJsonObject entry = episodes.value(seriesId).toObject();
    if (!isFresh(nowSecs, JsonReadings::integer(entry.value(QStringLiteral("savedAt"))),
                 maxAgeSecs))
        return false;
    out.clear();
    const QJsonArray list = entry.value(QStringLiteral("list")).toArray();
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        Episode episode;
        episode.id = JsonReadings::text(o.value(key(kEpisodeKeys[0])));
        episode.seriesName = JsonReadings::text(o.value(key(kEpisodeKeys[1])));
        episode.season = JsonReadings::wholeNumber(o.value(key(kEpisodeKeys[2])));
        episode.episodeNumber = JsonReadings::wholeNumber(o.value(key(kEpisodeKeys[3])));
        episode.title = JsonReadings::text(o.value(key(kEpisodeKeys[4])));
        episode.containerExtension = JsonReadings::text(o.value(key(kEpisodeKeys[5])));
        out.append(episode);
    }
    return true;
}

// A key that opens with a byte-order mark is one Qt's lookups never find, yet Qt writes it
// without the mark, where it would shadow the member of the plain name when read again (and so
// undo a save). Such members are dropped at every depth; reads never saw them anyway.
QJsonValue withoutMarkedKeys(const QJsonValue& value)
{
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue& element : value.toArray())
            out.append(withoutMarkedKeys(element));
        return out;
    }
    if (!value.isObject())
        return value;
    const QJsonObject object = value.toObject();
    QJsonObject out;
    // Iteration hands out keys without the mark; a lookup by that name finds only the real one.
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (object.contains(it.key()))
            out.insert(it.key(), withoutMarkedKeys(object.value(it.key())));
    }
    return out;
}

bool ownedObjectToRewrite(const QByteArray& file, const QString& owner, QJsonObject& top)
{
    if (!ownedObject(file, owner, top))
        return false;
    if (FastJson::hasMarkedString(file.constData(), file.size()))
        top = withoutMarkedKeys(top).toObject();
    return true;
}

QByteArray referenceWithSection(const QByteArray& file, const QString& owner,
                                const QString& section, const CatalogCache::Section& data)
{
    QJsonObject top;
    ownedObjectToRewrite(file, owner, top);
    top.remove(CatalogFile::kOwnerKey);
    top.insert(section, sectionObject(data));
    return withOwnerFirst(top, owner);
}

QByteArray referenceWithEpisodes(const QByteArray& file, const QString& owner,
                                 const QString& seriesId, const QList<Episode>& list,
                                 qint64 savedAt)
{
    QJsonObject top;
    ownedObjectToRewrite(file, owner, top);
    top.remove(CatalogFile::kOwnerKey);
    QJsonObject episodes = top.value(CatalogFile::kEpisodesKey).toObject();
    episodes.insert(seriesId, episodeEntry(list, savedAt));
    top.insert(CatalogFile::kEpisodesKey, episodes);
    return withOwnerFirst(top, owner);
}

// ---- Fast reading ----------------------------------------------------------------------------

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

const char* skipSpace(const char* p, const char* end)
{
    while (p < end && isSpace(*p))
        ++p;
    return p;
}

// From an opening quote to just past its closing quote.
const char* skipString(const char* p, const char* end)
{
    const char* from = p + 1;
    while (from < end) {
        const char* quote = static_cast<const char*>(std::memchr(from, '"', size_t(end - from)));
        if (!quote)
            return end;
        const char* slashes = quote;
        while (slashes > from && slashes[-1] == '\\')
            --slashes;
        if (((quote - slashes) & 1) == 0)
            return quote + 1;
        from = quote + 1;
    }
    return end;
}

// Past the value that starts at `p`, in a text simdjson has already found valid.
const char* skipValue(const char* p, const char* end)
{
    if (p == end)
        return end;
    if (*p == '"')
        return skipString(p, end);
    if (*p == '{' || *p == '[') {
        int depth = 0;
        while (p < end) {
            const char c = *p;
            if (c == '"') {
                p = skipString(p, end);
                continue;
            }
            if (c == '{' || c == '[')
                ++depth;
            else if ((c == '}' || c == ']') && --depth == 0)
                return p + 1;
            ++p;
        }
        return end;
    }
    while (p < end && *p != ',' && *p != '}' && *p != ']' && !isSpace(*p))
        ++p;
    return p;
}

// The text of each member value of the object that `text` holds, in order.
bool memberTexts(QByteArrayView text, std::vector<QByteArrayView>& out)
{
    const char* end = text.data() + text.size();
    const char* p = skipSpace(text.data(), end);
    if (p == end || *p != '{')
        return false;
    p = skipSpace(p + 1, end);
    if (p < end && *p == '}')
        return true;
    while (p < end && *p == '"') {
        p = skipSpace(skipString(p, end), end);
        if (p == end || *p != ':')
            return false;
        p = skipSpace(p + 1, end);
        const char* value = p;
        p = skipValue(p, end);
        out.emplace_back(value, p - value);
        p = skipSpace(p, end);
        if (p == end)
            return false;
        if (*p == '}')
            return true;
        if (*p != ',')
            return false;
        p = skipSpace(p + 1, end);
    }
    return false;
}

struct Member
{
    std::string_view key;
    FastJson::Element value;
    QByteArrayView text;    // the member's text in the file
    QByteArray replacement; // its new text, when it is replaced

    QByteArrayView written() const
    {
        return replacement.isNull() ? text : QByteArrayView(replacement);
    }
};

// The members of an object as a parsed QJsonObject holds them: sorted by key in code point
// order (the byte order of UTF-8), the last of duplicate keys kept.
bool canonicalMembers(FastJson::Element object, QByteArrayView text, std::vector<Member>& out)
{
    std::vector<QByteArrayView> texts;
    if (!memberTexts(text, texts))
        return false;
    std::vector<Member> members;
    members.reserve(texts.size());
    bool more = false;
    FastJson::forEachMember(object, [&](std::string_view key, FastJson::Element value) {
        if (members.size() == texts.size())
            more = true;
        else
            members.push_back({key, value, texts[members.size()], {}});
    });
    if (more || members.size() != texts.size())
        return false;
    std::stable_sort(members.begin(), members.end(),
                     [](const Member& a, const Member& b) { return a.key < b.key; });
    out.clear();
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i + 1 < members.size() && members[i + 1].key == members[i].key)
            continue;
        out.push_back(std::move(members[i]));
    }
    return true;
}

void setMember(std::vector<Member>& members, std::string_view key, QByteArray text)
{
    auto it = std::lower_bound(members.begin(), members.end(), key,
                               [](const Member& m, std::string_view k) { return m.key < k; });
    if (it == members.end() || it->key != key)
        it = members.insert(it, Member{key, {}, {}, {}});
    it->replacement = std::move(text);
}

void appendMembers(QByteArray& out, const std::vector<Member>& members, bool leadingComma)
{
    qsizetype total = 0;
    for (const Member& m : members)
        total += qsizetype(m.key.size()) + m.written().size() + 4;
    out.reserve(out.size() + total + 2);
    for (const Member& m : members) {
        if (leadingComma)
            out.append(',');
        leadingComma = true;
        JsonText::appendString(out, FastJson::toQString(m.key));
        out.append(':');
        out.append(m.written());
    }
}

QByteArray assemble(const QString& owner, const std::vector<Member>& members)
{
    QByteArray out("{");
    JsonText::appendString(out, QString(CatalogFile::kOwnerKey));
    out.append(':');
    JsonText::appendString(out, owner);
    appendMembers(out, members, true);
    out.append('}');
    return escapeOpeningMarks(out);
}

// As ownedObject: a file that records no owner belongs to whoever maps to it.
bool isOwner(FastJson::Element top, const QString& owner)
{
    FastJson::Element recorded;
    return !FastJson::member(top, "sourceName", recorded) ||
           (recorded.type() == Type::String && FastJson::text(recorded) == owner);
}

// The members of `owner`'s file other than the owner itself, or none when the file is not an
// intact object of that owner. Returns false when simdjson declined the text and Qt reads it
// as `owner`'s object: only Qt's reading can carry it over then.
bool fastMembers(FastJson& json, const QByteArray& file, const QString& owner,
                 std::vector<Member>& members)
{
    members.clear();
    if (file.isEmpty())
        return true;
    if (!json.parse(file)) {
        QJsonObject unused;
        return !ownedObject(file, owner, unused);
    }
    const FastJson::Element root = json.root();
    if (root.type() != Type::Object || !isOwner(root, owner))
        return true;
    if (!canonicalMembers(root, QByteArrayView(json.data(), json.size()), members)) {
        members.clear();
        QJsonObject unused;
        return !ownedObject(file, owner, unused);
    }
    std::erase_if(members, [](const Member& m) { return m.key == "sourceName"; });
    return true;
}

// ---- Scanned reading -------------------------------------------------------------------------

enum class Scanned
{
    Found,
    Missing, // a valid text without `owner`'s section
    Declined
};

// Records are most of a load's fresh memory. Room for as many as the rest of the text could
// hold at the least bytes a saved record takes (only touched pages count), in 2 MB pages where
// the kernel allows, so that it faults a page per 2 MB rather than per 4 kB.
void reserveRecords(QList<MediaItem>& items, qsizetype textLeft)
{
    constexpr qsizetype kLeastRecordBytes = 128;
    items.reserve(textLeft / kLeastRecordBytes);
#ifdef MADV_HUGEPAGE
    constexpr quintptr kPage = 2 * 1024 * 1024;
    const auto from = (quintptr(items.data()) + kPage - 1) & ~(kPage - 1);
    const auto to = quintptr(items.data() + items.capacity()) & ~(kPage - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

CatalogCache::Section scanSectionValue(JsonScanner& scanner)
{
    CatalogCache::Section result;
    if (scanner.peek() != '{') {
        scanner.skip();
        return result;
    }
    scanner.enterObject();
    std::string_view key;
    std::array<JsonScanner::Value, kItemKeys.size()> f;
    JsonScanner::SharedTexts shared;
    while (scanner.nextMember(key)) {
        const bool isCategories = key == "categories";
        if (!isCategories && key != "items") {
            scanner.skip();
            continue;
        }
        // The last of duplicate members counts, whatever its type.
        if (isCategories)
            result.categories.clear();
        else
            result.items.clear();
        if (scanner.peek() != '[') {
            scanner.skip();
            continue;
        }
        scanner.enterArray();
        if (!isCategories)
            reserveRecords(result.items, scanner.bytesLeft());
        while (scanner.nextElement()) {
            if (isCategories) {
                std::array<JsonScanner::Value, kCategoryKeys.size()> c;
                scanner.pick(kCategoryKeys, c);
                result.categories.append(
                    Category{JsonScanner::text(c[0]), JsonScanner::text(c[1])});
                continue;
            }
            scanner.pick(kItemKeys, f);
            MediaItem item;
            item.type = JsonScanner::wholeNumber(f[0]);
            item.id = JsonScanner::text(f[1]);
            item.name = JsonScanner::text(f[2]);
            item.categoryId = shared.text(f[3]);
            item.iconUrl = JsonScanner::text(f[4]);
            item.containerExtension = shared.text(f[5]);
            item.streamUrl = JsonScanner::text(f[6]);
            item.rating = JsonScanner::number(f[7]);
            item.addedAt = JsonScanner::integer(f[8]);
            item.archiveDays = JsonScanner::wholeNumber(f[9]);
            item.catchupSource = JsonScanner::text(f[10]);
            item.catchupType = JsonScanner::text(f[11]);
            item.guideId = JsonScanner::text(f[12]);
            item.guideName = JsonScanner::text(f[13]);
            result.items.append(std::move(item));
        }
    }
    return result;
}

// Reads the section straight into records, building none for the other sections.
Scanned scanSection(const QByteArray& file, const QString& owner, const QString& section,
                    CatalogCache::Section& out)
{
    JsonScanner scanner(file.constData(), file.size());
    if (scanner.peek() != '{')
        return Scanned::Declined;
    scanner.enterObject();
    const QByteArray sectionKey = section.toUtf8();
    const std::string_view wanted(sectionKey.constData(), size_t(sectionKey.size()));
    JsonScanner::Value recorded;
    bool found = false;
    CatalogCache::Section result;
    std::string_view key;
    while (scanner.nextMember(key)) {
        if (key == "sourceName") {
            recorded = scanner.value();
            if (key == wanted) {
                found = true;
                result = {}; // a string (or the owner is wrong anyway)
            }
        } else if (key == wanted) {
            found = true;
            result = scanSectionValue(scanner);
        } else {
            scanner.skip();
        }
    }
    if (!scanner.finish())
        return Scanned::Declined;
    // As ownedObject: a file that records no owner belongs to whoever maps to it.
    const bool owned =
        recorded.kind == JsonScanner::Value::Absent ||
        (recorded.kind == JsonScanner::Value::String && JsonScanner::text(recorded) == owner);
    if (!found || !owned)
        return Scanned::Missing;
    out = std::move(result);
    return Scanned::Found;
}

// Names that UTF-8 cannot carry unchanged (lone surrogates) are left to Qt's reading.
bool fastPathFits(JsonPath path, const QString& a, const QString& b)
{
    return path == JsonPath::Fast && QStringView(a).isValidUtf16() && QStringView(b).isValidUtf16();
}
} // namespace

bool CatalogFile::isReservedName(const QString& section)
{
    return section == kOwnerKey || section == kEpisodesKey;
}

qsizetype CatalogFile::headSize(const QString& name)
{
    // Each UTF-16 unit takes at most six bytes written (\uxxxx); then the closing quote.
    return kOwnerHeadSize + 6 * name.size() + 1;
}

bool CatalogFile::recordsOwner(const QByteArray& head)
{
    return head.startsWith(QByteArrayView(kOwnerHead, kOwnerHeadSize));
}

std::optional<QString> CatalogFile::owner(const QByteArray& head)
{
    if (!head.startsWith(QByteArrayView(kOwnerHead, kOwnerHeadSize)))
        return std::nullopt;
    qsizetype i = kOwnerHeadSize;
    while (i < head.size() && head.at(i) != '"')
        i += head.at(i) == '\\' ? 2 : 1;
    if (i >= head.size())
        return std::nullopt;
    const qsizetype open = kOwnerHeadSize - 1;
    const QByteArray array = '[' + head.mid(open, i - open + 1) + ']';
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(array, &error);
    if (error.error != QJsonParseError::NoError || !document.array().at(0).isString())
        return std::nullopt;
    return document.array().at(0).toString();
}

bool CatalogFile::readSection(const QByteArray& file, const QString& owner, const QString& section,
                              CatalogCache::Section& out, JsonPath path)
{
    if (!fastPathFits(path, owner, section))
        return referenceReadSection(file, owner, section, out);
    switch (scanSection(file, owner, section, out)) {
    case Scanned::Found:
        return true;
    case Scanned::Missing:
        return false;
    case Scanned::Declined:
        break;
    }
    FastJson json;
    if (!json.parse(file))
        return referenceReadSection(file, owner, section, out);
    const FastJson::Element top = json.root();
    if (top.type() != Type::Object)
        return false;
    const QByteArray sectionKey = section.toUtf8();
    FastJson::Element value;
    if (!isOwner(top, owner) ||
        !FastJson::member(top, std::string_view(sectionKey.data(), size_t(sectionKey.size())),
                          value))
        return false;

    CatalogCache::Section result;
    if (value.type() == Type::Object) {
        FastJson::Element categories;
        if (FastJson::member(value, "categories", categories) && categories.type() == Type::Array) {
            result.categories.reserve(FastJson::arraySize(categories));
            FastJson::forEachElement(categories, [&](FastJson::Element element) {
                const auto f = FastJson::pick(element, kCategoryKeys);
                result.categories.append(Category{f.text(0), f.text(1)});
            });
        }
        FastJson::Element items;
        if (FastJson::member(value, "items", items) && items.type() == Type::Array) {
            result.items.reserve(FastJson::arraySize(items));
            FastJson::forEachElement(items, [&](FastJson::Element element) {
                const auto f = FastJson::pick(element, kItemKeys);
                MediaItem item;
                item.type = f.wholeNumber(0);
                item.id = f.text(1);
                item.name = f.text(2);
                item.categoryId = f.text(3);
                item.iconUrl = f.text(4);
                item.containerExtension = f.text(5);
                item.streamUrl = f.text(6);
                item.rating = f.number(7);
                item.addedAt = f.integer(8);
                item.archiveDays = f.wholeNumber(9);
                item.catchupSource = f.text(10);
                item.catchupType = f.text(11);
                item.guideId = f.text(12);
                item.guideName = f.text(13);
                result.items.append(item);
            });
        }
    }
    out = std::move(result);
    return true;
}

bool CatalogFile::readEpisodes(const QByteArray& file, const QString& owner,
                               const QString& seriesId, qint64 nowSecs, qint64 maxAgeSecs,
                               QList<Episode>& out, JsonPath path)
{
    FastJson json;
    if (!fastPathFits(path, owner, seriesId) || !json.parse(file))
        return referenceReadEpisodes(file, owner, seriesId, nowSecs, maxAgeSecs, out);
    const FastJson::Element top = json.root();
    if (top.type() != Type::Object)
        return false;
    FastJson::Element episodes;
    if (!isOwner(top, owner) || !FastJson::member(top, "episodes", episodes) ||
        episodes.type() != Type::Object)
        return false;
    const QByteArray idKey = seriesId.toUtf8();
    FastJson::Element entry;
    if (!FastJson::member(episodes, std::string_view(idKey.data(), size_t(idKey.size())), entry))
        return false;

    static constexpr std::array<std::string_view, 2> kEntryKeys = {"savedAt", "list"};
    const auto e = FastJson::pick(entry, kEntryKeys);
    if (!isFresh(nowSecs, e.integer(0), maxAgeSecs))
        return false;
    out.clear();
    if (e.present[1]) {
        FastJson::forEachElement(e.values[1], [&](FastJson::Element element) {
            const auto f = FastJson::pick(element, kEpisodeKeys);
            Episode episode;
            episode.id = f.text(0);
            episode.seriesName = f.text(1);
            episode.season = f.wholeNumber(2);
            episode.episodeNumber = f.wholeNumber(3);
            episode.title = f.text(4);
            episode.containerExtension = f.text(5);
            out.append(episode);
        });
    }
    return true;
}

QByteArray CatalogFile::withSection(const QByteArray& file, const QString& owner,
                                    const QString& section, const CatalogCache::Section& data,
                                    JsonPath path)
{
    FastJson json;
    std::vector<Member> members;
    if (!fastPathFits(path, owner, section) || !fastMembers(json, file, owner, members))
        return referenceWithSection(file, owner, section, data);
    const QByteArray sectionKey = section.toUtf8();
    QByteArray text;
    appendSection(text, data);
    setMember(members, std::string_view(sectionKey.data(), size_t(sectionKey.size())),
              std::move(text));
    return assemble(owner, members);
}

QByteArray CatalogFile::withEpisodes(const QByteArray& file, const QString& owner,
                                     const QString& seriesId, const QList<Episode>& episodes,
                                     qint64 savedAt, JsonPath path)
{
    FastJson json;
    std::vector<Member> members;
    if (!fastPathFits(path, owner, seriesId) || !fastMembers(json, file, owner, members))
        return referenceWithEpisodes(file, owner, seriesId, episodes, savedAt);

    std::vector<Member> entries;
    auto it = std::lower_bound(members.begin(), members.end(), std::string_view("episodes"),
                               [](const Member& m, std::string_view k) { return m.key < k; });
    if (it != members.end() && it->key == "episodes" && it->value.type() == Type::Object &&
        !canonicalMembers(it->value, it->text, entries))
        return referenceWithEpisodes(file, owner, seriesId, episodes, savedAt);

    const QByteArray idKey = seriesId.toUtf8();
    QByteArray entry;
    appendEpisodeEntry(entry, episodes, savedAt);
    setMember(entries, std::string_view(idKey.data(), size_t(idKey.size())), std::move(entry));
    QByteArray text("{");
    appendMembers(text, entries, false);
    text.append('}');
    setMember(members, "episodes", std::move(text));
    return assemble(owner, members);
}
