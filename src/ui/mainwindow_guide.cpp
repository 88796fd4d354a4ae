// The programme guide in the window: the "Now" column of the channel tables, the programme
// list beside the video, and the guide's progress in the server row.
#include "ui/mainwindow.h"

#include "guide/guidepanel.h"
#include "guide/guideservice.h"
#include "guide/nowcolumndelegate.h"
#include "ui/catalogtab.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>

void MainWindow::setUpGuide()
{
    guide = new GuideService(this);

    guideStatusLabel = new QLabel(serverRow);
    guideStatusLabel->setObjectName(QStringLiteral("guideStatus"));
    if (auto* row = qobject_cast<QBoxLayout*>(serverRow->layout()))
        row->insertWidget(row->count() - 1, guideStatusLabel);
    connect(guide, &GuideService::statusChanged, guideStatusLabel, &QLabel::setText);

    for (CatalogTab* tab : {liveTab, channelTab}) {
        QTableWidget* table = tab->table;
        const QList<MediaItem>* shown = &tab->shown;
        table->setColumnCount(2);
        table->setHorizontalHeaderLabels({QStringLiteral("Channel"), QStringLiteral("Now")});
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
    guidePanel = new GuidePanel(guide, playerPanel->parentWidget());
    if (auto* split = qobject_cast<QSplitter*>(playerPanel->parentWidget())) {
        split->addWidget(guidePanel);
        split->setStretchFactor(split->indexOf(guidePanel), 0);
    }
}

void MainWindow::guideCatalogLoaded(bool fetched)
{
    guide->setChannels(activeSource.type == SourceConfig::Xtream ? liveItems : channelItems);
    guide->refresh(fetched);
}
