// The programme guide in the window: the "Now" column of the channel tables, the programme
// list beside the video, the guide's progress in the server row, and past programmes played
// from the archive.
#include "ui/mainwindow.h"

#include "app/messagebox.h"
#include "catchup/catchupplayback.h"
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
#include <QPushButton>
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
    setUpCatchup();
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
    // Through the catch-up viewing, so the grid's programmes get the same title, relative
    // time, seeking and neighbours as those of the programme list.
    guide->programmes(
        channel, this, [this, channel, programme, url](const QList<GuideProgramme>& programmes) {
            clearSeriesContext();
            for (qsizetype i = 0; i < programmes.size(); ++i) {
                if (programmes[i].start == programme.start &&
                    catchup->play(activeSource, channel, programmes, int(i)))
                    return;
            }
            // Not in the channel's list (any more): alone, or as the address the grid found.
            if (!catchup->play(activeSource, channel, {programme}, 0)) {
                catchup->end();
                playCatchupStream(
                    url, QStringLiteral("%1 - %2 (catch-up)").arg(channel.name, programme.title));
            }
        });
}

void MainWindow::setUpCatchup()
{
    catchup = new CatchupPlayback(networkManager, this);
    connect(guidePanel, &GuidePanel::programmeChosen, this,
            [this](const MediaItem& channel, const QList<GuideProgramme>& programmes, int index) {
                clearSeriesContext();
                catchup->play(activeSource, channel, programmes, index);
            });
    connect(catchup, &CatchupPlayback::streamReady, this, &MainWindow::playCatchupStream);
    connect(catchup, &CatchupPlayback::reachedLive, this,
            [this](const MediaItem& channel) { playMediaItem(channel); });
    connect(catchup, &CatchupPlayback::failed, this, [this](const QString& message) {
        MessageBox::warning(this, QStringLiteral("Catch-up"), message);
    });

    auto* previous = new QPushButton(QStringLiteral("Previous Programme"), controlsRow);
    previous->setObjectName(QStringLiteral("catchupPrevious"));
    auto* next = new QPushButton(QStringLiteral("Next Programme"), controlsRow);
    next->setObjectName(QStringLiteral("catchupNext"));
    if (auto* row = qobject_cast<QBoxLayout*>(controlsRow->layout())) {
        row->insertWidget(row->indexOf(nextEpisodeButton) + 1, previous);
        row->insertWidget(row->indexOf(previous) + 1, next);
    }
    connect(previous, &QPushButton::clicked, catchup, [this]() { catchup->playNeighbour(-1); });
    connect(next, &QPushButton::clicked, catchup, [this]() { catchup->playNeighbour(1); });
    auto update = [this, previous, next]() {
        const bool active = catchup->isActive();
        previous->setVisible(active);
        next->setVisible(active);
        previous->setEnabled(catchup->hasNeighbour(-1));
        next->setEnabled(catchup->hasNeighbour(1)); // the next one may not have begun yet
        guidePanel->setPlaying(active ? catchup->session().channel().id : QString(),
                               active ? catchup->session().programme().start : -1);
    };
    update();
    connect(catchup, &CatchupPlayback::changed, this, update);
    connect(guide, &GuideService::nowMoved, this, update);
}

void MainWindow::guideCatalogLoaded(bool fetched)
{
    guide->setChannels(activeSource.type == SourceConfig::Xtream ? liveItems : channelItems);
    guide->refresh(fetched);
}
