#pragma once

#include "guide/guidematch.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QThread;

// Fetches XMLTV guides and writes them into a new store file on a worker thread of its own,
// streaming: each piece is inflated, parsed and inserted as it arrives, so memory stays flat
// whatever the size. Several addresses are merged in their order: a channel takes its names
// from all of them, but all its programmes from the first address that has programmes for it.
// The import succeeds when one of them was read whole. Local paths and file: addresses are read
// from disk.
//
// Callbacks run on the thread that called start(), never from inside a call; `done` exactly
// once per start() unless the importer is destroyed first. Starting again or cancel() ends the
// running import (its `done` then reports it cancelled). The store file is replaced only by an
// import that succeeds, and never by one older than the guide in place (see GuideStoreWriter).
class GuideImporter final : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QString storePath;
        QList<QUrl> urls;
        GuideMatch::Wanted wanted;
        qint64 offsetSecs = 0;                  // added to every time of the guide
        qint64 keepFrom = 0;                    // programmes ending before this are dropped
        qint64 keepUntil = 0;                   // and those starting after this
        qint64 maxBytes = 1024LL * 1024 * 1024; // XML after inflating, per address
        bool acceptGzip = true;                 // ask servers for gzip (false: the plain body)
        int inactivityTimeoutMs = 60000;
        int totalTimeoutMs = 30 * 60 * 1000;
        QList<std::pair<QString, QString>> meta; // stored with the guide
    };
    struct Result
    {
        bool ok = false;
        bool cancelled = false;
        QString message; // why it failed, or which addresses failed when one succeeded
        qint64 programmes = 0;
        qint64 skipped = 0;
    };
    using Progress = std::function<void(int percent)>;
    using Done = std::function<void(const Result& result)>;

    explicit GuideImporter(QObject* parent = nullptr);
    ~GuideImporter() override;

    void start(const Request& request, Progress progress, Done done);
    void cancel();
    bool isRunning() const;

    // The work itself, on the calling thread: for tools and the benchmark's baseline.
    static Result importNow(const Request& request, const Progress& progress = {});

private:
    struct Run;
    QList<std::shared_ptr<Run>> runs; // the current one last; cancelled ones until they end
};
