#include "player/growingfilemedia.h"

#include "player/growingsource.h"

#include <vlc/vlc.h>

#include <limits>

namespace {
struct OpenReader
{
    GrowingSource::Reader reader;
    const std::atomic<bool>* cancelled;
    qint64 fromOffset;
};
} // namespace

GrowingFileMedia::GrowingFileMedia(libvlc_instance_t* instance, std::shared_ptr<GrowingSource> from,
                                   qint64 offset)
    : source(std::move(from))
    , fromOffset(offset)
{
    if (instance && source)
        media.reset(libvlc_media_new_callbacks(instance, &GrowingFileMedia::open,
                                               &GrowingFileMedia::read, &GrowingFileMedia::seek,
                                               &GrowingFileMedia::close, this));
}

GrowingFileMedia::~GrowingFileMedia()
{
    cancel();
}

int GrowingFileMedia::open(void* opaque, void** data, std::uint64_t* size)
{
    auto* self = static_cast<GrowingFileMedia*>(opaque);
    *data = new OpenReader{GrowingSource::Reader(self->source, self->fromOffset), &self->cancelled,
                           self->fromOffset};
    // Unknown: the end moves on while it plays.
    *size = std::numeric_limits<std::uint64_t>::max();
    return 0;
}

std::ptrdiff_t GrowingFileMedia::read(void* data, unsigned char* buffer, std::size_t length)
{
    auto* open = static_cast<OpenReader*>(data);
    return long(
        open->reader.read(reinterpret_cast<char*>(buffer), qint64(length), *open->cancelled));
}

int GrowingFileMedia::seek(void* data, std::uint64_t offset)
{
    // libVLC's offsets count from where this media starts.
    auto* open = static_cast<OpenReader*>(data);
    open->reader.seek(open->fromOffset + qint64(offset));
    return 0;
}

void GrowingFileMedia::close(void* data)
{
    delete static_cast<OpenReader*>(data);
}
