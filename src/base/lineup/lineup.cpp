#include "lineup/lineup.h"

#include <QSet>

#include <algorithm>

bool LineupEntry::isEmpty() const
{
    return !hidden && !locked && name.isEmpty() && position < 0 && guideId.isEmpty() &&
           shiftMinutes == 0;
}

int Lineup::sectionOf(int kind)
{
    switch (kind) {
    case MediaItem::Movie:
        return MediaItem::Movie;
    case MediaItem::Series:
    case MediaItem::SeriesEpisode:
        return MediaItem::Series;
    default:
        return MediaItem::Live;
    }
}

bool Lineup::isEmpty() const
{
    for (const auto& row : entries)
        for (const auto& table : row)
            if (!table.isEmpty())
                return false;
    return true;
}

QList<LineupEntry> Lineup::all() const
{
    QList<LineupEntry> list;
    for (const auto& row : entries)
        for (const auto& table : row)
            list.append(table.values());
    return list;
}

const QHash<QString, LineupEntry>& Lineup::of(int what, int kind) const
{
    return entries[what == LineupEntry::CategoryEntry ? 0 : 1][sectionOf(kind)];
}

LineupEntry Lineup::entry(int what, int kind, const QString& id) const
{
    LineupEntry e = of(what, kind).value(id);
    e.what = what;
    e.kind = sectionOf(kind);
    e.id = id;
    return e;
}

void Lineup::put(const LineupEntry& e)
{
    auto& table = entries[e.what == LineupEntry::CategoryEntry ? 0 : 1][sectionOf(e.kind)];
    if (e.isEmpty()) {
        table.remove(e.id);
        return;
    }
    LineupEntry stored = e;
    stored.kind = sectionOf(e.kind);
    table.insert(e.id, stored);
}

void Lineup::clear()
{
    for (auto& row : entries)
        for (auto& table : row)
            table.clear();
}

bool Lineup::isHiddenCategory(int kind, const QString& id) const
{
    const auto& table = of(LineupEntry::CategoryEntry, kind);
    const auto it = table.constFind(id);
    return it != table.cend() && it->hidden;
}

bool Lineup::isLockedCategory(int kind, const QString& id) const
{
    const auto& table = of(LineupEntry::CategoryEntry, kind);
    const auto it = table.constFind(id);
    return it != table.cend() && it->locked;
}

bool Lineup::isHidden(const MediaItem& item) const
{
    const auto& items = of(LineupEntry::ItemEntry, item.type);
    const auto it = items.constFind(item.id.isEmpty() ? item.streamUrl : item.id);
    return (it != items.cend() && it->hidden) || isHiddenCategory(item.type, item.categoryId);
}

bool Lineup::isLocked(const MediaItem& item) const
{
    const auto& items = of(LineupEntry::ItemEntry, item.type);
    const auto it = items.constFind(item.id.isEmpty() ? item.streamUrl : item.id);
    return (it != items.cend() && it->locked) || isLockedCategory(item.type, item.categoryId);
}

bool Lineup::hasLocks() const
{
    for (const auto& row : entries)
        for (const auto& table : row)
            for (const LineupEntry& e : table)
                if (e.locked)
                    return true;
    return false;
}

QList<MediaItem> Lineup::apply(int kind, const QList<MediaItem>& items, bool unlocked) const
{
    const auto& categories = of(LineupEntry::CategoryEntry, kind);
    const auto& chosen = of(LineupEntry::ItemEntry, kind);
    // Whether any category drops out or has a place of the user's.
    bool dropping = false;
    int maxRank = -1;
    for (const LineupEntry& e : categories) {
        dropping = dropping || e.hidden || (e.locked && !unlocked);
        maxRank = std::max(maxRank, e.position);
    }
    if (!dropping && maxRank < 0 && chosen.isEmpty())
        return items;

    // One pass: each item is looked up once per table and copied once, into the bucket of its
    // category's place (the last bucket keeps the provider's order for unplaced categories).
    const int unranked = maxRank + 1;
    QList<QList<qsizetype>> buckets(unranked + 1);
    QHash<qsizetype, MediaItem> changed;
    QString lastCategory;
    int lastBucket = unranked;
    bool lastDropped = false;
    bool haveLast = false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const MediaItem& item = items[i];
        // Catalogs list a category's items together: one lookup per run of them.
        if (!haveLast || item.categoryId != lastCategory) {
            lastCategory = item.categoryId;
            haveLast = true;
            lastBucket = unranked;
            lastDropped = false;
            const auto c = categories.constFind(item.categoryId);
            if (c != categories.cend()) {
                lastDropped = c->hidden || (c->locked && !unlocked);
                if (c->position >= 0)
                    lastBucket = c->position;
            }
        }
        if (lastDropped)
            continue;
        if (!chosen.isEmpty()) {
            const auto it = chosen.constFind(item.id.isEmpty() ? item.streamUrl : item.id);
            if (it != chosen.cend()) {
                if (it->hidden || (it->locked && !unlocked))
                    continue;
                if (!it->name.isEmpty() || !it->guideId.isEmpty()) {
                    MediaItem shown = item;
                    if (!it->name.isEmpty()) {
                        // The guide is found by the provider's name when it has no id: keep
                        // that name for it.
                        if (shown.guideName.isEmpty())
                            shown.guideName = item.name;
                        shown.name = it->name;
                    }
                    if (!it->guideId.isEmpty())
                        shown.guideId = it->guideId;
                    changed.insert(i, std::move(shown));
                }
            }
        }
        buckets[lastBucket].append(i);
    }
    QList<MediaItem> shown;
    qsizetype total = 0;
    for (const auto& bucket : buckets)
        total += bucket.size();
    shown.reserve(total);
    for (const auto& bucket : buckets) {
        for (const qsizetype i : bucket) {
            const auto it = changed.constFind(i);
            shown.append(it == changed.cend() ? items[i] : *it);
        }
    }
    return shown;
}

QList<Category> Lineup::applyToCategories(int kind, const QList<Category>& categories) const
{
    const auto& chosen = of(LineupEntry::CategoryEntry, kind);
    if (chosen.isEmpty())
        return categories;
    struct Placed
    {
        int position;
        int provider;
        Category category;
    };
    QList<Placed> placed;
    placed.reserve(categories.size());
    for (int i = 0; i < categories.size(); ++i) {
        Category category = categories[i];
        int position = -1;
        const auto it = chosen.constFind(category.id);
        if (it != chosen.cend()) {
            if (it->hidden)
                continue;
            if (!it->name.isEmpty())
                category.name = it->name;
            position = it->position;
        }
        placed.append({position, i, std::move(category)});
    }
    // Categories the user placed come in that order; new ones follow in the provider's.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        const bool ap = a.position >= 0, bp = b.position >= 0;
        if (ap != bp)
            return ap;
        return ap ? a.position < b.position : a.provider < b.provider;
    });
    QList<Category> result;
    result.reserve(placed.size());
    for (Placed& p : placed)
        result.append(std::move(p.category));
    return result;
}

QList<MediaItem> Lineup::inCategoryOrder(int kind, const QList<MediaItem>& items) const
{
    // Only the order applies: nothing is hidden or renamed here.
    Lineup order;
    for (const LineupEntry& e : of(LineupEntry::CategoryEntry, kind)) {
        if (e.position < 0)
            continue;
        LineupEntry placed;
        placed.what = LineupEntry::CategoryEntry;
        placed.kind = kind;
        placed.id = e.id;
        placed.position = e.position;
        order.put(placed);
    }
    return order.apply(kind, items, true);
}
