#include "library/catalogindexes.h"

#include <QCoreApplication>
#include <QThread>

CatalogIndexes::CatalogIndexes(QObject* parent)
    : QObject(parent)
{}

CatalogIndexes::~CatalogIndexes()
{
    // Builders post their index to this object.
    for (const QPointer<QThread>& builder : std::as_const(builders)) {
        if (builder)
            builder->wait();
    }
}

CatalogIndexes::Entry* CatalogIndexes::find(const QList<MediaItem>& items)
{
    for (Entry& entry : entries) {
        if (entry.items.constData() == items.constData() && entry.items.size() == items.size())
            return &entry;
    }
    return nullptr;
}

CatalogIndexes::Entry& CatalogIndexes::keep(const QList<MediaItem>& items, CatalogIndex byId)
{
    if (Entry* known = find(items))
        return *known;
    entries.removeIf([](const Entry& entry) { return entry.items.isDetached(); });
    entries.append({items, std::move(byId)});
    return entries.last();
}

void CatalogIndexes::prepare(const QList<MediaItem>& items)
{
    if (items.isEmpty() || find(items))
        return;
    builders.removeAll(QPointer<QThread>());
    // The copy shares the catalog's data and keeps it alive while the index is built.
    QThread* builder = QThread::create([this, items]() {
        CatalogIndex byId = indexCatalog(items);
        QMetaObject::invokeMethod(
            this, [this, items, byId = std::move(byId)]() mutable { keep(items, std::move(byId)); },
            Qt::QueuedConnection);
    });
    connect(builder, &QThread::finished, builder, &QObject::deleteLater);
    builders.append(builder);
    builder->start(QThread::LowPriority);
}

void CatalogIndexes::waitForPrepared()
{
    for (const QPointer<QThread>& builder : std::as_const(builders)) {
        if (builder)
            builder->wait();
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

const CatalogIndex& CatalogIndexes::of(const QList<MediaItem>& items)
{
    if (Entry* known = find(items))
        return known->byId;
    return keep(items, indexCatalog(items)).byId;
}
