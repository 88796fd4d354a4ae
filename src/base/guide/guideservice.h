#pragma once

#include "guide/guideanswers.h"
#include "guide/guideimporter.h"
#include "guide/guidematch.h"
#include "guide/guidenowtable.h"
#include "guide/guideprogramme.h"
#include "guide/guideprogrammeindex.h"
#include "guide/guidestore.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QThread;
class QTimer;

// The guide of the active server for the window: opens its store, imports a new one when the
// catalog was fetched or the guide is a day old, answers "now and next" per channel and the
// programme list of one channel, and for Xtream channels the guide does not cover (left out, or
// declared without programmes) asks the player API once per channel and keeps the answer on disk,
// until it has nothing left to come.
class GuideService final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxAgeSecs = 86400;
    static constexpr qint64 kDaysAhead = 14;
    // "Now" is answered from memory for this long, read again in the background halfway.
    static constexpr qint64 kNowWindowSecs = 6 * 3600;

    explicit GuideService(QObject* parent = nullptr);
    ~GuideService() override;

    // Cancels an import of the previous server and opens this one's guide.
    void setSource(const SourceConfig& config);
    const SourceConfig& source() const { return config; }
    // The catalog's channels: the import keeps only their guide.
    void setChannels(const QList<MediaItem>& channels);
    // Channels whose guide runs early or late, by id: minutes added to their programmes' times
    // wherever they are answered. The store keeps the guide's own times, so a new shift needs no
    // import; catch-up takes the shifted times, when the programme really ran on the stream.
    void setShifts(const QHash<QString, int>& minutesById);
    qint64 shiftSecs(const MediaItem& item) const;
    // Imports when `force` or when the guide is missing or older than a day.
    void refresh(bool force);
    // The guide addresses the import reads: the typed one, else the server's.
    QList<QUrl> guideUrls() const;

    // The running programme (and the next one when it starts soon): from memory, for painting
    // every row. Empty for a moment after a guide opens, until its next hours are read;
    // nowMoved() follows.
    GuideNowNext nowNext(const MediaItem& item) const;
    // The running programme and the next one, for a tooltip.
    GuideNowNext nowAndNext(const MediaItem& item) const;
    bool hasGuide(const MediaItem& item) const;
    // The store's channel number of `item`, or -1: what the grid reads the store by.
    int guideChannel(const MediaItem& item) const { return channelOf(item); }
    using ProgrammesCallback = std::function<void(const QList<GuideProgramme>& programmes)>;
    // From the archive window (or a day back) to a week ahead. Runs `done` later on this thread,
    // once, unless `context` is gone.
    void programmes(const MediaItem& item, QObject* context, ProgrammesCallback done);

    // Programmes of the coming week by title, running ones first, as the channels that show
    // them (`labels` tell title, channel and time). The first call reads the guide in the
    // background and finds nothing yet; programmesSearchable() tells when it can.
    struct FoundProgrammes
    {
        QList<MediaItem> channels;
        QStringList labels;
        qsizetype total = 0;
    };
    FoundProgrammes findProgrammes(const QString& query, int limit);

    bool isImporting() const;
    // "Updating guide... 43%", the last failure, or empty.
    QString statusText() const { return status; }

    static QString storePath(const QString& sourceName);
    // Test seam: the limits of the imports started afterwards.
    void setImportLimits(qint64 maxBytes, int inactivityTimeoutMs);

signals:
    void guideChanged(); // a new guide, or a channel's programmes came from the server
    void nowMoved();     // a minute passed (bars grow, programmes end), or the next hours were read
    void statusChanged(const QString& text);
    void programmesSearchable();

private:
    void openStore();
    void loadAnswers();
    void readSearchIndex();
    void readNowTable(qint64 now) const;
    // Runs `work` on a thread of its own, then what it returns on this thread, unless this
    // object is gone by then.
    void inBackground(std::function<std::function<void()>()> work) const;
    void rematch();
    void setStatus(const QString& text);
    void scheduleTick();
    int channelOf(const MediaItem& item) const;
    qint64 offsetSecs() const;
    qint64 keepFrom(qint64 now) const;
    void fetchFromServer(const MediaItem& item, QObject* context, ProgrammesCallback done);

    SourceConfig config;
    QList<MediaItem> channels;
    GuideStore store;
    GuideAnswers answers;
    GuideMatch::Index index;
    QHash<QString, int> channelById; // catalog id: guide channel number
    GuideImporter* importer = nullptr;
    QNetworkAccessManager* network = nullptr;
    QTimer* tick = nullptr;
    QString status;
    quint64 generation = 0; // bumped by setSource: late answers of another server are dropped
    qint64 maxBytes = 1024LL * 1024 * 1024;
    int inactivityMs = 60000;

    mutable std::shared_ptr<const GuideNowTable> nowTable;
    mutable qint64 nowTableReach = 0; // the table reaches this far around its hours, for shifts
    mutable bool nowReading = false;
    QHash<QString, qint64> shifts; // channel id: seconds added to its guide's times
    qint64 shiftReach = 0;         // the largest shift either way
    quint64 storeGeneration = 0;   // bumped when the store is reopened: older reads are dropped
    mutable QList<QPointer<QThread>> readers;
    QHash<QString, QList<GuideProgramme>> fromServer; // stream id: the player API's answer

    std::shared_ptr<const GuideProgrammeIndex> searchIndex;
    std::shared_ptr<std::atomic<bool>> searchCancel;
    QHash<int, qsizetype> itemOfChannel; // guide channel number: index in `channels`
};
