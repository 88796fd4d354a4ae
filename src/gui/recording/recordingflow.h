#pragma once

#include "guide/guidegrid.h"
#include "model/mediaitem.h"

#include <QObject>
#include <QString>

#include <memory>

class CatalogSession;
class CatchupResolver;
class CatalogTab;
class GuideService;
class LibraryFlow;
class PlaybackController;
class PreferencesDialog;
class QLabel;
class QMenu;
class QNetworkAccessManager;
class QPushButton;
class QTimer;
class RecordingManager;
class RecordingTray;
class SourceManager;
class StreamConnections;
class VlcPlayer;
class XtreamClient;
struct GuideProgramme;

// Recording in the window: "Record" in the player's controls and the key R on a live channel,
// the running mark there and beside the channel in its table, the "Recordings" category of the
// movies tab (played like movies, deleted, shown in their folder), "Record" for programmes of
// the guide, the preferences page and keeping on in the system tray when the window closes.
class RecordingFlow final : public QObject
{
    Q_OBJECT

public:
    // What the flow sees of the window; everything outlives the flow.
    struct Parts
    {
        QWidget* window = nullptr;
        QWidget* playerPanel = nullptr;
        QWidget* controlsRow = nullptr;
        PlaybackController* playback = nullptr;
        CatalogSession* session = nullptr;
        SourceManager* sources = nullptr;
        GuideService* guide = nullptr;
        CatalogTab* liveTab = nullptr;
        CatalogTab* channelTab = nullptr;
        CatalogTab* movieTab = nullptr;
        LibraryFlow* libraryFlow = nullptr;
        StreamConnections* connections = nullptr;
        QString storePath;
    };

    RecordingFlow(const Parts& parts, QObject* parent);
    ~RecordingFlow() override;

    RecordingManager* manager() const { return recordings; }
    void addPreferencePage(PreferencesDialog& dialog);

    // Records the live channel playing, or stops its recording.
    void toggleRecording();
    // The same for a channel of a table, playing or not.
    void toggleChannel(const MediaItem& channel);
    // A programme of `channel` from the guide: planned (future), recorded (running) or, with
    // `series`, every programme of its title on that channel.
    void recordProgramme(const MediaItem& channel, const GuideProgramme& programme, bool series);
    // Saves a past programme from the channel's archive to a file, listed under "Recordings".
    void downloadProgramme(const MediaItem& channel, const GuideProgramme& programme);
    // Adds "Record", "Record Series" or "Cancel Recording" for `programme` to a guide menu, and
    // "Download" for a past one the archive keeps.
    void addProgrammeActions(QMenu& menu, const MediaItem& channel,
                             const GuideProgramme& programme);
    // The mark of a programme in the guide: "●" running, "◷" planned, empty otherwise.
    QString programmeMark(const MediaItem& channel, const GuideProgramme& programme) const;
    // The same for the guide grids, series rules included.
    GuideGrid::Mark gridMark(const MediaItem& channel, const GuideProgramme& programme) const;

    static const QString kRecordingsCategoryId;

private:
    void buildControls();
    void addRecordingsCategory();
    QList<MediaItem> recordingItems(const QString& query) const;
    void addRecordingActions(QMenu& menu, const MediaItem& item);
    QString markOf(const CatalogTab* tab, int row) const;
    void refresh();
    void updateDownloadLabels();
    // A new guide: the series rules of the server shown plan what it brings.
    void planSeries();
    QUrl liveAddress(const QString& server, const QString& channelId);
    // What recordings of the server shown are kept under: its id.
    QString serverKey() const;
    void adoptServerIds();
    void reportFailure(const QString& title, const QString& message);
    // recordingflow_guide.cpp: R, the context menu and marks in the guide's list and grids.
    void hookGuideViews();
    void markGuideList();
    bool guideEvent(QObject* watched, QEvent* event);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Parts p;
    RecordingManager* recordings = nullptr;
    RecordingTray* tray = nullptr;
    XtreamClient* xtream = nullptr;
    QNetworkAccessManager* network = nullptr;
    std::unique_ptr<CatchupResolver> resolver;
    QPushButton* recordButton = nullptr;
    QLabel* runningLabel = nullptr;
    QTimer* ticker = nullptr;
    qint64 lastSeriesPlanMs = 0;
};
