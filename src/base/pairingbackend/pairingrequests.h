#pragma once

#include "pairingpages.h"

#include <QByteArray>
#include <QString>

class QUrlQuery;

// What the backend reads out of a request's headers and body, apart from the HTTP layer, so that
// hostile requests can be checked without a server.
class PairingRequests final
{
public:
    // The token of an Authorization value "Bearer <token>" (scheme in any case); empty when the
    // value is not one or is too long to be ours.
    static QString bearerToken(const QByteArray& authorization);
    // Whether a Content-Type value says JSON.
    static bool isJson(const QByteArray& contentType);

    // The "device" object of a start request (empty texts when missing or not strings).
    struct Device
    {
        QString name;
        QString os;
    };
    static Device device(const QByteArray& body);

    // The form page's fields given in its address: only the code, as far as the form takes it.
    static PairingPages::Form pageForm(const QUrlQuery& query);
    // The phone's details: a JSON object, or an application/x-www-form-urlencoded form.
    static PairingPages::Form submission(const QByteArray& body, bool json);
};
