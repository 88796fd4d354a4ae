#pragma once

#include <cstdarg>
#include <optional>

// Turns libVLC's complaint that live data arrived too late into the buffer (ms) the stream
// would have needed. Runs on libVLC's logging threads for every message: it formats into a
// 256-byte stack buffer (longer messages are cut) and allocates nothing.

inline constexpr int kVlcErrorLevel = 4; // LIBVLC_ERROR
inline constexpr int kVlcLogBufferBytes = 256;

// The whole rule: only error-level messages of a live stream count. `args` is consumed.
std::optional<int> liveShortfallFromLog(int level, bool isLive, int cachingMs, const char* fmt,
                                        va_list args);

// The text part of the rule, on a message already formatted:
// "... is called too late (pts_delay increased to N ms)" gives N;
// "... is called too late (jitter of J ms ignored)" gives cachingMs + J.
std::optional<int> liveShortfallFromText(const char* text, int cachingMs);
