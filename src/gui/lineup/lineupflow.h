#pragma once

#include "lineup/lineup.h"
#include "lineup/parentallock.h"
#include "model/category.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class CatalogSession;
class CatalogTab;
class GuideService;
class Library;
class LineupStore;
class QAbstractItemView;
class QListWidget;
class QMenu;
class QThread;
class QTimer;

// The user's lineup in the window: shapes the catalog lists every view reads (hidden and locked
// ones out, the user's names, order and guide bindings in), and offers hiding, renaming,
// locking, reordering and guide binding from the tabs' menus and keys. Locked content asks for
// the PIN before it is shown or played.
class LineupFlow final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget* window = nullptr;
        Library* library = nullptr;
        CatalogSession* session = nullptr;
        GuideService* guide = nullptr;
        CatalogTab* liveTab = nullptr;
        CatalogTab* movieTab = nullptr;
        CatalogTab* seriesTab = nullptr;
        CatalogTab* channelTab = nullptr;
    };

    LineupFlow(const Parts& parts, QObject* parent);
    ~LineupFlow() override;

    const Lineup& lineup() const { return current; }
    ParentalLock& parental() { return lock; }
    QString server() const { return serverKey; }
    // Locks hold only once a PIN is set.
    bool unlocked() const { return lock.isUnlocked() || !lock.hasPin(); }

    // The session's hooks: what it keeps of the lists the server sends.
    void serverLoading(const SourceConfig& config);
    QList<Category> shapeCategories(const QString& section, const QList<Category>& categories);
    using Shaped = std::function<void(const QList<MediaItem>& items)>;
    // Calls `done` with what the section shows: at once for short lists, else from a worker
    // (queued, on this thread). A newer load or lineup change of the section drops a result
    // still on its way; `done` then runs with the newer one.
    void shapeItems(const QString& section, const QList<MediaItem>& items, Shaped done);
    // Lists from this many entries on are shaped on a worker (tests lower it).
    void setShapeOnWorkerFrom(qsizetype entries) { workerFrom = entries; }
    // A shaping is on its way, or a worker has still to end.
    bool isShaping() const;
    // The guide reads the server's own guide or the user's list of guide addresses.
    SourceConfig guideConfig(const SourceConfig& config) const;
    // A tab's rows: library views lose locked items; a server category shows its locked
    // channels (marked) while locked, never in a search.
    QList<MediaItem> screenTabItems(int kind, const QString& categoryId, const QString& query,
                                    QList<MediaItem> items) const;
    // The guide grid never shows locked channels.
    QList<MediaItem> screenGrid(const QList<MediaItem>& items) const;
    // Asks for the PIN when `item` is locked; true when it may play.
    bool mayPlay(const MediaItem& item);

    // The provider's lists as last received, by section.
    QList<MediaItem> providerItems(int kind) const;
    QList<Category> providerCategories(int kind) const;
    int kindOfTab(const CatalogTab* tab) const;

    // Changes, each saved at once; false (after telling the user) when the save failed.
    bool change(const QList<LineupEntry>& entries);
    LineupEntry itemEntry(const MediaItem& item) const;
    LineupEntry categoryEntry(int kind, const QString& id) const;
    void hideItem(const MediaItem& item);
    void renameItem(const MediaItem& item);
    void toggleItemLock(const MediaItem& item);
    void hideCategory(int kind, const QString& id);
    void renameCategory(int kind, const QString& id);
    void toggleCategoryLock(int kind, const QString& id);
    // Puts categories in the order of `ids`.
    bool orderCategories(int kind, const QStringList& ids);
    void openGuideChannel(const MediaItem& item);
    QStringList guideSourceList() const { return guideSources; }
    // Stores the server's guide addresses and reads the guide again from them.
    bool setGuideSources(const QStringList& sources);
    GuideService* guide() const { return p.guide; }
    QString sourceName() const { return source.name; }
    // What the server's guide file is kept under.
    QString guideKey() const { return source.storageKey(); }
    void openManageLineup();
    // True when the PIN was given now or before (or no PIN is needed: nothing locked).
    bool askPin(const QString& reason);
    // Locks again what the PIN opened.
    void relock();

    // The library's menu on a row gets the lineup's actions.
    void addItemActions(QMenu& menu, const MediaItem& item);
    // The tabs' rows and category lists get marks: locks, and the provider's name in the tip.
    void markRows(QAbstractItemView* view, const QList<MediaItem>& shown) const;
    void decorateCategories(CatalogTab* tab, QListWidget* list) const;

signals:
    void lineupChanged();

private:
    void wireTab(CatalogTab* tab);
    void reapply();
    void shape(const QString& section, Shaped done);
    void shaped(const QString& section, quint64 job, const QList<MediaItem>& items);
    // What a lineup change does with a section's new list.
    Shaped showShaped(const QString& section);
    void offerAdultLocks(int kind, const QList<Category>& categories);
    void checkUnlockExpiry();
    CatalogTab* tabOfSection(const QString& section) const;
    static int kindOfSection(const QString& section);
    CatalogTab* currentCatalogTab() const;
    bool requirePin();

    Parts p;
    std::unique_ptr<LineupStore> store;
    ParentalLock lock;
    Lineup current;
    QString serverKey;
    SourceConfig source;
    QStringList guideSources;
    QHash<QString, QList<MediaItem>> rawItems;     // by section
    QHash<QString, QList<Category>> rawCategories; // by section
    // Shaping 100k entries takes tens of milliseconds; under this many it fits in a frame.
    qsizetype workerFrom = 10000;
    struct Pending
    {
        quint64 job = 0;
        Shaped done;
    };
    QHash<QString, Pending> pending; // by section: the latest shaping, until it is delivered
    quint64 jobs = 0;
    QList<QPointer<QThread>> workers; // waited for on destruction: they post to this object
    QTimer* unlockCheck = nullptr;
    bool appliedUnlocked = false;
    // Read once per change, not per keystroke: whether any lock exists, and per section
    // whether any row needs a mark (lock or own name).
    void noteChoices();
    bool anyLocks = false;
    bool rowMarks[3] = {false, false, false};
};
