#include "ui/guideflow.h"

#include "app/messagebox.h"
#include "catchup/catchupplayback.h"
#include "guide/guidegridtab.h"
#include "guide/guidepanel.h"
#include "guide/guideservice.h"
#include "guide/nowcolumndelegate.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/compactrow.h"
#include "ui/playbackcontroller.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>

#include <utility>

GuideFlow::GuideFlow(Parts parts, QObject* parent)
    : QObject(parent)
    , p(std::move(parts))
{
    setUpGuide();
}

void GuideFlow::setUpGuide()
{
    guide = new GuideService(this);

    guideStatusLabel = new QLabel(p.serverRow);
    guideStatusLabel->setObjectName(QStringLiteral("guideStatus"));
    if (auto* row = qobject_cast<QBoxLayout*>(p.serverRow->layout()))
        row->insertWidget(row->count() - 1, guideStatusLabel);
    // The row would squeeze the label to a letter; it keeps room for its whole text instead.
    connect(guide, &GuideService::statusChanged, guideStatusLabel, [this](const QString& text) {
        guideStatusLabel->setText(text);
        guideStatusLabel->setMinimumWidth(guideStatusLabel->fontMetrics().horizontalAdvance(text));
    });

    for (CatalogTab* tab : {p.liveTab, p.channelTab}) {
        QTableWidget* table = tab->table;
        const QList<MediaItem>* shown = &tab->shown;
        table->setColumnCount(2);
        table->setHorizontalHeaderLabels({tr("Channel"), tr("Now")});
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        auto rowGuide = [this, shown](int row, bool withNext) {
            const QList<MediaItem>& items = *shown;
            if (row < 0 || row >= items.size())
                return GuideNowNext();
            return withNext ? guide->nowAndNext(items[row]) : guide->nowNext(items[row]);
        };
        table->setItemDelegateForColumn(1, new NowColumnDelegate(rowGuide, table));
        auto repaint = [table]() { table->viewport()->update(); };
        connect(guide, &GuideService::guideChanged, table, repaint);
        connect(guide, &GuideService::nowMoved, table, repaint);
        connect(table, &QTableWidget::currentCellChanged, this, [this, shown](int row) {
            const QList<MediaItem>& items = *shown;
            if (row >= 0 && row < items.size())
                guidePanel->showChannel(items[row]);
        });
    }

    // The programme list is a side panel right of the player, in the same splitter.
    guidePanel = new GuidePanel(guide, p.playerPanel->parentWidget());
    if (auto* split = qobject_cast<QSplitter*>(p.playerPanel->parentWidget())) {
        split->addWidget(guidePanel);
        split->setStretchFactor(split->indexOf(guidePanel), 0);
    }
    // A movie or an episode has nothing to do with the list: it folds until the guide plays again.
    connect(p.playback, &PlaybackController::started, guidePanel,
            [this]() { guidePanel->setIdle(!p.playback->playsFromGuide()); });
    setUpCatchup();
    setUpGuideGrids();
}

void GuideFlow::setUpGuideGrids()
{
    // A "TV Guide" tab after Live TV and one after Channels, over what that tab shows. The
    // tabs after them move: their indexes are read again.
    QWidget* const pages[] = {p.tabs->widget(*p.liveTabIndex), p.tabs->widget(*p.movieTabIndex),
                              p.tabs->widget(*p.seriesTabIndex),
                              p.tabs->widget(*p.channelTabIndex)};
    const auto add = [this](QWidget* after, bool xtream, const QList<MediaItem>* shown,
                            QLabel* title) {
        auto* tab = GuideGridTab::insertAfter(
            p.tabs, after, guide, p.networkManager, xtream,
            [this, shown]() { return p.gridChannels ? p.gridChannels(*shown) : *shown; },
            [title]() { return title->text().isEmpty() ? tr("All channels") : title->text(); });
        tab->setPosterLoader(p.posterLoader);
        connect(tab, &GuideGridTab::playLive, this, p.playMediaItem);
        connect(tab, &GuideGridTab::playArchive, this, &GuideFlow::playArchive);
    };
    add(pages[0], true, &p.liveTab->shown, p.liveTab->titleLabel);
    add(pages[3], false, &p.channelTab->shown, p.channelTab->titleLabel);
    *p.liveTabIndex = p.tabs->indexOf(pages[0]);
    *p.movieTabIndex = p.tabs->indexOf(pages[1]);
    *p.seriesTabIndex = p.tabs->indexOf(pages[2]);
    *p.channelTabIndex = p.tabs->indexOf(pages[3]);
}

void GuideFlow::playArchive(const MediaItem& channel, const GuideProgramme& programme,
                            const QString& url)
{
    // Through the catch-up viewing, so the grid's programmes get the same title, relative
    // time, seeking and neighbours as those of the programme list.
    guide->programmes(
        channel, this, [this, channel, programme, url](const QList<GuideProgramme>& programmes) {
            p.clearSeriesContext();
            for (qsizetype i = 0; i < programmes.size(); ++i) {
                if (programmes[i].start == programme.start &&
                    catchup->play(p.session->activeSource, channel, programmes, int(i)))
                    return;
            }
            // Not in the channel's list (any more): alone, or as the address the grid found.
            if (!catchup->play(p.session->activeSource, channel, {programme}, 0)) {
                catchup->end();
                p.playback->playCatchupStream(
                    url, tr("%1 - %2 (catch-up)").arg(channel.name, programme.title));
            }
        });
}

void GuideFlow::setUpCatchup()
{
    catchup = new CatchupPlayback(p.networkManager, this);
    connect(guidePanel, &GuidePanel::programmeChosen, this,
            [this](const MediaItem& channel, const QList<GuideProgramme>& programmes, int index) {
                p.clearSeriesContext();
                catchup->play(p.session->activeSource, channel, programmes, index);
            });
    connect(catchup, &CatchupPlayback::streamReady, p.playback,
            &PlaybackController::playCatchupStream);
    connect(catchup, &CatchupPlayback::reachedLive, this,
            [this](const MediaItem& channel) { p.playMediaItem(channel); });
    connect(catchup, &CatchupPlayback::failed, this, [this](const QString& message) {
        MessageBox::warning(p.window, tr("Catch-up"), message);
    });

    auto* previous = new QPushButton(tr("Previous Programme"), p.controlsRow);
    previous->setObjectName(QStringLiteral("catchupPrevious"));
    auto* next = new QPushButton(tr("Next Programme"), p.controlsRow);
    next->setObjectName(QStringLiteral("catchupNext"));
    CompactRow::setCompactIcon(previous,
                               previous->style()->standardIcon(QStyle::SP_MediaSkipBackward));
    CompactRow::setCompactIcon(next, next->style()->standardIcon(QStyle::SP_MediaSkipForward));
    if (auto* row = qobject_cast<QBoxLayout*>(p.controlsRow->layout())) {
        row->insertWidget(row->indexOf(p.nextEpisodeButton) + 1, previous);
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
