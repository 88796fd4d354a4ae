#include "player/vlcengine.h"

#include "app/logmasking.h"
#include "player/vlclogrule.h"

#include <vlc/vlc.h>

#include <cstdio>
#include <iterator>

static_assert(kVlcErrorLevel == LIBVLC_ERROR);

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
    if (live)
        liveViewingsCaching.insert(viewing, cachingMs);
    else
        liveViewingsCaching.remove(viewing);
    publish();
}

void VlcEngine::viewingEnded(quint64 viewing)
{
    if (liveViewingsCaching.remove(viewing))
        publish();
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
    Q_UNUSED(ctx);
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
    const quint64 viewing = self->soleViewing.load();
    if (viewing == 0 || self->liveCount.load() != 1)
        return;
    va_list scan;
    va_copy(scan, args);
    const std::optional<int> shortfall =
        liveShortfallFromLog(level, true, self->soleCachingMs.load(), fmt, scan);
    va_end(scan);
    if (shortfall)
        emit self->liveDelayShortfall(viewing, *shortfall);
}
