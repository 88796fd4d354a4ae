#pragma once

#include "multiview/channelmime.h"

#include <QPoint>

#include <functional>
#include <optional>

class QAbstractScrollArea;

// Lets the channels of a list, table or the guide grid be dragged (onto a multi-view tile).
// The view keeps its own clicks and selection; a drag starts once the mouse has moved far
// enough with the button held, carrying the channel found where the press was.
namespace channeldrag {

using ChannelAt = std::function<std::optional<channelmime::Channel>(const QPoint& viewportPos)>;

void enable(QAbstractScrollArea* view, ChannelAt channelAt);

} // namespace channeldrag
