#include "multiview/multiviewstate.h"

#include "app/preferences.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString kLayoutKey = QStringLiteral("multiView/layout");
const QString kTilesKey = QStringLiteral("multiView/tiles");
const QString kFocusKey = QStringLiteral("multiView/focused");
} // namespace

MultiViewState MultiViewState::load()
{
    MultiViewState state;
    state.layout = multiViewLayoutFrom(Preferences::value(kLayoutKey, 4).toInt());
    const QJsonArray tiles =
        QJsonDocument::fromJson(Preferences::value(kTilesKey).toByteArray()).array();
    for (int i = 0; i < tileCount(state.layout); ++i) {
        const QJsonValue tile = tiles.at(i);
        state.tiles.append(
            tile.isObject()
                ? channelmime::decode(QJsonDocument(tile.toObject()).toJson(QJsonDocument::Compact))
                : std::nullopt);
    }
    state.focused =
        qBound(0, Preferences::value(kFocusKey, 0).toInt(), tileCount(state.layout) - 1);
    return state;
}

QString MultiViewState::save() const
{
    QJsonArray tileArray;
    for (const auto& tile : tiles)
        tileArray.append(tile ? QJsonDocument::fromJson(channelmime::encode(*tile)).object()
                              : QJsonValue());
    // One write: each costs the settings file a sync to disk.
    return Preferences::setValues(
        {{kLayoutKey, tileCount(layout)},
         {kTilesKey, QJsonDocument(tileArray).toJson(QJsonDocument::Compact)},
         {kFocusKey, focused}});
}
