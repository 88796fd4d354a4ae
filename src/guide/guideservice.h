#pragma once

#include "guide/guideimporter.h"
#include "guide/guidematch.h"
#include "guide/guideprogramme.h"
#include "guide/guidestore.h"
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QTimer;

// The guide of the active server for the window: opens its store, imports a new one when the
// catalog was fetched or the guide is a day old, answers "now and next" per channel and the
// programme list of one channel, and for Xtream channels the guide does not cover asks the
// player API once per channel and keeps the answer for the session.
class GuideService final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxAgeSecs = 86400;
    static constexpr qint64 kDaysAhead = 14;

    explicit GuideService(QObject* parent = nullptr);
    ~GuideService() override;

    // Cancels an import of the previous server and opens this one's guide.
    void setSource(const SourceConfig& config);
    const SourceConfig& source() const { return config; }
    // The catalog's channels: the import keeps only their guide.
    void setChannels(const QList<MediaItem>& channels);
    // Imports when `force` or when the guide is missing or older than a day.
    void refresh(bool force);
    // The guide addresses the import reads: the typed one, else the server's.
    QList<QUrl> guideUrls() const;

    // The running programme (and, for channels answered by the server, the next one): cheap,
    // for painting every row.
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

    bool isImporting() const;
    // "Updating guide... 43%", the last failure, or empty.
    QString statusText() const { return status; }

    static QString storePath(const QString& sourceName);
    // Test seam: the limits of the imports started afterwards.
    void setImportLimits(qint64 maxBytes, int inactivityTimeoutMs);

signals:
    void guideChanged(); // a new guide, or a channel's programmes came from the server
    void nowMoved();     // a minute passed: bars grow, programmes end
    void statusChanged(const QString& text);

private:
    void openStore();
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
    GuideMatch::Index index;
    QHash<QString, int> channelById; // catalog id: guide channel number
    GuideImporter* importer = nullptr;
    QNetworkAccessManager* network = nullptr;
    QTimer* tick = nullptr;
    QString status;
    quint64 generation = 0; // bumped by setSource: late answers of another server are dropped
    qint64 maxBytes = 1024LL * 1024 * 1024;
    int inactivityMs = 60000;

    mutable QHash<int, GuideNowNext> nowCache;
    mutable qint64 nowCacheUntil = 0;
    QHash<QString, QList<GuideProgramme>> fromServer; // stream id: the player API's answer
};
