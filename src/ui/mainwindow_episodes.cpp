// Series: the seasons and episodes page of the "TV Shows" tab, playing an episode, and the
// episode sequence that "Next Episode" follows.
#include "ui/mainwindow.h"

#include "providers/catalogcache.h"
#include "providers/xtreamclient.h"
#include "ui/catalogtabs.h"
#include "ui/playbacktext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kEpisodesPage = 2;
constexpr qint64 kEpisodesMaxAgeSecs = 86400;
const QString kEpisodesFailed =
    QStringLiteral("The episodes could not be loaded. Go back and open the series again to retry.");
} // namespace

QWidget* MainWindow::buildEpisodesPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* header = new QHBoxLayout;
    auto* back = new QPushButton(QStringLiteral("< Back to Shows"), page);
    episodeSeriesLabel = new QLabel(page);
    episodeSeriesLabel->setObjectName(QStringLiteral("episodeSeriesLabel"));
    QFont bold = episodeSeriesLabel->font();
    bold.setWeight(QFont::Bold);
    episodeSeriesLabel->setFont(bold);
    header->addWidget(back, 0);
    header->addWidget(episodeSeriesLabel, 1);
    layout->addLayout(header);
    episodeTree = new QTreeWidget(page);
    episodeTree->setObjectName(QStringLiteral("episodeTree"));
    episodeTree->setHeaderHidden(true);
    layout->addWidget(episodeTree, 1);

    connect(back, &QPushButton::clicked, this, [this]() { seriesStack->setCurrentIndex(1); });
    connect(episodeTree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { playEpisodeTreeItem(item); });
    addActivateKeyShortcuts(episodeTree, this,
                            [this]() { playEpisodeTreeItem(episodeTree->currentItem()); });
    return page;
}

void MainWindow::showEpisodesInline(const QString& seriesId, const QString& seriesName)
{
    if (!xtreamClient)
        return;
    shownSeriesId = seriesId;
    shownSeriesName = seriesName;
    shownEpisodes.clear();
    episodeSeriesLabel->setText(seriesName);
    episodeTree->clear();
    seriesStack->setCurrentIndex(kEpisodesPage);

    const QString sourceName = activeSource.name;
    QList<Episode> cached;
    if (CatalogCache::loadEpisodes(sourceName, seriesId, kEpisodesMaxAgeSecs, cached)) {
        fillEpisodes(cached);
        return;
    }
    const quint64 generation = loadGeneration;
    xtreamClient->fetchSeriesEpisodes(seriesId, [this, sourceName, seriesId, generation](
                                                    const QList<Episode>& episodes, bool ok) {
        // The user went back, or loaded another server meanwhile: nothing to show.
        if (seriesStack->currentIndex() != kEpisodesPage || generation != loadGeneration)
            return;
        // A failure is never cached, so opening the series again asks the server again.
        if (ok)
            CatalogCache::saveEpisodes(sourceName, seriesId, episodes);
        // Another series was opened after this one: its page stays.
        if (shownSeriesId != seriesId)
            return;
        fillEpisodes(episodes);
        if (!ok) {
            auto* notice = new QTreeWidgetItem(episodeTree, {kEpisodesFailed});
            notice->setFlags(Qt::ItemIsEnabled);
        }
    });
}

void MainWindow::fillEpisodes(const QList<Episode>& episodes)
{
    shownEpisodes = episodes;
    episodeTree->clear();
    QMap<int, QTreeWidgetItem*> seasons;
    for (int i = 0; i < episodes.size(); ++i) {
        const Episode& episode = episodes.at(i);
        QTreeWidgetItem*& season = seasons[episode.season];
        if (!season) {
            season = new QTreeWidgetItem(episodeTree);
            season->setText(0, QStringLiteral("Season %1").arg(episode.season));
            QFont bold = season->font(0);
            bold.setWeight(QFont::Bold);
            season->setFont(0, bold);
            season->setFlags(Qt::ItemIsEnabled);
        }
        auto* row = new QTreeWidgetItem(season);
        row->setText(0, episodeRowText(episode));
        row->setData(0, Qt::UserRole, i);
    }
    episodeTree->expandAll();
    markEpisodeTree();
}

void MainWindow::playEpisodeTreeItem(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QVariant data = item->data(0, Qt::UserRole);
    if (!data.isValid())
        return;
    const int index = data.toInt();
    if (index < 0 || index >= shownEpisodes.size())
        return;
    episodeSequence.start(shownEpisodes, index, shownSeriesName);
    playingSeriesId = shownSeriesId;
    playMediaItem(episodeSequence.current());
}

void MainWindow::playNextEpisode()
{
    if (episodeSequence.advance())
        playMediaItem(episodeSequence.current());
}

void MainWindow::updateNextEpisodeButton()
{
    const bool episode = currentKind == MediaItem::SeriesEpisode;
    nextEpisodeButton->setVisible(episode);
    nextEpisodeButton->setEnabled(episode && episodeSequence.hasNext());
}

void MainWindow::clearSeriesContext()
{
    episodeSequence.clear();
    playingSeriesId.clear();
}
