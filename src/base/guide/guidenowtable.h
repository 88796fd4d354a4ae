#pragma once

#include "guide/guideprogramme.h"

#include <QString>

#include <memory>
#include <vector>

// The guide of the next hours for every channel, in memory: what the "Now" column asks for each
// row on every paint, answered without the file. Read off the window thread and swapped in whole;
// it answers for moments in [from, until) exactly as the store would (the running programme is,
// of those started at or before the moment and not yet stopped, the one that started last).
class GuideNowTable final
{
public:
    // Reads the store file at `path` with its own connection, so any thread may call it. Null
    // when the file cannot be read.
    static std::shared_ptr<const GuideNowTable> read(const QString& path, qint64 from,
                                                     qint64 until);

    bool covers(qint64 now) const { return now >= from && now < until; }
    qint64 start() const { return from; }
    qint64 end() const { return until; }
    // `next` only when it starts before end(); descriptions are left out.
    GuideNowNext at(int channel, qint64 now) const;

private:
    struct Entry
    {
        qint64 start;
        qint64 stop;
        QString title;
    };
    qint64 from = 0;
    qint64 until = 0;
    std::vector<Entry> entries;     // by channel, then start
    std::vector<qsizetype> firstOf; // channel number: its first entry; one past the last at the end
};
