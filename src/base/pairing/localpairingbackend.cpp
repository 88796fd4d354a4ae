#include "pairing/localpairingbackend.h"

#include "localnetwork.h"
#include "pairingserver.h"

namespace {
std::function<QHostAddress()> addressSource;
} // namespace

LocalPairingBackend::LocalPairingBackend(QObject* parent)
    : QObject(parent)
{}

LocalPairingBackend::~LocalPairingBackend() = default;

void LocalPairingBackend::setAddressSourceForTests(std::function<QHostAddress()> source)
{
    addressSource = std::move(source);
}

bool LocalPairingBackend::start(QString* error)
{
    if (server)
        return true;
    const QHostAddress address = addressSource ? addressSource() : LocalNetwork::currentAddress();
    if (address.isNull()) {
        *error = tr("This computer is not connected to a home network, so a phone cannot reach it. "
                    "Connect it to your Wi-Fi or network cable, then get a new code.");
        return false;
    }
    PairingServer::Settings settings;
    settings.address = address;
    settings.port = 0;
    settings.localClientsOnly = true;
    settings.quiet = true;
    auto* candidate = new PairingServer(settings, nullptr, this);
    QString listenError;
    if (!candidate->listen(&listenError)) {
        delete candidate;
        *error = tr("Could not start pairing on this computer (%1): %2")
                     .arg(address.toString(), listenError);
        return false;
    }
    server = candidate;
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
