#pragma once

#include "guide/guideprogramme.h"
#include "player/streamconnections.h"
#include "recording/recording.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class QThread;
class QTimer;
class RecordingStore;
class StreamRecorder;

// Every recording of the program: started now, planned from the guide (one programme or a
// series), or saved from the archive. Keeps them in the store, starts and stops them by the
// clock (checked every second, and at once on start), counts their streams against the
// server's limit and runs the copying on a thread of its own, so a slow disk never holds the
// window. A recording that could not run while the program was closed is marked missed.
class RecordingManager final : public QObject
{
    Q_OBJECT

public:
    struct Channel
    {
        QString server; // the server's id (SourceConfig::storageKey())
        QString id;     // the catalog's channel id (a playlist entry's address)
        QString name;
    };
    // The live address of a server's channel; empty when the server is gone.
    using StreamResolver = std::function<QUrl(const QString& server, const QString& channelId)>;
    // A server's display name, which its open streams are counted under; empty when gone.
    using ServerName = std::function<QString(const QString& server)>;

    // `connections` may be null: then no limit is counted.
    RecordingManager(const QString& storePath, StreamConnections* connections,
                     QObject* parent = nullptr);
    ~RecordingManager() override;

    void setStreamResolver(StreamResolver resolver);
    void setServerNames(ServerName names);
    // Rows an older version kept under servers' display names move to their ids, once.
    // False with problem() set when the store refused; the next start tries again.
    bool adoptServerIds(const QList<std::pair<QString, QString>>& nameToId);
    // A removed server: what runs of it stops (the files are the user's and stay listed), what
    // is planned and its series rules go.
    void forgetServer(const QString& server);
    void setFolder(const QString& folder);
    void setPadding(qint64 beforeMs, qint64 afterMs);
    QString folder() const { return targetFolder; }
    // Why the store could not be opened or written; empty when fine.
    QString problem() const;

    const QList<Recording>& recordings() const { return list; }
    const Recording* find(qint64 id) const;
    // The running recording of a channel, or null.
    const Recording* runningOn(const QString& server, const QString& channelId) const;
    // The running recording writing `path`, or null.
    const Recording* runningInto(const QString& path) const;
    const Recording* plannedAt(const QString& server, const QString& channelId,
                               qint64 startMs) const;
    bool hasSeriesRule(const QString& server, const QString& channelId, const QString& title) const;
    const QList<SeriesRule>& seriesRules() const { return rules; }
    int runningCount() const;
    // How far a running archive download is, 0 to 1000; -1 when the server does not say.
    int progressPermille(qint64 id) const;
    // Something runs, or is due to start within `withinMs`.
    bool busy(qint64 withinMs) const;

    // Each returns the recording's id, or 0 with `message` set for the user.
    // Records the channel from now; with a known programme it is named after it and ends with it
    // (plus the padding), otherwise it runs until stopped.
    qint64 recordNow(const Channel& channel, const GuideProgramme& programme, QString* message);
    qint64 schedule(const Channel& channel, const GuideProgramme& programme, QString* message);
    // The rule, and every programme of `programmes` it matches. Returns the rule's id.
    qint64 addSeries(const Channel& channel, const QString& title,
                     const QList<GuideProgramme>& programmes, QString* message);
    // New guide programmes of a channel: the series rules plan what they match. Refused ones are
    // left out quietly (the rule will try again with the next guide).
    void applySeriesRules(const QString& server, const QString& channelId,
                          const QList<GuideProgramme>& programmes);
    qint64 downloadArchive(const Channel& channel, const GuideProgramme& programme,
                           const QUrl& archiveUrl, QString* message);

    // A running recording ends (its file is kept); a planned one is cancelled.
    void stop(qint64 id);
    // Forgets the recording and deletes its file. False with `message` when the file stays.
    bool remove(qint64 id, QString* message);
    void removeSeriesRule(qint64 ruleId);

    // Starts what is due, ends what is over, marks what was missed.
    void tick();

signals:
    void changed();
    void progressed(qint64 id, qint64 bytes);
    // A recording ended by itself with a problem (disk full, refused, ...).
    void failed(qint64 id, const QString& title, const QString& message);
    void storeFailed(const QString& message);

private:
    struct Active
    {
        StreamRecorder* recorder = nullptr;
        StreamConnections::Lease lease;
    };

    Recording* findMutable(qint64 id);
    qint64 add(Recording recording, QString* message);
    void startRecording(Recording& recording);
    void onFinished(qint64 id, int outcome, const QString& message);
    void endFailed(Recording& recording, const QString& message);
    bool persist(Recording& recording);
    int watching(const QString& server) const;
    QString connectionKey(const QString& server) const;
    void resumeAfterRestart();

    std::unique_ptr<RecordingStore> store;
    StreamConnections* connections = nullptr;
    StreamResolver resolveStream;
    ServerName serverName;
    std::map<qint64, int> permille;
    QString targetFolder;
    qint64 padBefore = 0;
    qint64 padAfter = 0;
    QList<Recording> list;
    QList<SeriesRule> rules;
    std::map<qint64, Active> active;
    QThread* worker = nullptr;
    QTimer* ticker = nullptr;
};
