#include "lineup/guidesources.h"

#include "providers/xtreamclient.h"

#include <QUrl>

namespace guidesources {

QString serverOwn(const SourceConfig& config)
{
    if (!config.guideUrl.trimmed().isEmpty())
        return config.guideUrl;
    if (config.type != SourceConfig::Xtream)
        return config.offeredGuideUrls;
    QUrl url =
        XtreamClient::requestUrl(config.url.endsWith(u'/') ? config.url.chopped(1) : config.url,
                                 config.username, config.password, QString(), QString());
    url.setPath(url.path().replace(QStringLiteral("player_api.php"), QStringLiteral("xmltv.php")));
    return url.toString();
}

QString joined(const SourceConfig& config, const QStringList& sources)
{
    QStringList parts;
    for (const QString& source : sources) {
        const QString address = source == kServerGuide ? serverOwn(config) : source.trimmed();
        if (!address.isEmpty())
            parts.append(address);
    }
    return parts.join(u',');
}

} // namespace guidesources
