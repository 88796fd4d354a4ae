#pragma once

#include "library/library.h"

#include <QHash>
#include <QList>
#include <QString>

// A library entry as a tab shows it: the catalog's current copy of the item when the server still
// offers it, else the copy the library kept, marked as no longer offered.
struct ShownLibraryEntry
{
    MediaItem item;
    bool offered = true;
    WatchState watch;
};

// The catalog of one tab by library id, built once per catalog load.
using CatalogIndex = QHash<QString, qsizetype>;
CatalogIndex indexCatalog(const QList<MediaItem>& items);

QList<ShownLibraryEntry> matchCatalog(const QList<LibraryEntry>& entries,
                                      const QList<MediaItem>& catalog, const CatalogIndex& index);
