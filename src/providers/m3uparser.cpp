#include "providers/m3uparser.h"

#include "catchup/catchupaddress.h"

#include <QSet>
#include <QStringView>

// A hand-written scanner: the same results as splitting on "\r\n|\n|\r" and matching
// `name="([^"]*)"` per attribute, without building a regular expression per #EXTINF line.

namespace {
// Value of `name="..."` (first occurrence anywhere in the line, case-sensitive, no word
// boundary); a null string when there is none or its closing quote is missing.
QString extractAttr(QStringView line, QStringView name)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = line.indexOf(name, from);
        if (at < 0)
            return {};
        const qsizetype open = at + name.size();
        if (open + 1 < line.size() && line[open] == u'=' && line[open + 1] == u'"') {
            const qsizetype valueStart = open + 2;
            const qsizetype close = line.indexOf(u'"', valueStart);
            // Any later occurrence would begin after a quote, so a missing closing quote here
            // means no later occurrence can match either.
            if (close < 0)
                return {};
            return line.mid(valueStart, close - valueStart).toString();
        }
        from = at + 1;
    }
}

// Archive attributes of an #EXTINF line, or of the #EXTM3U header as defaults for every entry.
struct Catchup
{
    QString type;
    QString source;
    int days = 0;
};

Catchup readCatchup(QStringView line, const Catchup& defaults)
{
    // A leading space keeps "timeshift" from matching inside another attribute's name.
    const auto attr = [line](QStringView name) { return extractAttr(line, name); };
    Catchup c = defaults;
    QString type = attr(u" catchup-type");
    if (type.isNull())
        type = attr(u" catchup");
    if (!type.isNull())
        c.type = type;
    if (const QString source = attr(u" catchup-source"); !source.isNull())
        c.source = source;
    QString days = attr(u" catchup-days");
    if (days.isNull())
        days = attr(u" timeshift");
    if (!days.isNull())
        c.days = days.trimmed().toInt();
    return c;
}

void applyCatchup(const Catchup& c, MediaItem& item)
{
    QString type = c.type;
    if (type.isEmpty() && (c.days > 0 || !c.source.isEmpty()))
        type = c.source.isEmpty() ? CatchupAddress::kShift : CatchupAddress::kDefault;
    type = CatchupAddress::normalizedType(type);
    if (type.isEmpty())
        return;
    item.catchupType = type;
    item.catchupSource = c.source;
    item.archiveDays = c.days > 0 ? c.days : CatchupAddress::kDefaultPlaylistDays;
}

qsizetype lineEnd(const QChar* data, qsizetype from, qsizetype size)
{
    const char16_t* p = reinterpret_cast<const char16_t*>(data);
    for (qsizetype i = from; i < size; ++i) {
        const char16_t c = p[i];
        if (c == u'\n' || c == u'\r')
            return i;
    }
    return size;
}
} // namespace

M3uParser::Result M3uParser::parse(const QString& text)
{
    static constexpr QStringView kGroupTitle = u"group-title";
    static constexpr QStringView kTvgLogo = u"tvg-logo";

    Result result;
    QSet<QString> seenGroups;
    QString pendingName;
    QString pendingGroup;
    QString pendingLogo;
    Catchup headerCatchup;
    Catchup pendingCatchup;

    const QChar* data = text.constData();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    if (size > 0 && data[0] == QChar(0xFEFF)) // a byte-order mark that survived decoding
        pos = 1;

    while (true) {
        const qsizetype end = lineEnd(data, pos, size);
        const QStringView line = QStringView(data + pos, end - pos).trimmed();

        if (line.isEmpty()) {
            // a blank line keeps the pending entry
        } else if (line.startsWith(u"#EXTINF", Qt::CaseInsensitive)) {
            const qsizetype comma = line.lastIndexOf(u',');
            pendingName =
                comma < 0 ? QStringLiteral("Unnamed") : line.mid(comma + 1).trimmed().toString();
            pendingGroup = extractAttr(line, kGroupTitle);
            if (pendingGroup.isEmpty())
                pendingGroup = QStringLiteral("Uncategorized");
            pendingLogo = extractAttr(line, kTvgLogo);
            pendingCatchup = readCatchup(line, headerCatchup);
        } else if (line.startsWith(u"#EXTM3U", Qt::CaseInsensitive)) {
            headerCatchup = readCatchup(line, Catchup());
        } else if (line.startsWith(u'#')) {
            // another directive or a comment; the pending entry stays
        } else if (!pendingName.isEmpty()) {
            MediaItem item;
            item.type = MediaItem::Live;
            item.id = line.toString();
            item.streamUrl = item.id;
            item.name = std::move(pendingName);
            auto group = seenGroups.constFind(pendingGroup);
            if (group == seenGroups.cend()) {
                group = seenGroups.insert(pendingGroup);
                result.categories.append(Category{pendingGroup, pendingGroup});
            }
            item.categoryId = *group; // shares one string per group
            item.iconUrl = std::move(pendingLogo);
            applyCatchup(pendingCatchup, item);
            result.items.append(std::move(item));
            pendingName.clear();
            pendingGroup.clear();
            pendingLogo.clear();
        }

        if (end >= size)
            break;
        pos = (data[end] == u'\r' && end + 1 < size && data[end + 1] == u'\n') ? end + 2 : end + 1;
    }
    return result;
}
