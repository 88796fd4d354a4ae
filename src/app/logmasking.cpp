#include "app/logmasking.h"

#include <QRegularExpression>

QString maskPassword(const QString& text, const QString& password)
{
    if (password.isEmpty())
        return text;
    QString masked = text;
    masked.replace(password, QStringLiteral("***"));
    return masked;
}

QString maskUrlSecrets(const QString& url)
{
    static const QRegularExpression userInfo(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*://[^/:@?#]*:)[^/@?#]*@"));
    static const QRegularExpression queryPassword(QStringLiteral("([?&](?:password|pass|pwd)=)[^&#]*"),
                                                  QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression xtreamPath(QStringLiteral("(/(?:live|movie|series|timeshift)/[^/?#]+/)[^/?#]+(?=/)"));
    QString masked = url;
    masked.replace(userInfo, QStringLiteral("\\1***@"));
    masked.replace(queryPassword, QStringLiteral("\\1***"));
    masked.replace(xtreamPath, QStringLiteral("\\1***"));
    return masked;
}
