#include "ui/episodespage.h"

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
QString episodesFailed()
{
    return EpisodesPage::tr(
        "The episodes could not be loaded. Go back and open the series again to retry.");
}
} // namespace

EpisodesPage::EpisodesPage(QStackedWidget* stack)
    : QWidget(stack)
    , stack(stack)
{
    auto* page = this;
    auto* layout = new QVBoxLayout(page);
    auto* header = new QHBoxLayout;
    auto* back = new QPushButton(tr("< Back to Shows"), page);
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
    stack->addWidget(page);

    connect(back, &QPushButton::clicked, this, [this]() { this->stack->setCurrentIndex(1); });
    connect(episodeTree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit chosen(item); });
    addActivateKeyShortcuts(episodeTree, this,
                            [this]() { emit chosen(episodeTree->currentItem()); });
}

bool EpisodesPage::isShown() const
{
    return stack->currentIndex() == kEpisodesPage;
}

void EpisodesPage::showSeries(XtreamClient* xtreamClient, const QString& sourceName,
                              const QString& seriesId, const QString& seriesName,
                              const quint64* loadGeneration)
{
    if (!xtreamClient)
        return;
    shownSeriesId = seriesId;
    shownSeriesName = seriesName;
    shownEpisodes.clear();
    episodeSeriesLabel->setText(seriesName);
    episodeTree->clear();
    stack->setCurrentIndex(kEpisodesPage);

    QList<Episode> cached;
    if (CatalogCache::loadEpisodes(sourceName, seriesId, kEpisodesMaxAgeSecs, cached)) {
        fillEpisodes(cached);
        return;
    }
    const quint64 generation = *loadGeneration;
    xtreamClient->fetchSeriesEpisodes(
        seriesId, [this, sourceName, seriesId, generation,
                   loadGeneration](const QList<Episode>& episodes, bool ok) {
            // The user went back, or loaded another server meanwhile: nothing to show.
            if (!isShown() || generation != *loadGeneration)
                return;
            // A failure is never cached, so opening the series again asks the server again.
            if (ok)
                CatalogCache::saveEpisodes(sourceName, seriesId, episodes);
            // Another series was opened after this one: its page stays.
            if (shownSeriesId != seriesId)
                return;
            fillEpisodes(episodes);
            if (!ok) {
                auto* notice = new QTreeWidgetItem(episodeTree, {episodesFailed()});
                notice->setFlags(Qt::ItemIsEnabled);
            }
        });
}

void EpisodesPage::fillEpisodes(const QList<Episode>& episodes)
{
    shownEpisodes = episodes;
    episodeTree->clear();
    QMap<int, QTreeWidgetItem*> seasons;
    for (int i = 0; i < episodes.size(); ++i) {
        const Episode& episode = episodes.at(i);
        QTreeWidgetItem*& season = seasons[episode.season];
        if (!season) {
            season = new QTreeWidgetItem(episodeTree);
            season->setText(0, tr("Season %1").arg(episode.season));
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
    emit listed();
}

int EpisodesPage::episodeIndexOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    const QVariant data = item->data(0, Qt::UserRole);
    if (!data.isValid())
        return -1;
    const int index = data.toInt();
    return index >= 0 && index < shownEpisodes.size() ? index : -1;
}
