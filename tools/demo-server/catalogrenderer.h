#pragma once

#include "democatalog.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>
#include <QTimeZone>

#include <array>
#include <utility>
#include <vector>

// Writes the catalog the way a player-API server answers: the JSON of the category and stream
// lists, of one series' information and of the login, and the M3U playlist of the channels.
// Lists are rendered once: the whole list at construction, each category's part on first use.
// Strings are escaped as PHP does by default ("\/" and \u escapes for everything beyond ASCII),
// so clients meet the escapes real servers send.
class CatalogRenderer final
{
public:
    CatalogRenderer(const DemoCatalog& catalog, const QString& baseUrl, const QString& username,
                    const QString& password);

    QByteArray categories(DemoCatalog::Kind kind) const;
    // The whole list of a kind for an empty category id, else that category's part ("[]" for an
    // unknown category).
    QByteArray streams(DemoCatalog::Kind kind, const QString& categoryId) const;
    // get_series_info; an unknown id gives the empty shape real servers send.
    QByteArray seriesInfo(qint64 seriesId) const;
    // The login answer for the right credentials, with the account's status ("Active", ...).
    QByteArray login(const QString& status, qint64 nowSecs, int maxConnections = 3) const;
    // The zone the login reports and its wall clock follows (default UTC).
    void setTimeZone(const QTimeZone& zone) { timeZone = zone; }
    // The streams the login says the account may open at once.
    // The answer to wrong credentials.
    static QByteArray loginRefused();
    // "#EXTM3U" playlist of every channel with stream addresses ending in `extension`.
    QByteArray playlist(const QString& extension) const;

    QString posterUrl(DemoCatalog::Kind kind, qint64 id) const;
    QString liveStreamUrl(qint64 id, const QString& extension) const;

    static void appendJsonString(QByteArray& out, QStringView text);
    static QString kindPath(DemoCatalog::Kind kind); // "live", "movie", "series"

private:
    struct Rendered
    {
        QByteArray all;
        std::vector<std::pair<qsizetype, qsizetype>> spans; // each entry's object inside `all`
        QByteArray categories;
        mutable QHash<QString, QByteArray> byCategory;
    };

    void renderEntry(QByteArray& out, DemoCatalog::Kind kind, const DemoCatalog::Entry& entry,
                     int num) const;
    void renderSeriesInfo(QByteArray& out, const DemoCatalog::Entry& series) const;
    const Rendered& of(DemoCatalog::Kind kind) const { return rendered[size_t(kind)]; }

    const DemoCatalog& catalog;
    QString baseUrl;
    QString username;
    QString password;
    std::array<Rendered, 3> rendered;
    mutable QHash<QString, QByteArray> playlists;
    QTimeZone timeZone = QTimeZone::utc();
};
