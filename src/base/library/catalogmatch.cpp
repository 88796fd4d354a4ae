#include "library/catalogmatch.h"

CatalogIndex indexCatalog(const QList<MediaItem>& items)
{
    CatalogIndex index;
    index.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i)
        index.insert(Library::idOf(items[i]), i);
    return index;
}

QList<ShownLibraryEntry> matchCatalog(const QList<LibraryEntry>& entries,
                                      const QList<MediaItem>& catalog, const CatalogIndex& index)
{
    QList<ShownLibraryEntry> shown;
    shown.reserve(entries.size());
    for (const LibraryEntry& entry : entries) {
        const auto it = index.constFind(Library::idOf(entry.item));
        if (it != index.cend() && *it < catalog.size()) {
            shown.append({catalog[*it], true, entry.watch});
        } else {
            shown.append({entry.item, false, entry.watch});
        }
    }
    return shown;
}
