#include "player/vlchandles.h"

#include <vlc/vlc.h>

void VlcInstanceRelease::operator()(libvlc_instance_t* instance) const
{
    libvlc_release(instance);
}

void VlcMediaPlayerRelease::operator()(libvlc_media_player_t* player) const
{
    libvlc_media_player_release(player);
}

void VlcMediaRelease::operator()(libvlc_media_t* media) const
{
    libvlc_media_release(media);
}

void VlcTrackDescriptionRelease::operator()(libvlc_track_description_t* list) const
{
    libvlc_track_description_list_release(list);
}

VlcMediaTracks::VlcMediaTracks(libvlc_media_t* media)
{
    if (media)
        size = libvlc_media_tracks_get(media, &tracks);
    if (!tracks)
        size = 0;
}

VlcMediaTracks::~VlcMediaTracks()
{
    if (tracks)
        libvlc_media_tracks_release(tracks, size);
}
