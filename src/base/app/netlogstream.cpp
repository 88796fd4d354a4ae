#include "app/netlogstream.h"

#include <cstdio>

bool netDebugSwitchFor(bool isSet, const QByteArray& value)
{
    return isSet && value != "0";
}

bool netDebugEnabled()
{
    static const bool enabled =
        netDebugSwitchFor(qEnvironmentVariableIsSet("VELMORA_NET_DEBUG"), qgetenv("VELMORA_NET_DEBUG"));
    return enabled;
}

NetLogStream::NetLogStream()
{
    stream.emplace(&buffer);
    stream->noquote();
}

NetLogStream::~NetLogStream()
{
    stream.reset(); // QDebug finishes writing into the buffer on destruction
    const QByteArray line = buffer.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
