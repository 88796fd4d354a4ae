#include "pairing/localpairingbackend.h"

#include "localnetwork.h"
#include "pairingserver.h"

#include <QCoreApplication>

namespace {
std::function<QList<QHostAddress>()> addressSource;
quint16 preferredPortForTests = 0;

PairingServer* listeningServer(const QHostAddress& address, quint16 port, QObject* parent,
                               QString* error)
{
    PairingServer::Settings settings;
    settings.address = address;
    settings.port = port;
    settings.localClientsOnly = true;
    settings.quiet = true;
    auto* server = new PairingServer(settings, nullptr, parent);
    if (server->listen(error))
        return server;
    delete server;
    return nullptr;
}
} // namespace

LocalPairingBackend::LocalPairingBackend(QObject* parent)
    : QObject(parent)
{}

LocalPairingBackend::~LocalPairingBackend() = default;

void LocalPairingBackend::setAddressSourceForTests(std::function<QList<QHostAddress>()> source)
{
    addressSource = std::move(source);
}

void LocalPairingBackend::setPreferredPortForTests(quint16 port)
{
    preferredPortForTests = port;
}

QList<QHostAddress> LocalPairingBackend::addresses()
{
    return addressSource ? addressSource() : LocalNetwork::currentAddresses();
}

void LocalPairingBackend::setAddress(const QHostAddress& address)
{
    if (address == wanted)
        return;
    wanted = address;
    stop();
}

bool LocalPairingBackend::start(QString* error)
{
    if (server)
        return true;
    const QHostAddress address = wanted.isNull() ? addresses().value(0) : wanted;
    if (address.isNull()) {
        *error = QCoreApplication::translate(
            "LocalPairingBackend",
            "This computer is not connected to a home network, so a phone cannot reach it. "
            "Connect it to your Wi-Fi or network cable, then get a new code.");
        return false;
    }
    // The same port every time when it is free, so that a firewall rule made once keeps working.
    const quint16 preferred = preferredPortForTests ? preferredPortForTests : kPreferredPort;
    QString listenError;
    server = listeningServer(address, preferred, this, &listenError);
    if (!server)
        server = listeningServer(address, 0, this, &listenError);
    if (!server) {
        *error = QCoreApplication::translate("LocalPairingBackend",
                                             "Could not start pairing on this computer (%1): %2")
                     .arg(address.toString(), listenError);
        return false;
    }
    return true;
}

void LocalPairingBackend::stop()
{
    // Destroying the server closes the listening socket and every connection.
    delete server;
    server = nullptr;
}

QString LocalPairingBackend::baseUrl() const
{
    return server ? server->listeningUrl() + QLatin1Char('/') : QString();
}

quint16 LocalPairingBackend::port() const
{
    return server ? server->port() : 0;
}
