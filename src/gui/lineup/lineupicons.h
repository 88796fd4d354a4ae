#pragma once

#include <QIcon>

// The lineup's small marks, drawn so they need no image files or icon theme.
namespace lineupicons {
QIcon lock();
} // namespace lineupicons
