#include "lineup/guidechannels.h"

#include "guide/guidestore.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace guidechannels {

QList<GuideChannelChoice> read(const QString& storePath, qint64 now)
{
    QList<GuideChannelChoice> list;
    GuideStore store;
    if (!store.open(storePath, false))
        return list;
    const QHash<int, GuideNowNext> running = store.nowNext(now);
    for (const GuideStore::Channel& channel : store.channels()) {
        GuideChannelChoice choice;
        choice.id = channel.id;
        choice.names = channel.names;
        const auto it = running.constFind(channel.number);
        if (it != running.cend() && it->hasNow)
            choice.nowTitle = it->now.title;
        list.append(choice);
    }
    return list;
}

QList<GuideChannelChoice> filter(const QList<GuideChannelChoice>& channels, const QString& query)
{
    const QString q = query.trimmed();
    if (q.isEmpty())
        return channels;
    QList<GuideChannelChoice> found;
    for (const GuideChannelChoice& c : channels) {
        bool hit = c.id.contains(q, Qt::CaseInsensitive);
        for (qsizetype i = 0; !hit && i < c.names.size(); ++i)
            hit = c.names[i].contains(q, Qt::CaseInsensitive);
        if (hit)
            found.append(c);
    }
    return found;
}

QStringList words(const QString& name)
{
    static const QRegularExpression prefix(
        QStringLiteral("^\\s*(\\|[^|]{1,4}\\||[A-Za-z]{2,3}\\s*[:|-])\\s*"));
    static const QRegularExpression split(QStringLiteral("[^\\p{L}\\p{N}+]+"));
    static const QSet<QString> noise = {
        QStringLiteral("hd"), QStringLiteral("fhd"),  QStringLiteral("uhd"),  QStringLiteral("sd"),
        QStringLiteral("4k"), QStringLiteral("hevc"), QStringLiteral("h265"), QStringLiteral("tv")};
    QString text = name;
    text.remove(prefix);
    QStringList kept;
    for (const QString& word : text.toLower().split(split, Qt::SkipEmptyParts)) {
        if (!noise.contains(word))
            kept.append(word);
    }
    return kept;
}

namespace {
int scoreOf(const QStringList& wanted, const QString& candidate)
{
    const QStringList have = words(candidate);
    if (wanted.isEmpty() || have.isEmpty())
        return 0;
    if (have == wanted)
        return 100;
    const QSet<QString> a(wanted.cbegin(), wanted.cend());
    const QSet<QString> b(have.cbegin(), have.cend());
    const qsizetype common = QSet<QString>(a).intersect(b).size();
    if (common == 0) {
        // "bbcone" against "bbc one": the words run together.
        return wanted.join(QString()) == have.join(QString()) ? 90 : 0;
    }
    const qsizetype all = QSet<QString>(a).unite(b).size();
    return int(80 * common / all);
}
} // namespace

QList<GuideChannelChoice> suggest(const QList<GuideChannelChoice>& channels, const QString& name,
                                  int limit)
{
    const QStringList wanted = words(name);
    QList<GuideChannelChoice> scored;
    for (const GuideChannelChoice& c : channels) {
        int best = scoreOf(wanted, c.id.section(u'.', 0, 0));
        for (const QString& n : c.names)
            best = std::max(best, scoreOf(wanted, n));
        if (best > 0) {
            GuideChannelChoice s = c;
            s.score = best;
            scored.append(s);
        }
    }
    std::stable_sort(
        scored.begin(), scored.end(),
        [](const GuideChannelChoice& a, const GuideChannelChoice& b) { return a.score > b.score; });
    if (scored.size() > limit)
        scored.resize(limit);
    return scored;
}

} // namespace guidechannels
