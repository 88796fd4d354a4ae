// Watching with the library: positions saved every 10 s and when a viewing ends, resuming where
// a movie or episode was left, recent channels and the previous channel, episode marks, and
// "Continue Watching" of a series.
#include "ui/libraryflow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "player/episodesequence.h"
#include "player/vlcplayer.h"
#include "ui/librarystate.h"
#include "ui/playbacktext.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>

namespace {
constexpr qint64 kResumeNoticeMs = 10000;
// Position reports from before the resume seek took effect are not the user's position.
constexpr qint64 kResumeSettleMs = 3000;
} // namespace

void LibraryFlow::libraryBeginPlay(const MediaItem& item)
{
    libraryEndViewing();
    lib->resumeNotice->hide();
    lib->current = item;
    lib->server = activeSource.storageKey();
    lib->positionMs = 0;
    lib->durationMs = 0;
    lib->resumeAtMs = 0;
    lib->resumeTargetMs = 0;
    lib->lastSaveAt = Clock::monotonicMs();
    lib->tracking = item.type == MediaItem::Movie || item.type == MediaItem::SeriesEpisode;
    lib->episode = {};
    if (item.type == MediaItem::SeriesEpisode) {
        lib->episode.seriesId = playingSeriesId;
        lib->episode.seriesName = episodeSequence.seriesName;
        lib->episode.lastEpisode = episodeSequence.index >= 0 &&
                                   episodeSequence.index + 1 >= episodeSequence.episodes.size();
    }
    if (lib->tracking)
        lib->resumeAtMs =
            watchrules::resumePositionMs(lib->library->watchState(activeSource.storageKey(), item));

    lib->currentChannelId.clear();
    if (item.type == MediaItem::Live) {
        lib->currentChannelId = Library::idOf(item);
        lib->quiet = true;
        lib->library->noteChannelWatched(activeSource.storageKey(), item);
        lib->quiet = false;
    }
    updatePreviousChannelButton();
}

void LibraryFlow::libraryTrackPosition(qint64 currentMs, qint64 totalMs)
{
    if (!lib->tracking || totalMs <= 0)
        return;
    const qint64 now = Clock::monotonicMs();
    if (lib->resumeAtMs > 0) {
        // The length is known now, so the seek lands.
        player->seek(lib->resumeAtMs);
        lib->resumeTargetMs = lib->resumeAtMs;
        lib->resumeGuardUntil = now + kResumeSettleMs;
        lib->resumeLabel->setText(tr("Resumed at %1").arg(formatMs(lib->resumeAtMs)));
        lib->resumeNotice->show();
        lib->noticeUntil = now + kResumeNoticeMs;
        lib->positionMs = lib->resumeAtMs;
        lib->durationMs = totalMs;
        lib->resumeAtMs = 0;
        return;
    }
    if (lib->resumeTargetMs > 0 && now < lib->resumeGuardUntil &&
        currentMs < lib->resumeTargetMs - kResumeSettleMs)
        return;
    lib->resumeTargetMs = 0;
    if (lib->resumeNotice->isVisible() && now >= lib->noticeUntil)
        lib->resumeNotice->hide();
    lib->positionMs = currentMs;
    lib->durationMs = totalMs;
    if (now - lib->lastSaveAt >= watchrules::kSaveIntervalMs) {
        lib->quiet = true;
        saveLibraryPosition();
        lib->quiet = false;
    }
}

void LibraryFlow::saveLibraryPosition()
{
    lib->lastSaveAt = Clock::monotonicMs();
    if (lib->durationMs <= 0)
        return;
    if (lib->library->savePosition(lib->server, lib->current, lib->positionMs, lib->durationMs,
                                   lib->episode) ||
        lib->saveFailureShown)
        return;
    // Said once a run: the next saves are tried all the same.
    lib->saveFailureShown = true;
    MessageBox::warning(
        window, tr("Library"),
        tr("Your watch progress could not be saved: %1").arg(lib->library->lastError()));
}

void LibraryFlow::libraryReplay()
{
    // A retried movie goes on where it broke off instead of saving its restart over that.
    if (lib->tracking && lib->resumeAtMs == 0)
        lib->resumeAtMs =
            watchrules::resumePositionMs({lib->positionMs, lib->durationMs, false, 0});
}

void LibraryFlow::libraryEndViewing()
{
    if (!lib->tracking)
        return;
    saveLibraryPosition();
    lib->tracking = false;
}

void LibraryFlow::updatePreviousChannelButton()
{
    QStringList ids;
    for (const LibraryEntry& entry : lib->library->recentChannels(activeSource.storageKey()))
        ids << Library::idOf(entry.item);
    lib->previousChannelButton->setVisible(
        !lib->currentChannelId.isEmpty() &&
        watchrules::previousChannelIndex(ids, lib->currentChannelId) >= 0);
}

void LibraryFlow::playPreviousChannel()
{
    const QList<LibraryEntry> recent = lib->library->recentChannels(activeSource.storageKey());
    QStringList ids;
    for (const LibraryEntry& entry : recent)
        ids << Library::idOf(entry.item);
    const int index = watchrules::previousChannelIndex(ids, lib->currentChannelId);
    if (index < 0)
        return;
    // The catalog's copy when the server still offers it.
    const QList<MediaItem>& catalog =
        activeSource.type == SourceConfig::Xtream ? liveItems : channelItems;
    const CatalogIndex& byId = catalogIndex(catalog);
    const auto it = byId.constFind(ids[index]);
    const MediaItem item = it != byId.cend() ? catalog.at(*it) : recent.at(index).item;
    clearSeriesContext();
    playMediaItem(item);
}

void LibraryFlow::markEpisodeTree()
{
    const QHash<QString, WatchState> states =
        lib->library->episodeStates(activeSource.storageKey(), shownSeriesId);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    for (int s = 0; s < episodeTree->topLevelItemCount(); ++s) {
        QTreeWidgetItem* season = episodeTree->topLevelItem(s);
        for (int e = 0; e < season->childCount(); ++e) {
            QTreeWidgetItem* row = season->child(e);
            const int index = row->data(0, Qt::UserRole).toInt();
            if (index < 0 || index >= shownEpisodes.size())
                continue;
            const Episode& episode = shownEpisodes.at(index);
            const WatchState state = states.value(episode.id);
            QString text = episodeRowText(episode);
            const int percent = watchrules::progressPercent(state);
            if (percent > 0)
                text = tr("%1  (%2% watched)").arg(text, QLocale().toString(percent));
            else if (state.watched)
                text = tr("✓ %1").arg(text);
            row->setText(0, text);
            row->setForeground(0, state.watched && percent == 0 ? grey
                                                                : palette().color(QPalette::Text));
            row->setToolTip(0, percent > 0     ? tr("Left at %1").arg(formatMs(state.positionMs))
                               : state.watched ? tr("Watched")
                                               : QString());
        }
    }
    if (!lib->continueSeriesId.isEmpty() && lib->continueSeriesId == shownSeriesId &&
        !shownEpisodes.isEmpty()) {
        lib->continueSeriesId.clear();
        QStringList ids;
        for (const Episode& episode : shownEpisodes)
            ids << episode.id;
        const int next = watchrules::nextEpisodeIndex(ids, states);
        for (int s = 0; s < episodeTree->topLevelItemCount(); ++s) {
            QTreeWidgetItem* season = episodeTree->topLevelItem(s);
            for (int e = 0; e < season->childCount(); ++e) {
                if (season->child(e)->data(0, Qt::UserRole).toInt() == next) {
                    episodeTree->setCurrentItem(season->child(e));
                    playEpisodeTreeItem(season->child(e));
                    return;
                }
            }
        }
    }
}

void LibraryFlow::continueSeries(const MediaItem& series)
{
    lib->continueSeriesId = series.id;
    showEpisodesInline(series.id, series.name);
}
