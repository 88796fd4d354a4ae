#pragma once

#include <QObject>

#include "player/vlchandles.h"

#include <QHash>

#include <atomic>
#include <cstdarg>
#include <memory>

struct vlc_log_t;

// The one libVLC instance every player of the window shares (the main player and each
// multi-view tile), and its log. libVLC's log does not say which media player a line is about,
// so a late-data complaint is only handed on while exactly one live stream is open: with
// several, it could belong to any of them and would teach the wrong channel a larger buffer.
//
// Threads: the log callback only reads the atomics below and emits; the bookkeeping of who
// plays what happens on the GUI thread.
class VlcEngine final : public QObject
{
    Q_OBJECT

public:
    VlcEngine();
    ~VlcEngine() override;

    static std::shared_ptr<VlcEngine> create() { return std::make_shared<VlcEngine>(); }

    libvlc_instance_t* instance() const { return vlc.get(); }

    // A viewing (an id from newViewing()) starts or ends; only live ones with their caching
    // value matter for the log rule.
    quint64 newViewing() { return ++lastViewing; }
    void viewingStarted(quint64 viewing, bool live, int cachingMs);
    void viewingEnded(quint64 viewing);
    int liveViewings() const { return liveCount.load(); }

signals:
    // Queued from libVLC's log thread: the sole live viewing needed `neededMs` of buffer.
    void liveDelayShortfall(quint64 viewing, int neededMs);

private:
    void publish();
    static void handleLog(void* data, int level, const vlc_log_t* ctx, const char* fmt,
                          va_list args);

    VlcInstance vlc;
    bool debug = false;
    quint64 lastViewing = 0;
    QHash<quint64, int> liveViewingsCaching; // viewing -> caching ms, live ones only
    std::atomic<int> liveCount{0};
    std::atomic<quint64> soleViewing{0};
    std::atomic<int> soleCachingMs{0};
};
