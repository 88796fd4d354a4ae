#pragma once

#include "model/mediaitem.h"

#include <QObject>

#include <functional>

class CatalogSession;
class CatalogTab;
class CatchupPlayback;
class GuidePanel;
struct GuideProgramme;
class GuideService;
class PlaybackController;
class PosterLoader;
class QLabel;
class QNetworkAccessManager;
class QPushButton;
class QTabWidget;
class QWidget;

// The programme guide in the window: the "Now" column of the channel tables, the programme list
// beside the video, the guide grids, the guide's progress in the server row, and past programmes
// played from the archive.
class GuideFlow final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget* window = nullptr; // parent of the warnings
        QWidget* serverRow = nullptr;
        QTabWidget* tabs = nullptr;
        CatalogTab* liveTab = nullptr;
        CatalogTab* channelTab = nullptr;
        // The grids go after Live TV and Channels; the indexes are read again.
        int* liveTabIndex = nullptr;
        int* movieTabIndex = nullptr;
        int* seriesTabIndex = nullptr;
        int* channelTabIndex = nullptr;
        QNetworkAccessManager* networkManager = nullptr;
        PosterLoader* posterLoader = nullptr;
        QWidget* playerPanel = nullptr;
        QWidget* controlsRow = nullptr;
        QPushButton* nextEpisodeButton = nullptr;
        const CatalogSession* session = nullptr;
        PlaybackController* playback = nullptr;
        std::function<void(const MediaItem&)> playMediaItem;
        std::function<void()> clearSeriesContext;
        // What the guide grids may show of a tab's channels (locked ones never).
        std::function<QList<MediaItem>(const QList<MediaItem>&)> gridChannels;
    };

    GuideFlow(Parts parts, QObject* parent);

    GuideService* guide = nullptr;
    GuidePanel* guidePanel = nullptr;
    CatchupPlayback* catchup = nullptr; // past programmes from the channel's archive
    QLabel* guideStatusLabel = nullptr;

private:
    void setUpGuide();
    void setUpGuideGrids();
    void setUpCatchup();
    // A programme from the archive chosen in the grid, at the address the resolver gave.
    void playArchive(const MediaItem& channel, const GuideProgramme& programme, const QString& url);

    Parts p;
};
