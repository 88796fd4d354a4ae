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
    bool tunnel = false; // a point-to-point or virtual link (besides what its name tells)
};

// One IPv4 route of the kernel's main table; addresses and masks in host byte order.
struct Route
{
    QString interfaceName;
    quint32 destination = 0;
    quint32 mask = 0;
    int metric = 0;
};

// The routes of a table in the format of Linux's /proc/net/route (routes that are not up are
// left out); empty when the file cannot be read.
QList<Route> readRoutes(const QString& path);
QList<Route> parseRoutes(const QByteArray& table);

// The interface the kernel sends traffic for `destination` through: the longest matching prefix,
// then the lowest metric. Empty when no route matches.
QString routeInterface(const QList<Route>& routes, quint32 destination);

// VPNs, tunnels and the bridges of containers and virtual machines: a phone on the home network
// never reaches this computer through them.
bool isTunnel(const Interface& interface);

// The addresses phones on the home network may reach this computer at, best first: private IPv4
// (then unique-local IPv6) addresses of usable physical interfaces whose own network the kernel
// routes through them, the interface of the default route (the 0/0 route, never a VPN's 0/1
// halves) first. Tunnels count only when there is nothing else; container and VM bridges never.
QList<QHostAddress> candidateAddresses(const QList<Route>& routes,
                                       const QList<Interface>& interfaces);

// candidateAddresses() for this computer's interfaces and routing table.
QList<QHostAddress> currentAddresses();

} // namespace LocalNetwork
