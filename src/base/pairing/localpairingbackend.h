#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class PairingServer;

// The pairing backend inside the player, for when no backend address is configured: listens on
// one of this computer's home-network addresses, on port 8787 when it is free (so a firewall
// rule can be made once) and on a free port otherwise, and answers only clients from private,
// loopback and link-local addresses. It runs only between start() and stop().
class LocalPairingBackend final : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kPreferredPort = 8787;

    explicit LocalPairingBackend(QObject* parent = nullptr);
    ~LocalPairingBackend() override;

    // Where a phone on the home network may reach this computer, best first.
    static QList<QHostAddress> addresses();

    // Listens there from the next start() on; stops listening elsewhere. A null address: the
    // best of addresses().
    void setAddress(const QHostAddress& address);

    // Listens (if not already); false with a message for the user when it cannot.
    bool start(QString* error);
    void stop();
    bool isListening() const { return server != nullptr; }
    // "http://<address>:<port>/" while listening.
    QString baseUrl() const;
    quint16 port() const;

    // Test seams: where to listen instead of the home-network addresses (an empty list: none),
    // and which port to prefer; an empty function or port 0 goes back to the real ones.
    static void setAddressSourceForTests(std::function<QList<QHostAddress>()> source);
    static void setPreferredPortForTests(quint16 port);

private:
    PairingServer* server = nullptr;
    QHostAddress wanted;
};
