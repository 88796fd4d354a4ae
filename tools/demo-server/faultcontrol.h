#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QtGlobal>

class QUrlQuery;

// The failures the demo server produces on request, for tests and demonstrations: channels that
// close or go silent, an API that never answers or answers an HTML page, broken posters and an
// account that is no longer active. Plain state; the server acts on it.
class FaultControl final
{
public:
    enum class ApiMode
    {
        Normal,
        Stall,  // accept the request, never answer
        Garbage // an HTML page with status 200
    };

    enum class ChannelFault
    {
        None,
        Close, // connections are closed, new ones closed at once
        Stall  // connections stay open, no more bytes
    };

    // Applies one action of the control endpoint. Returns false with a message for an unknown
    // action or wrong parameters; the state is then unchanged.
    bool apply(const QString& action, const QUrlQuery& query, QString* error);

    ApiMode apiMode() const { return api; }
    bool posterGarbage() const { return posters; }
    QString accountStatus() const { return account; }
    ChannelFault channelFault(qint64 channelId) const;
    const QHash<qint64, ChannelFault>& droppedChannels() const { return dropped; }

    QJsonObject describe() const;
    // One line per action, for --help and for answers to wrong requests.
    static QString usage();

private:
    ApiMode api = ApiMode::Normal;
    bool posters = false;
    QString account = QStringLiteral("Active");
    QHash<qint64, ChannelFault> dropped;
};
