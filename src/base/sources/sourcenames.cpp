#include "sources/sourcenames.h"

#include <QCryptographicHash>
#include <QRegularExpression>

QList<QString> sourceNamesExcept(const QList<SourceConfig>& sources, const QString& except)
{
    QList<QString> names;
    for (const SourceConfig& source : sources) {
        if (source.name != except)
            names.append(source.name);
    }
    return names;
}

QString uniqueSourceName(const QString& name, const QList<QString>& otherNames)
{
    auto taken = [&otherNames](const QString& candidate) {
        return otherNames.contains(candidate, Qt::CaseInsensitive);
    };
    if (!taken(name))
        return name;
    for (int n = 2;; ++n) {
        // One pass: a "%1" in the name stays as it is.
        const QString candidate = QStringLiteral("%1 (%2)").arg(name, QString::number(n));
        if (!taken(candidate))
            return candidate;
    }
}

QString sanitizedFileBaseName(const QString& name)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]"));
    QString base = name;
    base.replace(unsafe, QStringLiteral("_"));
    return base;
}

QString playlistCopyFileName(const QString& name, const QString& sourceSuffix,
                             const QList<QString>& otherNames)
{
    QString base = sanitizedFileBaseName(name);
    if (base.isEmpty())
        base = QStringLiteral("playlist");
    const bool shared = std::any_of(otherNames.begin(), otherNames.end(), [&](const QString& other) {
        return other != name && sanitizedFileBaseName(other) == sanitizedFileBaseName(name);
    });
    if (shared) {
        const QByteArray digest =
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
        base += u'-' + QString::fromLatin1(digest.left(8));
    }
    if (!sourceSuffix.isEmpty())
        base += u'.' + sourceSuffix;
    return base;
}
