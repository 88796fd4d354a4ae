#include "guide/guidegridtab.h"

#include "app/clock.h"
#include "app/translations.h"
#include "catchup/catchupaddress.h"
#include "catchup/catchupresolver.h"
#include "guide/guidegrid.h"
#include "guide/guideservice.h"
#include "guide/guidetext.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>

namespace {
constexpr qint64 kDaySecs = 86400;
constexpr int kDaysAhead = 7;
constexpr int kMaxArchiveDays = 31;

QDateTime localTime(qint64 utc)
{
    return QDateTime::fromSecsSinceEpoch(utc);
}
} // namespace

GuideGridTab::GuideGridTab(GuideService* guideService, QNetworkAccessManager* manager, bool xtream,
                           Rows rows, Title title, QWidget* parent)
    : QWidget(parent)
    , guide(guideService)
    , network(manager)
    , resolver(std::make_unique<CatchupResolver>())
    , forXtream(xtream)
    , rowsOf(std::move(rows))
    , titleOf(std::move(title))
{
    setObjectName(xtream ? QStringLiteral("liveGuideTab") : QStringLiteral("channelGuideTab"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);

    auto* bar = new QHBoxLayout();
    scope = new QLabel(this);
    days = new QComboBox(this);
    days->setObjectName(QStringLiteral("guideDays"));
    nowButton = new QPushButton(tr("Now"), this);
    nowButton->setObjectName(QStringLiteral("guideNow"));
    bar->addWidget(scope, 1);
    bar->addWidget(days);
    bar->addWidget(nowButton);
    column->addLayout(bar);

    view = new GuideGrid(this);
    column->addWidget(view, 1);

    details = new QLabel(this);
    details->setObjectName(QStringLiteral("guideDetails"));
    details->setWordWrap(true);
    details->setTextFormat(Qt::RichText);
    details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    details->setMinimumHeight(fontMetrics().height() * 4);
    details->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    column->addWidget(details);

    connect(nowButton, &QPushButton::clicked, view, [this]() {
        view->goToNow();
        view->setFocus();
    });
    connect(days, &QComboBox::activated, this, [this](int index) {
        const qint64 midnight = days->itemData(index).toLongLong();
        const qint64 now = Clock::epochSecs();
        if (now >= midnight && now < midnight + kDaySecs)
            view->goToNow();
        else
            view->showTime(midnight);
        view->setFocus();
    });
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GuideGridTab::followDay);
    connect(view, &GuideGrid::selectionChanged, this, &GuideGridTab::showDetails);
    connect(view, &GuideGrid::activated, this, &GuideGridTab::play);
    connect(guide, &GuideService::guideChanged, this, &GuideGridTab::guideChanged);
    connect(guide, &GuideService::nowMoved, view, [this]() { view->viewport()->update(); });
    openStore();
}

GuideGridTab::~GuideGridTab() = default;

GuideGridTab* GuideGridTab::insertAfter(QTabWidget* tabs, QWidget* after, GuideService* guide,
                                        QNetworkAccessManager* network, bool forXtream, Rows rows,
                                        Title title)
{
    auto* tab = new GuideGridTab(guide, network, forXtream, std::move(rows), std::move(title));
    tab->tabs = tabs;
    tabs->insertTab(tabs->indexOf(after) + 1, tab, tr("TV Guide"));
    tab->guideChanged();
    return tab;
}

void GuideGridTab::setPosterLoader(PosterLoader* loader)
{
    view->setPosterLoader(loader);
}

void GuideGridTab::guideChanged()
{
    if (tabs) {
        // Like the catalog tabs: all shown until a server is chosen.
        const SourceConfig& source = guide->source();
        const bool xtream = source.type == SourceConfig::Xtream;
        tabs->setTabVisible(tabs->indexOf(this), source.name.isEmpty() || xtream == forXtream);
    }
    openStore();
    if (isVisible())
        reload();
}

void GuideGridTab::openStore()
{
    const SourceConfig& source = guide->source();
    view->setStore(source.name.isEmpty() ? QString()
                                         : GuideService::storePath(source.storageKey()));
}

void GuideGridTab::reload()
{
    const QList<MediaItem> items = rowsOf();
    QList<int> numbers;
    numbers.reserve(items.size());
    QList<qint64> shifts;
    int archiveDays = 1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const MediaItem& item = items[i];
        numbers.append(guide->guideChannel(item));
        // A list only when some channel is shifted.
        if (const qint64 shift = guide->shiftSecs(item); shift != 0) {
            shifts.resize(items.size(), 0);
            shifts[i] = shift;
        }
        archiveDays = std::max(archiveDays, std::min(item.archiveDays, kMaxArchiveDays));
    }
    const qint64 now = Clock::epochSecs();
    view->setRange(now - archiveDays * kDaySecs, now + kDaysAhead * kDaySecs);
    view->setChannels(items, numbers, shifts);
    scope->setText(titleOf ? titleOf() : QString());
    fillDays();
    if (!shownOnce) {
        shownOnce = true;
        view->showTime(now - GuideGridLayout::kSlotSecs);
    }
    followDay();
    showDetails(view->selection());
}

void GuideGridTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void GuideGridTab::fillDays()
{
    const QSignalBlocker quiet(days);
    days->clear();
    const GuideGridLayout& range = view->gridLayout();
    const QDate today = QDateTime::fromSecsSinceEpoch(Clock::epochSecs()).date();
    const QDate last = QDateTime::fromSecsSinceEpoch(range.rangeTo() - 1).date();
    for (QDate day = QDateTime::fromSecsSinceEpoch(range.rangeFrom()).date(); day <= last;
         day = day.addDays(1)) {
        const qint64 diff = today.daysTo(day);
        const QString name = diff == 0    ? tr("Today")
                             : diff == 1  ? tr("Tomorrow")
                             : diff == -1 ? tr("Yesterday")
                                          : GuideText::shortDay(day);
        days->addItem(name, QDateTime(day, QTime(0, 0)).toSecsSinceEpoch());
    }
}

void GuideGridTab::followDay()
{
    // A pixel spans seconds: a jump to midnight may show a few seconds before it.
    const qint64 shown = view->firstVisibleTime() + 60;
    const QSignalBlocker quiet(days);
    for (int i = days->count() - 1; i >= 0; --i) {
        if (days->itemData(i).toLongLong() <= shown) {
            days->setCurrentIndex(i);
            return;
        }
    }
}

void GuideGridTab::showDetails(const GuideGridSelection& selection)
{
    if (!selection.isValid() || selection.row >= view->channels().size()) {
        details->setText(tr("Select a programme to see its details."));
        return;
    }
    const MediaItem& channel = view->channels().at(selection.row);
    const QLocale locale;
    const QString when =
        tr("%1, %2-%3", "day, start and end of a programme")
            .arg(GuideText::shortDay(localTime(selection.start).date()),
                 locale.toString(localTime(selection.start).time(), GuideText::timeFormat()),
                 locale.toString(localTime(selection.stop).time(), GuideText::timeFormat()));
    QString text =
        tr("<b>%1</b> &middot; %2<br>")
            .arg(when.toHtmlEscaped(), Translations::isolated(channel.name).toHtmlEscaped());
    if (selection.hasProgramme) {
        text += tr("<b>%1</b><br>%2")
                    .arg(selection.programme.title.toHtmlEscaped(),
                         selection.programme.description.toHtmlEscaped());
    } else {
        text += tr("No programme information.");
    }
    details->setText(text);
}

void GuideGridTab::play(const GuideGridSelection& selection)
{
    if (!selection.isValid() || selection.row >= view->channels().size())
        return;
    const MediaItem channel = view->channels().at(selection.row);
    const qint64 now = Clock::epochSecs();
    const CatchupWindow window{selection.start, selection.stop, now};
    if (!selection.hasProgramme || selection.stop > now ||
        !CatchupAddress::isAvailable(channel, window)) {
        emit playLive(channel);
        return;
    }
    const GuideProgramme programme = selection.programme;
    resolver->resolve(
        network, guide->source(), channel, window, this,
        [this, channel, programme](const QString& url) {
            if (url.isEmpty()) {
                details->setText(
                    tr("<b>%1</b> cannot be played from the archive of "
                       "%2: the channel gives no archive address.")
                        .arg(programme.title.toHtmlEscaped(), channel.name.toHtmlEscaped()));
                return;
            }
            emit playArchive(channel, programme, url);
        });
}
