#pragma once

#include "model/category.h"
#include "model/mediaitem.h"

#include <QHash>
#include <QList>
#include <QString>

// The user's own arrangement of one server's catalog: what is hidden, locked, renamed, in which
// order the categories come and which guide channel a channel reads. Everything is keyed by the
// provider's ids (category_id, stream_id, a playlist entry's address), so a refresh that renames
// or moves an item keeps the choices. Choices for items the server no longer sends are kept
// until removed. Widget-free value type.
struct LineupEntry
{
    enum What : int
    {
        CategoryEntry = 0,
        ItemEntry = 1
    };

    int what = ItemEntry;
    int kind = MediaItem::Live; // the section: Live, Movie or Series
    QString id;
    bool hidden = false;
    bool locked = false;
    QString name;         // the user's name; empty keeps the provider's
    QString providerName; // the provider's name when last seen, for entries that are gone
    int position = -1;    // categories: the user's order, -1 for the provider's
    QString guideId;      // channels: the guide channel chosen by hand
    int shiftMinutes = 0; // channels: added to the guide's times, in 15-minute steps

    // Nothing chosen: the entry can go.
    bool isEmpty() const;
    bool operator==(const LineupEntry&) const = default;
};

class Lineup final
{
public:
    // A channel's or category's section: series episodes and series count as series.
    static int sectionOf(int kind);

    bool isEmpty() const;
    QList<LineupEntry> all() const;
    // Entries of one kind of object in one section, by id.
    const QHash<QString, LineupEntry>& of(int what, int kind) const;
    LineupEntry entry(int what, int kind, const QString& id) const;
    // Stores `e`, or drops it when nothing is chosen.
    void put(const LineupEntry& e);
    void clear();

    bool isHiddenCategory(int kind, const QString& id) const;
    bool isLockedCategory(int kind, const QString& id) const;
    bool isHidden(const MediaItem& item) const;
    // Locked by itself or through its category.
    bool isLocked(const MediaItem& item) const;
    bool hasLocks() const;

    // What a section shows. Without choices the list comes back shared, copied by nobody.
    // `unlocked`: locked content is shown (the PIN was given).
    QList<MediaItem> apply(int kind, const QList<MediaItem>& items, bool unlocked) const;
    // Visible categories in the user's order, with the user's names. Locked ones stay listed.
    QList<Category> applyToCategories(int kind, const QList<Category>& categories) const;
    // The provider's order within the user's order of categories (stable).
    QList<MediaItem> inCategoryOrder(int kind, const QList<MediaItem>& items) const;

private:
    static constexpr int kSections = 3;
    QHash<QString, LineupEntry> entries[2][kSections]; // [what][section], by id
};
