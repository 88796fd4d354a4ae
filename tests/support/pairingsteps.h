#pragma once

#include "pairing/pairingclient.h"
#include "testtime.h"

#include <QTest>

#include <utility>

// The pairing client's two requests, waited for: what the pair dialog does, in test form.
// A request that does not answer within 10 s fails the running test.

inline PairingClient::Started openPairing(PairingClient& client)
{
    PairingClient::Started result;
    bool done = false;
    client.start([&](bool ok, const PairingClient::Started& started, const QString& error) {
        QVERIFY2(ok, qPrintable(error));
        result = started;
        done = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
    return result;
}

inline std::pair<PairingClient::Status, SourceConfig> pairingStatus(PairingClient& client,
                                                                    const QString& token)
{
    std::pair<PairingClient::Status, SourceConfig> result{PairingClient::Pending, {}};
    bool done = false;
    client.status(token, [&](PairingClient::Status status, const SourceConfig& config) {
        result = {status, config};
        done = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 10000); }();
    return result;
}
