// The lineup's state in the window: loading it per server, shaping the session's lists, saving
// changes and the parental lock's questions.
#include "lineup/lineupflow.h"

#include "app/clock.h"
#include "app/messagebox.h"
#include "app/preferences.h"
#include "guide/guideservice.h"
#include "library/library.h"
#include "lineup/guidesources.h"
#include "lineup/lineupserverkey.h"
#include "lineup/lineupstore.h"
#include "lineup/pindialog.h"
#include "ui/catalogconstants.h"
#include "ui/catalogsession.h"
#include "ui/catalogtab.h"
#include "ui/librarycategories.h"

#include <QInputDialog>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>

namespace {
const QString kOfferedKey = QStringLiteral("parental/offeredServers");
} // namespace

LineupFlow::LineupFlow(const Parts& parts, QObject* parent)
    : QObject(parent)
    , p(parts)
    , store(std::make_unique<LineupStore>(parts.library->database()))
{
    if (!store->isReady()) {
        QTimer::singleShot(0, this, [this]() {
            MessageBox::warning(p.window, tr("Lineup"),
                                tr("Your lineup (hidden, renamed and locked channels) cannot be "
                                   "stored: %1")
                                    .arg(store->lastError()));
        });
    }
    for (CatalogTab* tab : {p.liveTab, p.movieTab, p.seriesTab, p.channelTab})
        wireTab(tab);
    // An imported library brings its lineup.
    connect(p.library, &Library::changed, this, [this](const QString& server, int kind) {
        if (server.isEmpty() && kind < 0 && !serverKey.isEmpty()) {
            current = store->load(serverKey);
            guideSources = store->guideSources(serverKey);
            reapply();
        }
    });
    unlockCheck = new QTimer(this);
    unlockCheck->setInterval(Clock::waitMs(30000));
    connect(unlockCheck, &QTimer::timeout, this, &LineupFlow::checkUnlockExpiry);
    unlockCheck->start();
}

LineupFlow::~LineupFlow()
{
    for (const QPointer<QThread>& worker : std::as_const(workers)) {
        if (worker)
            worker->wait();
    }
}

int LineupFlow::kindOfSection(const QString& section)
{
    if (section == kMovieSection)
        return MediaItem::Movie;
    if (section == kSeriesSection)
        return MediaItem::Series;
    return MediaItem::Live;
}

CatalogTab* LineupFlow::tabOfSection(const QString& section) const
{
    if (section == kLiveSection)
        return p.liveTab;
    if (section == kMovieSection)
        return p.movieTab;
    if (section == kSeriesSection)
        return p.seriesTab;
    return p.channelTab;
}

int LineupFlow::kindOfTab(const CatalogTab* tab) const
{
    if (tab == p.movieTab)
        return MediaItem::Movie;
    if (tab == p.seriesTab)
        return MediaItem::Series;
    return MediaItem::Live;
}

void LineupFlow::serverLoading(const SourceConfig& config)
{
    source = config;
    serverKey = lineupServerKey(config);
    current = store->load(serverKey);
    guideSources = store->guideSources(serverKey);
    rawItems.clear();
    rawCategories.clear();
    pending.clear(); // results of the previous server are dropped when they come
    noteChoices();
    appliedUnlocked = unlocked();
}

SourceConfig LineupFlow::guideConfig(const SourceConfig& config) const
{
    if (lineupServerKey(config) != serverKey || guideSources.isEmpty())
        return config;
    SourceConfig shaped = config;
    shaped.guideUrl = guidesources::joined(config, guideSources);
    return shaped;
}

QList<Category> LineupFlow::shapeCategories(const QString& section,
                                            const QList<Category>& categories)
{
    rawCategories.insert(section, categories);
    const int kind = kindOfSection(section);
    offerAdultLocks(kind, categories);
    return current.applyToCategories(kind, categories);
}

void LineupFlow::shapeItems(const QString& section, const QList<MediaItem>& items, Shaped done)
{
    rawItems.insert(section, items);
    shape(section, std::move(done));
}

void LineupFlow::shape(const QString& section, Shaped done)
{
    const quint64 job = ++jobs;
    pending.insert(section, {job, std::move(done)});
    const QList<MediaItem> items = rawItems.value(section);
    const int kind = kindOfSection(section);
    if (items.size() < workerFrom) {
        shaped(section, job, current.apply(kind, items, unlocked()));
        return;
    }
    workers.removeAll(QPointer<QThread>());
    QThread* worker =
        QThread::create([this, section, job, kind, items, lineup = current, open = unlocked()]() {
            QList<MediaItem> result = lineup.apply(kind, items, open);
            QMetaObject::invokeMethod(
                this, [this, section, job, result]() { shaped(section, job, result); },
                Qt::QueuedConnection);
        });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    workers.append(worker);
    worker->start();
}

bool LineupFlow::isShaping() const
{
    for (const QPointer<QThread>& worker : workers) {
        if (worker && !worker->isFinished())
            return true;
    }
    return !pending.isEmpty();
}

void LineupFlow::shaped(const QString& section, quint64 job, const QList<MediaItem>& items)
{
    const auto it = pending.find(section);
    if (it == pending.end() || it->job != job)
        return; // a newer load or change of the lineup is on its way
    const Shaped done = std::move(it->done);
    pending.erase(it);
    done(items);
}

QList<MediaItem> LineupFlow::providerItems(int kind) const
{
    if (kind == MediaItem::Movie)
        return rawItems.value(kMovieSection);
    if (kind == MediaItem::Series)
        return rawItems.value(kSeriesSection);
    return rawItems.value(source.type == SourceConfig::Xtream ? kLiveSection : kChannelSection);
}

QList<Category> LineupFlow::providerCategories(int kind) const
{
    if (kind == MediaItem::Movie)
        return rawCategories.value(kMovieSection);
    if (kind == MediaItem::Series)
        return rawCategories.value(kSeriesSection);
    return rawCategories.value(source.type == SourceConfig::Xtream ? kLiveSection
                                                                   : kChannelSection);
}

QList<MediaItem> LineupFlow::screenTabItems(int kind, const QString& categoryId,
                                            const QString& query, QList<MediaItem> items) const
{
    if (!anyLocks || unlocked())
        return items;
    if (isLibraryCategory(categoryId)) {
        items.removeIf([this](const MediaItem& item) { return current.isLocked(item); });
        return items;
    }
    if (categoryId.isEmpty() || !query.isEmpty() || current.isLockedCategory(kind, categoryId))
        return items;
    // Channels locked one by one stay in their category, marked, and ask before playing.
    const auto& chosen = current.of(LineupEntry::ItemEntry, kind);
    bool any = false;
    for (const LineupEntry& e : chosen)
        any = any || (e.locked && !e.hidden);
    if (!any)
        return items;
    for (const MediaItem& item : providerItems(kind)) {
        if (item.categoryId != categoryId)
            continue;
        const auto it = chosen.constFind(Library::idOf(item));
        if (it != chosen.cend() && it->locked && !it->hidden) {
            MediaItem shown = item;
            if (!it->name.isEmpty())
                shown.name = it->name;
            items.append(shown);
        }
    }
    return items;
}

QList<MediaItem> LineupFlow::screenGrid(const QList<MediaItem>& items) const
{
    if (!anyLocks || unlocked())
        return items;
    QList<MediaItem> kept = items;
    kept.removeIf([this](const MediaItem& item) { return current.isLocked(item); });
    return kept;
}

bool LineupFlow::mayPlay(const MediaItem& item)
{
    if (unlocked() || !current.isLocked(item))
        return true;
    return askPin(tr("\"%1\" is locked. Enter the PIN to play it.").arg(item.name));
}

bool LineupFlow::askPin(const QString& reason)
{
    if (unlocked())
        return true;
    if (!lock.hasPin())
        return true;
    if (!PinDialog::ask(lock, reason, p.window))
        return false;
    reapply();
    return true;
}

bool LineupFlow::requirePin()
{
    if (lock.hasPin())
        return true;
    MessageBox::information(p.window, tr("Parental Lock"),
                            tr("Set a PIN first: Preferences, page \"Parental Lock\". Locks take "
                               "effect once a PIN is set."));
    return false;
}

void LineupFlow::relock()
{
    lock.lock();
    reapply();
}

void LineupFlow::checkUnlockExpiry()
{
    if (appliedUnlocked != unlocked())
        reapply();
}

bool LineupFlow::change(const QList<LineupEntry>& entries)
{
    if (serverKey.isEmpty() || entries.isEmpty())
        return false;
    if (!store->saveAll(serverKey, entries)) {
        MessageBox::warning(
            p.window, tr("Lineup"),
            tr("The change to your lineup could not be saved: %1").arg(store->lastError()));
        current = store->load(serverKey);
        reapply();
        return false;
    }
    for (const LineupEntry& e : entries)
        current.put(e);
    reapply();
    return true;
}

LineupEntry LineupFlow::itemEntry(const MediaItem& item) const
{
    LineupEntry e = current.entry(LineupEntry::ItemEntry, item.type, Library::idOf(item));
    if (e.providerName.isEmpty())
        e.providerName = item.name;
    return e;
}

LineupEntry LineupFlow::categoryEntry(int kind, const QString& id) const
{
    LineupEntry e = current.entry(LineupEntry::CategoryEntry, kind, id);
    if (e.providerName.isEmpty()) {
        for (const Category& c : providerCategories(kind)) {
            if (c.id == id) {
                e.providerName = c.name;
                break;
            }
        }
    }
    return e;
}

void LineupFlow::hideItem(const MediaItem& item)
{
    LineupEntry e = itemEntry(item);
    e.hidden = true;
    change({e});
}

void LineupFlow::renameItem(const MediaItem& item)
{
    LineupEntry e = itemEntry(item);
    bool ok = false;
    const QString name = QInputDialog::getText(
        p.window, tr("Rename"),
        tr("New name for \"%1\" (empty: the provider's name):").arg(e.providerName),
        QLineEdit::Normal, e.name.isEmpty() ? e.providerName : e.name, &ok);
    if (!ok)
        return;
    e.name = name.trimmed() == e.providerName ? QString() : name.trimmed();
    change({e});
}

void LineupFlow::toggleItemLock(const MediaItem& item)
{
    if (!requirePin())
        return;
    LineupEntry e = itemEntry(item);
    if (e.locked && !askPin(tr("Enter the PIN to unlock \"%1\".").arg(item.name)))
        return;
    e.locked = !e.locked;
    change({e});
}

void LineupFlow::hideCategory(int kind, const QString& id)
{
    LineupEntry e = categoryEntry(kind, id);
    e.hidden = true;
    change({e});
}

void LineupFlow::renameCategory(int kind, const QString& id)
{
    LineupEntry e = categoryEntry(kind, id);
    bool ok = false;
    const QString name = QInputDialog::getText(
        p.window, tr("Rename Category"),
        tr("New name for \"%1\" (empty: the provider's name):").arg(e.providerName),
        QLineEdit::Normal, e.name.isEmpty() ? e.providerName : e.name, &ok);
    if (!ok)
        return;
    e.name = name.trimmed() == e.providerName ? QString() : name.trimmed();
    change({e});
}

void LineupFlow::toggleCategoryLock(int kind, const QString& id)
{
    if (!requirePin())
        return;
    LineupEntry e = categoryEntry(kind, id);
    if (e.locked && !askPin(tr("Enter the PIN to unlock \"%1\".").arg(e.providerName)))
        return;
    e.locked = !e.locked;
    change({e});
}

bool LineupFlow::orderCategories(int kind, const QStringList& ids)
{
    QList<LineupEntry> entries;
    for (int i = 0; i < ids.size(); ++i) {
        LineupEntry e = categoryEntry(kind, ids[i]);
        if (e.position == i)
            continue;
        e.position = i;
        entries.append(e);
    }
    return entries.isEmpty() || change(entries);
}

void LineupFlow::offerAdultLocks(int kind, const QList<Category>& categories)
{
    if (categories.isEmpty() || serverKey.isEmpty())
        return;
    QStringList offered = Preferences::value(kOfferedKey).toStringList();
    const QString mark = QString::number(kind) + QLatin1Char('/') + serverKey;
    if (offered.contains(mark))
        return;
    offered.append(mark);
    Preferences::setValue(kOfferedKey, offered);
    const QStringList words = ParentalLock::words();
    QStringList ids, names;
    for (const Category& c : categories) {
        if (ParentalLock::soundsAdult(c.name, words) && !current.isLockedCategory(kind, c.id)) {
            ids.append(c.id);
            names.append(c.name);
        }
    }
    if (ids.isEmpty())
        return;
    // Asked once the lists are up, never inside a load.
    QTimer::singleShot(0, this, [this, kind, ids, names, server = serverKey]() {
        if (server != serverKey)
            return;
        const auto answer = MessageBox::question(
            p.window, tr("Parental Lock"),
            tr("%n categories of this server look like adult content:\n\n%1\n\nLock them? "
               "They will ask for the PIN before showing their channels.",
               "", int(ids.size()))
                .arg(names.join(QLatin1Char('\n'))),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
        QList<LineupEntry> entries;
        for (const QString& id : ids) {
            LineupEntry e = categoryEntry(kind, id);
            e.locked = true;
            entries.append(e);
        }
        change(entries);
        if (!lock.hasPin())
            requirePin();
    });
}

void LineupFlow::noteChoices()
{
    for (int section = 0; section < 3; ++section) {
        bool marks = false;
        for (const LineupEntry& e : current.of(LineupEntry::ItemEntry, section))
            marks = marks || e.locked || !e.name.isEmpty();
        for (const LineupEntry& e : current.of(LineupEntry::CategoryEntry, section))
            marks = marks || e.locked;
        rowMarks[section] = marks;
    }
    anyLocks = current.hasLocks();
    QHash<QString, int> shifts;
    for (const LineupEntry& e : current.of(LineupEntry::ItemEntry, MediaItem::Live)) {
        if (e.shiftMinutes != 0)
            shifts.insert(e.id, e.shiftMinutes);
    }
    p.guide->setShifts(shifts);
}

void LineupFlow::reapply()
{
    noteChoices();
    appliedUnlocked = unlocked();
    CatalogSession* s = p.session;
    for (auto it = rawCategories.cbegin(); it != rawCategories.cend(); ++it) {
        const QList<Category> shaped = current.applyToCategories(kindOfSection(it.key()), *it);
        if (it.key() == kLiveSection)
            s->liveCategories = shaped;
        else if (it.key() == kMovieSection)
            s->movieCategories = shaped;
        else if (it.key() == kSeriesSection)
            s->seriesCategories = shaped;
        tabOfSection(it.key())->setCategories(shaped);
    }
    for (auto it = rawItems.cbegin(); it != rawItems.cend(); ++it) {
        // A load still being shaped finishes as a load, with the new choices.
        const auto load = pending.constFind(it.key());
        shape(it.key(), load != pending.cend() ? load->done : showShaped(it.key()));
    }
    emit lineupChanged();
}

LineupFlow::Shaped LineupFlow::showShaped(const QString& section)
{
    return [this, section](const QList<MediaItem>& shaped) {
        CatalogSession* s = p.session;
        if (section == kLiveSection)
            s->liveItems = shaped;
        else if (section == kMovieSection)
            s->movieItems = shaped;
        else if (section == kSeriesSection)
            s->seriesItems = shaped;
        else
            s->channelItems = shaped;
        tabOfSection(section)->refilter();
        if ((section == kLiveSection && source.type == SourceConfig::Xtream) ||
            (section == kChannelSection && source.type != SourceConfig::Xtream))
            p.guide->setChannels(shaped);
    };
}
