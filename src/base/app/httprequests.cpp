#include "app/httprequests.h"

#include "app/clock.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
constexpr const char* kBodyLimitProperty = "velmoraBodyLimitExceeded";

QNetworkRequest buildRequest(const QUrl& url, const HttpRequests::Options& options)
{
    QNetworkRequest request(url);
    if (options.followAllRedirects)
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::UserVerifiedRedirectPolicy);
    if (options.inactivityTimeoutMs > 0)
        request.setTransferTimeout(Clock::waitMs(options.inactivityTimeoutMs));
    for (const auto& [name, value] : options.rawHeaders)
        request.setRawHeader(name, value);
    if (!options.contentType.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, options.contentType);
    return request;
}

QNetworkReply* watch(QNetworkReply* reply, const HttpRequests::Options& options, QObject* context,
                     HttpRequests::Completion done)
{
    if (options.followAllRedirects)
        QObject::connect(reply, &QNetworkReply::redirected, reply, &QNetworkReply::redirectAllowed);
    if (options.maxBodyBytes > 0) {
        const qint64 limit = options.maxBodyBytes;
        QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                         [reply, limit](qint64 received, qint64) {
                             if (received > limit && !reply->property(kBodyLimitProperty).toBool()) {
                                 reply->setProperty(kBodyLimitProperty, true);
                                 reply->abort();
                             }
                         });
    }
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done = std::move(done)]() {
        reply->deleteLater();
        done(reply);
    });
    // Without the context the reply has no owner left to read it.
    QObject::connect(context, &QObject::destroyed, reply, [reply, context]() {
        QObject::disconnect(reply, &QNetworkReply::finished, context, nullptr);
        reply->abort();
        reply->deleteLater();
    });
    return reply;
}
} // namespace

QNetworkReply* HttpRequests::get(QNetworkAccessManager* manager, const QUrl& url,
                                 const Options& options, QObject* context, Completion done)
{
    return watch(manager->get(buildRequest(url, options)), options, context, std::move(done));
}

QNetworkReply* HttpRequests::post(QNetworkAccessManager* manager, const QUrl& url,
                                  const QByteArray& body, const Options& options, QObject* context,
                                  Completion done)
{
    return watch(manager->post(buildRequest(url, options), body), options, context,
                 std::move(done));
}

bool HttpRequests::bodyLimitExceeded(const QNetworkReply* reply)
{
    return reply->property(kBodyLimitProperty).toBool();
}
