#include "library/catalogmatch.h"

#include <vector>

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

QList<ShownLibraryEntry> matchCatalog(const QList<LibraryEntry>& entries,
                                      const QList<MediaItem>& catalog)
{
    QHash<QString, qsizetype> wanted;
    wanted.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        wanted.insert(Library::idOf(entries[i].item), i);
    // From the end, as the index keeps the last of equal ids; done when every entry is found.
    std::vector<qsizetype> found(size_t(entries.size()), -1);
    qsizetype left = wanted.size();
    for (qsizetype c = catalog.size() - 1; c >= 0 && left > 0; --c) {
        const MediaItem& item = catalog[c];
        const auto it = wanted.constFind(item.id.isEmpty() ? item.streamUrl : item.id);
        if (it != wanted.cend() && found[size_t(*it)] < 0) {
            found[size_t(*it)] = c;
            --left;
        }
    }
    QList<ShownLibraryEntry> shown;
    shown.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const LibraryEntry& entry = entries[i];
        const qsizetype at = found[size_t(wanted.value(Library::idOf(entry.item)))];
        if (at >= 0)
            shown.append({catalog[at], true, entry.watch});
        else
            shown.append({entry.item, false, entry.watch});
    }
    return shown;
}
