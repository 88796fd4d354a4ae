#pragma once

#include "player/vlchandles.h"

#include <QtGlobal>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

class GrowingSource;

// A libVLC media that plays a GrowingSource from a byte offset: reads wait for bytes still to
// come, seeks go by offset, the size stays unknown. Owns what libVLC's callbacks use, so it must
// outlive the player's use of the media: cancel() first, stop or replace the media, then let go.
class GrowingFileMedia final
{
public:
    GrowingFileMedia(libvlc_instance_t* instance, std::shared_ptr<GrowingSource> source,
                     qint64 fromOffset);
    ~GrowingFileMedia();

    GrowingFileMedia(const GrowingFileMedia&) = delete;
    GrowingFileMedia& operator=(const GrowingFileMedia&) = delete;

    libvlc_media_t* get() const { return media.get(); }
    // Ends every waiting read at once, as the end of the stream.
    void cancel() { cancelled.store(true); }

private:
    static int open(void* opaque, void** data, std::uint64_t* size);
    static std::ptrdiff_t read(void* data, unsigned char* buffer, std::size_t length);
    static int seek(void* data, std::uint64_t offset);
    static void close(void* data);

    std::shared_ptr<GrowingSource> source;
    qint64 fromOffset = 0;
    std::atomic<bool> cancelled{false};
    VlcMedia media;
};
