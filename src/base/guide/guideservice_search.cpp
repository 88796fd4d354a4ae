// Programmes of the guide found by title, for the search over everything.
#include "guide/guideservice.h"

#include "app/clock.h"
#include "app/translations.h"
#include "guide/guidetext.h"

void GuideService::readSearchIndex()
{
    if (searchCancel || !store.isOpen())
        return;
    const QString path = storePath(config.storageKey());
    const qint64 now = Clock::epochSecs();
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    searchCancel = cancel;
    inBackground([this, path, now, cancel]() -> std::function<void()> {
        auto index = GuideProgrammeIndex::read(path, now, now + 7 * 86400, *cancel);
        return [this, index, cancel]() {
            if (cancel != searchCancel || !index)
                return;
            searchIndex = index;
            emit programmesSearchable();
        };
    });
}

GuideService::FoundProgrammes GuideService::findProgrammes(const QString& query, int limit)
{
    FoundProgrammes found;
    if (!searchIndex) {
        readSearchIndex();
        return found;
    }
    if (itemOfChannel.isEmpty()) {
        for (qsizetype i = 0; i < channels.size(); ++i) {
            const int number = channelById.value(channels[i].id, -1);
            if (number >= 0 && !itemOfChannel.contains(number))
                itemOfChannel.insert(number, i);
        }
    }
    const qint64 now = Clock::epochSecs();
    for (const GuideProgrammeIndex::Hit& hit : searchIndex->find(query, now, limit, &found.total)) {
        const auto item = itemOfChannel.constFind(hit.channel);
        if (item == itemOfChannel.cend())
            continue;
        const MediaItem& channel = channels.at(*item);
        GuideProgramme p;
        p.start = hit.start + shiftSecs(channel);
        p.stop = hit.stop + shiftSecs(channel);
        const QString when = p.start <= now
                                 ? tr("now, until %1").arg(GuideText::clock(p.stop))
                                 : tr("%1 %2", "day and times of a programme")
                                       .arg(GuideText::day(p.start, now), GuideText::span(p));
        found.channels.append(channel);
        found.labels.append(tr("%1 — %2, %3", "programme, channel, when")
                                .arg(hit.title, Translations::isolated(channel.name), when));
    }
    return found;
}
