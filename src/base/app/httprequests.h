#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <functional>
#include <utility>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

// Every HTTP request of the program is sent through here, so request settings live in one place.
// The completion callback runs exactly once on the GUI thread, bound to `context`'s lifetime (it
// never runs once `context` is gone); the reply is already scheduled for deletion when it runs.
class HttpRequests final
{
public:
    struct Options
    {
        // Fail when no byte arrives for this long (0: wait as long as the network layer does);
        // shortened by the clock's time scale in tests.
        int inactivityTimeoutMs = 0;
        // Follow every redirect, also to another host and from HTTPS to HTTP.
        bool followAllRedirects = false;
        // Abort with QNetworkReply::OperationCanceledError when the body grows beyond this
        // (0: no limit).
        qint64 maxBodyBytes = 0;
        QList<std::pair<QByteArray, QByteArray>> rawHeaders;
        QByteArray contentType; // for POST
    };

    using Completion = std::function<void(QNetworkReply* reply)>;

    static QNetworkReply* get(QNetworkAccessManager* manager, const QUrl& url,
                              const Options& options, QObject* context, Completion done);
    static QNetworkReply* post(QNetworkAccessManager* manager, const QUrl& url,
                               const QByteArray& body, const Options& options, QObject* context,
                               Completion done);

    // True when the reply was aborted for exceeding Options::maxBodyBytes.
    static bool bodyLimitExceeded(const QNetworkReply* reply);
};
