#include "multiview/connectionlimits.h"

#include "model/sourceconfig.h"
#include "model/xtreamserverinfo.h"
#include "player/streamconnections.h"
#include "providers/xtreamclient.h"

#include <QPointer>

namespace connectionlimits {

void apply(StreamConnections* connections, const SourceConfig& config, XtreamClient* client,
           QObject* context)
{
    if (config.type != SourceConfig::Xtream || !client) {
        connections->setLimit(config.name, config.maxConnections);
        return;
    }
    // Unknown until the login answer: nothing is refused meanwhile.
    connections->setLimit(config.name, 0);
    client->fetchServerInfo([guard = QPointer<QObject>(context), connections,
                             name = config.name](const XtreamServerInfo& info, bool ok) {
        if (guard && ok)
            connections->setLimit(name, info.maxConnections);
    });
}

} // namespace connectionlimits
