#pragma once

#include "model/sourceconfig.h"

#include <QString>
#include <QStringList>

// A server's guide addresses in the user's order. The entry kServerGuide stands for the guide
// the server itself offers (or the one typed in the server dialog); the others are XMLTV
// addresses or local files. The import reads them in this order.
namespace guidesources {

inline const QString kServerGuide = QStringLiteral("server:");

// The server's own guide addresses, comma-separated as the guide reads them.
QString serverOwn(const SourceConfig& config);
// `sources` with the server's entry put in, comma-separated.
QString joined(const SourceConfig& config, const QStringList& sources);

} // namespace guidesources
