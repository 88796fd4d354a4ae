#pragma once

#include "model/sourceconfig.h"
#include "pairing/pairingclient.h"

class QByteArray;

// What PairingClient makes of the backend's answers once a reply has arrived, apart from any
// networking, so that odd and hostile bodies can be checked on their own.
class PairingResponses final
{
public:
    // A start answer as read: "code", "device_token" and "pair_url" as strings (else empty),
    // "expires_in" an integral number (else 0), "poll_interval" an integral number (else 3)
    // limited to 1..30. A body that is not a JSON object reads as all defaults.
    static PairingClient::Started started(const QByteArray& body);
    // A start answer is usable only with both a code and a device token.
    static bool isUsable(const PairingClient::Started& started);

    struct Poll
    {
        PairingClient::Status status = PairingClient::Pending;
        SourceConfig config; // the details sent from the phone, with Ready (partly, with Failed)
    };
    // A status answer: `httpStatus` is 0 when the reply carried none, `failed` whether the
    // network layer reported an error (an HTTP error status included).
    static Poll poll(int httpStatus, bool failed, const QByteArray& body);
};
