#include "recording/timeshiftbuffer.h"

#include "app/clock.h"
#include "player/growingsource.h"
#include "recording/streamrecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QThread>
#include <QUuid>

namespace {
const QString kLockName = QStringLiteral("lock");
// The buffer is held in this many files, so at most a sixth more than the limit is on disk.
constexpr qint64 kFiles = 6;
constexpr qint64 kLeastFileMs = 10000;

QString writeFailure(const QString& folder, const QFile& file)
{
    QStorageInfo storage(folder);
    storage.refresh();
    constexpr qint64 kNearlyFull = 256 * 1024;
    if (file.error() == QFileDevice::ResourceError ||
        (storage.isValid() && storage.bytesAvailable() < kNearlyFull))
        return TimeShiftBuffer::tr("The disk holding %1 is full, so the channel can no longer be "
                                   "paused. It plays live again.")
            .arg(QDir::toNativeSeparators(folder));
    return TimeShiftBuffer::tr("%1 cannot be written, so the channel can no longer be paused. It "
                               "plays live again.")
        .arg(QDir::toNativeSeparators(folder));
}

// A source that gives nothing ends the pause, not a recording: the messages say so.
StreamRecorder::Wording pauseWording()
{
    return {.refused =
                [](int status) {
                    return TimeShiftBuffer::tr(
                               "The server refused the connection for the pause buffer (HTTP "
                               "status %1), so the channel cannot be paused. It may allow no "
                               "more streams at once for this account. The channel plays live "
                               "again.")
                        .arg(status);
                },
            .webPage =
                []() {
                    return TimeShiftBuffer::tr(
                        "The server sent a web page instead of the channel's stream, so the "
                        "channel cannot be paused. The channel plays live again.");
                },
            .unsupported =
                []() {
                    return TimeShiftBuffer::tr(
                        "The channel sends its stream in a form that cannot be kept on disk, so "
                        "it cannot be paused. The channel plays live again.");
                }};
}

// The copy's side of the buffer, on the worker thread: the file written now and when the next
// one begins.
struct Writer
{
    std::shared_ptr<GrowingSource> source;
    QString folder;
    qint64 startMs = 0;
    qint64 limitMs = 0;
    qint64 fileMs = 0;
    int fileNumber = 0;
    qint64 fileStartMs = 0;
    QFile file;

    bool openNext(qint64 nowMs, QString* failure)
    {
        file.close();
        file.setFileName(QDir(folder).filePath(QStringLiteral("%1.ts").arg(fileNumber++)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            *failure = writeFailure(folder, file);
            return false;
        }
        fileStartMs = nowMs;
        source->addFile(file.fileName(), nowMs);
        return true;
    }

    bool append(const QByteArray& data, QString* failure)
    {
        const qint64 now = Clock::monotonicMs() - startMs;
        if ((!file.isOpen() || now - fileStartMs >= fileMs) && !openNext(now, failure))
            return false;
        if (file.write(data) != data.size()) {
            *failure = writeFailure(folder, file);
            return false;
        }
        source->grew(data.size(), now);
        // Keep the newest part: a file goes once the ones after it reach back far enough.
        for (qint64 end = source->oldestFileEndMs(); end >= 0 && end <= now - limitMs;
             end = source->oldestFileEndMs())
            QFile::remove(source->dropOldestFile());
        return true;
    }
};
} // namespace

TimeShiftBuffer::TimeShiftBuffer(QObject* parent)
    : QObject(parent)
{
    worker = new QThread(this);
    worker->setObjectName(QStringLiteral("Pause buffer"));
    worker->start();
}

TimeShiftBuffer::~TimeShiftBuffer()
{
    stop();
    worker->quit();
    worker->wait();
}

QString TimeShiftBuffer::rootFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("timeshift"));
}

void TimeShiftBuffer::removeLeftovers()
{
    const QDir root(rootFolder());
    const QStringList folders = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : folders) {
        QDir folder(root.filePath(name));
        QLockFile lock(folder.filePath(kLockName));
        // A folder whose lock can be taken belongs to no running program.
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        folder.removeRecursively();
    }
}

bool TimeShiftBuffer::start(const QUrl& url, qint64 limitMs, QString* message)
{
    stop();
    folderPath = QDir(rootFolder()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    lockFile = std::make_unique<QLockFile>(QDir(folderPath).filePath(kLockName));
    if (!QDir().mkpath(folderPath) || !lockFile->tryLock(0)) {
        *message = tr("%1 cannot be written, so the channel cannot be paused.")
                       .arg(QDir::toNativeSeparators(folderPath));
        lockFile.reset();
        QDir(folderPath).removeRecursively();
        folderPath.clear();
        return false;
    }
    startMs = Clock::monotonicMs();
    source_ = std::make_shared<GrowingSource>();
    auto writer = std::make_shared<Writer>();
    writer->source = source_;
    writer->folder = folderPath;
    writer->startMs = startMs;
    writer->limitMs = limitMs;
    writer->fileMs = qMax(kLeastFileMs, limitMs / kFiles);

    recorder = new StreamRecorder;
    recorder->moveToThread(worker);
    StreamRecorder* copy = recorder;
    connect(recorder, &StreamRecorder::receiving, this, [this, copy]() {
        if (copy == recorder)
            emit receiving();
    });
    connect(recorder, &StreamRecorder::finished, this,
            [this, copy](StreamRecorder::Outcome outcome, const QString& text) {
                if (copy != recorder || outcome == StreamRecorder::Outcome::Stopped)
                    return;
                stop();
                emit failed(text);
            });
    QMetaObject::invokeMethod(recorder, [copy, url, writer]() {
        copy->setWording(pauseWording());
        copy->start(
            url,
            [writer](const QByteArray& data, QString* failure) {
                return writer->append(data, failure);
            },
            StreamRecorder::Source::Live);
    });
    return true;
}

void TimeShiftBuffer::stop()
{
    if (!source_)
        return;
    StreamRecorder* copy = std::exchange(recorder, nullptr);
    // The sink and its open file go with the recorder, on its own thread.
    QMetaObject::invokeMethod(
        copy,
        [copy]() {
            copy->stop();
            delete copy;
        },
        Qt::BlockingQueuedConnection);
    source_->setWriting(false);
    source_.reset();
    lockFile.reset();
    QDir(folderPath).removeRecursively();
    folderPath.clear();
}

qint64 TimeShiftBuffer::liveMs() const
{
    return source_ ? Clock::monotonicMs() - startMs : 0;
}

qint64 TimeShiftBuffer::oldestMs() const
{
    return source_ ? source_->firstMs() : 0;
}
