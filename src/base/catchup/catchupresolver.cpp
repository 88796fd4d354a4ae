#include "catchup/catchupresolver.h"

#include "model/mediaitem.h"
#include "model/sourceconfig.h"
#include "providers/xtreamclient.h"

#include <QTimer>

void CatchupResolver::resolve(QNetworkAccessManager* manager, const SourceConfig& source,
                              const MediaItem& channel, const CatchupWindow& window,
                              QObject* context, Done done)
{
    if (!CatchupAddress::hasArchive(channel)) {
        QTimer::singleShot(0, context, [done = std::move(done)] { done(QString()); });
        return;
    }
    if (source.type != SourceConfig::Xtream) {
        const QString url = CatchupAddress::playlist(channel, window);
        QTimer::singleShot(0, context, [url, done = std::move(done)] { done(url); });
        return;
    }
    // The same base the client uses for every other request.
    QString base = source.url;
    if (base.endsWith(u'/'))
        base.chop(1);
    const XtreamAccount account{base, source.username, source.password};
    if (zones.contains(base)) {
        resolveXtream(manager, account, channel.id, window, context, std::move(done));
        return;
    }
    auto* client = new XtreamClient(context);
    client->configure(source.url, source.username, source.password);
    client->fetchServerInfo([this, client, manager, account, streamId = channel.id, window, context,
                             done = std::move(done)](const XtreamServerInfo& info, bool ok) {
        client->deleteLater();
        // Without an answer UTC is the best guess; the server is asked again next time.
        const ServerTimeZone zone = ServerTimeZone::fromServerInfo(info);
        if (ok)
            zones.insert(account.baseUrl, zone);
        resolveXtream(manager, account, streamId, window, context, done);
    });
}

void CatchupResolver::resolveXtream(QNetworkAccessManager* manager, const XtreamAccount& account,
                                    const QString& streamId, const CatchupWindow& window,
                                    QObject* context, Done done)
{
    forms.resolve(
        manager, account, streamId, zones.value(account.baseUrl), window, context,
        [done = std::move(done)](const QString& url, XtreamArchiveForms::Form) { done(url); });
}
