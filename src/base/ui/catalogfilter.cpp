#include "ui/catalogfilter.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

// The tabs refilter on every keystroke over catalogs of 100k entries, so matching avoids Qt's
// general case-insensitive search and regular expressions on the hot path. The results equal
// QString's case-insensitive comparison and the "\b<query>" expression (with Unicode word
// characters); the tests compare both on awkward text.

namespace {

// Simple case folding of every UTF-16 unit (what QString's case-insensitive comparison applies to
// each unit) and which units are word characters, built once.
struct UnitTables
{
    std::array<char16_t, 0x10000> fold{};
    std::array<bool, 0x10000> word{};

    UnitTables()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            fold[c] = folded <= 0xFFFF ? char16_t(folded) : char16_t(c);
            word[c] = c == u'_' || QChar::isLetterOrNumber(c);
        }
    }
};

const UnitTables& tables()
{
    static const std::unique_ptr<UnitTables> instance = std::make_unique<UnitTables>();
    return *instance;
}

bool isWordBefore(const char16_t* name, qsizetype pos)
{
    const UnitTables& t = tables();
    const char16_t previous = name[pos - 1];
    if (QChar::isLowSurrogate(previous) && pos >= 2 && QChar::isHighSurrogate(name[pos - 2]))
        return QChar::isLetterOrNumber(QChar::surrogateToUcs4(name[pos - 2], previous));
    return t.word[previous];
}

// Each string of a catalog lives in a heap block of its own, so a pass over 100k names waits on
// memory more than it computes: ask for the blocks of an item a few places ahead.
constexpr qsizetype kPrefetchAhead = 8;

inline void prefetch(const QString& text)
{
#if defined(__GNUC__)
    __builtin_prefetch(text.constData());
#else
    Q_UNUSED(text);
#endif
}

// The record itself: a catalog's list is far larger than the processor's caches.
inline void prefetchRecord(const MediaItem* item)
{
#if defined(__GNUC__)
    const char* bytes = reinterpret_cast<const char*>(item);
    for (size_t offset = 0; offset < sizeof(MediaItem); offset += 64)
        __builtin_prefetch(bytes + offset);
#else
    Q_UNUSED(item);
#endif
}

// Copying an item touches the reference count at the start of each of its strings' blocks.
inline void prefetchStrings(const MediaItem& item)
{
    prefetch(item.id);
    prefetch(item.name);
    prefetch(item.categoryId);
    prefetch(item.iconUrl);
    prefetch(item.containerExtension);
    prefetch(item.streamUrl);
}

// Matches one query against many names.
class Matcher
{
public:
    explicit Matcher(const QString& query)
        : query(query)
    {
        const UnitTables& t = tables();
        for (QChar c : query) {
            if (c.isSurrogate())
                slowOnly = true;
            folded.push_back(t.fold[c.unicode()]);
        }
    }

    // -1 when the name does not contain the query (ignoring case), else its relevance tier.
    int tier(const QString& name) const
    {
        if (slowOnly)
            return slowTier(name);
        const UnitTables& t = tables();
        const char16_t* n = reinterpret_cast<const char16_t*>(name.constData());
        const qsizetype nameLen = name.size();
        const qsizetype queryLen = qsizetype(folded.size());
        if (queryLen == 0)
            return 0;
        // A query without surrogates can never match at a surrogate unit, in Qt's folding too.
        const char16_t first = folded[0];
        bool found = false;
        for (qsizetype p = 0; p + queryLen <= nameLen; ++p) {
            if (t.fold[n[p]] != first)
                continue;
            qsizetype k = 1;
            while (k < queryLen && t.fold[n[p + k]] == folded[size_t(k)])
                ++k;
            if (k != queryLen)
                continue;
            if (p == 0)
                return nameLen == queryLen ? 0 : 1;
            if (isWordBefore(n, p) != t.word[n[p]])
                return 2;
            found = true;
        }
        return found ? 3 : -1;
    }

private:
    int slowTier(const QString& name) const
    {
        if (!name.contains(query, Qt::CaseInsensitive))
            return -1;
        if (name.compare(query, Qt::CaseInsensitive) == 0)
            return 0;
        if (name.startsWith(query, Qt::CaseInsensitive))
            return 1;
        if (!wordStart) {
            wordStart = std::make_unique<QRegularExpression>(
                QStringLiteral("\\b") + QRegularExpression::escape(query),
                QRegularExpression::CaseInsensitiveOption |
                    QRegularExpression::UseUnicodePropertiesOption);
        }
        return wordStart->match(name).hasMatch() ? 2 : 3;
    }

    QString query;
    std::vector<char16_t> folded;
    bool slowOnly = false;
    mutable std::unique_ptr<QRegularExpression> wordStart;
};

QList<int> tiersFor(const QList<MediaItem>& items, const QString& query)
{
    QList<int> tiers(items.size(), 0);
    if (query.isEmpty())
        return tiers;
    const Matcher matcher(query);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i + kPrefetchAhead < items.size())
            prefetch(items[i + kPrefetchAhead].name);
        const int tier = matcher.tier(items[i].name);
        tiers[i] = tier < 0 ? 3 : tier; // a name without the query sorts with the last tier
    }
    return tiers;
}

// Puts items[order[0]] first, items[order[1]] second and so on, in place: following the
// permutation's cycles swaps items instead of copying the list.
void applyOrder(QList<MediaItem>& items, std::vector<int>& order)
{
    MediaItem* data = items.data();
    for (size_t start = 0; start < order.size(); ++start) {
        size_t current = start;
        while (order[current] != int(start)) {
            const size_t next = size_t(order[current]);
            prefetchRecord(data + order[next]);
            std::swap(data[current], data[next]);
            order[current] = int(current);
            current = next;
        }
        order[current] = int(current);
    }
}

// Bucket by tier (stable), then order each bucket with `less`: the same as one stable sort on
// (tier, less), with smaller sorts.
template <typename Less>
void sortByTierThen(QList<MediaItem>& items, const QList<int>& tiers, Less less)
{
    std::vector<int> order;
    order.reserve(size_t(items.size()));
    for (int tier = 0; tier <= 3; ++tier) {
        const auto bucketStart = qsizetype(order.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (tiers[i] == tier)
                order.push_back(int(i));
        }
        std::stable_sort(order.begin() + bucketStart, order.end(), less);
    }
    applyOrder(items, order);
}

// Name keys for ordering, all in one buffer: each UTF-16 unit folded the way
// QString::compare(CaseInsensitive) folds it (a low surrogate after a high one folds as the whole
// code point), written big-endian so that memcmp gives that comparison's order, much faster.
// Units take two bytes, or four when any name holds a surrogate pair. The first sixteen bytes are
// also packed into two integers, which settle most comparisons without touching the buffer.
// Reading the names is what costs, so the relevance tiers are computed in the same pass.
class NameKeys
{
public:
    NameKeys(const QList<MediaItem>& items, const QString& query, QList<int>& tiers)
    {
        const Matcher matcher(query);
        tiers.resize(items.size());
        size_t units = 0;
        for (const MediaItem& item : items)
            units += size_t(item.name.size()); // the size is in the list itself: no name is read
        if (!build(items, units, 2, matcher, tiers))
            build(items, units, 4, matcher, tiers);
    }

    quint64 head(int i) const { return keys[size_t(i)].head; }
    quint64 tail(int i) const { return keys[size_t(i)].tail; }

    // Three-way comparison of two keys whose heads and tails are equal: their first sixteen
    // bytes (or all of the shorter one) are then equal too and need no second look.
    int compareRest(int a, int b) const
    {
        const Key& ka = keys[size_t(a)];
        const Key& kb = keys[size_t(b)];
        const size_t common = std::min(ka.length, kb.length);
        const size_t skip = std::min<size_t>(16, common);
        const int c = std::memcmp(buffer.get() + ka.start + skip, buffer.get() + kb.start + skip,
                                  common - skip);
        if (c != 0)
            return c;
        return ka.length < kb.length ? -1 : (ka.length > kb.length ? 1 : 0);
    }

private:
    struct Key
    {
        quint64 head = 0; // key bytes 0-7 as a big-endian number (zero-padded)
        quint64 tail = 0; // key bytes 8-15
        size_t start = 0;
        size_t length = 0; // in bytes
    };

    // False when a surrogate pair needs four-byte units.
    bool build(const QList<MediaItem>& items, size_t units, int width, const Matcher& matcher,
               QList<int>& tiers)
    {
        const UnitTables& t = tables();
        buffer.reset(new unsigned char[units * size_t(width) + 1]); // no need to zero it
        keys.assign(size_t(items.size()), Key{});
        unsigned char* out = buffer.get();
        for (qsizetype index = 0; index < items.size(); ++index) {
            if (index + kPrefetchAhead < items.size())
                prefetch(items[index + kPrefetchAhead].name);
            const QString& name = items[index].name;
            const int tier = matcher.tier(name);
            tiers[index] = tier < 0 ? 3 : tier;
            const char16_t* p = reinterpret_cast<const char16_t*>(name.constData());
            Key& key = keys[size_t(index)];
            key.start = size_t(out - buffer.get());
            if (width == 2) {
                for (qsizetype i = 0; i < name.size(); ++i) {
                    const char16_t c = p[i];
                    if (QChar::isLowSurrogate(c) && i > 0 && QChar::isHighSurrogate(p[i - 1]))
                        return false;
                    const char16_t folded = t.fold[c];
                    out[0] = (unsigned char)(folded >> 8);
                    out[1] = (unsigned char)folded;
                    out += 2;
                }
            } else {
                char16_t last = 0;
                for (qsizetype i = 0; i < name.size(); ++i) {
                    const char16_t c = p[i];
                    const char32_t folded =
                        (QChar::isLowSurrogate(c) && QChar::isHighSurrogate(last))
                            ? QChar::toCaseFolded(QChar::surrogateToUcs4(last, c))
                            : char32_t(t.fold[c]);
                    out[0] = (unsigned char)(folded >> 24);
                    out[1] = (unsigned char)(folded >> 16);
                    out[2] = (unsigned char)(folded >> 8);
                    out[3] = (unsigned char)folded;
                    out += 4;
                    last = c;
                }
            }
            key.length = size_t(out - buffer.get()) - key.start;
            for (size_t i = 0; i < 16 && i < key.length; ++i) {
                const quint64 byte = buffer[key.start + i];
                if (i < 8)
                    key.head |= byte << (56 - 8 * i);
                else
                    key.tail |= byte << (56 - 8 * (i - 8));
            }
        }
        return true;
    }

    std::unique_ptr<unsigned char[]> buffer;
    std::vector<Key> keys;
};

} // namespace

int relevanceTier(const QString& name, const QString& query)
{
    const int tier = Matcher(query).tier(name);
    return tier < 0 ? 3 : tier;
}

void sortByRelevance(QList<MediaItem>& items, const QString& query,
                     const RelevanceTieBreak& tieBreak)
{
    const QList<int> tiers = tiersFor(items, query);
    sortByTierThen(items, tiers, [&](int a, int b) { return tieBreak(a, b, tiers); });
}

QList<MediaItem> applyFilter(const QList<MediaItem>& items, const QString& categoryId,
                             const QString& query)
{
    QList<MediaItem> result;
    if (query.isEmpty()) {
        if (categoryId.isEmpty())
            return items;
        for (const MediaItem& item : items) {
            if (categoryId.isEmpty() || item.categoryId == categoryId)
                result.append(item);
        }
        return result;
    }

    // One pass finds the matches and their tiers; equal tiers keep their order.
    const Matcher matcher(query);
    std::array<std::vector<const MediaItem*>, 4> buckets;
    const bool anyCategory = categoryId.isEmpty();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i + kPrefetchAhead < items.size())
            prefetch(anyCategory ? items[i + kPrefetchAhead].name
                                 : items[i + kPrefetchAhead].categoryId);
        const MediaItem& item = items[i];
        if (!anyCategory && item.categoryId != categoryId)
            continue;
        const int tier = matcher.tier(item.name);
        if (tier >= 0)
            buckets[size_t(tier)].push_back(&item);
    }
    result.reserve(
        qsizetype(buckets[0].size() + buckets[1].size() + buckets[2].size() + buckets[3].size()));
    for (const auto& bucket : buckets) {
        for (size_t i = 0; i < bucket.size(); ++i) {
            // The record two steps ahead of its strings: reading a string's address reads it.
            if (i + size_t(2 * kPrefetchAhead) < bucket.size())
                prefetchRecord(bucket[i + size_t(2 * kPrefetchAhead)]);
            if (i + size_t(kPrefetchAhead) < bucket.size())
                prefetchStrings(*bucket[i + size_t(kPrefetchAhead)]);
            result.append(*bucket[i]);
        }
    }
    return result;
}

void sortItems(QList<MediaItem>& items, const QString& query, const QString& sortKey)
{
    // Sorting small records that carry their keys keeps the sort in cache; the item index as the
    // last key makes the order total, so the unstable std::sort yields the stable result.
    struct Record
    {
        int tier;
        int index;
        quint64 primary;
        quint64 secondary;
    };
    std::vector<Record> records(size_t(items.size()));
    std::vector<int> order(size_t(items.size()));
    auto finish = [&](auto&& compareRest) {
        std::sort(records.begin(), records.end(), [&](const Record& a, const Record& b) {
            if (a.tier != b.tier)
                return a.tier < b.tier;
            if (a.primary != b.primary)
                return a.primary < b.primary;
            if (a.secondary != b.secondary)
                return a.secondary < b.secondary;
            const int rest = compareRest(a.index, b.index);
            if (rest != 0)
                return rest < 0;
            return a.index < b.index;
        });
        for (size_t i = 0; i < records.size(); ++i)
            order[i] = records[i].index;
        applyOrder(items, order);
    };
    auto noFurtherKey = [](int, int) { return 0; };

    if (sortKey == u"added" || sortKey == u"rating") {
        const QList<int> tiers = tiersFor(items, query);
        const bool byDate = sortKey == u"added";
        for (qsizetype i = 0; i < items.size(); ++i) {
            Record& r = records[size_t(i)];
            r.tier = tiers[i];
            r.index = int(i);
            r.secondary = 0;
            if (byDate) {
                // Larger first: flip the bits of the order-preserving unsigned form.
                r.primary = ~(quint64(items[i].addedAt) ^ (quint64(1) << 63));
            } else {
                // Larger first; a NaN rating is never greater, so it goes after every number
                // (and NaNs keep their order among themselves).
                double rating = items[i].rating;
                if (std::isnan(rating)) {
                    r.primary = ~quint64(0);
                    continue;
                }
                if (rating == 0)
                    rating = 0; // -0 and +0 are equal
                quint64 bits;
                std::memcpy(&bits, &rating, sizeof bits);
                const quint64 ascending =
                    (bits & (quint64(1) << 63)) ? ~bits : bits | (quint64(1) << 63);
                r.primary = ~ascending - 1; // never ~0, which is kept for NaN
            }
        }
        finish(noFurtherKey);
    } else {
        QList<int> tiers;
        const NameKeys keys(items, query, tiers);
        for (qsizetype i = 0; i < items.size(); ++i) {
            Record& r = records[size_t(i)];
            r.tier = tiers[i];
            r.index = int(i);
            r.primary = keys.head(int(i));
            r.secondary = keys.tail(int(i));
        }
        finish([&keys](int a, int b) { return keys.compareRest(a, b); });
    }
}
