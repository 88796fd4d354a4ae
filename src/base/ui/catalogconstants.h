#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

// Icon size of the poster grids and size of the poster placeholder.
inline constexpr QSize kPosterTileSize(140, 210);

// A catalog younger than this is taken from the cache instead of the server.
inline constexpr qint64 kCatalogMaxAgeSecs = 86400;

// How often the window checks whether the active server's catalog has grown stale.
inline constexpr int kAutoRefreshIntervalMs = 1800000;

// Said where a server of the retired kind is met, in the user's language.
inline QString retiredSourceMessage()
{
    return QCoreApplication::translate(
        "ServerSelector",
        "Signing in with a Quorbin subscription key is no longer supported. Add your server "
        "again with its Xtream login or M3U playlist link.");
}

// Catalog cache sections.
inline const QString kLiveSection = QStringLiteral("live");
inline const QString kMovieSection = QStringLiteral("movie");
inline const QString kSeriesSection = QStringLiteral("series");
inline const QString kChannelSection = QStringLiteral("channel");
