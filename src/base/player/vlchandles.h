#pragma once

#include <memory>

// Owning wrappers for the libVLC objects the player holds, so every early return and the
// destructor release them exactly once. The header needs no libVLC include.

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_t;
struct libvlc_track_description_t;
struct libvlc_media_track_t;

struct VlcInstanceRelease
{
    void operator()(libvlc_instance_t* instance) const;
};
struct VlcMediaPlayerRelease
{
    void operator()(libvlc_media_player_t* player) const;
};
struct VlcMediaRelease
{
    void operator()(libvlc_media_t* media) const;
};
struct VlcTrackDescriptionRelease
{
    void operator()(libvlc_track_description_t* list) const;
};

using VlcInstance = std::unique_ptr<libvlc_instance_t, VlcInstanceRelease>;
using VlcMediaPlayer = std::unique_ptr<libvlc_media_player_t, VlcMediaPlayerRelease>;
using VlcMedia = std::unique_ptr<libvlc_media_t, VlcMediaRelease>;
using VlcTrackDescriptions =
    std::unique_ptr<libvlc_track_description_t, VlcTrackDescriptionRelease>;

// The elementary-stream array of a media (libvlc_media_tracks_get), released with its count.
class VlcMediaTracks final
{
public:
    explicit VlcMediaTracks(libvlc_media_t* media);
    ~VlcMediaTracks();

    VlcMediaTracks(const VlcMediaTracks&) = delete;
    VlcMediaTracks& operator=(const VlcMediaTracks&) = delete;

    unsigned count() const { return size; }
    const libvlc_media_track_t* at(unsigned i) const { return tracks[i]; }

private:
    libvlc_media_track_t** tracks = nullptr;
    unsigned size = 0;
};
