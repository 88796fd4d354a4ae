#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class ReconnectSchedule;

// Copies one stream into a file as it arrives, without transcoding: MPEG-TS byte for byte, HLS
// by following the playlist and appending its segments. Every byte goes to the file the moment
// it arrives, so the file plays at every moment, also after a crash. A dropped connection is
// tried again on the live reconnect's schedule into the same file and the gap is noted; the
// file, a web page instead of a stream or a refusing server end it with a message for the user,
// keeping what was written. Lives on whatever thread calls start(); it makes its own network
// access there.
class StreamRecorder final : public QObject
{
    Q_OBJECT

public:
    enum class Source
    {
        Live,  // runs until stopped; the end of the stream is a dropped connection
        Finite // an archive programme: the end of the stream is the end of the recording
    };
    enum class Outcome
    {
        Stopped,   // stop() was called
        Completed, // a finite source ended
        Failed     // see the message
    };
    struct Gap
    {
        qint64 atMs = 0;     // into the recording
        qint64 lengthMs = 0; // time without data
    };

    explicit StreamRecorder(QObject* parent = nullptr);
    ~StreamRecorder() override;

    // Takes each piece as it arrives, on the recorder's thread; false (with the message for the
    // user) ends the copy as Failed.
    using Sink = std::function<bool(const QByteArray& data, QString* failure)>;

    // Appends to `filePath` (made with its folder when missing). Reports through the signals.
    void start(const QUrl& url, const QString& filePath, Source source = Source::Live);
    // Hands what arrives to `sink` instead of a file of its own.
    void start(const QUrl& url, Sink sink, Source source = Source::Live);
    // The user's words when the source gives nothing to copy; a recording's unless set.
    struct Wording
    {
        std::function<QString(int httpStatus)> refused;
        std::function<QString()> webPage;
        std::function<QString()> unsupported; // encrypted or fragmented MP4
    };
    void setWording(Wording words) { wording = std::move(words); }
    // Ends the recording; the file keeps what was written.
    void stop();

    bool isRunning() const { return running; }
    bool isHls() const { return mode == Mode::Hls; }
    qint64 bytesWritten() const { return written; }
    QList<Gap> gaps() const { return gapList; }
    QString filePath() const { return file.fileName(); }

    // The message for a file that can no longer be written, for `error` of QFileDevice.
    static QString writeFailure(const QString& path, int error, qint64 written);

signals:
    void receiving();                     // data flows (again)
    void progressed(qint64 bytesWritten); // at most once a second
    // A finite source whose size is known: how much of it is saved, 0 to 1000, with progressed.
    void fractionDone(int permille);
    void reconnecting(int attempt);
    void gapNoted(qint64 atMs, qint64 lengthMs);
    void finished(StreamRecorder::Outcome outcome, const QString& message);

private:
    enum class Mode
    {
        Sniffing, // the first bytes decide what the source sends
        Ts,
        Hls
    };

    void begin(const QUrl& url, Source kind);
    void connectSource();
    void openStream();
    void onStreamData(QNetworkReply* reply);
    void onStreamEnd(QNetworkReply* reply);
    void fetchPlaylist();
    void onPlaylist();
    void downloadNextSegment();
    void onSegmentData(QNetworkReply* reply);
    void onSegmentEnd(QNetworkReply* reply);
    bool append(const QByteArray& data);
    void dropped();
    void finish(Outcome outcome, const QString& message = {});
    void abortTransfers();
    bool refused(QNetworkReply* reply, QString* message) const;
    QString webPageMessage() const;

    QNetworkAccessManager* network = nullptr;
    ReconnectSchedule* schedule = nullptr;
    QTimer* playlistTimer = nullptr;
    QFile file;
    Sink sink;
    Wording wording;
    QUrl sourceUrl;
    QUrl playlistUrl;
    Source source = Source::Live;
    Mode mode = Mode::Sniffing;
    QPointer<QNetworkReply> streamReply;
    QPointer<QNetworkReply> playlistReply;
    QPointer<QNetworkReply> segmentReply;
    QByteArray sniffed;
    QByteArray playlistText;
    QList<QUrl> segmentQueue;
    qint64 nextSequence = -1;
    double targetSeconds = 6.0;
    bool playlistEnded = false;
    bool segmentChecked = false;
    bool running = false;
    bool gapOpen = false;
    qint64 written = 0;
    qint64 expectedBytes = 0; // a finite TS source: its Content-Length, written before included
    int segmentsTotal = 0;    // a finite HLS source: its playlist's segments
    int segmentsDone = 0;
    qint64 startMs = 0;
    qint64 lastDataMs = 0;
    QElapsedTimer progressTimer;
    QList<Gap> gapList;
};
