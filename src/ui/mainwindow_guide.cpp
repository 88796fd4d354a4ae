// The programme guide in the window: the "Now" column of the channel tables, the programme
// list beside the video, and the guide's progress in the server row.
#include "ui/mainwindow.h"

#include "guide/guidegridtab.h"
#include "guide/guidepanel.h"
#include "guide/guideservice.h"
#include "guide/nowcolumndelegate.h"
#include "player/livebuffertuner.h"
#include "player/vlcplayer.h"
#include "ui/clicktoseekslider.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>

void MainWindow::setUpGuide()
{
    guide = new GuideService(this);

    guideStatusLabel = new QLabel(serverRow);
    guideStatusLabel->setObjectName(QStringLiteral("guideStatus"));
    if (auto* row = qobject_cast<QBoxLayout*>(serverRow->layout()))
        row->insertWidget(row->count() - 1, guideStatusLabel);
    connect(guide, &GuideService::statusChanged, guideStatusLabel, &QLabel::setText);

    const std::pair<QTableWidget*, QList<MediaItem> MainWindow::*> tables[] = {
        {liveTable, &MainWindow::liveShown}, {channelTable, &MainWindow::channelShown}};
    for (const auto& [table, shown] : tables) {
        table->setColumnCount(2);
        table->setHorizontalHeaderLabels({QStringLiteral("Channel"), QStringLiteral("Now")});
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        auto rowGuide = [this, shown = shown](int row, bool withNext) {
            const QList<MediaItem>& items = this->*shown;
            if (row < 0 || row >= items.size())
                return GuideNowNext();
            return withNext ? guide->nowAndNext(items[row]) : guide->nowNext(items[row]);
        };
        table->setItemDelegateForColumn(1, new NowColumnDelegate(rowGuide, table));
        auto repaint = [table = table]() { table->viewport()->update(); };
        connect(guide, &GuideService::guideChanged, table, repaint);
        connect(guide, &GuideService::nowMoved, table, repaint);
        connect(table, &QTableWidget::currentCellChanged, this, [this, shown = shown](int row) {
            const QList<MediaItem>& items = this->*shown;
            if (row >= 0 && row < items.size())
                guidePanel->showChannel(items[row]);
        });
    }

    // The programme list is a side panel right of the player, in the same splitter.
    guidePanel = new GuidePanel(guide, playerPanel->parentWidget());
    if (auto* split = qobject_cast<QSplitter*>(playerPanel->parentWidget())) {
        split->addWidget(guidePanel);
        split->setStretchFactor(split->indexOf(guidePanel), 0);
    }
    setUpGuideGrids();
}

void MainWindow::setUpGuideGrids()
{
    // A "TV Guide" tab after Live TV and one after Channels, over what that tab shows. The
    // tabs after them move: their indexes are read again.
    QWidget* const pages[] = {tabs->widget(liveTabIndex), tabs->widget(movieTabIndex),
                              tabs->widget(seriesTabIndex), tabs->widget(channelTabIndex)};
    const auto add = [this](QWidget* after, bool xtream, const QList<MediaItem>* shown,
                            QLabel* title) {
        auto* tab = GuideGridTab::insertAfter(
            tabs, after, guide, networkManager, xtream, [shown]() { return *shown; },
            [title]() {
                return title->text().isEmpty() ? QStringLiteral("All channels") : title->text();
            });
        tab->setPosterLoader(posterLoader);
        connect(tab, &GuideGridTab::playLive, this, &MainWindow::playMediaItem);
        connect(tab, &GuideGridTab::playArchive, this, &MainWindow::playArchive);
    };
    add(pages[0], true, &liveShown, liveTitleLabel);
    add(pages[3], false, &channelShown, channelTitleLabel);
    liveTabIndex = tabs->indexOf(pages[0]);
    movieTabIndex = tabs->indexOf(pages[1]);
    seriesTabIndex = tabs->indexOf(pages[2]);
    channelTabIndex = tabs->indexOf(pages[3]);
}

void MainWindow::playArchive(const MediaItem& channel, const GuideProgramme& programme,
                             const QString& url)
{
    // Played like a recording: seekable, no live buffer, no reconnects.
    cancelLiveReconnect();
    currentKind = MediaItem::Movie;
    currentUrl = url;
    currentTitle = channel.name + QStringLiteral(": ") + programme.title;
    currentChannelKey.clear();
    liveBufferTuner->endViewing();
    hasMedia = true;
    seekSlider->setRange(0, 0);
    timeLabel->setText(QStringLiteral("00:00 / 00:00"));
    updatePlayerChrome();
    updateNextEpisodeButton();
    nowPlayingLabel->setText(QStringLiteral("Playing: ") + currentTitle);
    player->play(url, false, currentLiveCachingMs());
    player->setVolume(volumeSlider->value());
    playerPanel->setFocus(Qt::OtherFocusReason);
}

void MainWindow::guideCatalogLoaded(bool fetched)
{
    guide->setChannels(activeSource.type == SourceConfig::Xtream ? liveItems : channelItems);
    guide->refresh(fetched);
}
