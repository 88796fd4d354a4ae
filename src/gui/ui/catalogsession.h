#pragma once

#include "model/category.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"
#include "providers/catalogloader.h"

#include <QList>
#include <QObject>

class CatalogTab;
class GuideService;
class LibraryFlow;
class LineupFlow;
class LoadingOverlay;
class QTabWidget;
class QWidget;
class ServerSelector;
class SourceManager;
class XtreamClient;

// The server being shown: loading its catalog (from the cache or the network) into the tabs and
// the guide, and the periodic re-check. The lists stay here for the window's other parts.
class CatalogSession final : public QObject
{
    Q_OBJECT

public:
    // What a load fills; set once the window has built them.
    struct Parts
    {
        QWidget* window = nullptr; // parent of the warnings
        ServerSelector* serverSelector = nullptr;
        QTabWidget* tabs = nullptr;
        CatalogTab* liveTab = nullptr;
        CatalogTab* movieTab = nullptr;
        CatalogTab* seriesTab = nullptr;
        CatalogTab* channelTab = nullptr;
        const int* liveTabIndex = nullptr; // the guide grids move the tabs after them
        const int* movieTabIndex = nullptr;
        const int* seriesTabIndex = nullptr;
        const int* channelTabIndex = nullptr;
        LoadingOverlay* loadingOverlay = nullptr;
        GuideService* guide = nullptr;
        LibraryFlow* libraryFlow = nullptr;
        LineupFlow* lineup = nullptr; // shapes the lists the tabs, search and guide read
    };

    CatalogSession(SourceManager* sources, CatalogLoader* loader, QObject* parent);
    void attach(const Parts& parts);

    void loadSource(const SourceConfig& config, bool forceRefresh);
    void checkAutoRefresh();
    void refreshActiveSource();
    // The guide follows the channels: a fetched catalog refreshes it, a cached one only when old.
    void guideCatalogLoaded(bool fetched);

    SourceConfig activeSource;
    XtreamClient* xtreamClient = nullptr;
    // Bumped by every load: results of an earlier load are still cached under their own server
    // but no longer shown.
    quint64 loadGeneration = 0;
    bool catalogFetched = false; // the current load went to the network
    QList<Category> liveCategories;
    QList<Category> movieCategories;
    QList<Category> seriesCategories;
    QList<MediaItem> liveItems;
    QList<MediaItem> movieItems;
    QList<MediaItem> seriesItems;
    QList<MediaItem> channelItems;

private:
    void loadXtreamSource(const SourceConfig& config, bool forceRefresh);
    void loadM3uSource(const SourceConfig& config, bool forceRefresh);
    CatalogLoader::Handlers catalogHandlers();
    // A section's list as the lineup shapes it, from the load that brought it.
    void itemsShaped(const QString& section, const QList<MediaItem>& items);

    SourceManager* sourceManager;
    CatalogLoader* catalogLoader;
    Parts p;
};
