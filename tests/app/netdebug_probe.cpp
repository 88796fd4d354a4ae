// Writes one diagnostic line when the debug switch is on; the test runs it with various
// environments because the switch is read once per process.
#include "app/netlogstream.h"

int main()
{
    if (netDebugEnabled())
        NetLogStream() << "[VLC] live reconnect attempt" << 3 << "-" << QStringLiteral("lost \"it\"");
    return 0;
}
