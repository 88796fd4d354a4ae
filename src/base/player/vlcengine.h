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
// only which libVLC object wrote it; the late-data complaint comes from the stream's input
// object. libVLC creates that object inside the start call, on the caller's thread, and logs
// its creation there, so the engine notes the object id logged during each player's start and
// hands a complaint to the viewing whose input wrote it. A complaint from an object it does not
// know goes to the sole live viewing, or nowhere when several are open: a wrong guess would
// teach another channel a larger buffer.
//
// Threads: the log callback only reads the atomics below (and, during a start on the GUI
// thread, notes the input in a variable of that thread) and emits; the bookkeeping of who plays
// what happens on the GUI thread.
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
    // Around libVLC's start call of `viewing` (after viewingStarted): the input object it
    // creates is bound to the viewing. False when none could be bound.
    void startCallBegins();
    bool startCallEnded(quint64 viewing);

signals:
    // Queued from libVLC's log thread: a live viewing (the one whose input complained, or the
    // sole one) needed `neededMs` of buffer.
    void liveDelayShortfall(quint64 viewing, int neededMs);

private:
    struct InputSlot
    {
        // Written on the GUI thread only: `viewing` 0 first, the rest, then the new viewing;
        // viewing ids never repeat, so a reader seeing the same id before and after has a
        // consistent slot.
        std::atomic<quint64> viewing{0};
        std::atomic<quintptr> input{0};
        std::atomic<int> cachingMs{0}; // -1: not live
    };
    static constexpr int kInputSlots = 16;

    void publish();
    void unbind(quint64 viewing);
    // From the log thread: the viewing whose input `object` is, with its caching (-1 not live).
    bool boundViewing(quintptr object, quint64* viewing, int* cachingMs) const;
    static void handleLog(void* data, int level, const vlc_log_t* ctx, const char* fmt,
                          va_list args);

    VlcInstance vlc;
    bool debug = false;
    quint64 lastViewing = 0;
    QHash<quint64, int> liveViewingsCaching; // viewing -> caching ms, live ones only
    std::atomic<int> liveCount{0};
    std::atomic<quint64> soleViewing{0};
    std::atomic<int> soleCachingMs{0};
    QHash<quint64, std::pair<bool, int>> viewingsStarted; // viewing -> live, caching ms
    InputSlot inputs[kInputSlots];
};
