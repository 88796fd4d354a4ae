// The playlist parser on any text, held to the plain reading it replaces: lines split on
// "\r\n|\n|\r", attributes matched with name="([^"]*)".
#include "fuzztarget.h"
#include "fuzztargets.h"
#include "recorddiff.h"

#include "providers/m3uparser.h"

#include <QRegularExpression>
#include <QSet>

namespace {
QString attribute(const QString& line, const QRegularExpression& pattern)
{
    const QRegularExpressionMatch match = pattern.match(line);
    return match.hasMatch() ? match.captured(1) : QString();
}

M3uParser::Result plainParse(QString text)
{
    if (text.startsWith(QChar(0xFEFF))) // the parser skips a byte-order mark left by decoding
        text.remove(0, 1);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    static const QRegularExpression groupTitle(QStringLiteral("group-title=\"([^\"]*)\""));
    static const QRegularExpression tvgLogo(QStringLiteral("tvg-logo=\"([^\"]*)\""));
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
} // namespace

int fuzzM3uParser(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const M3uParser::Result parsed = M3uParser::parse(text);
    const M3uParser::Result plain = plainParse(text);
    FUZZ_CHECK(recorddiff::diff(parsed.items, plain.items).isEmpty(),
               recorddiff::diff(parsed.items, plain.items));
    FUZZ_CHECK(recorddiff::diff(parsed.categories, plain.categories).isEmpty(),
               recorddiff::diff(parsed.categories, plain.categories));
    for (const MediaItem& item : parsed.items)
        FUZZ_CHECK(!item.name.isEmpty() && !item.id.isEmpty(), item.id);
    return 0;
}

VELMORA_FUZZ_ENTRY(fuzzM3uParser)
