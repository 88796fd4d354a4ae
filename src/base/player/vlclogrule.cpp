#include "player/vlclogrule.h"

#include <QtGlobal>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {
// What scanf's "%d" reads after `from`: optional white space, a sign, decimal digits.
// Out-of-range values saturate instead of being undefined.
std::optional<long long> scanInt(const char* from)
{
    while (std::isspace(static_cast<unsigned char>(*from)))
        ++from;
    bool negative = false;
    if (*from == '+' || *from == '-') {
        negative = *from == '-';
        ++from;
    }
    const char* end = from + std::strlen(from);
    unsigned long long magnitude = 0;
    const auto [ptr, ec] = std::from_chars(from, end, magnitude);
    if (ptr == from)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range || magnitude > unsigned(INT_MAX))
        magnitude = unsigned(INT_MAX);
    return negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
}

int saturate(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
} // namespace

std::optional<int> liveShortfallFromText(const char* text, int cachingMs)
{
    if (!std::strstr(text, "is called too late"))
        return std::nullopt;

    static constexpr char kIncreased[] = "pts_delay increased to ";
    if (const char* at = std::strstr(text, kIncreased)) {
        if (const auto n = scanInt(at + sizeof kIncreased - 1))
            return saturate(*n);
    }
    static constexpr char kJitter[] = "jitter of ";
    if (const char* at = std::strstr(text, kJitter)) {
        if (const auto j = scanInt(at + sizeof kJitter - 1))
            return saturate(cachingMs + *j);
    }
    return std::nullopt;
}

std::optional<int> liveShortfallFromLog(int level, bool isLive, int cachingMs, const char* fmt,
                                        va_list args)
{
    if (level != kVlcErrorLevel || !isLive || !fmt)
        return std::nullopt;
    char text[kVlcLogBufferBytes];
    if (std::vsnprintf(text, sizeof text, fmt, args) < 0)
        return std::nullopt;
    return liveShortfallFromText(text, cachingMs);
}
