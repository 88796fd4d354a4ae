#pragma once

#include "library/catalogindexes.h"
#include "library/library.h"

#include <QHash>
#include <QSet>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;
class SearchEverythingDialog;

// What the main window keeps for the library: the item being watched and its position, the
// catalog indexes that tell which starred items the server still offers, and the library's
// widgets in the player panel.
struct LibraryState
{
    Library* library = nullptr;

    // Tab catalogs by library id, built in the background when a tab's list is loaded.
    CatalogIndexes indexes;
    // Items of the library views shown now that the server no longer offers, per view widget.
    QHash<const QObject*, QSet<QString>> gone;
    QHash<QString, WatchState> movieStates;
    bool movieStatesValid = false;
    bool marked = false; // the movie grid carries marks
    QHash<QString, WatchState> seriesStates;
    bool seriesStatesValid = false;
    bool seriesMarked = false;
    bool quiet = false; // routine saves: views are not refilled under the user

    // The movie or episode being watched, and its server (another may be loaded meanwhile).
    MediaItem current;
    QString server;
    EpisodeContext episode;
    bool tracking = false;
    qint64 positionMs = 0;
    qint64 durationMs = 0;
    qint64 lastSaveAt = 0;     // monotonic ms
    qint64 resumeAtMs = 0;     // pending seek once the length is known
    qint64 resumeTargetMs = 0; // where a resume went, until the player reports it
    qint64 resumeGuardUntil = 0;
    qint64 noticeUntil = 0;
    bool saveFailureShown = false;
    QString currentChannelId; // library id of the live channel playing, empty otherwise
    QString continueSeriesId; // "Continue Watching" opened this series: play on once listed

    QWidget* resumeNotice = nullptr;
    QLabel* resumeLabel = nullptr;
    QPushButton* previousChannelButton = nullptr;
    SearchEverythingDialog* searchDialog = nullptr;
};
