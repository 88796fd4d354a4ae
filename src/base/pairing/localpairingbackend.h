#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <functional>

class PairingServer;

// The pairing backend inside the player, for when no backend address is configured: listens on
// this computer's home-network address on a free port and answers only clients from private,
// loopback and link-local addresses. It runs only between start() and stop().
class LocalPairingBackend final : public QObject
{
    Q_OBJECT

public:
    explicit LocalPairingBackend(QObject* parent = nullptr);
    ~LocalPairingBackend() override;

    // Listens (if not already); false with a message for the user when it cannot.
    bool start(QString* error);
    void stop();
    bool isListening() const { return server != nullptr; }
    // "http://<address>:<port>/" while listening.
    QString baseUrl() const;

    // Test seam: where to listen instead of the home-network address (a null address: none);
    // an empty function goes back to the real one.
    static void setAddressSourceForTests(std::function<QHostAddress()> source);

private:
    PairingServer* server = nullptr;
};
