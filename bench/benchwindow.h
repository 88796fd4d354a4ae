#pragma once

// A main window for the benchmarks: one server in a temporary profile whose catalog comes from a
// fresh cache, so the window opens at once, without a dialog and without network access.

#include "app/clock.h"
#include "model/category.h"
#include "model/mediaitem.h"
#include "providers/catalogcache.h"
#include "sources/sourcemanager.h"
#include "ui/catalogconstants.h"

#include <QApplication>
#include <QList>
#include <QString>

namespace bench {

// Before the QApplication: the window draws offscreen unless told otherwise.
inline void useOffscreenPlatform()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// After the QApplication: the names the program sets, so the profile resolves the same way.
inline void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
}

inline QList<Category> benchCategories(int count = 60)
{
    QList<Category> out;
    for (int i = 1; i < count; ++i)
        out.append({QString::number(i), QStringLiteral("Category %1").arg(i)});
    return out;
}

// Stores an Xtream server named `name`, fetched just now, whose sections are in the cache, and
// makes it the one the window opens.
inline void storeCachedServer(const QString& name, const QList<MediaItem>& live,
                              const QList<MediaItem>& movies)
{
    CatalogCache::save(name, kLiveSection, {benchCategories(), live});
    CatalogCache::save(name, kMovieSection, {benchCategories(), movies});
    CatalogCache::save(name, kSeriesSection, {benchCategories(), {}});
    SourceManager store;
    SourceConfig config;
    config.type = SourceConfig::Xtream;
    config.name = name;
    config.url = QStringLiteral("http://127.0.0.1:9");
    config.username = QStringLiteral("user");
    config.password = QStringLiteral("pass");
    config.lastUpdated = Clock::epochSecs();
    store.saveSource(config);
    store.setLastActiveSourceName(name);
}

// Lets queued work run: delayed item layouts, zero-delay timers, poster requests.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace bench
