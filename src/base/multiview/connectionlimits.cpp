#include "multiview/connectionlimits.h"

#include "model/sourceconfig.h"
#include "model/xtreamserverinfo.h"
#include "player/streamconnections.h"
#include "providers/xtreamclient.h"

#include <QPointer>

#include <memory>

namespace connectionlimits {

void apply(StreamConnections* connections, const SourceConfig& config, XtreamClient* client,
           QObject* context)
{
    if (config.type != SourceConfig::Xtream || !client) {
        connections->setLimit(config.name, config.maxConnections);
        return;
    }
    // Unknown until the login answer, and asked only once a stream of this server is open, so
    // loading a catalog costs no extra request. Nothing is refused meanwhile.
    connections->setLimit(config.name, 0);
    auto asked = std::make_shared<QMetaObject::Connection>();
    *asked = QObject::connect(
        connections, &StreamConnections::changed, context,
        [asked, connections, client = QPointer<XtreamClient>(client),
         guard = QPointer<QObject>(context), name = config.name](const QString& server) {
            if (server != name || connections->openCount(name) == 0)
                return;
            QObject::disconnect(*asked);
            if (!client)
                return;
            client->fetchServerInfo([guard, connections, name](const XtreamServerInfo& info,
                                                               bool ok) {
                if (guard && ok)
                    connections->setLimit(name, info.maxConnections);
            });
        });
}

} // namespace connectionlimits
