#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

// Which addresses count as this computer's home network: what the built-in backend listens on
// and whom it answers.
namespace LocalNetwork {

// Private IPv4 ranges, IPv6 unique-local addresses, loopback and link-local (also an IPv4
// address written as IPv6).
bool isLocalClient(const QHostAddress& address);

struct Interface
{
    QString name;
    bool usable = false; // up, running, not loopback
    QList<QHostAddress> addresses;
};

// The address phones on the home network reach this computer at: on the interface of the
// default route (any usable interface when that is unknown), its first private IPv4 address,
// otherwise its first unique-local IPv6 address; null when there is none.
QHostAddress chooseAddress(const QString& defaultRouteInterface,
                           const QList<Interface>& interfaces);

// chooseAddress() for this computer's interfaces and routing table.
QHostAddress currentAddress();

} // namespace LocalNetwork
