#include "catchup/xtreamarchiveforms.h"

#include "app/httprequests.h"
#include "app/logmasking.h"
#include "app/netlogstream.h"
#include "catchup/servertimezone.h"

#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace {
XtreamArchiveForms::Form otherForm(XtreamArchiveForms::Form form)
{
    return form == XtreamArchiveForms::Form::Path ? XtreamArchiveForms::Form::Query
                                                  : XtreamArchiveForms::Form::Path;
}

bool httpError(int status)
{
    return status >= 400;
}
} // namespace

XtreamArchiveForms::Form XtreamArchiveForms::preferred(const QString& baseUrl) const
{
    return forms.value(baseUrl, Form::Path);
}

void XtreamArchiveForms::remember(const QString& baseUrl, Form form)
{
    forms.insert(baseUrl, form);
}

void XtreamArchiveForms::resolve(QNetworkAccessManager* manager, const XtreamAccount& account,
                                 const QString& streamId, const ServerTimeZone& zone,
                                 const CatchupWindow& window, QObject* context, Resolved done)
{
    const Form first = preferred(account.baseUrl);
    const QString firstUrl = CatchupAddress::xtream(first, account, streamId, zone, window);
    if (forms.contains(account.baseUrl)) {
        // Known to work here: no extra connection (servers count them against the account).
        QTimer::singleShot(0, context,
                           [firstUrl, first, done = std::move(done)] { done(firstUrl, first); });
        return;
    }
    probe(manager, firstUrl, context,
          [this, manager, account, streamId, zone, window, context, first, firstUrl,
           done = std::move(done)](int status) {
              if (!httpError(status)) {
                  if (status > 0)
                      remember(account.baseUrl, first);
                  done(firstUrl, first);
                  return;
              }
              const Form second = otherForm(first);
              const QString secondUrl =
                  CatchupAddress::xtream(second, account, streamId, zone, window);
              if (netDebugEnabled())
                  NetLogStream() << "[Catch-up]" << maskStreamUrl(firstUrl) << "answered" << status
                                 << "- trying" << maskStreamUrl(secondUrl);
              probe(manager, secondUrl, context,
                    [this, baseUrl = account.baseUrl, first, firstUrl, second, secondUrl,
                     done](int secondStatus) {
                        if (httpError(secondStatus)) {
                            // Neither works: play the first so its error reaches the user.
                            done(firstUrl, first);
                            return;
                        }
                        if (secondStatus > 0)
                            remember(baseUrl, second);
                        done(secondUrl, second);
                    });
          });
}

void XtreamArchiveForms::probe(QNetworkAccessManager* manager, const QString& url, QObject* context,
                               std::function<void(int status)> done)
{
    HttpRequests::Options options;
    options.inactivityTimeoutMs = kProbeTimeoutMs;
    options.followAllRedirects = true;
    auto status = std::make_shared<int>(0);
    QNetworkReply* reply =
        HttpRequests::get(manager, QUrl(url), options, context,
                          [status, done = std::move(done)](QNetworkReply* finished) {
                              const QVariant code =
                                  finished->attribute(QNetworkRequest::HttpStatusCodeAttribute);
                              done(*status > 0 ? *status : code.toInt());
                          });
    // The head is all we need; the body of a working archive never ends.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, status] {
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!code.isValid() || *status > 0)
            return;
        const int value = code.toInt();
        if (value >= 300 && value < 400)
            return; // a redirect: the next head counts
        *status = value;
        if (value < 300)
            reply->abort(); // an error's short body ends by itself
    });
}
