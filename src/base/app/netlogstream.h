#pragma once

#include <QDebug>
#include <QString>

#include <optional>

// Process-wide switch for diagnostic lines: on when VELMORA_NET_DEBUG is set to anything but "0".
// Read once on first use; later changes of the environment are ignored.
bool netDebugEnabled();

// The rule behind netDebugEnabled(), given whether the variable is set and its value.
bool netDebugSwitchFor(bool isSet, const QByteArray& value);

// One diagnostic line. Items are separated by single spaces and strings are written without
// quotes; the line goes to standard error when the stream is destroyed, flushed at once so lines
// keep their order even if the process dies. Construct it only when netDebugEnabled() is true:
//     if (netDebugEnabled())
//         NetLogStream() << "[Xtream] ->" << url;
class NetLogStream final
{
public:
    NetLogStream();
    ~NetLogStream();

    NetLogStream(const NetLogStream&) = delete;
    NetLogStream& operator=(const NetLogStream&) = delete;

    template <typename T>
    NetLogStream& operator<<(const T& value)
    {
        *stream << value;
        return *this;
    }

    // The text built so far (for tests).
    QString text() const { return buffer; }

private:
    QString buffer;
    std::optional<QDebug> stream;
};
