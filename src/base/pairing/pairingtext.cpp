#include "pairing/pairingtext.h"

#include <QCoreApplication>
#include <QUrl>

bool pairingCodeExpired(qint64 remainingMs)
{
    return remainingMs <= 999;
}

QString waitingText(qint64 remainingMs)
{
    const qint64 seconds = remainingMs / 1000;
    return QCoreApplication::translate("PairDialog", "Waiting for your phone... (expires in %1:%2)")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString pairingShortLink(const QString& pairUrl)
{
    const QUrl url(pairUrl, QUrl::TolerantMode);
    QString host = url.host(QUrl::FullyDecoded);
    if (host.contains(u':'))
        host = u'[' + host + u']'; // IPv6, so that a port can follow
    // A port the scheme does not imply must be typed, or the link reaches another service.
    const int port = url.port();
    const int implied = url.scheme() == QLatin1String("https") ? 443 : 80;
    if (port != -1 && port != implied)
        host += u':' + QString::number(port);
    return host + url.path(QUrl::FullyDecoded);
}

QString pairingInstructions(const QString& pairUrl, quint16 localPort)
{
    const QString steps =
        QCoreApplication::translate("PairDialog",
                                    "On your phone, scan the QR code or open <b>%1</b>, then enter "
                                    "this code:")
            .arg(pairingShortLink(pairUrl).toHtmlEscaped());
    if (localPort == 0)
        return steps;
    return QCoreApplication::translate("PairDialog",
                                       "Your phone must be on the same network as this "
                                       "computer.<br>If this computer has a firewall, let in "
                                       "TCP port %1 for it.<br>%2")
        .arg(QString::number(localPort), steps);
}

QString displayedCode(const QString& code)
{
    return code.left(3) + QLatin1Char('-') + code.mid(3);
}

QString deviceNameText(const QString& hostName)
{
    if (hostName.isEmpty())
        return QString();
    //: %1 and %3 are quotation marks around the computer's name %2.
    return QCoreApplication::translate("PairDialog", "Your phone will show this computer as %1%2%3")
        .arg(QChar(0x201C), hostName, QChar(0x201D));
}

QString failureText(const QString& reason)
{
    if (reason.isEmpty())
        return QString();
    return QCoreApplication::translate(
               "PairDialog",
               "That didn't work: %1\nFix it on your phone and send it again with the new code.")
        .arg(reason);
}
