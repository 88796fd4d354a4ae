#pragma once

#include <QString>
#include <QtGlobal>

// One configured server. `name` is unique and is the key by which a server is found, removed and
// remembered as the last active one; `id` never changes, renamed or not, and keys what is kept
// for the server (its library and guide).
struct SourceConfig
{
    // Stored in the settings store as integers; the numbers must not change.
    enum Type : int
    {
        M3u = 0,
        Xtream = 1,
        SubscriptionKey = 2 // retired kind: still read and listed, offered for deletion, never loaded
    };

    int type = M3u;
    QString name;
    QString url;      // Xtream base URL, or playlist URL / local file path
    QString username;
    QString password; // kept exactly as typed
    QString liveExtension = QStringLiteral("m3u8");
    qint64 lastUpdated = 0; // seconds since the epoch at which the last catalog fetch started
    QString guideUrl;        // typed by the user: replaces the guide the server offers
    int guideOffsetHours = 0; // -12..12, added to every guide time
    QString offeredGuideUrls; // a playlist's url-tvg, comma-separated, as last fetched
    QString id;               // given by SourceManager when first saved

    // What the server's library rows and guide files are kept under.
    QString storageKey() const { return id.isEmpty() ? name : id; }
    int maxConnections = 0;   // playlists: streams the provider allows at once, 0 for no limit
};

// Only Qt value types inside: lists may move it with memcpy when they grow.
Q_DECLARE_TYPEINFO(SourceConfig, Q_RELOCATABLE_TYPE);
