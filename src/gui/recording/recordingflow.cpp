#include "recording/recordingflow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "app/preferencesdialog.h"
#include "catchup/catchupaddress.h"
#include "catchup/catchupresolver.h"
#include "guide/guideservice.h"
#include "providers/xtreamclient.h"
#include "recording/recordingmanager.h"
#include "recording/recordingmarkdelegate.h"
#include "recording/recordingpreferencespage.h"
#include "recording/recordingtext.h"
#include "recording/recordingtray.h"
#include "sources/sourcemanager.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/librarycategories.h"
#include "ui/libraryflow.h"
#include "ui/playbackcontroller.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

const QString RecordingFlow::kRecordingsCategoryId = QStringLiteral("\x01"
                                                                    "recordings");

namespace {
const QString kItemPrefix = QStringLiteral("recording:");

qint64 recordingIdOf(const MediaItem& item)
{
    return item.id.startsWith(kItemPrefix) ? item.id.mid(kItemPrefix.size()).toLongLong() : 0;
}
} // namespace

RecordingFlow::RecordingFlow(const Parts& parts, QObject* parent)
    : QObject(parent)
    , p(parts)
{
    recordings = new RecordingManager(p.storePath, p.connections, this);
    xtream = new XtreamClient(this);
    network = new QNetworkAccessManager(this);
    resolver = std::make_unique<CatchupResolver>();
    recordings->setStreamResolver([this](const QString& server, const QString& channelId) {
        return liveAddress(server, channelId);
    });
    recordings->setServerNames([this](const QString& server) {
        for (const SourceConfig& source : p.sources->sources())
            if (source.storageKey() == server)
                return source.name;
        return QString();
    });
    adoptServerIds();
    // A removed server's recorded files stay listed; its plans could never run.
    connect(p.sources, &SourceManager::removed, recordings, &RecordingManager::forgetServer);
    connect(recordings, &RecordingManager::changed, this, &RecordingFlow::refresh);
    connect(recordings, &RecordingManager::failed, this,
            [this](qint64 id, const QString& title, const QString& message) {
                const Recording* r = recordings->find(id);
                reportFailure(r && r->kind == Recording::Archive ? tr("Download Failed")
                                                                 : tr("Recording Stopped"),
                              tr("\"%1\": %2").arg(title, message));
            });
    connect(recordings, &RecordingManager::storeFailed, this, [this](const QString& message) {
        MessageBox::warning(p.window, tr("Recordings Not Saved"), message);
    });
    tray = new RecordingTray(p.window, recordings, this);
    if (p.guide)
        connect(p.guide, &GuideService::guideChanged, this, &RecordingFlow::planSeries);
    buildControls();
    addRecordingsCategory();

    auto markTable = [this](CatalogTab* tab) {
        if (tab && tab->table)
            tab->table->setItemDelegateForColumn(
                0, new RecordingMarkDelegate([this, tab](int row) { return markOf(tab, row); },
                                             tab->table));
    };
    markTable(p.liveTab);
    markTable(p.channelTab);
    hookGuideViews();

    ticker = new QTimer(this);
    ticker->setInterval(1000);
    connect(ticker, &QTimer::timeout, this, &RecordingFlow::refresh);
    ticker->start();
    if (!recordings->problem().isEmpty())
        QTimer::singleShot(0, this, [this]() {
            MessageBox::warning(p.window, tr("Recordings"), recordings->problem());
        });
}

RecordingFlow::~RecordingFlow() = default;

QString RecordingFlow::serverKey() const
{
    return p.session->activeSource.storageKey();
}

void RecordingFlow::adoptServerIds()
{
    // Ids of servers an older version kept without one are made from their names the same way
    // at every start, so an interrupted move is repeated with the same ids.
    QList<std::pair<QString, QString>> moves;
    for (const SourceConfig& source : p.sources->sources())
        if (source.storageKey() != source.name)
            moves.append({source.name, source.storageKey()});
    if (!recordings->adoptServerIds(moves))
        QTimer::singleShot(0, this, [this, problem = recordings->problem()]() {
            MessageBox::warning(p.window, tr("Recordings"), problem);
        });
}

void RecordingFlow::buildControls()
{
    recordButton = new QPushButton(tr("Record"), p.controlsRow);
    recordButton->setObjectName(QStringLiteral("recordButton"));
    recordButton->setToolTip(tr("Record this channel (R)"));
    runningLabel = new QLabel(p.controlsRow);
    runningLabel->setObjectName(QStringLiteral("recordingMark"));
    runningLabel->setStyleSheet(QStringLiteral("color: #dc2828; font-weight: bold;"));
    runningLabel->hide();
    recordButton->hide();
    if (auto* row = qobject_cast<QHBoxLayout*>(p.controlsRow->layout())) {
        row->insertWidget(1, recordButton);
        row->insertWidget(2, runningLabel);
    }
    connect(recordButton, &QPushButton::clicked, this, &RecordingFlow::toggleRecording);

    // R in the player and in the channel tables (seen in eventFilter); elsewhere it is a letter
    // typed.
    p.playerPanel->installEventFilter(this);
    for (CatalogTab* tab : {p.liveTab, p.channelTab})
        if (tab && tab->table)
            tab->table->installEventFilter(this);
}

void RecordingFlow::addRecordingsCategory()
{
    CatalogTab* tab = p.movieTab;
    if (!tab)
        return;
    // "Recordings" follows "Continue Watching" whenever the categories are filled.
    QListWidget* list = tab->categoryList;
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, [list]() {
        int continueRow = -1;
        for (int row = 0; row < list->count(); ++row) {
            const QString id = list->item(row)->data(Qt::UserRole).toString();
            if (id == kRecordingsCategoryId)
                return;
            if (id == kContinueCategoryId)
                continueRow = row;
        }
        if (continueRow < 0)
            return;
        auto* item = new QListWidgetItem(tr("Recordings"));
        item->setData(Qt::UserRole, kRecordingsCategoryId);
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        list->insertItem(continueRow + 1, item);
    });
    CatalogTab::ItemSource previous = tab->itemSource();
    tab->setItemSource(
        [this, previous](const QString& categoryId, const QString& query, QObject* view) {
            if (categoryId == kRecordingsCategoryId)
                return recordingItems(query);
            return previous ? previous(categoryId, query, view) : QList<MediaItem>();
        });
    if (p.libraryFlow)
        p.libraryFlow->addMenuExtension(
            [this](QMenu& menu, const MediaItem& item) { addRecordingActions(menu, item); });
}

QList<MediaItem> RecordingFlow::recordingItems(const QString& query) const
{
    const qint64 now = Clock::epochMs();
    const QString needle = query.trimmed();
    QList<MediaItem> items;
    items.reserve(recordings->recordings().size());
    for (const Recording& r : recordings->recordings()) {
        if (r.state == Recording::Scheduled && r.kind == Recording::Series)
            continue; // a series lists what it recorded, not every planned episode
        if (!needle.isEmpty() && !r.title.contains(needle, Qt::CaseInsensitive) &&
            !r.channelName.contains(needle, Qt::CaseInsensitive))
            continue;
        MediaItem item;
        item.type = MediaItem::Movie;
        item.id = kItemPrefix + QString::number(r.id);
        item.name = recordingtext::summary(r, now, recordings->progressPermille(r.id));
        item.categoryId = kRecordingsCategoryId;
        if (!r.path.isEmpty() && r.startedAt > 0)
            item.streamUrl = QUrl::fromLocalFile(r.path).toString();
        item.containerExtension = QStringLiteral("ts");
        item.addedAt = r.startsAt / 1000;
        items.append(item);
    }
    return items;
}

void RecordingFlow::addRecordingActions(QMenu& menu, const MediaItem& item)
{
    const qint64 id = recordingIdOf(item);
    const Recording* r = id > 0 ? recordings->find(id) : nullptr;
    if (!r)
        return;
    menu.addSeparator();
    if (r->state == Recording::Running || r->state == Recording::Scheduled)
        menu.addAction(r->state == Recording::Running ? tr("Stop Recording")
                                                      : tr("Cancel Recording"),
                       this, [this, id]() { recordings->stop(id); });
    const QString path = r->path;
    if (!path.isEmpty() && QFileInfo::exists(path))
        menu.addAction(tr("Show in Folder"), this, [path]() {
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
        });
    const QString details = recordingtext::details(*r);
    if (!details.isEmpty())
        menu.addAction(tr("Details..."), this, [this, details]() {
            MessageBox::information(p.window, tr("Recording"), details);
        });
    if (r->state != Recording::Running)
        menu.addAction(tr("Delete"), this, [this, id]() {
            const Recording* rec = recordings->find(id);
            if (!rec)
                return;
            const auto answer = MessageBox::question(
                p.window, tr("Delete Recording"), tr("Delete \"%1\" and its file?").arg(rec->title),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            QString message;
            if (answer == QMessageBox::Yes && !recordings->remove(id, &message))
                MessageBox::warning(p.window, tr("Recording Not Deleted"), message);
        });
}

QString RecordingFlow::markOf(const CatalogTab* tab, int row) const
{
    if (recordings->runningCount() == 0 || row < 0 || row >= tab->shown.size())
        return {};
    const Recording* r = recordings->runningOn(serverKey(), tab->shown.at(row).id);
    return r ? recordingtext::runningMark(Clock::epochMs() - r->startedAt) : QString();
}

void RecordingFlow::refresh()
{
    const bool live = p.playback->hasMedia && p.playback->currentKind == MediaItem::Live &&
                      !p.playback->currentItem.id.isEmpty();
    const Recording* r =
        live ? recordings->runningOn(serverKey(), p.playback->currentItem.id) : nullptr;
    recordButton->setVisible(live);
    recordButton->setText(r ? tr("Stop Recording") : tr("Record"));
    runningLabel->setVisible(r != nullptr);
    if (r)
        runningLabel->setText(recordingtext::runningMark(Clock::epochMs() - r->startedAt));
    hookGuideViews();
    markGuideList();
    for (CatalogTab* tab : {p.liveTab, p.channelTab})
        if (tab && tab->table && tab->table->isVisible())
            tab->table->viewport()->update();
    const bool listChanged = sender() == recordings;
    if (listChanged)
        for (GuideGrid* grid : p.window->findChildren<GuideGrid*>())
            if (grid->isVisible())
                grid->viewport()->update();
    if (!p.movieTab || p.movieTab->categoryId != kRecordingsCategoryId)
        return;
    if (listChanged)
        p.movieTab->refilter();
    else
        updateDownloadLabels();
}

void RecordingFlow::updateDownloadLabels()
{
    // Downloads move on by the second; only their labels change, so the tiles keep their
    // posters, selection and scroll position.
    QListWidget* grid = p.movieTab->grid;
    if (!grid || !grid->isVisible())
        return;
    const qint64 now = Clock::epochMs();
    QList<MediaItem>& shown = p.movieTab->shown;
    for (int row = 0; row < shown.size() && row < grid->count(); ++row) {
        const Recording* r = recordings->find(recordingIdOf(shown.at(row)));
        if (!r || r->kind != Recording::Archive || r->state != Recording::Running)
            continue;
        const QString label = recordingtext::summary(*r, now, recordings->progressPermille(r->id));
        if (shown.at(row).name == label)
            continue;
        shown[row].name = label;
        grid->item(row)->setText(label);
    }
}

void RecordingFlow::planSeries()
{
    // Guides change in bursts (each channel fetched says so): once a minute is enough.
    const qint64 now = Clock::monotonicMs();
    if (lastSeriesPlanMs > 0 && now - lastSeriesPlanMs < 60000)
        return;
    lastSeriesPlanMs = now;
    const QString server = serverKey();
    QSet<QString> channels;
    for (const SeriesRule& rule : recordings->seriesRules())
        if (rule.server == server)
            channels.insert(rule.channelId);
    if (channels.isEmpty())
        return;
    for (const MediaItem& item : std::as_const(p.session->liveItems)) {
        if (!channels.contains(item.id))
            continue;
        p.guide->programmes(item, this, [this, server, id = item.id](const auto& programmes) {
            recordings->applySeriesRules(server, id, programmes);
        });
    }
}

void RecordingFlow::toggleRecording()
{
    if (!p.playback->hasMedia || p.playback->currentKind != MediaItem::Live)
        return;
    toggleChannel(p.playback->currentItem);
}

void RecordingFlow::toggleChannel(const MediaItem& item)
{
    if (item.type != MediaItem::Live || item.id.isEmpty())
        return;
    const RecordingManager::Channel channel{serverKey(), item.id, item.name};
    if (const Recording* running = recordings->runningOn(channel.server, channel.id)) {
        recordings->stop(running->id);
        return;
    }
    const GuideNowNext guide = p.guide ? p.guide->nowNext(item) : GuideNowNext{};
    QString message;
    if (!recordings->recordNow(channel, guide.hasNow ? guide.now : GuideProgramme{}, &message))
        MessageBox::warning(p.window, tr("Not Recording"), message);
    refresh();
}

void RecordingFlow::recordProgramme(const MediaItem& item, const GuideProgramme& programme,
                                    bool series)
{
    const RecordingManager::Channel channel{serverKey(), item.id, item.name};
    const qint64 now = Clock::epochMs();
    QString message;
    if (series) {
        // The rule takes every programme of the title the guide knows on that channel.
        const qint64 rule = recordings->addSeries(channel, programme.title, {programme}, &message);
        if (p.guide && rule > 0)
            p.guide->programmes(
                item, this, [this, channel](const QList<GuideProgramme>& programmes) {
                    recordings->applySeriesRules(channel.server, channel.id, programmes);
                });
        if (!message.isEmpty())
            MessageBox::warning(p.window, tr("Not Recording"), message);
        return;
    }
    const bool ok = programme.start * 1000 <= now
                        ? recordings->recordNow(channel, programme, &message) > 0
                        : recordings->schedule(channel, programme, &message) > 0;
    if (!ok)
        MessageBox::warning(p.window, tr("Not Recording"), message);
}

void RecordingFlow::addProgrammeActions(QMenu& menu, const MediaItem& item,
                                        const GuideProgramme& programme)
{
    const qint64 now = Clock::epochMs();
    if (item.type != MediaItem::Live)
        return;
    if (programme.stop * 1000 <= now) {
        if (CatchupAddress::isAvailable(item, {programme.start, programme.stop, now / 1000}))
            menu.addAction(tr("Download"), this,
                           [this, item, programme]() { downloadProgramme(item, programme); });
        return;
    }
    const QString server = serverKey();
    const Recording* planned = recordings->plannedAt(server, item.id, programme.start * 1000);
    if (planned && planned->isActive()) {
        const qint64 id = planned->id;
        menu.addAction(planned->state == Recording::Running ? tr("Stop Recording")
                                                            : tr("Cancel Recording"),
                       this, [this, id]() { recordings->stop(id); });
    } else {
        QAction* record = menu.addAction(tr("Record"), this, [this, item, programme]() {
            recordProgramme(item, programme, false);
        });
        record->setShortcut(QKeySequence(Qt::Key_R));
    }
    if (!recordings->hasSeriesRule(server, item.id, programme.title))
        menu.addAction(tr("Record Series"), this,
                       [this, item, programme]() { recordProgramme(item, programme, true); });
}

QString RecordingFlow::programmeMark(const MediaItem& item, const GuideProgramme& programme) const
{
    const Recording* r = recordings->plannedAt(serverKey(), item.id, programme.start * 1000);
    if (!r)
        return {};
    if (r->state == Recording::Running)
        return QStringLiteral("\u25CF");
    return r->state == Recording::Scheduled ? QStringLiteral("\u25F7") : QString();
}

void RecordingFlow::addPreferencePage(PreferencesDialog& dialog)
{
    dialog.addPage(new RecordingPreferencesPage(recordings));
}

QUrl RecordingFlow::liveAddress(const QString& server, const QString& channelId)
{
    for (const SourceConfig& source : p.sources->sources()) {
        if (source.storageKey() != server)
            continue;
        if (source.type != SourceConfig::Xtream)
            return QUrl(channelId); // a playlist's channel is its own address
        xtream->configure(source.url, source.username, source.password);
        const QString extension =
            source.liveExtension.isEmpty() ? QStringLiteral("m3u8") : source.liveExtension;
        return QUrl(xtream->liveStreamUrl(channelId, extension));
    }
    return {};
}

void RecordingFlow::reportFailure(const QString& title, const QString& message)
{
    // Queued, so a failure never opens a box inside the code that noticed it.
    QTimer::singleShot(0, this,
                       [this, title, message]() { MessageBox::warning(p.window, title, message); });
}
