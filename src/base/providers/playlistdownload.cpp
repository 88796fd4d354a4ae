#include "providers/playlistdownload.h"

#include "app/httprequests.h"
#include "app/logmasking.h"
#include "app/netlogstream.h"
#include "providers/xtreamclient.h"

#include <QCoreApplication>

#include <QNetworkReply>
#include <QUrl>

#include <utility>

void PlaylistDownload::get(QNetworkAccessManager* manager, const QString& address, QObject* context,
                           Done done)
{
    if (netDebugEnabled())
        NetLogStream() << "[M3U] ->" << maskStreamUrl(address);
    HttpRequests::Options options;
    options.inactivityTimeoutMs = XtreamClient::kDefaultInactivityTimeoutMs;
    options.maxBodyBytes = kMaxBytes;
    HttpRequests::get(manager, QUrl(address, QUrl::TolerantMode), options, context,
                      [done = std::move(done)](QNetworkReply* reply) {
                          if (reply->error() != QNetworkReply::NoError) {
                              const QString error =
                                  HttpRequests::bodyLimitExceeded(reply)
                                      ? QCoreApplication::translate(
                                            "PlaylistDownload", "the playlist is larger than 1 GB")
                                      : reply->errorString();
                              if (netDebugEnabled())
                                  NetLogStream() << "[M3U] <- error:" << error;
                              done(QByteArray(), error);
                              return;
                          }
                          const QByteArray body = reply->readAll();
                          if (netDebugEnabled())
                              NetLogStream() << "[M3U] <-" << body.size() << "bytes";
                          done(body, QString());
                      });
}
