#include "pairingserver.h"

#include "app/translations.h"
#include "guardedtcpserver.h"
#include "localnetwork.h"
#include "pairingpages.h"
#include "pairingrequests.h"
#include "pairingstorage.h"

#include <QDateTime>
#include <QHttpServer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QUrlQuery>

#include <cstdio>

namespace {
using StatusCode = QHttpServerResponder::StatusCode;

void logLine(const QString& text)
{
    const QByteArray line =
        (QDateTime::currentDateTimeUtc().toString(Qt::ISODate) + QLatin1Char(' ') + text + '\n')
            .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

// Wrong codes are counted per client, as connections are.
QString clientKey(const QHostAddress& address)
{
    return GuardedTcpServer::clientKey(address);
}

QHttpServerResponse jsonAnswer(const QJsonObject& object, StatusCode status = StatusCode::Ok)
{
    return QHttpServerResponse(QByteArrayLiteral("application/json"),
                               QJsonDocument(object).toJson(QJsonDocument::Compact), status);
}

QHttpServerResponse jsonError(const QString& message, StatusCode status)
{
    return jsonAnswer(QJsonObject{{QStringLiteral("error"), message}}, status);
}

QHttpServerResponse htmlAnswer(const QByteArray& html, StatusCode status = StatusCode::Ok)
{
    return QHttpServerResponse(QByteArrayLiteral("text/html; charset=utf-8"), html, status);
}

QByteArray headerValue(const QHttpServerRequest& request, const QByteArray& name);

// The phone's pages speak its language, as far as the program has it.
QString phoneLanguage(const QHttpServerRequest& request)
{
    return Translations::fromAcceptLanguage(headerValue(request, "Accept-Language"));
}

QByteArray headerValue(const QHttpServerRequest& request, const QByteArray& name)
{
    for (const auto& [key, value] : request.headers()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return QByteArray();
}

void addSafetyHeaders(QHttpServerResponse& response)
{
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("Referrer-Policy", "no-referrer");
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Content-Security-Policy",
                       "default-src 'none'; script-src 'self'; style-src 'unsafe-inline'; "
                       "form-action 'self'; base-uri 'none'; frame-ancestors 'none'");
}

const QString kUnavailable = QStringLiteral("pairing storage unavailable, try again shortly");

QString readableWait(int seconds)
{
    const int minutes = (seconds + 59) / 60;
    return minutes <= 1 ? QStringLiteral("a minute") : QStringLiteral("%1 minutes").arg(minutes);
}
} // namespace

PairingServer::Pending::Pending(QHttpServerResponder&& responder)
    : responder(std::make_unique<QHttpServerResponder>(std::move(responder)))
    , socket(this->responder->socket())
{}

PairingServer::Pending::~Pending() = default;

void PairingServer::Pending::send(QHttpServerResponse&& response)
{
    // The client may have hung up while the storage was answering.
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    addSafetyHeaders(response);
    response.write(std::move(*responder));
}

PairingServer::PairingServer(const Settings& settings, PairingStorage* storage, QObject* parent)
    : QObject(parent)
    , settings(settings)
    , storage(storage ? storage : new MemoryPairingStorage(settings.limits))
    , http(new QHttpServer(this))
{
    this->storage->setParent(this);
    http->route(QStringLiteral("/api/v1/pair/start"), QHttpServerRequest::Method::Post,
                [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                    start(request, std::move(responder));
                });
    http->route(QStringLiteral("/api/v1/pair/status"), QHttpServerRequest::Method::Get,
                [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                    status(request, std::move(responder));
                });
    http->route(QStringLiteral("/api/v1/pair/submit"), QHttpServerRequest::Method::Post,
                [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                    submit(request, std::move(responder));
                });
    const auto formPage = [](const QHttpServerRequest& request) {
        return htmlAnswer(PairingPages::formPage(PairingRequests::pageForm(request.query()), {},
                                                 phoneLanguage(request)));
    };
    http->route(QStringLiteral("/pair"), QHttpServerRequest::Method::Get, formPage);
    http->route(QStringLiteral("/"), QHttpServerRequest::Method::Get, formPage);
    http->route(QStringLiteral("/pair.js"), QHttpServerRequest::Method::Get, [] {
        return QHttpServerResponse(QByteArrayLiteral("text/javascript; charset=utf-8"),
                                   PairingPages::script());
    });
    http->afterRequest([](QHttpServerResponse&& response) {
        addSafetyHeaders(response);
        return std::move(response);
    });
}

PairingServer::~PairingServer() = default;

void PairingServer::log(const QString& text) const
{
    if (!settings.quiet)
        logLine(text);
}

bool PairingServer::listen(QString* error)
{
    tcp = new GuardedTcpServer(GuardedTcpServer::Limits(), this);
    if (settings.tls)
        tcp->setTls(settings.tlsConfiguration);
    if (settings.localClientsOnly) {
        const QHostAddress judged = settings.peerForTests;
        tcp->setAdmission([judged](const QHostAddress& peer) {
            return LocalNetwork::isLocalClient(judged.isNull() ? peer : judged);
        });
    }
    if (!tcp->listen(settings.address, settings.port)) {
        *error = tcp->errorString();
        return false;
    }
    http->bind(tcp);
    return true;
}

QString PairingServer::listeningUrl() const
{
    const QHostAddress address = tcp->serverAddress();
    QString host = address.toString();
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return (tcp->usesTls() ? QStringLiteral("https://") : QStringLiteral("http://")) + host +
           QLatin1Char(':') + QString::number(tcp->serverPort());
}

quint16 PairingServer::port() const
{
    return tcp ? tcp->serverPort() : 0;
}

QString PairingServer::pairPageBase() const
{
    QString base = settings.publicUrl.isEmpty() ? listeningUrl() : settings.publicUrl;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

void PairingServer::start(const QHttpServerRequest& request, QHttpServerResponder&& responder)
{
    auto pending = std::make_shared<Pending>(std::move(responder));
    if (request.body().size() > kMaxBodyBytes) {
        pending->send(jsonError(QStringLiteral("request too large"), StatusCode::PayloadTooLarge));
        return;
    }
    const PairingRequests::Device device = PairingRequests::device(request.body());
    const QString client = clientKey(request.remoteAddress());
    storage->open(
        client, device.name, [this, pending, device, client](const PairingStore::Opened& opened) {
            switch (opened.result) {
            case PairingStore::OpenResult::Full:
                log(QStringLiteral("refused a pairing from %1: too many in progress").arg(client));
                pending->send(jsonError(QStringLiteral("too many pairings in progress"),
                                        StatusCode::ServiceUnavailable));
                return;
            case PairingStore::OpenResult::ClientFull:
                log(QStringLiteral("refused a pairing from %1: too many from there").arg(client));
                pending->send(jsonError(QStringLiteral("too many pairings from this address"),
                                        StatusCode::TooManyRequests));
                return;
            case PairingStore::OpenResult::Unavailable:
                log(QStringLiteral("refused a pairing from %1: storage unavailable").arg(client));
                pending->send(jsonError(kUnavailable, StatusCode::ServiceUnavailable));
                return;
            case PairingStore::OpenResult::Opened:
                break;
            }
            log(QStringLiteral("opened %1 for \"%2\" (%3) from %4")
                    .arg(opened.code, device.name.left(PairingStore::kMaxDeviceText),
                         device.os.left(PairingStore::kMaxDeviceText), client));
            QJsonObject answer;
            answer.insert(QStringLiteral("code"), opened.code);
            answer.insert(QStringLiteral("device_token"), opened.deviceToken);
            answer.insert(QStringLiteral("pair_url"),
                          QString(pairPageBase() + QStringLiteral("pair?code=") + opened.code));
            answer.insert(QStringLiteral("expires_in"), opened.expiresIn);
            answer.insert(QStringLiteral("poll_interval"), settings.pollIntervalSecs);
            pending->send(jsonAnswer(answer));
        });
}

void PairingServer::status(const QHttpServerRequest& request, QHttpServerResponder&& responder)
{
    auto pending = std::make_shared<Pending>(std::move(responder));
    const QString token = PairingRequests::bearerToken(headerValue(request, "Authorization"));
    const QHostAddress peer = request.remoteAddress();
    storage->poll(token, [this, pending, peer](const PairingStore::Poll& poll) {
        switch (poll.result) {
        case PairingStore::PollResult::UnknownToken: {
            QHttpServerResponse answer =
                jsonError(QStringLiteral("unknown pairing"), StatusCode::Unauthorized);
            answer.setHeader("WWW-Authenticate", "Bearer");
            pending->send(std::move(answer));
            return;
        }
        case PairingStore::PollResult::Expired:
            pending->send(
                jsonAnswer(QJsonObject{{QStringLiteral("status"), QStringLiteral("expired")}},
                           StatusCode::Gone));
            return;
        case PairingStore::PollResult::Pending:
            pending->send(
                jsonAnswer(QJsonObject{{QStringLiteral("status"), QStringLiteral("pending")}}));
            return;
        case PairingStore::PollResult::Unavailable:
            pending->send(jsonError(kUnavailable, StatusCode::ServiceUnavailable));
            return;
        case PairingStore::PollResult::Ready:
            break;
        }
        log(QStringLiteral("handed details to %1").arg(clientKey(peer)));
        const PairingStore::Details& d = poll.details;
        QJsonObject playlist;
        playlist.insert(QStringLiteral("type"), d.type);
        playlist.insert(QStringLiteral("name"), d.name);
        playlist.insert(QStringLiteral("url"), d.url);
        playlist.insert(QStringLiteral("username"), d.username);
        playlist.insert(QStringLiteral("password"), d.password);
        playlist.insert(QStringLiteral("live_extension"), d.liveExtension);
        pending->send(jsonAnswer(QJsonObject{{QStringLiteral("status"), QStringLiteral("ready")},
                                             {QStringLiteral("playlist"), playlist}}));
    });
}

void PairingServer::submit(const QHttpServerRequest& request, QHttpServerResponder&& responder)
{
    auto pending = std::make_shared<Pending>(std::move(responder));
    const bool json = PairingRequests::isJson(headerValue(request, "Content-Type"));
    PairingPages::Form form;
    if (request.body().size() <= kMaxBodyBytes)
        form = PairingRequests::submission(request.body(), json);
    const QString language = phoneLanguage(request);
    const auto refuse = [json, form, language](const QString& message, StatusCode code) {
        if (json)
            return jsonAnswer(
                QJsonObject{{QStringLiteral("ok"), false}, {QStringLiteral("error"), message}},
                code);
        return htmlAnswer(PairingPages::formPage(form, message, language), code);
    };
    if (request.body().size() > kMaxBodyBytes) {
        pending->send(
            refuse(QStringLiteral("That was too much to send."), StatusCode::PayloadTooLarge));
        return;
    }

    const QString client = clientKey(request.remoteAddress());
    storage->submit(
        client, form.code, form.details,
        [this, pending, refuse, json, form, client,
         language](const PairingStore::Submission& result) {
            switch (result.result) {
            case PairingStore::SubmitResult::Accepted:
                break;
            case PairingStore::SubmitResult::RateLimited: {
                log(QStringLiteral("refused details from %1: too many wrong codes").arg(client));
                QHttpServerResponse answer =
                    refuse(QStringLiteral("Too many wrong codes. Try again in %1.")
                               .arg(readableWait(result.retryAfterSecs)),
                           StatusCode::TooManyRequests);
                answer.setHeader("Retry-After", QByteArray::number(result.retryAfterSecs));
                pending->send(std::move(answer));
                return;
            }
            case PairingStore::SubmitResult::UnknownCode:
                log(QStringLiteral("wrong code from %1").arg(client));
                pending->send(refuse(
                    QStringLiteral("That code isn't valid. Check the code shown on your computer."),
                    StatusCode::NotFound));
                return;
            case PairingStore::SubmitResult::Lost:
                log(QStringLiteral("details from %1 for a code the storage lost").arg(client));
                pending->send(refuse(tr("The pairing service was restarted and lost this code. "
                                        "Get a new code on your computer."),
                                     StatusCode::Gone));
                return;
            case PairingStore::SubmitResult::Expired:
                pending->send(refuse(
                    QStringLiteral("That code has expired. Get a new code on your computer."),
                    StatusCode::Gone));
                return;
            case PairingStore::SubmitResult::AlreadyUsed:
                pending->send(refuse(
                    QStringLiteral("Details were already sent with that code. Get a new code "
                                   "on your computer to send them again."),
                    StatusCode::Conflict));
                return;
            case PairingStore::SubmitResult::Invalid:
                pending->send(refuse(result.problem, StatusCode::BadRequest));
                return;
            case PairingStore::SubmitResult::Unavailable:
                log(QStringLiteral("could not take details from %1: storage unavailable")
                        .arg(client));
                pending->send(refuse(QStringLiteral("The pairing service is unavailable right now. "
                                                    "Try again in a moment."),
                                     StatusCode::ServiceUnavailable));
                return;
            }
            log(QStringLiteral("received details for %1 from %2")
                    .arg(PairingStore::normalizedCode(form.code), client));
            if (json)
                pending->send(jsonAnswer(QJsonObject{
                    {QStringLiteral("ok"), true}, {QStringLiteral("device"), result.deviceName}}));
            else
                pending->send(htmlAnswer(PairingPages::sentPage(result.deviceName, language)));
        });
}
