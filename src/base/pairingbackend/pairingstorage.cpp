#include "pairingstorage.h"

#include <QMetaObject>

namespace {
// The answer is known at once, but callers count on it arriving later.
template <typename Answer, typename Callback>
void answerLater(QObject* context, Answer answer, Callback done)
{
    QMetaObject::invokeMethod(
        context, [answer = std::move(answer), done = std::move(done)] { done(answer); },
        Qt::QueuedConnection);
}
} // namespace

MemoryPairingStorage::MemoryPairingStorage(const PairingStore::Limits& limits, QObject* parent)
    : PairingStorage(parent)
    , memory(limits)
{}

void MemoryPairingStorage::open(const QString& client, const QString& deviceName, OpenCallback done)
{
    answerLater(this, memory.open(client, deviceName), std::move(done));
}

void MemoryPairingStorage::poll(const QString& deviceToken, PollCallback done)
{
    answerLater(this, memory.poll(deviceToken), std::move(done));
}

void MemoryPairingStorage::submit(const QString& client, const QString& typedCode,
                                  const PairingStore::Details& details, SubmitCallback done)
{
    answerLater(this, memory.submit(client, typedCode, details), std::move(done));
}
