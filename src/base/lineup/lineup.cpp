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
    // Which categories drop out, and whether any category has a place of the user's.
    QSet<QString> dropped;
    bool ordered = false;
    for (const LineupEntry& e : categories) {
        if (e.hidden || (e.locked && !unlocked))
            dropped.insert(e.id);
        ordered = ordered || e.position >= 0;
    }
    if (dropped.isEmpty() && chosen.isEmpty())
        return ordered ? inCategoryOrder(kind, items) : items;

    QList<MediaItem> shown;
    shown.reserve(items.size());
    for (const MediaItem& item : items) {
        if (!dropped.isEmpty() && dropped.contains(item.categoryId))
            continue;
        if (chosen.isEmpty()) {
            shown.append(item);
            continue;
        }
        const auto it = chosen.constFind(item.id.isEmpty() ? item.streamUrl : item.id);
        if (it == chosen.cend()) {
            shown.append(item);
            continue;
        }
        if (it->hidden || (it->locked && !unlocked))
            continue;
        MediaItem changed = item;
        if (!it->name.isEmpty()) {
            // The guide is found by the provider's name when it has no id: keep that name for it.
            if (changed.guideName.isEmpty())
                changed.guideName = item.name;
            changed.name = it->name;
        }
        if (!it->guideId.isEmpty())
            changed.guideId = it->guideId;
        shown.append(std::move(changed));
    }
    return ordered ? inCategoryOrder(kind, shown) : shown;
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
    const auto& chosen = of(LineupEntry::CategoryEntry, kind);
    QHash<QString, int> rank;
    for (const LineupEntry& e : chosen)
        if (e.position >= 0)
            rank.insert(e.id, e.position);
    if (rank.isEmpty())
        return items;
    // Counting sort by rank: unranked categories keep their place after the ranked ones.
    QList<int> ranks(items.size());
    int maxRank = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int r = rank.value(items[i].categoryId, -1);
        ranks[i] = r;
        maxRank = std::max(maxRank, r);
    }
    QList<QList<qsizetype>> buckets(maxRank + 2);
    for (qsizetype i = 0; i < items.size(); ++i)
        buckets[ranks[i] < 0 ? maxRank + 1 : ranks[i]].append(i);
    QList<MediaItem> sorted;
    sorted.reserve(items.size());
    for (const auto& bucket : buckets)
        for (const qsizetype i : bucket)
            sorted.append(items[i]);
    return sorted;
}
