#include "providers/xtreamclient.h"

#include "app/httprequests.h"
#include "app/netlogstream.h"
#include "providers/jsontext.h"
#include "providers/xtreamparser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

#include <algorithm>

namespace {
constexpr qsizetype kLoggedBodyBytes = 2000;
const QString kMask = QStringLiteral("***");

// One query item, every byte but the unreserved ones percent-encoded, so that a "+", "%" or "&"
// in a password reaches the server as typed.
QString queryItem(const QString& key, const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value));
}

// username, password, the action when there is one, and the extra item when it has a key.
QStringList queryItems(const QString& username, const QString& password, const QString& action,
                       const QString& extraQuery)
{
    QStringList items{queryItem(QStringLiteral("username"), username),
                      queryItem(QStringLiteral("password"), password)};
    if (!action.isEmpty())
        items.append(queryItem(QStringLiteral("action"), action));
    const qsizetype equals = extraQuery.indexOf(u'=');
    if (equals > 0)
        items.append(queryItem(extraQuery.left(equals), extraQuery.mid(equals + 1)));
    return items;
}

// The forms in which a password shows up in logged text: as typed, as the request's query
// carries it in each of the URL's text forms (error texts quote the address), and escaped as a
// JSON answer may echo it (also the way PHP escapes "/" and non-ASCII). Longest first, so no
// shorter form breaks up a longer one.
QStringList passwordForms(const QString& password)
{
    if (password.isEmpty())
        return {};
    QStringList forms{password};
    QUrl query;
    query.setQuery(queryItem(QStringLiteral("p"), password), QUrl::TolerantMode);
    for (const QUrl::ComponentFormattingOptions format :
         {QUrl::FullyEncoded, QUrl::PrettyDecoded, QUrl::FullyDecoded})
        forms.append(query.query(format).mid(2));
    QByteArray json;
    JsonText::appendString(json, password);
    forms.append(QString::fromUtf8(json.mid(1, json.size() - 2)));
    QString php;
    for (const QChar c : password) {
        if (c == u'/') {
            php += QStringLiteral("\\/");
        } else if (c.unicode() >= 0x80) {
            php += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            QByteArray one;
            JsonText::appendString(one, QStringView(&c, 1));
            php += QString::fromLatin1(one.mid(1, one.size() - 2));
        }
    }
    forms.append(php);
    forms.removeDuplicates();
    std::sort(forms.begin(), forms.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return forms;
}

QString masked(QString text, const QStringList& forms)
{
    for (const QString& form : forms)
        text.replace(form, kMask);
    return text;
}

// The first bytes of a body for the log, masked before they are cut so that no password that
// runs across the cut leaves a piece of itself behind.
QString loggedBody(const QByteArray& body, const QStringList& forms)
{
    QString head = QString::fromUtf8(body.left(kLoggedBodyBytes));
    if (body.size() > kLoggedBodyBytes && !forms.isEmpty()) {
        const QString window =
            QString::fromUtf8(body.left(kLoggedBodyBytes + 6 * forms.first().size()));
        for (const QString& form : forms) {
            for (qsizetype at = window.indexOf(form); at >= 0 && at < head.size();
                 at = window.indexOf(form, at + 1)) {
                if (at + form.size() > head.size())
                    head = head.left(at) + kMask;
            }
        }
    }
    return masked(head, forms);
}
} // namespace

XtreamClient::XtreamClient(QObject* parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
{}

XtreamClient::~XtreamClient() = default;

void XtreamClient::configure(const QString& server, const QString& user, const QString& pass)
{
    baseUrl = server.endsWith(u'/') ? server.chopped(1) : server;
    username = user;
    password = pass;
}

void XtreamClient::setMaxBodyBytes(qint64 bytes)
{
    maxBodyBytes = bytes;
}

QUrl XtreamClient::requestUrl(const QString& baseUrl, const QString& username,
                              const QString& password, const QString& action,
                              const QString& extraQuery)
{
    QUrl url(baseUrl + QStringLiteral("/player_api.php"), QUrl::TolerantMode);
    url.setQuery(queryItems(username, password, action, extraQuery).join(u'&'), QUrl::TolerantMode);
    return url;
}

void XtreamClient::get(const QString& action, const QString& extraQuery, BodyCallback callback)
{
    const QUrl url = requestUrl(baseUrl, username, password, action, extraQuery);
    const QStringList forms = passwordForms(password);
    if (netDebugEnabled()) {
        // The password item is masked whatever its encoding, then any other place it shows.
        QStringList items = queryItems(username, password, action, extraQuery);
        if (!password.isEmpty())
            items[1] = QStringLiteral("password=") + kMask;
        QUrl logged = url;
        logged.setQuery(items.join(u'&'), QUrl::TolerantMode);
        NetLogStream() << "[Xtream] ->" << masked(logged.toDisplayString(), forms);
    }

    // Categories and the login answer are small; only stream lists may be big and slow to start.
    const bool streamList = action.endsWith(QStringLiteral("_streams")) || action == u"get_series";
    const bool bigAnswer = streamList || action == u"get_series_info";
    HttpRequests::Options options;
    options.inactivityTimeoutMs =
        streamList ? kListInactivityTimeoutMs : kDefaultInactivityTimeoutMs;
    options.followAllRedirects = true;
    options.maxBodyBytes = bigAnswer ? maxBodyBytes : std::min(maxBodyBytes, kSmallAnswerMaxBytes);
    HttpRequests::get(
        manager, url, options, this, [forms, callback = std::move(callback)](QNetworkReply* reply) {
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            if (reply->error() != QNetworkReply::NoError) {
                if (netDebugEnabled())
                    NetLogStream() << "[Xtream] <- error:" << masked(reply->errorString(), forms)
                                   << "http status:" << status;
                callback(QByteArray(), false);
                return;
            }
            const QByteArray body = reply->readAll();
            if (netDebugEnabled())
                NetLogStream() << "[Xtream] <-" << status << loggedBody(body, forms);
            callback(body, true);
        });
}

void XtreamClient::testLogin(LoginCallback callback)
{
    get(QString(), QString(), [callback = std::move(callback)](const QByteArray& body, bool ok) {
        QJsonParseError error;
        const QJsonDocument document = ok ? QJsonDocument::fromJson(body, &error) : QJsonDocument();
        if (!ok || error.error != QJsonParseError::NoError) {
            callback(false, tr("Could not reach server or invalid response"));
            return;
        }
        const QJsonObject info = document.object().value(QStringLiteral("user_info")).toObject();
        if (info.value(QStringLiteral("auth")).toInt() == 1) {
            const QString status = info.value(QStringLiteral("status")).toString().trimmed();
            if (status.isEmpty() ||
                status.compare(QStringLiteral("Active"), Qt::CaseInsensitive) == 0 ||
                status.compare(QStringLiteral("Trial"), Qt::CaseInsensitive) == 0)
                callback(true, QString());
            else
                callback(false,
                         tr("This account is not active on that server (status: %1)").arg(status));
            return;
        }
        const QString message = info.value(QStringLiteral("message")).toString().trimmed();
        callback(false, message.isEmpty()
                            ? tr("Authentication failed - check server URL, username, and password")
                            : message);
    });
}

void XtreamClient::fetchServerInfo(ServerInfoCallback callback)
{
    get(QString(), QString(), [callback = std::move(callback)](const QByteArray& body, bool ok) {
        callback(ok ? XtreamParser::serverInfo(body) : XtreamServerInfo(), ok);
    });
}

namespace {
// A list answer counts as delivered only when it is a JSON array: servers answer an expired
// account or a bad request with an object, which must not pass for an empty catalog (the window
// keeps its cached lists when a fetch fails). A UTF-8 byte-order mark may come first, as the
// JSON readers accept it.
bool topLevelIs(const QByteArray& body, char open)
{
    const QByteArrayView text = QByteArrayView(body).startsWith("\xEF\xBB\xBF")
                                    ? QByteArrayView(body).sliced(3)
                                    : QByteArrayView(body);
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return c == open;
    }
    return false;
}
} // namespace

void XtreamClient::fetchCategories(const QString& action, CategoriesCallback callback)
{
    get(action, QString(), [callback = std::move(callback)](const QByteArray& body, bool ok) {
        bool parsed = false;
        const QList<Category> list =
            ok ? XtreamParser::categories(body, &parsed) : QList<Category>();
        callback(list, ok && parsed && topLevelIs(body, '['));
    });
}

void XtreamClient::fetchItems(const QString& action, const QString& categoryId,
                              QList<MediaItem> (*parse)(const QByteArray&, bool*, JsonPath),
                              ItemsCallback callback)
{
    const QString extra =
        categoryId.isEmpty() ? QString() : QStringLiteral("category_id=") + categoryId;
    get(action, extra, [parse, callback = std::move(callback)](const QByteArray& body, bool ok) {
        bool parsed = false;
        const QList<MediaItem> list =
            ok ? parse(body, &parsed, JsonPath::Fast) : QList<MediaItem>();
        callback(list, ok && parsed && topLevelIs(body, '['));
    });
}

void XtreamClient::fetchLiveCategories(CategoriesCallback callback)
{
    fetchCategories(QStringLiteral("get_live_categories"), std::move(callback));
}

void XtreamClient::fetchVodCategories(CategoriesCallback callback)
{
    fetchCategories(QStringLiteral("get_vod_categories"), std::move(callback));
}

void XtreamClient::fetchSeriesCategories(CategoriesCallback callback)
{
    fetchCategories(QStringLiteral("get_series_categories"), std::move(callback));
}

void XtreamClient::fetchLiveStreams(const QString& categoryId, ItemsCallback callback)
{
    fetchItems(QStringLiteral("get_live_streams"), categoryId, &XtreamParser::liveStreams,
               std::move(callback));
}

void XtreamClient::fetchVodStreams(const QString& categoryId, ItemsCallback callback)
{
    fetchItems(QStringLiteral("get_vod_streams"), categoryId, &XtreamParser::vodStreams,
               std::move(callback));
}

void XtreamClient::fetchSeries(const QString& categoryId, ItemsCallback callback)
{
    fetchItems(QStringLiteral("get_series"), categoryId, &XtreamParser::series,
               std::move(callback));
}

void XtreamClient::fetchSeriesEpisodes(const QString& seriesId, EpisodesCallback callback)
{
    get(QStringLiteral("get_series_info"), QStringLiteral("series_id=") + seriesId,
        [callback = std::move(callback)](const QByteArray& body, bool ok) {
            bool parsed = false;
            const QList<Episode> list =
                ok ? XtreamParser::seriesEpisodes(body, &parsed) : QList<Episode>();
            callback(list, ok && parsed && topLevelIs(body, '{'));
        });
}

namespace {
QString streamUrl(const char* format, const QString& base, const QString& user, const QString& pass,
                  const QString& id, const QString& extension)
{
    // One substitution pass: a "%" inside a value is never substituted again.
    return QString::fromLatin1(format).arg(base, user, pass, id, extension);
}
} // namespace

QString XtreamClient::liveStreamUrl(const QString& streamId, const QString& extension) const
{
    return streamUrl("%1/live/%2/%3/%4.%5", baseUrl, username, password, streamId, extension);
}

QString XtreamClient::movieStreamUrl(const QString& streamId, const QString& extension) const
{
    return streamUrl("%1/movie/%2/%3/%4.%5", baseUrl, username, password, streamId, extension);
}

QString XtreamClient::episodeStreamUrl(const QString& episodeId, const QString& extension) const
{
    return streamUrl("%1/series/%2/%3/%4.%5", baseUrl, username, password, episodeId, extension);
}
