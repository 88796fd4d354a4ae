#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

// The pairing backend (velmora-pairing-server) as a real process on an ephemeral loopback port,
// for tests. The process ends when this object is destroyed.
class PairingServerProcess final
{
public:
    explicit PairingServerProcess(const QString& program);
    ~PairingServerProcess();

    PairingServerProcess(const PairingServerProcess&) = delete;
    PairingServerProcess& operator=(const PairingServerProcess&) = delete;

    // Starts the server with `--listen 127.0.0.1:0` and the given options and waits until it
    // reports its address. False (see errorText()) when it did not come up.
    bool start(const QStringList& options = {});
    // Drops what the server logs instead of keeping it (for long runs: an unread pipe would
    // fill up and stall the server). Call before start().
    void discardLog() { process.setStandardErrorFile(QProcess::nullDevice()); }
    void stop();

    QString baseUrl() const { return base; } // "http://127.0.0.1:<port>" (https with --cert)
    QUrl url(const QString& pathAndQuery) const;
    // Plays the phone: posts `details` with `code` as the pair page does (JSON) and returns the
    // answer's HTTP status (0 when there was none).
    int submit(const QString& code, const QJsonObject& details) const;
    // Everything the server wrote to standard output and standard error so far.
    QByteArray output();
    QString errorText() const { return error; }
    qint64 pid() const { return process.processId(); }

private:
    QString program;
    QProcess process;
    QString base;
    QString error;
    QByteArray log;
};
