#include "faultcontrol.h"

#include <QJsonArray>
#include <QUrlQuery>

namespace {

bool channelOf(const QUrlQuery& query, qint64* id, QString* error)
{
    bool ok = false;
    *id = query.queryItemValue(QStringLiteral("channel")).toLongLong(&ok);
    if (!ok || *id <= 0) {
        *error = QStringLiteral("needs channel=<stream id>");
        return false;
    }
    return true;
}

QString apiModeName(FaultControl::ApiMode mode)
{
    switch (mode) {
    case FaultControl::ApiMode::Normal:
        return QStringLiteral("normal");
    case FaultControl::ApiMode::Stall:
        return QStringLiteral("stall");
    case FaultControl::ApiMode::Garbage:
        break;
    }
    return QStringLiteral("garbage");
}

} // namespace

bool FaultControl::apply(const QString& action, const QUrlQuery& query, QString* error)
{
    if (action == u"status")
        return true;
    if (action == u"reset") {
        *this = FaultControl();
        return true;
    }
    if (action == u"stall-api") {
        api = ApiMode::Stall;
        return true;
    }
    if (action == u"garbage-api") {
        api = ApiMode::Garbage;
        return true;
    }
    if (action == u"restore-api") {
        api = ApiMode::Normal;
        return true;
    }
    if (action == u"garbage-posters") {
        posters = true;
        return true;
    }
    if (action == u"account") {
        const QString status = query.queryItemValue(QStringLiteral("status"), QUrl::FullyDecoded);
        if (status.isEmpty()) {
            *error = QStringLiteral("needs status=<text>, e.g. Active or Expired");
            return false;
        }
        account = status;
        return true;
    }
    if (action == u"drop" || action == u"restore") {
        qint64 id = 0;
        if (!channelOf(query, &id, error))
            return false;
        if (action == u"restore") {
            dropped.remove(id);
            return true;
        }
        const QString mode = query.queryItemValue(QStringLiteral("mode"));
        if (mode.isEmpty() || mode == u"close") {
            dropped.insert(id, ChannelFault::Close);
        } else if (mode == u"stall") {
            dropped.insert(id, ChannelFault::Stall);
        } else {
            *error = QStringLiteral("mode must be close or stall");
            return false;
        }
        return true;
    }
    *error = QStringLiteral("unknown action \"%1\"").arg(action);
    return false;
}

FaultControl::ChannelFault FaultControl::channelFault(qint64 channelId) const
{
    return dropped.value(channelId, ChannelFault::None);
}

QJsonObject FaultControl::describe() const
{
    QJsonObject channels;
    for (auto it = dropped.constBegin(); it != dropped.constEnd(); ++it) {
        channels.insert(QString::number(it.key()), it.value() == ChannelFault::Close
                                                       ? QStringLiteral("close")
                                                       : QStringLiteral("stall"));
    }
    return QJsonObject{
        {QStringLiteral("api"), apiModeName(api)},
        {QStringLiteral("posters"), posters ? QStringLiteral("garbage") : QStringLiteral("normal")},
        {QStringLiteral("account"), account},
        {QStringLiteral("dropped"), channels}};
}

QString FaultControl::usage()
{
    return QStringLiteral(
        "Control endpoint (GET or POST, answers the state as JSON):\n"
        "  /control/drop?channel=ID[&mode=close|stall]  close the channel's connections (and\n"
        "                                               every new one at once), or keep them\n"
        "                                               open without sending another byte\n"
        "  /control/restore?channel=ID                  the channel works again\n"
        "  /control/stall-api                           player_api.php and playlists accept\n"
        "                                               requests and never answer\n"
        "  /control/garbage-api                         ... answer an HTML page with status 200\n"
        "  /control/restore-api                         ... answer normally again\n"
        "  /control/garbage-posters                     posters are HTML pages with status 200\n"
        "  /control/account?status=Expired              the login reports this account status\n"
        "  /control/reset                               all of the above back to normal\n"
        "  /control/status                              the current state, live processes too\n");
}
