#include "ui/catalogfilter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

// The tabs refilter on every keystroke over catalogs of 100k entries, so matching avoids Qt's
// general case-insensitive search, normalisation and regular expressions on the hot path: a
// name whose every UTF-16 unit folds to one unit (most names, accented letters included) is
// matched unit by unit through tables; any other name (combining marks, letters that fold to
// several, surrogates) is normalised and folded whole first. The tests compare both with the
// rules written out in Qt's own terms.

namespace {

// Marks a unit that does not fold to exactly one unit on its own.
constexpr char16_t kComplex = 0xFFFF;

// Full case folding, with the Turkish dotted and dotless i both folded to i; NFC afterwards.
QString foldedText(QString text)
{
    text.replace(QChar(0x0130), QChar(u'i')).replace(QChar(0x0131), QChar(u'i'));
    return text.toUpper().toLower().normalized(QString::NormalizationForm_C);
}

// Accents that distinguish letters of the Latin, Greek and Cyrillic scripts; marks of other
// scripts (vowel signs) are part of the word and stay.
bool isAccent(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE20 && c <= 0xFE2F);
}

// A folded text without its accents.
QString withoutAccents(const QString& folded)
{
    const QString decomposed = folded.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (!isAccent(c.unicode()))
            out += c;
    }
    return out.normalized(QString::NormalizationForm_C);
}

// Units that normalisation may join with the unit before them.
bool joinsPrevious(char16_t c)
{
    if (QChar::combiningClass(c) != 0 || (c >= 0x1100 && c <= 0x11FF))
        return true;
    static constexpr char16_t kSecondHalves[] = {0x09BE, 0x09D7, 0x0B3E, 0x0B56, 0x0B57, 0x0BBE,
                                                 0x0BD7, 0x0C56, 0x0CC2, 0x0CD5, 0x0CD6, 0x0D3E,
                                                 0x0D57, 0x0DCF, 0x0DDF, 0x102E, 0x1B35};
    return std::find(std::begin(kSecondHalves), std::end(kSecondHalves), c) !=
           std::end(kSecondHalves);
}

// Per UTF-16 unit: the simple case folding QString's case-insensitive comparison applies (for
// ordering), the folded unit with and without its accents (for matching), and whether it is a
// word character. Built once.
struct UnitTables
{
    std::array<char16_t, 0x10000> fold{};
    std::array<char16_t, 0x10000> exact{};
    std::array<char16_t, 0x10000> base{};
    std::array<bool, 0x10000> word{};

    UnitTables()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            fold[c] = folded <= 0xFFFF ? char16_t(folded) : char16_t(c);
            word[c] = c == u'_' || QChar::isLetterOrNumber(c);
            exact[c] = base[c] = kComplex;
            if (QChar::isSurrogate(c) || c == kComplex || joinsPrevious(char16_t(c)))
                continue;
            if (c < 0x80) {
                exact[c] = base[c] = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : char16_t(c);
                continue;
            }
            const QString e = foldedText(QString(QChar(c)));
            if (e.size() != 1 || joinsPrevious(e[0].unicode()))
                continue;
            const QString b = withoutAccents(e);
            if (b.size() != 1)
                continue;
            exact[c] = e[0].unicode();
            base[c] = b[0].unicode();
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

// A text normalised and folded whole: with accents (`exact`) and without (`base`), and for each
// unit whether it comes from a word character and whether it is a combining mark.
struct FoldedKeys
{
    enum Flag : quint8
    {
        Word = 1,
        Mark = 2
    };
    std::u16string exact, base;
    std::vector<quint8> exactFlags, baseFlags;

    explicit FoldedKeys(const QString& text)
    {
        const UnitTables& t = tables();
        const QString nfc = text.normalized(QString::NormalizationForm_C);
        const char16_t* p = reinterpret_cast<const char16_t*>(nfc.constData());
        for (qsizetype i = 0; i < nfc.size(); ++i) {
            char32_t c = p[i];
            if (QChar::isHighSurrogate(p[i]) && i + 1 < nfc.size() &&
                QChar::isLowSurrogate(p[i + 1])) {
                c = QChar::surrogateToUcs4(p[i], p[i + 1]);
                ++i;
            }
            const quint8 word = c == u'_' || QChar::isLetterOrNumber(c) ? Word : 0;
            if (c < 0x10000 && t.exact[c] != kComplex) {
                append(exact, exactFlags, QChar(t.exact[c]), word);
                append(base, baseFlags, QChar(t.base[c]), word);
                continue;
            }
            const QString e = foldedText(QString::fromUcs4(&c, 1));
            for (const QChar u : e)
                append(exact, exactFlags, u, word);
            for (const QChar u : withoutAccents(e))
                append(base, baseFlags, u, word);
        }
    }

    static void append(std::u16string& key, std::vector<quint8>& flags, QChar unit, quint8 word)
    {
        key.push_back(unit.unicode());
        flags.push_back(QChar::combiningClass(unit.unicode()) != 0 ? quint8(word | Mark) : word);
    }
};

// The best tier of `query` in `key`, or -1. An exact match must not end inside a letter (before
// a mark that belongs to it).
int tierIn(const std::u16string& key, const std::vector<quint8>& flags, const std::u16string& query)
{
    if (query.empty() || query.size() > key.size())
        return -1;
    int best = -1;
    for (size_t p = 0; p + query.size() <= key.size(); ++p) {
        if (key.compare(p, query.size(), query) != 0)
            continue;
        const size_t end = p + query.size();
        if (end < key.size() && (flags[end] & FoldedKeys::Mark))
            continue;
        if (p == 0)
            return end == key.size() ? 0 : 1;
        if ((flags[p - 1] & FoldedKeys::Word) != (flags[p] & FoldedKeys::Word))
            return 2;
        best = 3;
    }
    return best;
}

// Matches one query against many names: tiers 0-3 when the name holds the query as typed
// (ignoring case and normalisation), 4-7 when only without accents, -1 when not at all.
class Matcher
{
public:
    explicit Matcher(const QString& query)
        : keys(query)
    {
        queryLen = qsizetype(keys.base.size());
        exactAligned = keys.exact.size() == keys.base.size();
        slowOnly = keys.base.empty() || keys.exact.find(kComplex) != std::u16string::npos ||
                   keys.base.find(kComplex) != std::u16string::npos;
    }

    int tier(const QString& name) const
    {
        if (keys.exact.empty())
            return 0;
        if (slowOnly)
            return slowTier(name);
        const UnitTables& t = tables();
        const char16_t* n = reinterpret_cast<const char16_t*>(name.constData());
        const qsizetype nameLen = name.size();
        const char16_t* q = keys.base.data();
        const char16_t* qe = keys.exact.data();
        const char16_t first = q[0];
        int bestExact = -1, bestBase = -1;
        qsizetype p = 0;
        for (; p + queryLen <= nameLen; ++p) {
            const char16_t b = t.base[n[p]];
            if (b != first) {
                if (b == kComplex)
                    return slowTier(name);
                continue;
            }
            qsizetype k = 1;
            while (k < queryLen && t.base[n[p + k]] == q[k])
                ++k;
            if (k != queryLen)
                continue;
            const int at = p == 0 ? (nameLen == queryLen ? 0 : 1)
                                  : (isWordBefore(n, p) != t.word[n[p]] ? 2 : 3);
            bool exact = exactAligned;
            for (k = 0; exact && k < queryLen; ++k)
                exact = t.exact[n[p + k]] == qe[k];
            if (!exact) {
                bestBase = bestBase < 0 ? at : std::min(bestBase, at);
                continue;
            }
            if (at <= 2) {
                // Nothing later in the name can do better; it must not need the whole fold.
                return anyComplex(n, p + queryLen, nameLen) ? slowTier(name) : at;
            }
            bestExact = 3;
        }
        if (anyComplex(n, p, nameLen))
            return slowTier(name);
        if (bestExact >= 0)
            return bestExact;
        return bestBase >= 0 ? 4 + bestBase : -1;
    }

private:
    static bool anyComplex(const char16_t* name, qsizetype from, qsizetype to)
    {
        const UnitTables& t = tables();
        for (qsizetype i = from; i < to; ++i) {
            if (t.base[name[i]] == kComplex)
                return true;
        }
        return false;
    }

    int slowTier(const QString& name) const
    {
        const FoldedKeys folded(name);
        const int exact = tierIn(folded.exact, folded.exactFlags, keys.exact);
        if (exact >= 0)
            return exact;
        const int base = tierIn(folded.base, folded.baseFlags, keys.base);
        return base >= 0 ? 4 + base : -1;
    }

    FoldedKeys keys;
    qsizetype queryLen = 0;
    bool exactAligned = true;
    bool slowOnly = false;
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
        tiers[i] = tier < 0 ? kLastTier : tier; // a name without the query sorts last
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
    for (int tier = 0; tier <= kLastTier; ++tier) {
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
            tiers[index] = tier < 0 ? kLastTier : tier;
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

void prepareCatalogMatching()
{
    tables();
}

int relevanceTier(const QString& name, const QString& query)
{
    const int tier = Matcher(query).tier(name);
    return tier < 0 ? kLastTier : tier;
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
    std::array<std::vector<const MediaItem*>, kLastTier + 1> buckets;
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
    size_t total = 0;
    for (const auto& bucket : buckets)
        total += bucket.size();
    result.reserve(qsizetype(total));
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
