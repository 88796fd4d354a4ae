#pragma once

#include "model/sourceconfig.h"

#include <QString>

// The key a server's lineup is stored under: the same as the library's, so both follow the
// server together.
inline QString lineupServerKey(const SourceConfig& config)
{
    return config.storageKey();
}
