#include "pairingserverprocess.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

PairingServerProcess::PairingServerProcess(const QString& program)
    : program(program)
{}

PairingServerProcess::~PairingServerProcess()
{
    stop();
}

bool PairingServerProcess::start(const QStringList& options)
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program,
                  QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")} + options);
    if (!process.waitForStarted(10000)) {
        error = process.errorString();
        return false;
    }
    // The first line on standard output is "listening <url>".
    QByteArray out;
    const QDeadlineTimer deadline(10000);
    while (!out.contains('\n')) {
        if (deadline.hasExpired() || process.state() != QProcess::Running) {
            error = QStringLiteral("no listening line; output: ") +
                    QString::fromUtf8(out + process.readAllStandardError());
            return false;
        }
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    log += out;
    const QByteArray line = out.left(out.indexOf('\n')).trimmed();
    if (!line.startsWith("listening ")) {
        error = QStringLiteral("unexpected first line: ") + QString::fromUtf8(line);
        return false;
    }
    base = QString::fromUtf8(line.mid(int(qstrlen("listening "))));
    return true;
}

void PairingServerProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    output();
}

QUrl PairingServerProcess::url(const QString& pathAndQuery) const
{
    return QUrl(base + pathAndQuery);
}

QByteArray PairingServerProcess::output()
{
    log += process.readAllStandardOutput();
    log += process.readAllStandardError();
    return log;
}

int PairingServerProcess::submit(const QString& code, const QJsonObject& details) const
{
    QJsonObject body = details;
    body.insert(QStringLiteral("code"), code);
    QNetworkAccessManager phone;
    QNetworkRequest request(url(QStringLiteral("/api/v1/pair/submit")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    QNetworkReply* reply = phone.post(request, QJsonDocument(body).toJson());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}
