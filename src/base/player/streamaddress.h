#pragma once

#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QString>

class XtreamClient;

// Where an item plays: a live channel of an Xtream server in the server's live format (m3u8 when
// unset), a movie or an episode in its container (mp4 when unset), and a playlist's channel at
// its own address. Empty when there is nothing to play (no Xtream client for a movie, or an item
// of another kind).
QString streamAddress(const MediaItem& item, const SourceConfig& source,
                      const XtreamClient* xtream);
