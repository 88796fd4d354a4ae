#include "guide/guidepanel.h"

#include "app/clock.h"
#include "app/translations.h"
#include "catchup/catchupsession.h"
#include "guide/guideservice.h"
#include "guide/guidetext.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {
constexpr int kIndexRole = Qt::UserRole + 1;
// A past programme the archive holds: activating it plays it.
constexpr int kArchiveRole = Qt::UserRole + 2;
constexpr int kExpandedWidth = 280;
constexpr int kMaxExpandedWidth = 420;
} // namespace

GuidePanel::GuidePanel(GuideService* guide, QWidget* parent)
    : QWidget(parent)
    , service(guide)
{
    setObjectName(QStringLiteral("guidePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    header = new QToolButton(this);
    header->setObjectName(QStringLiteral("guidePanelHeader"));
    header->setCheckable(true);
    header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header->setAutoRaise(true);
    header->setToolTip(tr("Show or hide the programme guide"));
    layout->addWidget(header);

    body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    tree = new QTreeWidget(body);
    tree->setObjectName(QStringLiteral("guideProgrammes"));
    tree->setColumnCount(2);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(true);
    fromStart = new QPushButton(tr("Watch from start"), body);
    fromStart->setObjectName(QStringLiteral("guideFromStart"));
    fromStart->setToolTip(tr("Play the running programme from its beginning"));
    fromStart->hide();
    description = new QTextBrowser(body);
    description->setObjectName(QStringLiteral("guideDescription"));
    description->setMaximumHeight(90);
    bodyLayout->addWidget(tree, 1);
    bodyLayout->addWidget(fromStart);
    bodyLayout->addWidget(description);
    layout->addWidget(body, 1);
    layout->addStretch(0); // keeps the folded strip's header at the top
    setExpanded(false);

    connect(header, &QToolButton::toggled, this, [this](bool on) { setExpanded(on); });
    connect(tree, &QTreeWidget::currentItemChanged, this, [this]() { showDescription(); });
    connect(tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* row) { choose(row, false); });
    connect(fromStart, &QPushButton::clicked, this, [this]() { choose(currentItem, true); });
    connect(service, &GuideService::guideChanged, this, [this]() { reload(); });
    connect(service, &GuideService::nowMoved, this, [this]() { markCurrent(false); });
}

QSize GuidePanel::sizeHint() const
{
    return {isExpanded() ? kExpandedWidth : header->sizeHint().width(), 400};
}

bool GuidePanel::isExpanded() const
{
    return body->isVisibleTo(this);
}

void GuidePanel::setExpanded(bool expanded)
{
    body->setVisible(expanded);
    // Folded, the panel is a strip no wider than its header; open, it stays a side column.
    header->setText(expanded
                        ? tr("Programme guide: %1").arg(Translations::isolated(shownChannel.name))
                        : tr("Guide"));
    header->setArrowType(expanded ? Qt::RightArrow : Qt::LeftArrow);
    setMinimumWidth(expanded ? 160 : 0);
    setMaximumWidth(expanded ? kMaxExpandedWidth : header->sizeHint().width());
    if (header->isChecked() != expanded)
        header->setChecked(expanded);
    updateGeometry();
    resizeInSplitter(expanded ? kExpandedWidth : header->sizeHint().width());
}

void GuidePanel::setIdle(bool idle)
{
    if (idle == idleNow)
        return;
    idleNow = idle;
    if (idle) {
        reopen = isExpanded();
        if (reopen)
            setExpanded(false);
    } else if (std::exchange(reopen, false) && !isExpanded()) {
        setExpanded(true);
    }
}

void GuidePanel::resizeInSplitter(int target)
{
    // A splitter keeps the width the strip had; opened, the list needs room for its titles. The
    // room comes from the player beside it, and goes back to it, never from the catalog.
    auto* split = qobject_cast<QSplitter*>(parentWidget());
    const int at = split ? split->indexOf(this) : -1;
    if (at < 1 || isHidden() || !split->isVisible())
        return;
    QList<int> sizes = split->sizes();
    QWidget* player = split->widget(at - 1);
    const int playerLeast =
        player->minimumWidth() > 0 ? player->minimumWidth() : player->minimumSizeHint().width();
    const int grow = std::min(target - sizes[at], sizes[at - 1] - playerLeast);
    if (grow == 0)
        return;
    sizes[at - 1] -= grow;
    sizes[at] += grow;
    split->setSizes(sizes);
}

void GuidePanel::showChannel(const MediaItem& item)
{
    if (item.type != MediaItem::Live)
        return;
    const bool same = item.id == shownChannel.id && !shownChannel.id.isEmpty();
    shownChannel = item;
    if (isExpanded())
        header->setText(tr("Programme guide: %1").arg(Translations::isolated(item.name)));
    if (!same)
        reload();
}

void GuidePanel::setPlaying(const QString& channelId, qint64 programmeStart)
{
    playingChannelId = channelId;
    playingStart = programmeStart;
    markCurrent(false);
}

void GuidePanel::reload()
{
    if (shownChannel.id.isEmpty())
        return;
    const quint64 asked = ++request;
    service->programmes(shownChannel, this, [this, asked](const QList<GuideProgramme>& list) {
        if (asked == request)
            fill(list);
    });
}

void GuidePanel::fill(const QList<GuideProgramme>& programmes)
{
    shown = programmes;
    currentItem = nullptr;
    tree->clear();
    description->clear();
    if (shown.isEmpty()) {
        auto* none = new QTreeWidgetItem(tree, {QString(), tr("No programme information")});
        none->setFlags(Qt::NoItemFlags);
        updateFromStart();
        return;
    }
    const qint64 now = Clock::epochSecs();
    QString day;
    QFont dayFont = tree->font();
    dayFont.setBold(true);
    for (int i = 0; i < shown.size(); ++i) {
        const GuideProgramme& p = shown[i];
        const QString thisDay = GuideText::day(p.start, now);
        if (thisDay != day) {
            day = thisDay;
            auto* heading = new QTreeWidgetItem(tree, {day});
            heading->setFirstColumnSpanned(true);
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setFont(0, dayFont);
        }
        auto* row = new QTreeWidgetItem(tree, {GuideText::span(p), p.title});
        row->setData(0, kIndexRole, i);
    }
    markCurrent(true);
}

void GuidePanel::markCurrent(bool scroll)
{
    const qint64 now = Clock::epochSecs();
    const QIcon archiveMark = style()->standardIcon(QStyle::SP_MediaSeekBackward);
    const QIcon playingMark = style()->standardIcon(QStyle::SP_MediaPlay);
    const bool playingHere = !playingChannelId.isEmpty() && playingChannelId == shownChannel.id;
    QTreeWidgetItem* running = nullptr;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree->topLevelItem(i);
        const QVariant at = row->data(0, kIndexRole);
        if (!at.isValid())
            continue;
        const GuideProgramme& p = shown[at.toInt()];
        const bool isNow = p.start <= now && now < p.stop;
        const bool archived = p.stop <= now && CatchupSession::isPlayable(shownChannel, p, now);
        QFont font = tree->font();
        font.setBold(isNow);
        row->setFont(0, font);
        row->setFont(1, font);
        const QBrush back = isNow ? palette().brush(QPalette::AlternateBase) : QBrush();
        row->setBackground(0, back);
        row->setBackground(1, back);
        row->setForeground(0, p.stop <= now ? palette().brush(QPalette::PlaceholderText)
                                            : palette().brush(QPalette::Text));
        row->setData(0, kArchiveRole, archived);
        row->setIcon(1, playingHere && p.start == playingStart ? playingMark
                        : archived                             ? archiveMark
                                                               : QIcon());
        row->setToolTip(1, archived ? tr("In the archive: double-click or press "
                                         "Return to watch it")
                                    : QString());
        if (isNow)
            running = row;
    }
    const bool moved = running != currentItem;
    currentItem = running;
    if (running && (scroll || moved)) {
        if (scroll || tree->currentItem() == nullptr)
            tree->setCurrentItem(running);
        tree->scrollToItem(running, QAbstractItemView::PositionAtCenter);
    }
    updateFromStart();
}

void GuidePanel::updateFromStart()
{
    const QVariant at = currentItem ? currentItem->data(0, kIndexRole) : QVariant();
    fromStart->setVisible(at.isValid() && CatchupSession::isPlayable(
                                              shownChannel, shown[at.toInt()], Clock::epochSecs()));
}

void GuidePanel::choose(const QTreeWidgetItem* row, bool running)
{
    const QVariant at = row ? row->data(0, kIndexRole) : QVariant();
    if (!at.isValid())
        return;
    // Past programmes from the list itself; the running one only through "Watch from start",
    // so that a stray double-click does not leave the live picture.
    const bool playable =
        running ? CatchupSession::isPlayable(shownChannel, shown[at.toInt()], Clock::epochSecs())
                : row->data(0, kArchiveRole).toBool();
    if (playable)
        emit programmeChosen(shownChannel, shown, at.toInt());
}

void GuidePanel::showDescription()
{
    const QTreeWidgetItem* row = tree->currentItem();
    const QVariant at = row ? row->data(0, kIndexRole) : QVariant();
    if (!at.isValid()) {
        description->clear();
        return;
    }
    const GuideProgramme& p = shown[at.toInt()];
    description->setPlainText(tr("%1  %2\n%3").arg(GuideText::span(p), p.title, p.description));
}
