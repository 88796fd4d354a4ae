#include "player/vlcengine.h"

#include "app/logmasking.h"
#include "player/vlclogrule.h"

#include <vlc/vlc.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <utility>

static_assert(kVlcErrorLevel == LIBVLC_ERROR);

namespace {
// Set on a thread while it is in a player's start call; the log callback, running on that same
// thread for the input's creation, notes the input object's id here.
thread_local bool inStartCall = false;
thread_local quintptr startedInput = 0;
} // namespace

VlcEngine::VlcEngine()
{
    debug = qEnvironmentVariableIsSet("VELMORA_VLC_DEBUG");
    const char* const args[] = {"--no-video-title-show", debug ? "--verbose=2" : "--quiet"};
    vlc.reset(libvlc_new(int(std::size(args)), args));
    if (vlc)
        libvlc_log_set(vlc.get(), &VlcEngine::handleLog, this);
}

VlcEngine::~VlcEngine()
{
    if (vlc) {
        libvlc_log_unset(vlc.get());
        vlc.reset();
    }
}

void VlcEngine::viewingStarted(quint64 viewing, bool live, int cachingMs)
{
    viewingsStarted.insert(viewing, {live, cachingMs});
    if (live)
        liveViewingsCaching.insert(viewing, cachingMs);
    else
        liveViewingsCaching.remove(viewing);
    publish();
}

void VlcEngine::viewingEnded(quint64 viewing)
{
    viewingsStarted.remove(viewing);
    unbind(viewing);
    if (liveViewingsCaching.remove(viewing))
        publish();
}

void VlcEngine::startCallBegins()
{
    inStartCall = true;
    startedInput = 0;
}

bool VlcEngine::startCallEnded(quint64 viewing)
{
    inStartCall = false;
    const quintptr input = std::exchange(startedInput, 0);
    const auto started = viewingsStarted.constFind(viewing);
    if (input == 0 || started == viewingsStarted.cend())
        return false;
    // A new input may sit where an ended one was: that binding goes.
    for (InputSlot& slot : inputs) {
        if (slot.viewing.load() != 0 && slot.input.load() == input)
            slot.viewing.store(0);
    }
    unbind(viewing);
    for (InputSlot& slot : inputs) {
        if (slot.viewing.load() != 0)
            continue;
        slot.input.store(input);
        slot.cachingMs.store(started->first ? started->second : -1);
        slot.viewing.store(viewing);
        return true;
    }
    return false; // more players than slots: their complaints follow the sole-viewing rule
}

void VlcEngine::unbind(quint64 viewing)
{
    for (InputSlot& slot : inputs) {
        if (slot.viewing.load() == viewing)
            slot.viewing.store(0);
    }
}

bool VlcEngine::boundViewing(quintptr object, quint64* viewing, int* cachingMs) const
{
    for (const InputSlot& slot : inputs) {
        const quint64 before = slot.viewing.load();
        if (before == 0 || slot.input.load() != object)
            continue;
        const int caching = slot.cachingMs.load();
        if (slot.viewing.load() != before)
            continue;
        *viewing = before;
        *cachingMs = caching;
        return true;
    }
    return false;
}

void VlcEngine::publish()
{
    // The sole viewing first, so the log thread never pairs a count of one with a stale id.
    if (liveViewingsCaching.size() == 1) {
        soleViewing.store(liveViewingsCaching.cbegin().key());
        soleCachingMs.store(liveViewingsCaching.cbegin().value());
    } else {
        soleViewing.store(0);
    }
    liveCount.store(int(liveViewingsCaching.size()));
}

void VlcEngine::handleLog(void* data, int level, const vlc_log_t* ctx, const char* fmt,
                          va_list args)
{
    auto* self = static_cast<VlcEngine*>(data);
    if (self->debug) {
        // libVLC names the addresses it opens, archive and stream passwords with them.
        char line[1024];
        va_list echo;
        va_copy(echo, args);
        std::vsnprintf(line, sizeof line, fmt, echo);
        va_end(echo);
        const QByteArray masked = maskStreamUrlsIn(QString::fromUtf8(line)).toUtf8();
        std::fprintf(stderr, "%s\n", masked.constData());
    }
    const char* type = nullptr;
    const char* header = nullptr;
    uintptr_t object = 0;
    libvlc_log_get_object(ctx, &type, &header, &object);
    if (inStartCall && startedInput == 0 && type && std::strcmp(type, "input") == 0)
        startedInput = object;
    if (level != kVlcErrorLevel)
        return;

    quint64 viewing = 0;
    int cachingMs = 0;
    if (!self->boundViewing(object, &viewing, &cachingMs)) {
        viewing = self->soleViewing.load();
        cachingMs = self->soleCachingMs.load();
        if (viewing == 0 || self->liveCount.load() != 1)
            return;
    }
    va_list scan;
    va_copy(scan, args);
    const std::optional<int> shortfall =
        liveShortfallFromLog(level, cachingMs >= 0, cachingMs, fmt, scan);
    va_end(scan);
    if (shortfall)
        emit self->liveDelayShortfall(viewing, *shortfall);
}
