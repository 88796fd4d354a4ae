#include "multiview/channelmime.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

namespace channelmime {

QByteArray encode(const Channel& channel)
{
    const MediaItem& item = channel.item;
    const QJsonObject object{
        {QStringLiteral("server"), channel.server},
        {QStringLiteral("id"), item.id},
        {QStringLiteral("name"), item.name},
        {QStringLiteral("categoryId"), item.categoryId},
        {QStringLiteral("iconUrl"), item.iconUrl},
        {QStringLiteral("streamUrl"), item.streamUrl},
        {QStringLiteral("guideId"), item.guideId},
        {QStringLiteral("guideName"), item.guideName},
        {QStringLiteral("archiveDays"), item.archiveDays},
        {QStringLiteral("catchupType"), item.catchupType},
        {QStringLiteral("catchupSource"), item.catchupSource},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<Channel> decode(const QByteArray& data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    Channel channel;
    channel.server = object.value(QStringLiteral("server")).toString();
    MediaItem& item = channel.item;
    item.type = MediaItem::Live;
    item.id = object.value(QStringLiteral("id")).toString();
    item.name = object.value(QStringLiteral("name")).toString();
    item.categoryId = object.value(QStringLiteral("categoryId")).toString();
    item.iconUrl = object.value(QStringLiteral("iconUrl")).toString();
    item.streamUrl = object.value(QStringLiteral("streamUrl")).toString();
    item.guideId = object.value(QStringLiteral("guideId")).toString();
    item.guideName = object.value(QStringLiteral("guideName")).toString();
    item.archiveDays = object.value(QStringLiteral("archiveDays")).toInt();
    item.catchupType = object.value(QStringLiteral("catchupType")).toString();
    item.catchupSource = object.value(QStringLiteral("catchupSource")).toString();
    if (item.id.isEmpty() && item.streamUrl.isEmpty())
        return std::nullopt;
    return channel;
}

QMimeData* mimeData(const Channel& channel)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kMimeType), encode(channel));
    data->setText(channel.item.name);
    return data;
}

std::optional<Channel> fromMimeData(const QMimeData* data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(kMimeType)))
        return std::nullopt;
    return decode(data->data(QString::fromLatin1(kMimeType)));
}

} // namespace channelmime
