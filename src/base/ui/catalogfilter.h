#pragma once

#include "model/mediaitem.h"

#include <QList>
#include <QString>

#include <functional>

// Which catalog entries a tab shows, and in which order. Widget-free; the tabs call these on every
// keystroke, so they must stay fast on catalogs of 100k entries.
//
// Names and queries are compared normalised (NFC) and fully case-folded, the Turkish dotted and
// dotless i folded to i ("strasse" finds "Straße", "istanbul" finds "İSTANBUL"); a name that
// differs from the query only in accents matches too ("muzik" finds "Müzik"), after every exact
// match. Relevance tiers for a non-empty query (lower first; the first test that holds decides):
//   0  the name equals the query
//   1  the name starts with the query
//   2  the query begins a word of the name (a word boundary precedes it)
//   3  the name holds the query only inside a word
//   4-7  the same four, for names that hold the query only when accents are ignored

// Receives two indices into the list being sorted and the tier of every item; true when the first
// index goes first.
using RelevanceTieBreak = std::function<bool(int, int, const QList<int>&)>;

// Items of `categoryId` (all when empty, compared exactly) whose names contain `query` as above
// (no trimming), ordered by relevance tier when the query is not empty; equal tiers keep their
// order.
QList<MediaItem> applyFilter(const QList<MediaItem>& items, const QString& categoryId,
                             const QString& query);

// Stable sort by relevance tier, then by `tieBreak`.
void sortByRelevance(QList<MediaItem>& items, const QString& query,
                     const RelevanceTieBreak& tieBreak);

// Relevance, then the poster tabs' sort key: "added" (newest first), "rating" (highest first),
// anything else by name ignoring case. Stable.
void sortItems(QList<MediaItem>& items, const QString& query, const QString& sortKey);

// The tier of one name for a non-empty query (see above); kLastTier when it does not match.
constexpr int kLastTier = 7;
int relevanceTier(const QString& name, const QString& query);

// Builds the folding tables (some 30 ms, once) ahead of the first keystroke; any thread.
void prepareCatalogMatching();
