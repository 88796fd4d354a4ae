#include "providers/m3uparser.h"

#include "catchup/catchupaddress.h"
#include "providers/fastjson.h"

#include <QSet>
#include <QStringView>

#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>

// A hand-written scanner: the same results as splitting on "\r\n|\n|\r" and matching
// `name="([^"]*)"` per attribute, without building a regular expression per #EXTINF line.

namespace {
// Value of `name="..."` (first occurrence anywhere in the line, case-sensitive, no word
// boundary); a null string when there is none or its closing quote is missing.
QString extractAttr(QStringView line, QStringView name)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = line.indexOf(name, from);
        if (at < 0)
            return {};
        const qsizetype open = at + name.size();
        if (open + 1 < line.size() && line[open] == u'=' && line[open + 1] == u'"') {
            const qsizetype valueStart = open + 2;
            const qsizetype close = line.indexOf(u'"', valueStart);
            // Any later occurrence would begin after a quote, so a missing closing quote here
            // means no later occurrence can match either.
            if (close < 0)
                return {};
            return line.mid(valueStart, close - valueStart).toString();
        }
        from = at + 1;
    }
}

// Archive attributes of an #EXTINF line, or of the #EXTM3U header as defaults for every entry.
struct Catchup
{
    QString type;
    QString source;
    int days = 0;
};

Catchup readCatchup(QStringView line, const Catchup& defaults)
{
    // A leading space keeps "timeshift" from matching inside another attribute's name.
    const auto attr = [line](QStringView name) { return extractAttr(line, name); };
    Catchup c = defaults;
    QString type = attr(u" catchup-type");
    if (type.isNull())
        type = attr(u" catchup");
    if (!type.isNull())
        c.type = type;
    if (const QString source = attr(u" catchup-source"); !source.isNull())
        c.source = source;
    QString days = attr(u" catchup-days");
    if (days.isNull())
        days = attr(u" timeshift");
    if (!days.isNull())
        c.days = days.trimmed().toInt();
    return c;
}

void applyCatchup(const Catchup& c, MediaItem& item)
{
    QString type = c.type;
    if (type.isEmpty() && (c.days > 0 || !c.source.isEmpty()))
        type = c.source.isEmpty() ? CatchupAddress::kShift : CatchupAddress::kDefault;
    type = CatchupAddress::normalizedType(type);
    if (type.isEmpty())
        return;
    item.catchupType = type;
    item.catchupSource = c.source;
    item.archiveDays = c.days > 0 ? c.days : CatchupAddress::kDefaultPlaylistDays;
}

// "url-tvg" (else "x-tvg-url") of the #EXTM3U line: one address or several separated by commas.
void appendGuideUrls(QStringView line, QStringList& urls)
{
    QString list = extractAttr(line, u"url-tvg");
    if (list.isEmpty())
        list = extractAttr(line, u"x-tvg-url");
    for (const QString& url : list.split(u',', Qt::SkipEmptyParts)) {
        if (!url.trimmed().isEmpty())
            urls.append(url.trimmed());
    }
}

qsizetype lineEnd(const QChar* data, qsizetype from, qsizetype size)
{
    const char16_t* p = reinterpret_cast<const char16_t*>(data);
    for (qsizetype i = from; i < size; ++i) {
        const char16_t c = p[i];
        if (c == u'\n' || c == u'\r')
            return i;
    }
    return size;
}
} // namespace

M3uParser::Result M3uParser::parse(const QString& text)
{
    static constexpr QStringView kGroupTitle = u"group-title";
    static constexpr QStringView kTvgLogo = u"tvg-logo";
    static constexpr QStringView kTvgId = u"tvg-id";
    static constexpr QStringView kTvgName = u"tvg-name";

    Result result;
    QSet<QString> seenGroups;
    QString pendingName;
    QString pendingGroup;
    QString pendingLogo;
    QString pendingGuideId;
    QString pendingGuideName;
    Catchup headerCatchup;
    Catchup pendingCatchup;

    const QChar* data = text.constData();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    if (size > 0 && data[0] == QChar(0xFEFF)) // a byte-order mark that survived decoding
        pos = 1;

    while (true) {
        const qsizetype end = lineEnd(data, pos, size);
        const QStringView line = QStringView(data + pos, end - pos).trimmed();

        if (line.isEmpty()) {
            // a blank line keeps the pending entry
        } else if (line.startsWith(u"#EXTINF", Qt::CaseInsensitive)) {
            const qsizetype comma = line.lastIndexOf(u',');
            pendingName =
                comma < 0 ? QStringLiteral("Unnamed") : line.mid(comma + 1).trimmed().toString();
            pendingGroup = extractAttr(line, kGroupTitle);
            if (pendingGroup.isEmpty())
                pendingGroup = QStringLiteral("Uncategorized");
            pendingLogo = extractAttr(line, kTvgLogo);
            pendingGuideId = extractAttr(line, kTvgId);
            pendingGuideName = extractAttr(line, kTvgName);
            pendingCatchup = readCatchup(line, headerCatchup);
        } else if (line.startsWith(u"#EXTM3U", Qt::CaseInsensitive)) {
            headerCatchup = readCatchup(line, Catchup());
            appendGuideUrls(line, result.guideUrls);
        } else if (line.startsWith(u'#')) {
            // another directive or a comment; the pending entry stays
        } else if (!pendingName.isEmpty()) {
            MediaItem item;
            item.type = MediaItem::Live;
            item.id = line.toString();
            item.streamUrl = item.id;
            item.name = std::move(pendingName);
            auto group = seenGroups.constFind(pendingGroup);
            if (group == seenGroups.cend()) {
                group = seenGroups.insert(pendingGroup);
                result.categories.append(Category{pendingGroup, pendingGroup});
            }
            item.categoryId = *group; // shares one string per group
            item.iconUrl = std::move(pendingLogo);
            item.guideId = std::move(pendingGuideId);
            item.guideName = std::move(pendingGuideName);
            applyCatchup(pendingCatchup, item);
            result.items.append(std::move(item));
            pendingName.clear();
            pendingGroup.clear();
            pendingLogo.clear();
            pendingGuideId.clear();
            pendingGuideName.clear();
        }

        if (end >= size)
            break;
        pos = (data[end] == u'\r' && end + 1 < size && data[end + 1] == u'\n') ? end + 2 : end + 1;
    }
    return result;
}

namespace {
constexpr char kMark[] = "\xEF\xBB\xBF";

// The length of the character at `p` when QChar::isSpace() takes it: ASCII blanks and the
// Unicode separators (Zs, Zl, Zp) plus U+0085, in valid UTF-8.
int spaceAt(const char* p, const char* end)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    const unsigned char c = u[0];
    if (c == ' ' || (c >= 0x09 && c <= 0x0D))
        return 1;
    if (c == 0xC2)
        return end - p >= 2 && (u[1] == 0x85 || u[1] == 0xA0) ? 2 : 0;
    if (c < 0xE1 || c > 0xE3 || end - p < 3)
        return 0;
    const char32_t code = char32_t(c & 0x0F) << 12 | char32_t(u[1] & 0x3F) << 6 | (u[2] & 0x3F);
    const bool space = code == 0x1680 || (code >= 0x2000 && code <= 0x200A) || code == 0x2028 ||
                       code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
    return space ? 3 : 0;
}

// The same for the character that ends just before `p`.
int spaceBefore(const char* begin, const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    if (p - begin >= 1 && u[-1] < 0x80)
        return spaceAt(p - 1, p);
    if (p - begin >= 2 && u[-2] == 0xC2)
        return spaceAt(p - 2, p);
    if (p - begin >= 3 && u[-3] >= 0xE1 && u[-3] <= 0xE3)
        return spaceAt(p - 3, p);
    return 0;
}

std::string_view trimmed(const char* begin, const char* end)
{
    for (int n; begin < end && (n = spaceAt(begin, end)) > 0;)
        begin += n;
    for (int n; end > begin && (n = spaceBefore(begin, end)) > 0;)
        end -= n;
    return std::string_view(begin, size_t(end - begin));
}

// extractAttr() on bytes, for several names in one pass from one `="` to the next rather than a
// search of the line per name; the first match of each name wins. A name without a value gives
// an empty view with a null data pointer.
template <size_t N>
std::array<std::string_view, N> attrsBytes(std::string_view line,
                                           const std::array<std::string_view, N>& names)
{
    std::array<std::string_view, N> values{};
    std::array<bool, N> found{};
    size_t left = N;
    for (size_t q = line.find("=\""); q != std::string_view::npos && left > 0;
         q = line.find("=\"", q + 1)) {
        for (size_t i = 0; i < N; ++i) {
            const std::string_view name = names[i];
            if (found[i] || q < name.size() ||
                line.compare(q - name.size(), name.size(), name) != 0)
                continue;
            found[i] = true;
            --left;
            const size_t close = line.find('"', q + 2);
            if (close != std::string_view::npos)
                values[i] = line.substr(q + 2, close - q - 2);
        }
    }
    return values;
}

QString decoded(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// `tag` is ASCII upper case, e.g. "#EXTINF".
bool startsWithTag(std::string_view line, std::string_view tag)
{
    if (line.size() < tag.size() || line[0] != '#')
        return false;
    for (size_t i = 1; i < tag.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        // Qt folds case by Unicode rules; past ASCII let it decide.
        if (c >= 0x80)
            return decoded(line).startsWith(QLatin1StringView(tag.data(), qsizetype(tag.size())),
                                            Qt::CaseInsensitive);
        if ((c | 0x20) != (tag[i] | 0x20))
            return false;
    }
    return true;
}

// Archive attributes are rare: only lines that may hold one are decoded for readCatchup().
Catchup catchupOf(std::string_view line, const Catchup& defaults)
{
    if (line.find("catchup") == std::string_view::npos &&
        line.find("timeshift") == std::string_view::npos)
        return defaults;
    return readCatchup(decoded(line), defaults);
}
} // namespace

// Decoding the whole text first would touch a second copy twice its size; here only the fields
// kept are decoded. Valid UTF-8 decodes field by field exactly as it does whole, since fields
// end at ASCII bytes; anything else takes the decoded road.
M3uParser::Result M3uParser::parseUtf8(QByteArrayView utf8)
{
    if (utf8.isEmpty()) // an empty view may have no data pointer for memchr
        return {};
    const char* begin = utf8.data();
    const char* const end = begin + utf8.size();
    if (end - begin >= 3 && std::memcmp(begin, kMark, 3) == 0)
        begin += 3;
    if ((end - begin >= 3 && std::memcmp(begin, kMark, 3) == 0) ||
        !FastJson::isValidUtf8(begin, end - begin))
        return parse(QString::fromUtf8(utf8));

    static constexpr std::string_view kUnnamed = "Unnamed";
    static constexpr std::string_view kUncategorized = "Uncategorized";
    Result result;
    // One shared string per group. Not a QHash: its seeded byte hash cost more per entry than
    // the rest of the entry's reading.
    std::unordered_map<std::string_view, QString> groups;
    std::string_view pendingName;
    std::string_view pendingGroup;
    std::string_view pendingLogo;
    std::string_view pendingGuideId;
    std::string_view pendingGuideName;
    Catchup headerCatchup;
    Catchup pendingCatchup;

    for (const char* pos = begin; pos <= end;) {
        const char* lineEnd = static_cast<const char*>(std::memchr(pos, '\n', size_t(end - pos)));
        if (!lineEnd)
            lineEnd = end;
        if (const void* cr = std::memchr(pos, '\r', size_t(lineEnd - pos)))
            lineEnd = static_cast<const char*>(cr);
        const std::string_view line = trimmed(pos, lineEnd);

        if (line.empty()) {
            // a blank line keeps the pending entry
        } else if (startsWithTag(line, "#EXTINF")) {
            const size_t comma = line.rfind(',');
            pendingName = comma == std::string_view::npos
                              ? kUnnamed
                              : trimmed(line.data() + comma + 1, line.data() + line.size());
            static constexpr std::array<std::string_view, 4> kAttributes{"group-title", "tvg-logo",
                                                                         "tvg-id", "tvg-name"};
            const auto attributes = attrsBytes(line, kAttributes);
            pendingGroup = attributes[0];
            if (pendingGroup.empty())
                pendingGroup = kUncategorized;
            pendingLogo = attributes[1];
            pendingGuideId = attributes[2];
            pendingGuideName = attributes[3];
            pendingCatchup = catchupOf(line, headerCatchup);
        } else if (startsWithTag(line, "#EXTM3U")) {
            headerCatchup = catchupOf(line, Catchup());
            appendGuideUrls(decoded(line), result.guideUrls);
        } else if (line[0] == '#') {
            // another directive or a comment; the pending entry stays
        } else if (!pendingName.empty()) {
            MediaItem item;
            item.type = MediaItem::Live;
            item.id = decoded(line);
            item.streamUrl = item.id;
            item.name = decoded(pendingName);
            auto group = groups.find(pendingGroup);
            if (group == groups.end()) {
                group = groups.emplace(pendingGroup, decoded(pendingGroup)).first;
                result.categories.append(Category{group->second, group->second});
            }
            item.categoryId = group->second;
            if (pendingLogo.data())
                item.iconUrl = decoded(pendingLogo);
            if (pendingGuideId.data())
                item.guideId = decoded(pendingGuideId);
            if (pendingGuideName.data())
                item.guideName = decoded(pendingGuideName);
            applyCatchup(pendingCatchup, item);
            result.items.append(std::move(item));
            pendingName = {};
            pendingGroup = {};
            pendingLogo = {};
            pendingGuideId = {};
            pendingGuideName = {};
        }

        if (lineEnd == end)
            break;
        pos = lineEnd + (*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
    }
    return result;
}
