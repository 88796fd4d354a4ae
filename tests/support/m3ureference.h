#pragma once

#include "catchup/catchupaddress.h"
#include "model/category.h"
#include "model/mediaitem.h"
#include "providers/m3uparser.h"

#include <QHash>
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
    auto attribute = [](const QString& line, const QString& name) {
        static QHash<QString, QRegularExpression> patterns;
        auto pattern = patterns.find(name);
        if (pattern == patterns.end())
            pattern = patterns.insert(name, QRegularExpression(QRegularExpression::escape(name) +
                                                               QStringLiteral("=\"([^\"]*)\"")));
        const QRegularExpressionMatch match = pattern->match(line);
        return match.hasMatch() ? match.captured(1) : QString();
    };
    // Archive attributes: the #EXTM3U line gives defaults that each entry may override.
    struct Archive
    {
        QString type, source, days;
    };
    auto archiveOf = [&](const QString& line, Archive a) {
        for (const QString& name : {QStringLiteral(" catchup-type"), QStringLiteral(" catchup")}) {
            if (const QString v = attribute(line, name); !v.isNull()) {
                a.type = v;
                break;
            }
        }
        if (const QString v = attribute(line, QStringLiteral(" catchup-source")); !v.isNull())
            a.source = v;
        for (const QString& name :
             {QStringLiteral(" catchup-days"), QStringLiteral(" timeshift")}) {
            if (const QString v = attribute(line, name); !v.isNull()) {
                a.days = v;
                break;
            }
        }
        return a;
    };
    M3uParser::Result result;
    QSet<QString> seen;
    QString name;
    QString group;
    QString logo;
    QString guideId;
    QString guideName;
    Archive header;
    Archive archive;
    for (const QString& raw : text.split(lineEnd)) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QStringLiteral("#EXTINF"), Qt::CaseInsensitive)) {
            const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
            name = comma < 0 ? QStringLiteral("Unnamed") : line.mid(comma + 1).trimmed();
            group = attribute(line, QStringLiteral("group-title"));
            if (group.isEmpty())
                group = QStringLiteral("Uncategorized");
            logo = attribute(line, QStringLiteral("tvg-logo"));
            guideId = attribute(line, QStringLiteral("tvg-id"));
            guideName = attribute(line, QStringLiteral("tvg-name"));
            archive = archiveOf(line, header);
            continue;
        }
        if (line.startsWith(QStringLiteral("#EXTM3U"), Qt::CaseInsensitive)) {
            header = archiveOf(line, Archive());
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
        item.guideId = guideId;
        item.guideName = guideName;
        const int days = archive.days.trimmed().toInt();
        QString type = archive.type;
        if (type.isEmpty() && (days > 0 || !archive.source.isEmpty()))
            type = archive.source.isEmpty() ? QString(CatchupAddress::kShift)
                                            : QString(CatchupAddress::kDefault);
        type = CatchupAddress::normalizedType(type);
        if (!type.isEmpty()) {
            item.catchupType = type;
            item.catchupSource = archive.source;
            item.archiveDays = days > 0 ? days : CatchupAddress::kDefaultPlaylistDays;
        }
        result.items.append(item);
        if (!seen.contains(group)) {
            seen.insert(group);
            result.categories.append(Category{group, group});
        }
        name.clear();
        group.clear();
        logo.clear();
        guideId.clear();
        guideName.clear();
    }
    return result;
}
