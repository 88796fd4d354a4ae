#pragma once

// A load client for the pairing backend: many keep-alive HTTP/1.1 connections on loopback, driven
// by one epoll loop so that the client costs little next to the servers it measures. Connections
// are spread over the given instances as a load balancer would, and kept from one phase to the
// next as a load balancer keeps them; a connection that breaks is counted and opened again.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace pairingload {

struct Endpoint
{
    QString host;
    quint16 port = 0;
};

struct Result
{
    qint64 answers = 0;
    qint64 failures = 0; // non-200 answers or broken connections
    double seconds = 0;
    std::vector<double> latenciesMs;

    double perSecond() const { return seconds > 0 ? double(answers) / seconds : 0; }
    double percentileMs(double p) const;
};

class Driver;

class Client final
{
public:
    Client(const QList<Endpoint>& endpoints, int connections);
    ~Client();

    // Opens `count` pairings (POST start) and returns their device tokens.
    QStringList openPairings(int count);

    // Each token polls once per `intervalMs`, first polls spread over one interval, for
    // `seconds`. Latency counts from when a poll was due, so a backend that falls behind shows
    // it.
    Result pollAtRate(const QStringList& tokens, int intervalMs, double seconds);

    // Every connection polls again as soon as it has its answer, for `seconds`.
    Result pollFlatOut(const QStringList& tokens, double seconds);

private:
    std::unique_ptr<Driver> driver;
};

} // namespace pairingload
