#include "localnetwork.h"

#include <QFile>
#include <QNetworkInterface>

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

// The interface of the IPv4 default route, from Linux's routing table; empty elsewhere.
QString defaultRouteInterface()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly))
        return QString();
    routes.readLine(); // the column names
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        // Iface Destination Gateway Flags ...: destination 0 is the default route.
        if (fields.size() > 3 && fields[1] == "00000000")
            return QString::fromLatin1(fields[0]);
    }
    return QString();
}
} // namespace

bool LocalNetwork::isLocalClient(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    const QHostAddress plain = isV4 ? QHostAddress(v4) : address;
    return plain.isLoopback() || plain.isLinkLocal() || isUniqueLocal(plain) ||
           (isV4 && isPrivateV4(plain));
}

QHostAddress LocalNetwork::chooseAddress(const QString& defaultRouteInterface,
                                         const QList<Interface>& interfaces)
{
    const bool routeKnown =
        std::any_of(interfaces.cbegin(), interfaces.cend(), [&](const Interface& i) {
            return i.usable && i.name == defaultRouteInterface;
        });
    for (const bool wantV4 : {true, false}) {
        for (const Interface& i : interfaces) {
            if (!i.usable || (routeKnown && i.name != defaultRouteInterface))
                continue;
            for (const QHostAddress& address : i.addresses) {
                if (wantV4 ? (address.protocol() == QAbstractSocket::IPv4Protocol &&
                              isPrivateV4(address))
                           : isUniqueLocal(address))
                    return address;
            }
        }
    }
    return QHostAddress();
}

QHostAddress LocalNetwork::currentAddress()
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
        for (const QNetworkAddressEntry& entry : network.addressEntries())
            i.addresses.append(entry.ip());
        interfaces.append(i);
    }
    return chooseAddress(defaultRouteInterface(), interfaces);
}
