#pragma once

#include "archivestream.h"
#include "demooptions.h"
#include "faultcontrol.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QCache>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include <memory>
#include <utility>

class CatalogRenderer;
class ClipStore;
class DemoCatalog;
class DemoGuide;
class LiveHub;
class QTcpSocket;

// The demo server: an Xtream player API over a made-up catalog, its M3U playlist, generated
// posters, live channels and clips behind the usual stream addresses, and a control endpoint
// that makes parts of it fail on purpose.
class DemoServer final : public QAbstractHttpServer
{
    Q_OBJECT

public:
    explicit DemoServer(const DemoOptions& options, QObject* parent = nullptr);
    ~DemoServer() override;

    // Listens and builds the catalog. False with a message when the address cannot be used.
    bool start(QString* error);
    QString baseUrl() const { return base; }
    const DemoCatalog& demoCatalog() const { return *catalog; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    void serveIndex(const QHttpServerRequest& request, QTcpSocket* socket);
    void serveApi(const QHttpServerRequest& request, QTcpSocket* socket);
    void serveGuide(const QHttpServerRequest& request, QTcpSocket* socket);
    void servePlaylist(const QHttpServerRequest& request, QTcpSocket* socket, bool checkLogin);
    void servePoster(const QHttpServerRequest& request, QTcpSocket* socket,
                     const QStringList& parts);
    void serveStream(const QHttpServerRequest& request, QTcpSocket* socket,
                     const QStringList& parts);
    void serveLive(const QHttpServerRequest& request, QTcpSocket* socket, qint64 id,
                   const QString& extension);
    void serveArchive(const QHttpServerRequest& request, QTcpSocket* socket,
                      const ArchiveStream::Request& archive);
    void serveSegment(const QHttpServerRequest& request, QTcpSocket* socket,
                      const QStringList& parts);
    void serveClip(const QHttpServerRequest& request, QTcpSocket* socket, qint64 id,
                   const QString& extension);
    void serveControl(const QHttpServerRequest& request, QTcpSocket* socket, const QString& action);

    // The catalog answers are what stall or turn to garbage on request; true when handled so.
    bool applyApiFault(const QHttpServerRequest& request, QTcpSocket* socket);
    // Keeps a request unanswered until the stall of `channel` (0: the API) ends.
    void hold(QTcpSocket* socket, qint64 channel);
    void releaseHeld(qint64 channel);
    bool credentialsMatch(const QString& user, const QString& password) const;
    // --max-connections: whether one more live stream fits the account. Open TS connections
    // count, and an HLS channel whose playlist was read in the last seconds counts as one.
    bool admitLive(qint64 channel, bool hls, QTcpSocket* socket);

    static void send(QTcpSocket* socket, bool headOnly, int status, const QByteArray& contentType,
                     const QByteArray& body, const Headers& extra = {});
    static void sendHead(QTcpSocket* socket, int status, const Headers& headers);
    static void sendFile(QTcpSocket* socket, bool headOnly, const QByteArray& rangeHeader,
                         const QString& path, const QByteArray& contentType);
    static void notFound(const QHttpServerRequest& request, QTcpSocket* socket);

    DemoOptions options;
    QString base;
    QString runDir; // this process' live folders, removed on exit
    std::unique_ptr<DemoCatalog> catalog;
    std::unique_ptr<CatalogRenderer> renderer;
    std::unique_ptr<DemoGuide> guide;
    QByteArray guidePlain; // rendered on first request
    QByteArray guideGzip;
    FaultControl faults;
    LiveHub* live = nullptr;
    ClipStore* clips = nullptr;
    QCache<QString, QByteArray> posters;
    QList<std::pair<qint64, QPointer<QTcpSocket>>> held;
    QList<std::pair<qint64, QPointer<QTcpSocket>>> archiveViewers; // cut when a channel drops
    QList<QPointer<QTcpSocket>> liveSockets; // counted against --max-connections
    QHash<qint64, qint64> hlsReadAt;         // channel -> when its playlist was last read
};
