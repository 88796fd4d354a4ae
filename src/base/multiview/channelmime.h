#pragma once

#include "model/mediaitem.h"

#include <QString>

#include <optional>

class QMimeData;

// A live channel carried by drag and drop between the window's lists and the multi-view tiles,
// and kept in the settings store for the next multi-view. Tagged with its server, so a channel
// dragged while another server is shown is not played with the wrong account.
namespace channelmime {

inline constexpr char kMimeType[] = "application/x-velmora-channel";

struct Channel
{
    QString server;
    MediaItem item;
};

QByteArray encode(const Channel& channel);
std::optional<Channel> decode(const QByteArray& data);

// New mime data holding the channel (the caller owns it, e.g. hands it to a QDrag).
QMimeData* mimeData(const Channel& channel);
std::optional<Channel> fromMimeData(const QMimeData* data);

} // namespace channelmime
