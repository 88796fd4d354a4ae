#include "guide/guideimporter.h"

#include "app/clock.h"
#include "guide/guidestorewriter.h"
#include "guide/xmltvreader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {
constexpr qint64 kReadChunk = 1024 * 1024;

// One import: decides per channel id whether it is kept, and hands kept programmes to the
// writer within the time window.
class ImportSink final
{
public:
    ImportSink(const GuideImporter::Request& request, GuideStoreWriter& writer)
        : request(request)
        , writer(writer)
    {}

    XmltvReader::Handlers handlers()
    {
        XmltvReader::Handlers h;
        h.channel = [this](QByteArrayView id, const QStringList& names) { channel(id, names); };
        h.programmeChannel = [this](QByteArrayView id) { return programmeChannel(id); };
        h.programme = [this](int ch, GuideProgramme&& p) { programme(ch, p); };
        return h;
    }

    // The address being read, by its place in the request.
    void beginAddress(int index) { address = index; }

    qint64 dropped = 0;

private:
    void channel(QByteArrayView idBytes, const QStringList& names)
    {
        const QByteArray id = idBytes.toByteArray();
        const QString text = QString::fromUtf8(id);
        // A channel declared again (or by another address) adds its names to the first's.
        QStringList& known = namesOf[id];
        const qsizetype before = known.size();
        for (const QString& name : names) {
            if (!known.contains(name))
                known.append(name);
        }
        auto it = decisions.find(id);
        if (it != decisions.end() && *it >= 0) {
            if (known.size() != before)
                writer.addChannel(*it, text, known); // met a programme first, or new names
            return;
        }
        const bool wanted = request.wanted.wantsChannel(text, known);
        if (it == decisions.end() || wanted)
            decisions.insert(id, wanted ? addChannel(text, known) : -1);
    }

    int programmeChannel(QByteArrayView idBytes)
    {
        int number = -1;
        auto it = decisions.constFind(idBytes.toByteArray());
        if (it != decisions.cend()) {
            number = *it;
        } else {
            // No <channel> before its programmes: only the id can match.
            const QString text = QString::fromUtf8(idBytes);
            number = request.wanted.wantsChannel(text, {}) ? addChannel(text, {}) : -1;
            decisions.insert(idBytes.toByteArray(), number);
        }
        if (number < 0)
            return -1;
        // The first address with programmes for a channel gives all of them: two schedules of
        // one channel would overlap and contradict each other.
        if (owners.size() <= number)
            owners.resize(number + 1, -1);
        int& owner = owners[number];
        if (owner < 0)
            owner = address;
        return owner == address ? number : -1;
    }

    void programme(int ch, GuideProgramme& p)
    {
        p.start += request.offsetSecs;
        if (p.stop != 0)
            p.stop += request.offsetSecs;
        if ((p.stop != 0 && p.stop <= p.start) || (p.stop != 0 && p.stop < request.keepFrom) ||
            p.start > request.keepUntil || p.start < request.keepFrom - 2 * 86400) {
            ++dropped;
            return;
        }
        writer.addProgramme(ch, p);
    }

    int addChannel(const QString& id, const QStringList& names)
    {
        const int number = nextNumber++;
        writer.addChannel(number, id, names);
        return number;
    }

    const GuideImporter::Request& request;
    GuideStoreWriter& writer;
    QHash<QByteArray, int> decisions;       // channel id: its number, or -1 when not kept
    QHash<QByteArray, QStringList> namesOf; // channel id: every display name declared for it
    QList<int> owners; // by channel number: the address its programmes come from, or -1
    int address = 0;
    int nextNumber = 1;
};

struct Cancel
{
    std::atomic<bool> requested{false};
};

// Reads one address into `reader`; an empty text on success, else why not.
QString readAddress(const QUrl& url, const GuideImporter::Request& request, XmltvReader& reader,
                    const Cancel& cancel, const std::function<void(double)>& fraction)
{
    if (url.isLocalFile() || url.scheme().isEmpty()) {
        QFile file(url.isLocalFile() ? url.toLocalFile() : url.toString());
        if (!file.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("GuideImporter", "cannot open %1")
                .arg(file.fileName());
        const qint64 size = std::max<qint64>(1, file.size());
        QByteArray buffer(kReadChunk, Qt::Uninitialized);
        qint64 done = 0;
        while (!cancel.requested) {
            const qint64 n = file.read(buffer.data(), buffer.size());
            if (n < 0)
                return QCoreApplication::translate("GuideImporter", "cannot read %1")
                    .arg(file.fileName());
            if (n == 0)
                break;
            done += n;
            if (!reader.feed(QByteArrayView(buffer.constData(), n)))
                return reader.error();
            fraction(double(done) / double(size));
        }
        if (cancel.requested)
            return QStringLiteral("cancelled");
        return reader.finish() ? QString() : reader.error();
    }

    // The network: an event loop of this thread drives the reply; each piece is read as it
    // comes, and the socket waits while the reader works.
    QNetworkAccessManager manager;
    QNetworkRequest networkRequest(url);
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::NoLessSafeRedirectPolicy);
    // Asked for explicitly, the body arrives as sent and is inflated here, as it streams.
    networkRequest.setRawHeader("Accept-Encoding", request.acceptGzip ? "gzip" : "identity");
    const int inactivity = Clock::waitMs(request.inactivityTimeoutMs);
    if (inactivity > 0)
        networkRequest.setTransferTimeout(inactivity);
    QNetworkReply* reply = manager.get(networkRequest);
    reply->setReadBufferSize(4 * kReadChunk);

    QString failure;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer elapsed;
    elapsed.start();
    auto stop = [&](const QString& why) {
        if (failure.isEmpty())
            failure = why;
        if (reply->isRunning())
            reply->abort();
        loop.quit();
    };
    auto readSome = [&]() {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && status.toInt() != 200) {
            stop(QCoreApplication::translate("GuideImporter", "the server answered HTTP %1")
                     .arg(status.toInt()));
            return;
        }
        while (reply->bytesAvailable() > 0 && failure.isEmpty()) {
            const QByteArray piece = reply->read(kReadChunk);
            if (!reader.feed(piece)) {
                stop(reader.error());
                return;
            }
        }
    };
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, readSome);
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 got, qint64 total) {
        if (total > 0)
            fraction(double(got) / double(total));
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&]() {
        if (failure.isEmpty()) {
            if (reply->error() == QNetworkReply::OperationCanceledError)
                failure =
                    QCoreApplication::translate("GuideImporter", "the server stopped sending");
            else if (reply->error() != QNetworkReply::NoError)
                failure = reply->errorString();
            else
                readSome();
        }
        loop.quit();
    });
    QObject::connect(&poll, &QTimer::timeout, &loop, [&]() {
        if (cancel.requested)
            stop(QStringLiteral("cancelled"));
        else if (request.totalTimeoutMs > 0 && elapsed.elapsed() > request.totalTimeoutMs)
            stop(QCoreApplication::translate("GuideImporter", "the download did not end in time"));
    });
    poll.start(50);
    loop.exec();
    poll.stop();
    reply->deleteLater();
    if (!failure.isEmpty())
        return failure;
    return reader.finish() ? QString() : reader.error();
}

GuideImporter::Result runImport(const GuideImporter::Request& request, const Cancel& cancel,
                                const GuideImporter::Progress& progress)
{
    GuideImporter::Result result;
    GuideStoreWriter writer(request.storePath);
    if (!writer.begin()) {
        result.message = writer.error();
        return result;
    }
    ImportSink sink(request, writer);
    QStringList failures;
    int read = 0;
    int lastPercent = -1;
    for (int i = 0; i < request.urls.size() && !cancel.requested; ++i) {
        sink.beginAddress(i);
        XmltvReader reader(sink.handlers(), request.maxBytes);
        const QString why = readAddress(request.urls[i], request, reader, cancel, [&](double f) {
            const int percent =
                int((i + std::clamp(f, 0.0, 1.0)) * 100 / double(request.urls.size()));
            if (percent != lastPercent && progress)
                progress(lastPercent = percent);
        });
        result.skipped += reader.skippedCount();
        if (why.isEmpty())
            ++read;
        else
            failures.append(why);
    }
    result.skipped += sink.dropped;
    if (cancel.requested) {
        result.cancelled = true;
        result.message = QStringLiteral("cancelled");
        return result;
    }
    if (!writer.error().isEmpty()) {
        result.message = writer.error();
        return result;
    }
    if (read == 0) {
        result.message =
            failures.value(0, QCoreApplication::translate("GuideImporter", "no guide address"));
        return result;
    }
    if (!writer.commit(request.meta)) {
        result.message = writer.error();
        return result;
    }
    // Also when a newer import's guide was found in place and this one dropped: the store holds
    // a complete guide at least as new.
    result.ok = true;
    result.programmes = writer.programmeCount();
    result.message = failures.join(QStringLiteral("; "));
    return result;
}
} // namespace

struct GuideImporter::Run
{
    Cancel cancel;
    QThread* thread = nullptr;
};

GuideImporter::GuideImporter(QObject* parent)
    : QObject(parent)
{}

GuideImporter::~GuideImporter()
{
    for (const auto& run : std::as_const(runs))
        run->cancel.requested = true;
    for (const auto& run : std::as_const(runs)) {
        run->thread->wait();
        delete run->thread;
    }
}

GuideImporter::Result GuideImporter::importNow(const Request& request, const Progress& progress)
{
    const Cancel never;
    return runImport(request, never, progress);
}

void GuideImporter::start(const Request& request, Progress progress, Done done)
{
    cancel();
    auto run = std::make_shared<Run>();
    runs.append(run);
    run->thread = QThread::create([this, run, request, progress, done]() {
        const Result result = runImport(request, run->cancel, [this, run, progress](int percent) {
            QMetaObject::invokeMethod(
                this,
                [run, progress, percent]() {
                    if (!run->cancel.requested && progress)
                        progress(percent);
                },
                Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this,
            [this, run, result, done]() {
                run->thread->wait();
                delete run->thread;
                runs.removeOne(run);
                Result delivered = result;
                if (run->cancel.requested && !delivered.ok) {
                    delivered.cancelled = true;
                    delivered.message = QStringLiteral("cancelled");
                }
                if (done)
                    done(delivered);
            },
            Qt::QueuedConnection);
    });
    // The import must not take the processor from the window.
    run->thread->start(QThread::LowPriority);
}

void GuideImporter::cancel()
{
    for (const auto& run : std::as_const(runs))
        run->cancel.requested = true;
}

bool GuideImporter::isRunning() const
{
    for (const auto& run : runs) {
        if (!run->cancel.requested)
            return true;
    }
    return false;
}
