#include "recording/recordingmanager.h"

#include "app/clock.h"
#include "recording/recordingplan.h"
#include "recording/recordingsettings.h"
#include "recording/recordingstore.h"
#include "recording/streamrecorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThread>
#include <QTimer>

namespace {
constexpr int kTickMs = 1000;
} // namespace

RecordingManager::RecordingManager(const QString& storePath, StreamConnections* streams,
                                   QObject* parent)
    : QObject(parent)
    , store(std::make_unique<RecordingStore>(storePath))
    , connections(streams)
    , targetFolder(recordingsettings::folder())
    , padBefore(qint64(recordingsettings::padBeforeMinutes()) * 60000)
    , padAfter(qint64(recordingsettings::padAfterMinutes()) * 60000)
{
    list = store->recordings();
    rules = store->rules();
    worker = new QThread(this);
    worker->setObjectName(QStringLiteral("Recordings"));
    worker->start(QThread::LowPriority);
    ticker = new QTimer(this);
    ticker->setInterval(Clock::waitMs(kTickMs));
    connect(ticker, &QTimer::timeout, this, &RecordingManager::tick);
    ticker->start();
    resumeAfterRestart();
    QTimer::singleShot(0, this, &RecordingManager::tick);
}

RecordingManager::~RecordingManager()
{
    // The program closes: what runs ends here and keeps its file.
    const qint64 now = Clock::epochMs();
    for (auto& [id, run] : active) {
        StreamRecorder* recorder = run.recorder;
        qint64 bytes = 0;
        QMetaObject::invokeMethod(
            recorder,
            [recorder, &bytes]() {
                recorder->stop();
                bytes = recorder->bytesWritten();
                delete recorder;
            },
            Qt::BlockingQueuedConnection);
        if (Recording* r = findMutable(id)) {
            r->state = Recording::Done;
            r->endedAt = now;
            r->bytes = bytes;
            store->save(*r);
        }
    }
    active.clear();
    worker->quit();
    worker->wait();
}

void RecordingManager::setStreamResolver(StreamResolver resolver)
{
    resolveStream = std::move(resolver);
}

void RecordingManager::setServerNames(ServerName names)
{
    serverName = std::move(names);
}

QString RecordingManager::connectionKey(const QString& server) const
{
    const QString name = serverName ? serverName(server) : QString();
    return name.isEmpty() ? server : name;
}

bool RecordingManager::adoptServerIds(const QList<std::pair<QString, QString>>& nameToId)
{
    if (!store->keyedByName())
        return true;
    if (!store->moveServers(nameToId))
        return false;
    // Nothing runs yet: the first tick is queued behind the construction.
    list = store->recordings();
    rules = store->rules();
    emit changed();
    return true;
}

void RecordingManager::forgetServer(const QString& server)
{
    for (const Recording& r : QList<Recording>(list))
        if (r.server == server && r.isActive())
            stop(r.id);
    for (const SeriesRule& rule : QList<SeriesRule>(rules))
        if (rule.server == server)
            removeSeriesRule(rule.id);
    emit changed();
}

int RecordingManager::progressPermille(qint64 id) const
{
    const auto it = permille.find(id);
    return it == permille.end() ? -1 : it->second;
}

void RecordingManager::setFolder(const QString& folder)
{
    targetFolder = folder;
}

void RecordingManager::setPadding(qint64 beforeMs, qint64 afterMs)
{
    padBefore = qMax<qint64>(0, beforeMs);
    padAfter = qMax<qint64>(0, afterMs);
}

QString RecordingManager::problem() const
{
    return store->lastError();
}

const Recording* RecordingManager::find(qint64 id) const
{
    for (const Recording& r : list)
        if (r.id == id)
            return &r;
    return nullptr;
}

Recording* RecordingManager::findMutable(qint64 id)
{
    return const_cast<Recording*>(find(id));
}

const Recording* RecordingManager::runningOn(const QString& server, const QString& channelId) const
{
    for (const Recording& r : list)
        if (r.state == Recording::Running && r.kind != Recording::Archive && r.server == server &&
            r.channelId == channelId)
            return &r;
    return nullptr;
}

const Recording* RecordingManager::runningInto(const QString& path) const
{
    for (const Recording& r : list)
        if (r.state == Recording::Running && r.path == path)
            return &r;
    return nullptr;
}

const Recording* RecordingManager::plannedAt(const QString& server, const QString& channelId,
                                             qint64 startMs) const
{
    for (const Recording& r : list)
        if (r.server == server && r.channelId == channelId && r.startsAt == startMs &&
            r.kind != Recording::Now && r.kind != Recording::Archive)
            return &r;
    return nullptr;
}

bool RecordingManager::hasSeriesRule(const QString& server, const QString& channelId,
                                     const QString& title) const
{
    for (const SeriesRule& rule : rules)
        if (rule.server == server && rule.channelId == channelId &&
            rule.title.compare(title.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int RecordingManager::runningCount() const
{
    return int(active.size());
}

bool RecordingManager::busy(qint64 withinMs) const
{
    const qint64 horizon = Clock::epochMs() + withinMs;
    for (const Recording& r : list)
        if (r.state == Recording::Running ||
            (r.state == Recording::Scheduled && r.recordFrom() <= horizon))
            return true;
    return false;
}

int RecordingManager::watching(const QString& server) const
{
    if (!connections)
        return 0;
    int ours = 0;
    for (const auto& [id, run] : active) {
        const Recording* r = find(id);
        if (r && r->server == server && run.lease.isValid())
            ++ours;
    }
    return qMax(0, connections->openCount(connectionKey(server)) - ours);
}

bool RecordingManager::persist(Recording& recording)
{
    if (store->save(recording))
        return true;
    emit storeFailed(store->lastError());
    return false;
}

qint64 RecordingManager::add(Recording recording, QString* message)
{
    const int limit = connections ? connections->limit(connectionKey(recording.server)) : 0;
    const QString refused = recordingplan::refusal(list, recording, watching(recording.server),
                                                   limit, Clock::epochMs());
    if (!refused.isEmpty()) {
        *message = refused;
        return 0;
    }
    if (!store->save(recording)) {
        *message = store->lastError();
        return 0;
    }
    list.prepend(recording);
    emit changed();
    tick();
    return recording.id;
}

qint64 RecordingManager::recordNow(const Channel& channel, const GuideProgramme& programme,
                                   QString* message)
{
    if (runningOn(channel.server, channel.id)) {
        *message = tr("%1 is already being recorded.").arg(channel.name);
        return 0;
    }
    const qint64 now = Clock::epochMs();
    Recording r;
    r.server = channel.server;
    r.channelId = channel.id;
    r.channelName = channel.name;
    r.kind = Recording::Now;
    const bool known = !programme.title.isEmpty() && programme.stop * 1000 > now;
    r.title = known ? programme.title : channel.name;
    r.startsAt = now;
    r.endsAt = known ? programme.stop * 1000 : 0;
    r.padAfterMs = known ? padAfter : 0;
    return add(r, message);
}

qint64 RecordingManager::schedule(const Channel& channel, const GuideProgramme& programme,
                                  QString* message)
{
    if (plannedAt(channel.server, channel.id, programme.start * 1000)) {
        *message = tr("\"%1\" is already planned.").arg(programme.title);
        return 0;
    }
    if (programme.stop * 1000 <= Clock::epochMs()) {
        *message = tr("\"%1\" is over; only the archive can still have it.").arg(programme.title);
        return 0;
    }
    Recording r;
    r.server = channel.server;
    r.channelId = channel.id;
    r.channelName = channel.name;
    r.title = programme.title;
    r.kind = Recording::Programme;
    r.startsAt = programme.start * 1000;
    r.endsAt = programme.stop * 1000;
    r.padBeforeMs = padBefore;
    r.padAfterMs = padAfter;
    return add(r, message);
}

qint64 RecordingManager::addSeries(const Channel& channel, const QString& title,
                                   const QList<GuideProgramme>& programmes, QString* message)
{
    for (const SeriesRule& rule : std::as_const(rules))
        if (rule.server == channel.server && rule.channelId == channel.id &&
            rule.title.compare(title.trimmed(), Qt::CaseInsensitive) == 0)
            return rule.id;
    SeriesRule rule{0, channel.server, channel.id, channel.name, title.trimmed()};
    if (!store->save(rule)) {
        *message = store->lastError();
        return 0;
    }
    rules.append(rule);
    // The first programme that cannot fit is said; the rule stays for later guides.
    const auto found = recordingplan::seriesProgrammes(rule, programmes, list, Clock::epochMs());
    for (const GuideProgramme& programme : found) {
        Recording r;
        r.server = channel.server;
        r.channelId = channel.id;
        r.channelName = channel.name;
        r.title = programme.title;
        r.kind = Recording::Series;
        r.seriesId = rule.id;
        r.startsAt = programme.start * 1000;
        r.endsAt = programme.stop * 1000;
        r.padBeforeMs = padBefore;
        r.padAfterMs = padAfter;
        QString refused;
        if (!add(r, &refused) && message->isEmpty())
            *message = refused;
    }
    emit changed();
    return rule.id;
}

void RecordingManager::applySeriesRules(const QString& server, const QString& channelId,
                                        const QList<GuideProgramme>& programmes)
{
    for (const SeriesRule& rule : std::as_const(rules)) {
        if (rule.server != server || rule.channelId != channelId)
            continue;
        const auto found =
            recordingplan::seriesProgrammes(rule, programmes, list, Clock::epochMs());
        for (const GuideProgramme& programme : found) {
            Recording r;
            r.server = server;
            r.channelId = channelId;
            r.channelName = rule.channelName;
            r.title = programme.title;
            r.kind = Recording::Series;
            r.seriesId = rule.id;
            r.startsAt = programme.start * 1000;
            r.endsAt = programme.stop * 1000;
            r.padBeforeMs = padBefore;
            r.padAfterMs = padAfter;
            QString refused;
            add(r, &refused);
        }
    }
}

qint64 RecordingManager::downloadArchive(const Channel& channel, const GuideProgramme& programme,
                                         const QUrl& archiveUrl, QString* message)
{
    Recording r;
    r.server = channel.server;
    r.channelId = channel.id;
    r.channelName = channel.name;
    r.title = programme.title;
    r.kind = Recording::Archive;
    r.startsAt = programme.start * 1000;
    r.endsAt = programme.stop * 1000; // the stream's end ends it, not the clock
    r.sourceUrl = archiveUrl.toString();
    for (const Recording& other : std::as_const(list))
        if (other.kind == Recording::Archive && other.sourceUrl == r.sourceUrl &&
            other.isActive()) {
            *message = tr("\"%1\" is already being downloaded.").arg(programme.title);
            return 0;
        }
    return add(r, message);
}

void RecordingManager::stop(qint64 id)
{
    Recording* r = findMutable(id);
    if (!r)
        return;
    if (r->state == Recording::Scheduled) {
        store->remove(id);
        list.removeIf([id](const Recording& x) { return x.id == id; });
        emit changed();
        return;
    }
    const auto it = active.find(id);
    if (it != active.end())
        QMetaObject::invokeMethod(it->second.recorder, &StreamRecorder::stop);
}

bool RecordingManager::remove(qint64 id, QString* message)
{
    const Recording* r = find(id);
    if (!r)
        return true;
    if (active.count(id)) {
        *message = tr("\"%1\" is still being recorded; stop it first.").arg(r->title);
        return false;
    }
    if (!r->path.isEmpty() && QFileInfo::exists(r->path) && !QFile::remove(r->path)) {
        *message = tr("%1 could not be deleted. Check that its folder can be written.")
                       .arg(QDir::toNativeSeparators(r->path));
        return false;
    }
    if (!store->remove(id)) {
        *message = store->lastError();
        return false;
    }
    list.removeIf([id](const Recording& x) { return x.id == id; });
    emit changed();
    return true;
}

void RecordingManager::removeSeriesRule(qint64 ruleId)
{
    store->removeRule(ruleId);
    rules.removeIf([ruleId](const SeriesRule& rule) { return rule.id == ruleId; });
    for (const Recording& r : QList<Recording>(list))
        if (r.seriesId == ruleId && r.state == Recording::Scheduled)
            stop(r.id);
}

void RecordingManager::resumeAfterRestart()
{
    // Rows still "running" belong to a run that ended without stopping them (a crash, a kill):
    // what has an end still ahead carries on into the same file, the rest is finished.
    const qint64 now = Clock::epochMs();
    for (Recording& r : list) {
        if (r.state != Recording::Running)
            continue;
        const QString note = tr("The program was closed during the recording.");
        r.message = r.message.isEmpty() ? note : r.message;
        if (r.kind != Recording::Now && r.kind != Recording::Archive && r.recordUntil() > now) {
            r.state = Recording::Scheduled;
        } else {
            r.state = Recording::Done;
            r.endedAt = QFileInfo(r.path).lastModified().toMSecsSinceEpoch();
            r.bytes = QFileInfo(r.path).size();
        }
        persist(r);
    }
}

void RecordingManager::tick()
{
    const qint64 now = Clock::epochMs();
    bool anyChange = false;
    for (Recording& r : list) {
        if (r.state == Recording::Scheduled && r.recordFrom() <= now) {
            if (r.recordUntil() > 0 && r.recordUntil() <= now) {
                r.state = Recording::Missed;
                r.message = tr("The program was not running at the time of the recording.");
                persist(r);
            } else {
                startRecording(r);
            }
            anyChange = true;
        } else if (r.state == Recording::Running && r.recordUntil() > 0 && r.recordUntil() <= now) {
            stop(r.id);
        }
    }
    if (anyChange)
        emit changed();
}

void RecordingManager::endFailed(Recording& r, const QString& message)
{
    r.state = Recording::Failed;
    r.message = message;
    r.endedAt = Clock::epochMs();
    persist(r);
    emit failed(r.id, r.title, message);
}

void RecordingManager::startRecording(Recording& r)
{
    const QUrl url = r.kind == Recording::Archive
                         ? QUrl(r.sourceUrl)
                         : (resolveStream ? resolveStream(r.server, r.channelId) : QUrl());
    if (url.isEmpty()) {
        endFailed(r,
                  tr("\"%1\" could not be recorded: its server is no longer set up.").arg(r.title));
        return;
    }
    Active run;
    if (connections) {
        const QString key = connectionKey(r.server);
        run.lease = connections->acquire(key, r.kind == Recording::Archive
                                                  ? tr("Downloading: %1").arg(r.title)
                                                  : tr("Recording: %1").arg(r.title));
        if (!run.lease.isValid()) {
            endFailed(r, tr("\"%1\" could not start: the server allows %2 streams at once and "
                            "these are open: %3.")
                             .arg(r.title)
                             .arg(connections->limit(key))
                             .arg(QLocale().createSeparatedList(connections->holders(key))));
            return;
        }
    }
    const qint64 now = Clock::epochMs();
    if (r.path.isEmpty())
        r.path = recordingplan::freePath(
            targetFolder, recordingplan::fileName(r.title, r.channelName, qMax(now, r.startsAt)));
    if (r.startedAt > 0) {
        // Carried on after a restart: the time it was away is a gap of the file.
        const qint64 lastWrite = QFileInfo(r.path).lastModified().toMSecsSinceEpoch();
        auto gaps = recordingplan::parseGaps(r.gaps);
        gaps.append({qMax<qint64>(0, lastWrite - r.startedAt), qMax<qint64>(0, now - lastWrite)});
        r.gaps = recordingplan::gapsText(gaps);
    } else {
        r.startedAt = now;
    }
    r.state = Recording::Running;
    r.endedAt = 0;
    persist(r);

    auto* recorder = new StreamRecorder;
    recorder->moveToThread(worker);
    const qint64 id = r.id;
    connect(recorder, &StreamRecorder::progressed, this, [this, id](qint64 bytes) {
        if (Recording* rec = findMutable(id)) {
            rec->bytes = bytes;
            emit progressed(id, bytes);
        }
    });
    connect(recorder, &StreamRecorder::fractionDone, this,
            [this, id](int done) { permille[id] = done; });
    connect(recorder, &StreamRecorder::gapNoted, this, [this, id](qint64 at, qint64 length) {
        if (Recording* rec = findMutable(id)) {
            auto gaps = recordingplan::parseGaps(rec->gaps);
            gaps.append({at, length});
            rec->gaps = recordingplan::gapsText(gaps);
            persist(*rec);
        }
    });
    connect(recorder, &StreamRecorder::finished, this,
            [this, id](StreamRecorder::Outcome outcome, const QString& message) {
                onFinished(id, int(outcome), message);
            });
    run.recorder = recorder;
    active.emplace(id, std::move(run));
    const QString path = r.path;
    const auto source = r.kind == Recording::Archive ? StreamRecorder::Source::Finite
                                                     : StreamRecorder::Source::Live;
    QMetaObject::invokeMethod(
        recorder, [recorder, url, path, source]() { recorder->start(url, path, source); });
}

void RecordingManager::onFinished(qint64 id, int outcome, const QString& message)
{
    const auto it = active.find(id);
    if (it == active.end())
        return;
    it->second.recorder->deleteLater();
    active.erase(it); // releases the stream's lease
    permille.erase(id);
    Recording* r = findMutable(id);
    if (!r)
        return;
    r->endedAt = Clock::epochMs();
    r->bytes = QFileInfo(r->path).size();
    if (outcome == int(StreamRecorder::Outcome::Failed)) {
        if (r->bytes == 0)
            QFile::remove(r->path); // an empty file helps nobody; the row says what happened
        endFailed(*r, message);
    } else {
        r->state = Recording::Done;
        // A download stopped by hand holds only the programme's beginning: say so.
        if (r->kind == Recording::Archive && outcome == int(StreamRecorder::Outcome::Stopped))
            r->message = tr("Stopped before the end: the file holds only the part that arrived.");
        persist(*r);
    }
    emit changed();
}
