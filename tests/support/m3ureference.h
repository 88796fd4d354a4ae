#pragma once

#include "model/category.h"
#include "model/mediaitem.h"
#include "providers/m3uparser.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>

// The playlist rules written the slow, obvious way: lines split on "\r\n|\n|\r" and one
// name="([^"]*)" expression per attribute. The real parser must give exactly the same results;
// the tests and the fuzz target both hold it to this.
inline M3uParser::Result m3uReferenceParse(QString text)
{
    if (text.startsWith(QChar(0xFEFF))) // the parser skips a byte-order mark left by decoding
        text.remove(0, 1);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    static const QRegularExpression groupTitle(QStringLiteral("group-title=\"([^\"]*)\""));
    static const QRegularExpression tvgLogo(QStringLiteral("tvg-logo=\"([^\"]*)\""));
    auto attribute = [](const QString& line, const QRegularExpression& pattern) {
        const QRegularExpressionMatch match = pattern.match(line);
        return match.hasMatch() ? match.captured(1) : QString();
    };
    M3uParser::Result result;
    QSet<QString> seen;
    QString name;
    QString group;
    QString logo;
    for (const QString& raw : text.split(lineEnd)) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QStringLiteral("#EXTINF"), Qt::CaseInsensitive)) {
            const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
            name = comma < 0 ? QStringLiteral("Unnamed") : line.mid(comma + 1).trimmed();
            group = attribute(line, groupTitle);
            if (group.isEmpty())
                group = QStringLiteral("Uncategorized");
            logo = attribute(line, tvgLogo);
            continue;
        }
        if (line.startsWith(QLatin1Char('#')) || name.isEmpty())
            continue;
        MediaItem item;
        item.type = MediaItem::Live;
        item.id = line;
        item.streamUrl = line;
        item.name = name;
        item.categoryId = group;
        item.iconUrl = logo;
        result.items.append(item);
        if (!seen.contains(group)) {
            seen.insert(group);
            result.categories.append(Category{group, group});
        }
        name.clear();
        group.clear();
        logo.clear();
    }
    return result;
}
