#include "localnetwork.h"

#include <QFile>
#include <QNetworkInterface>
#include <QtEndian>

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace {
bool isPrivateV4(const QHostAddress& address)
{
    static const QList<QPair<QHostAddress, int>> ranges = {
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16"))};
    return std::any_of(ranges.cbegin(), ranges.cend(), [&address](const auto& range) {
        return address.isInSubnet(range.first, range.second);
    });
}

bool isUniqueLocal(const QHostAddress& address)
{
    return address.protocol() == QAbstractSocket::IPv6Protocol &&
           (address.toIPv6Address()[0] & 0xfe) == 0xfc;
}

bool startsWithAny(const QString& name, std::initializer_list<const char*> prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [&name](const char* prefix) {
        return name.startsWith(QLatin1String(prefix));
    });
}

// Host-only networks of containers and virtual machines.
bool isLocalBridge(const QString& name)
{
    return startsWithAny(name, {"docker", "veth", "virbr", "br-", "lxcbr", "lxdbr", "cni", "podman",
                                "vboxnet", "vmnet", "flannel", "cali", "kube"});
}

constexpr int kRtfUp = 0x1;
} // namespace

bool LocalNetwork::isLocalClient(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    const QHostAddress plain = isV4 ? QHostAddress(v4) : address;
    return plain.isLoopback() || plain.isLinkLocal() || isUniqueLocal(plain) ||
           (isV4 && isPrivateV4(plain));
}

QList<LocalNetwork::Route> LocalNetwork::parseRoutes(const QByteArray& table)
{
    QList<Route> routes;
    const QList<QByteArray> lines = table.split('\n');
    // Iface Destination Gateway Flags RefCnt Use Metric Mask ...; the first line names them.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 8)
            continue;
        bool ok[4] = {};
        // The kernel prints the raw network-order words as numbers.
        const quint32 destination = qFromBigEndian(quint32(fields[1].toUInt(&ok[0], 16)));
        const int flags = fields[3].toInt(&ok[1], 16);
        const int metric = fields[6].toInt(&ok[2]);
        const quint32 mask = qFromBigEndian(quint32(fields[7].toUInt(&ok[3], 16)));
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || !(flags & kRtfUp))
            continue;
        routes.append({QString::fromLatin1(fields[0]), destination & mask, mask, metric});
    }
    return routes;
}

QList<LocalNetwork::Route> LocalNetwork::readRoutes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseRoutes(file.readAll());
}

QString LocalNetwork::routeInterface(const QList<Route>& routes, quint32 destination)
{
    const Route* best = nullptr;
    for (const Route& route : routes) {
        if ((destination & route.mask) != route.destination)
            continue;
        if (!best || route.mask > best->mask ||
            (route.mask == best->mask && route.metric < best->metric))
            best = &route;
    }
    return best ? best->interfaceName : QString();
}

bool LocalNetwork::isTunnel(const Interface& interface)
{
    return interface.tunnel || isLocalBridge(interface.name) ||
           startsWithAny(interface.name, {"tun", "tap", "wg", "ppp", "ipsec", "vti", "gre", "sit",
                                          "zt", "tailscale", "nordlynx", "utun", "proton"});
}

QList<QHostAddress> LocalNetwork::candidateAddresses(const QList<Route>& routes,
                                                     const QList<Interface>& interfaces)
{
    // The real default route: a VPN's 0.0.0.0/1 and 128.0.0.0/1 only win for the internet.
    const Route* defaultRoute = nullptr;
    for (const Route& route : routes) {
        if (route.mask == 0 && (!defaultRoute || route.metric < defaultRoute->metric))
            defaultRoute = &route;
    }
    struct Candidate
    {
        QHostAddress address;
        std::tuple<bool, bool, bool, bool> rank; // lower is better
    };
    QList<Candidate> candidates;
    for (const Interface& i : interfaces) {
        if (!i.usable || isLocalBridge(i.name))
            continue;
        for (const QHostAddress& address : i.addresses) {
            const bool v4 = address.protocol() == QAbstractSocket::IPv4Protocol;
            if (!(v4 ? isPrivateV4(address) : isUniqueLocal(address)))
                continue;
            // Whether the kernel sends that network into a tunnel (a VPN that takes the home
            // network too); IPv6 is not in this table.
            const QString via = v4 ? routeInterface(routes, address.toIPv4Address()) : QString();
            const auto viaInterface =
                std::find_if(interfaces.cbegin(), interfaces.cend(),
                             [&via](const Interface& other) { return other.name == via; });
            Interface named;
            named.name = via;
            const bool routedHere =
                via.isEmpty() ||
                !isTunnel(viaInterface != interfaces.cend() ? *viaInterface : named);
            const bool onDefault = defaultRoute && defaultRoute->interfaceName == i.name;
            candidates.append({address, {isTunnel(i), !routedHere, !onDefault, !v4}});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
    QList<QHostAddress> chosen;
    for (const Candidate& candidate : candidates) {
        // A tunnel only when there is nothing better.
        if (std::get<0>(candidate.rank) && !chosen.isEmpty())
            break;
        chosen.append(candidate.address);
    }
    return chosen;
}

QList<QHostAddress> LocalNetwork::currentAddresses()
{
    QList<Interface> interfaces;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& network : all) {
        const auto flags = network.flags();
        Interface i;
        i.name = network.name();
        i.usable = flags.testFlag(QNetworkInterface::IsUp) &&
                   flags.testFlag(QNetworkInterface::IsRunning) &&
                   !flags.testFlag(QNetworkInterface::IsLoopBack);
        i.tunnel = flags.testFlag(QNetworkInterface::IsPointToPoint) ||
                   network.type() == QNetworkInterface::Ppp ||
                   network.type() == QNetworkInterface::Virtual;
        for (const QNetworkAddressEntry& entry : network.addressEntries())
            i.addresses.append(entry.ip());
        interfaces.append(i);
    }
    return candidateAddresses(readRoutes(QStringLiteral("/proc/net/route")), interfaces);
}
