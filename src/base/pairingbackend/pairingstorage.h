#pragma once

#include "pairingstore.h"

#include <QObject>
#include <QString>

#include <functional>

// Where the backend keeps its pairings: in this process, or shared by several instances.
// Every operation answers through its callback exactly once, later, on the calling thread; a
// storage that cannot be reached answers Unavailable.
class PairingStorage : public QObject
{
    Q_OBJECT

public:
    using OpenCallback = std::function<void(const PairingStore::Opened&)>;
    using PollCallback = std::function<void(const PairingStore::Poll&)>;
    using SubmitCallback = std::function<void(const PairingStore::Submission&)>;

    using QObject::QObject;

    virtual void open(const QString& client, const QString& deviceName, OpenCallback done) = 0;
    // Hands the details out once, also when several instances ask at the same moment.
    virtual void poll(const QString& deviceToken, PollCallback done) = 0;
    virtual void submit(const QString& client, const QString& typedCode,
                        const PairingStore::Details& details, SubmitCallback done) = 0;
};

// The pairings of one process, in a PairingStore.
class MemoryPairingStorage final : public PairingStorage
{
    Q_OBJECT

public:
    explicit MemoryPairingStorage(const PairingStore::Limits& limits, QObject* parent = nullptr);

    void open(const QString& client, const QString& deviceName, OpenCallback done) override;
    void poll(const QString& deviceToken, PollCallback done) override;
    void submit(const QString& client, const QString& typedCode,
                const PairingStore::Details& details, SubmitCallback done) override;

    PairingStore& store() { return memory; }

private:
    PairingStore memory;
};
