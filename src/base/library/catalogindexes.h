#pragma once

#include "library/catalogmatch.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QThread;

// The tabs' catalogs by library id, for matching library entries. Each is built on another
// thread when its catalog loads, so the first "Favorites" of a run does not wait for it; one
// asked for before then is built on the spot. Catalogs are told apart by their shared data, so
// a replaced catalog gets a new index; an index is dropped when nothing else holds its catalog.
class CatalogIndexes final : public QObject
{
    Q_OBJECT

public:
    explicit CatalogIndexes(QObject* parent = nullptr);
    ~CatalogIndexes() override;

    void prepare(const QList<MediaItem>& items);
    const CatalogIndex& of(const QList<MediaItem>& items);
    // Waits for the indexes being built (benchmarks, tests).
    void waitForPrepared();

private:
    struct Entry
    {
        QList<MediaItem> items; // shares the catalog: its data cannot be freed and reused
        CatalogIndex byId;
    };
    Entry* find(const QList<MediaItem>& items);
    Entry& keep(const QList<MediaItem>& items, CatalogIndex byId);

    QList<Entry> entries;
    QList<QPointer<QThread>> builders;
};
