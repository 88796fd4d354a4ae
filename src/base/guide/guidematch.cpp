#include "guide/guidematch.h"

QString GuideMatch::key(QStringView text)
{
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (c == u'_' || c.isSpace()) {
            space = !out.isEmpty();
            continue;
        }
        if (space)
            out.append(u' ');
        space = false;
        out.append(c.toCaseFolded());
    }
    return out;
}

bool GuideMatch::Wanted::wantsChannel(QStringView id, const QStringList& displayNames) const
{
    if (ids.contains(key(id)))
        return true;
    for (const QString& name : displayNames) {
        if (names.contains(key(name)))
            return true;
    }
    return false;
}

GuideMatch::Wanted GuideMatch::wanted(const QList<MediaItem>& channels, bool byName)
{
    Wanted wanted;
    for (const MediaItem& item : channels) {
        if (!item.guideId.isEmpty())
            wanted.ids.insert(key(item.guideId));
        if (!byName)
            continue;
        if (!item.guideName.isEmpty())
            wanted.names.insert(key(item.guideName));
        if (!item.name.isEmpty())
            wanted.names.insert(key(item.name));
    }
    wanted.ids.remove(QString());
    wanted.names.remove(QString());
    return wanted;
}

void GuideMatch::Index::build(const QList<GuideStore::Channel>& channels)
{
    byId.clear();
    byName.clear();
    for (const GuideStore::Channel& channel : channels) {
        byId.insert(key(channel.id), channel.number);
        for (const QString& name : channel.names)
            byName.insert(key(name), channel.number); // the last channel of a name wins
    }
}

int GuideMatch::Index::find(const MediaItem& item, bool byNameToo) const
{
    if (!item.guideId.isEmpty()) {
        const auto it = byId.constFind(key(item.guideId));
        if (it != byId.cend())
            return *it;
    }
    if (!byNameToo)
        return -1;
    for (const QString* text : {&item.guideName, &item.name}) {
        if (text->isEmpty())
            continue;
        const auto it = byName.constFind(key(*text));
        if (it != byName.cend())
            return *it;
    }
    return -1;
}
