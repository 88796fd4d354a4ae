#pragma once

#include <QString>

class QObject;
class StreamConnections;
class XtreamClient;
struct SourceConfig;

// How many streams a server allows at once, told to StreamConnections when the server is
// loaded: an Xtream account says it in its login answer ("max_connections"); for a playlist it
// is the user's own number from the server dialog (0: no limit).
namespace connectionlimits {

// `client` is configured for `config` (Xtream only). The answer arrives later; it is dropped
// when `context` is gone.
void apply(StreamConnections* connections, const SourceConfig& config, XtreamClient* client,
           QObject* context);

} // namespace connectionlimits
