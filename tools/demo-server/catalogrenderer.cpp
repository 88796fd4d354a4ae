#include "catalogrenderer.h"

#include <QDateTime>
#include <QUrl>

namespace {

using Kind = DemoCatalog::Kind;

void key(QByteArray& out, const char* name)
{
    out += '"';
    out += name;
    out += "\":";
}

void stringField(QByteArray& out, const char* name, QStringView value)
{
    key(out, name);
    CatalogRenderer::appendJsonString(out, value);
    out += ',';
}

void rawField(QByteArray& out, const char* name, const QByteArray& value)
{
    key(out, name);
    out += value;
    out += ',';
}

// Closes an object or array whose last member left a trailing comma.
void close(QByteArray& out, char bracket)
{
    if (out.endsWith(','))
        out.chop(1);
    out += bracket;
}

QString ratingText(int tenths)
{
    if (tenths < 0)
        return QString();
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QByteArray fiveBased(int tenths)
{
    return tenths < 0 ? QByteArrayLiteral("0") : QByteArray::number(tenths / 20.0, 'g', 3);
}

QString duration(int secs)
{
    return QStringLiteral("%1:%2:%3")
        .arg(secs / 3600, 2, 10, QLatin1Char('0'))
        .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

CatalogRenderer::CatalogRenderer(const DemoCatalog& catalog, const QString& baseUrl,
                                 const QString& username, const QString& password)
    : catalog(catalog)
    , baseUrl(baseUrl)
    , username(username)
    , password(password)
{
    for (Kind kind : {Kind::Live, Kind::Movie, Kind::Series}) {
        Rendered& r = rendered[size_t(kind)];
        QByteArray& cats = r.categories;
        cats += '[';
        for (const DemoCatalog::Category& c : catalog.categories(kind)) {
            cats += '{';
            stringField(cats, "category_id", c.id);
            stringField(cats, "category_name", c.name);
            rawField(cats, "parent_id", "0");
            close(cats, '}');
            cats += ',';
        }
        close(cats, ']');

        const std::vector<DemoCatalog::Entry>& entries = catalog.entries(kind);
        r.all.reserve(qsizetype(entries.size()) * (kind == Kind::Series ? 700 : 420) + 2);
        r.spans.reserve(entries.size());
        r.all += '[';
        int num = 1;
        for (const DemoCatalog::Entry& e : entries) {
            const qsizetype start = r.all.size();
            renderEntry(r.all, kind, e, num++);
            r.spans.emplace_back(start, r.all.size() - start);
            r.all += ',';
        }
        close(r.all, ']');
    }
}

void CatalogRenderer::appendJsonString(QByteArray& out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        switch (u) {
        case u'"':
            out += "\\\"";
            continue;
        case u'\\':
            out += "\\\\";
            continue;
        case u'/':
            out += "\\/";
            continue;
        case u'\n':
            out += "\\n";
            continue;
        case u'\r':
            out += "\\r";
            continue;
        case u'\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (u >= 0x20 && u < 0x7f) {
            out += char(u);
            continue;
        }
        // Control characters and everything beyond ASCII, one UTF-16 unit at a time, which
        // writes characters outside the BMP as surrogate pairs, as JSON requires.
        const char escape[] = {
            '\\',        'u', hex[(u >> 12) & 0xf], hex[(u >> 8) & 0xf], hex[(u >> 4) & 0xf],
            hex[u & 0xf]};
        out.append(escape, sizeof escape);
    }
    out += '"';
}

QString CatalogRenderer::kindPath(Kind kind)
{
    switch (kind) {
    case Kind::Live:
        return QStringLiteral("live");
    case Kind::Movie:
        return QStringLiteral("movie");
    case Kind::Series:
        break;
    }
    return QStringLiteral("series");
}

QString CatalogRenderer::posterUrl(Kind kind, qint64 id) const
{
    return baseUrl + QStringLiteral("/posters/") + kindPath(kind) + u'/' + QString::number(id) +
           QStringLiteral(".png");
}

QString CatalogRenderer::liveStreamUrl(qint64 id, const QString& extension) const
{
    return QStringLiteral("%1/live/%2/%3/%4.%5")
        .arg(baseUrl, username, password, QString::number(id), extension);
}

void CatalogRenderer::renderEntry(QByteArray& out, Kind kind, const DemoCatalog::Entry& e,
                                  int num) const
{
    const QByteArray id = QByteArray::number(e.id);
    const QString categoryId = catalog.categories(kind).value(e.category).id;
    out += '{';
    rawField(out, "num", QByteArray::number(num));
    stringField(out, "name", e.name);
    switch (kind) {
    case Kind::Live:
        stringField(out, "stream_type", u"live");
        stringField(out, "stream_id", QString::fromLatin1(id));
        stringField(out, "stream_icon", posterUrl(kind, e.id));
        stringField(out, "epg_channel_id", QStringLiteral("ch%1.demo").arg(e.id));
        stringField(out, "added", QString::number(e.added));
        stringField(out, "is_adult", u"0");
        stringField(out, "category_id", categoryId);
        rawField(out, "category_ids", '[' + categoryId.toLatin1() + ']');
        stringField(out, "custom_sid", u"");
        // Servers write the archive flag and length as numbers or as text; both kinds occur.
        if (DemoCatalog::archiveDays(e.id) == 0) {
            rawField(out, "tv_archive", "0");
            stringField(out, "direct_source", u"");
            rawField(out, "tv_archive_duration", "0");
        } else if (e.id % 2 == 0) {
            rawField(out, "tv_archive", "1");
            stringField(out, "direct_source", u"");
            stringField(out, "tv_archive_duration",
                        QString::number(DemoCatalog::archiveDays(e.id)));
        } else {
            stringField(out, "tv_archive", u"1");
            stringField(out, "direct_source", u"");
            rawField(out, "tv_archive_duration",
                     QByteArray::number(DemoCatalog::archiveDays(e.id)));
        }
        break;
    case Kind::Movie:
        stringField(out, "stream_type", u"movie");
        stringField(out, "stream_id", QString::fromLatin1(id));
        stringField(out, "stream_icon", posterUrl(kind, e.id));
        stringField(out, "rating", ratingText(e.ratingTenths));
        rawField(out, "rating_5based", fiveBased(e.ratingTenths));
        stringField(out, "added", QString::number(e.added));
        stringField(out, "is_adult", u"0");
        stringField(out, "category_id", categoryId);
        rawField(out, "category_ids", '[' + categoryId.toLatin1() + ']');
        stringField(out, "container_extension", e.extension);
        stringField(out, "custom_sid", u"");
        stringField(out, "direct_source", u"");
        break;
    case Kind::Series: {
        const DemoCatalog::Details d = catalog.details(kind, e);
        stringField(out, "series_id", QString::fromLatin1(id));
        stringField(out, "cover", posterUrl(kind, e.id));
        stringField(out, "plot", d.plot);
        stringField(out, "cast", d.cast);
        stringField(out, "director", d.director);
        stringField(out, "genre", d.genre);
        stringField(out, "releaseDate", d.releaseDate);
        stringField(out, "last_modified", QString::number(e.added));
        stringField(out, "rating", ratingText(e.ratingTenths));
        rawField(out, "rating_5based", fiveBased(e.ratingTenths));
        key(out, "backdrop_path");
        out += '[';
        appendJsonString(out, posterUrl(kind, e.id));
        out += "],";
        stringField(out, "youtube_trailer", u"");
        stringField(out, "episode_run_time", QString::number(d.runtimeMinutes));
        stringField(out, "category_id", categoryId);
        rawField(out, "category_ids", '[' + categoryId.toLatin1() + ']');
        break;
    }
    }
    close(out, '}');
}

QByteArray CatalogRenderer::categories(Kind kind) const
{
    return of(kind).categories;
}

QByteArray CatalogRenderer::streams(Kind kind, const QString& categoryId) const
{
    const Rendered& r = of(kind);
    if (categoryId.isEmpty())
        return r.all;
    const auto cached = r.byCategory.constFind(categoryId);
    if (cached != r.byCategory.constEnd())
        return *cached;

    const QList<DemoCatalog::Category>& cats = catalog.categories(kind);
    int index = -1;
    for (int i = 0; i < cats.size(); ++i) {
        if (cats[i].id == categoryId)
            index = i;
    }
    QByteArray out("[");
    if (index >= 0) {
        const std::vector<DemoCatalog::Entry>& entries = catalog.entries(kind);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].category != index)
                continue;
            out.append(r.all.constData() + r.spans[i].first, r.spans[i].second);
            out += ',';
        }
        close(out, ']');
    } else {
        out += ']';
    }
    // Unknown ids are not kept, so probing for them cannot grow the cache.
    if (index >= 0)
        r.byCategory.insert(categoryId, out);
    return out;
}

void CatalogRenderer::renderSeriesInfo(QByteArray& out, const DemoCatalog::Entry& series) const
{
    const DemoCatalog::Details d = catalog.details(Kind::Series, series);
    const QString cover = posterUrl(Kind::Series, series.id);
    const QString categoryId = catalog.categories(Kind::Series).value(series.category).id;
    const QList<DemoCatalog::Episode> episodes = catalog.episodes(series);
    const int seasons = catalog.seasonCount(series);

    out += "{\"seasons\":[";
    for (int season = 1; season <= seasons; ++season) {
        int count = 0;
        for (const DemoCatalog::Episode& e : episodes)
            count += e.season == season ? 1 : 0;
        out += '{';
        stringField(out, "air_date", d.releaseDate);
        rawField(out, "episode_count", QByteArray::number(count));
        rawField(out, "id", QByteArray::number(series.id * 100 + season));
        stringField(out, "name", QStringLiteral("Season %1").arg(season));
        stringField(out, "overview", u"");
        rawField(out, "season_number", QByteArray::number(season));
        stringField(out, "cover", cover);
        close(out, '}');
        out += ',';
    }
    close(out, ']');
    out += ",\"info\":{";
    stringField(out, "name", series.name);
    stringField(out, "cover", cover);
    stringField(out, "plot", d.plot);
    stringField(out, "cast", d.cast);
    stringField(out, "director", d.director);
    stringField(out, "genre", d.genre);
    stringField(out, "releaseDate", d.releaseDate);
    stringField(out, "last_modified", QString::number(series.added));
    stringField(out, "rating", ratingText(series.ratingTenths));
    rawField(out, "rating_5based", fiveBased(series.ratingTenths));
    stringField(out, "episode_run_time", QString::number(d.runtimeMinutes));
    stringField(out, "category_id", categoryId);
    close(out, '}');
    out += ",\"episodes\":{";
    int season = 0;
    for (const DemoCatalog::Episode& e : episodes) {
        if (e.season != season) {
            if (season != 0) {
                close(out, ']');
                out += ',';
            }
            season = e.season;
            out += '"' + QByteArray::number(season) + "\":[";
        }
        out += '{';
        stringField(out, "id", QString::number(e.id));
        rawField(out, "episode_num", QByteArray::number(e.number));
        stringField(out, "title", e.title);
        stringField(out, "container_extension", e.extension);
        out += "\"info\":{";
        rawField(out, "duration_secs", QByteArray::number(e.durationSecs));
        stringField(out, "duration", duration(e.durationSecs));
        stringField(out, "movie_image", cover);
        stringField(out, "plot", d.plot);
        close(out, '}');
        out += ',';
        stringField(out, "custom_sid", u"");
        stringField(out, "added", QString::number(e.added));
        rawField(out, "season", QByteArray::number(e.season));
        stringField(out, "direct_source", u"");
        close(out, '}');
        out += ',';
    }
    if (season != 0)
        close(out, ']');
    out += "}}";
}

QByteArray CatalogRenderer::seriesInfo(qint64 seriesId) const
{
    const DemoCatalog::Entry* series = catalog.find(Kind::Series, seriesId);
    if (!series)
        return QByteArrayLiteral("{\"seasons\":[],\"info\":[],\"episodes\":[]}");
    QByteArray out;
    renderSeriesInfo(out, *series);
    return out;
}

QByteArray CatalogRenderer::login(const QString& status, qint64 nowSecs) const
{
    const QUrl url(baseUrl);
    QByteArray out("{\"user_info\":{");
    stringField(out, "username", username);
    stringField(out, "password", password);
    stringField(out, "message", u"Welcome to the Velmora demo server");
    rawField(out, "auth", "1");
    stringField(out, "status", status);
    stringField(out, "exp_date", u"1893456000");
    stringField(out, "is_trial", u"0");
    stringField(out, "active_cons", u"0");
    stringField(out, "created_at", u"1690000000");
    stringField(out, "max_connections", QString::number(maxConnections));
    rawField(out, "allowed_output_formats", "[\"m3u8\",\"ts\"]");
    close(out, '}');
    out += ",\"server_info\":{";
    stringField(out, "url", url.host());
    stringField(out, "port", QString::number(url.port(80)));
    stringField(out, "https_port", u"");
    stringField(out, "server_protocol", url.scheme());
    stringField(out, "rtmp_port", u"");
    stringField(out, "timezone", QString::fromUtf8(timeZone.id()));
    rawField(out, "timestamp_now", QByteArray::number(nowSecs));
    stringField(out, "time_now",
                QDateTime::fromSecsSinceEpoch(nowSecs, timeZone)
                    .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    close(out, '}');
    out += '}';
    return out;
}

QByteArray CatalogRenderer::loginRefused()
{
    return QByteArrayLiteral(
        "{\"user_info\":{\"auth\":0,\"status\":\"Disabled\",\"message\":\"Invalid username or "
        "password\"}}");
}

QByteArray CatalogRenderer::playlist(const QString& extension) const
{
    const auto cached = playlists.constFind(extension);
    if (cached != playlists.constEnd())
        return *cached;
    QString text = QStringLiteral("#EXTM3U url-tvg=\"%1/xmltv.php?username=%2&password=%3\"\n")
                       .arg(baseUrl, QString::fromLatin1(QUrl::toPercentEncoding(username)),
                            QString::fromLatin1(QUrl::toPercentEncoding(password)));
    const QList<DemoCatalog::Category>& cats = catalog.categories(Kind::Live);
    for (const DemoCatalog::Entry& e : catalog.entries(Kind::Live)) {
        // Channels with an archive: the shift kind, written the current way and the older way.
        const int days = DemoCatalog::archiveDays(e.id);
        const QString archive =
            days == 0       ? QString()
            : e.id % 2 == 0 ? QStringLiteral(" catchup=\"shift\" catchup-days=\"%1\"").arg(days)
                            : QStringLiteral(" timeshift=\"%1\"").arg(days);
        text += QStringLiteral("#EXTINF:-1 tvg-id=\"ch%1.demo\" tvg-name=\"%2\" tvg-logo=\"%3\" "
                               "group-title=\"%4\"%6,%2\n%5\n")
                    .arg(QString::number(e.id), e.name, posterUrl(Kind::Live, e.id),
                         cats.value(e.category).name, liveStreamUrl(e.id, extension), archive);
    }
    const QByteArray bytes = text.toUtf8();
    playlists.insert(extension, bytes);
    return bytes;
}
