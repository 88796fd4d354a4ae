#pragma once

#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

// The guide's programmes of the coming days in memory, for finding them by title on every
// keystroke: distinct titles once each (guides repeat them all week), programmes by start.
// Built off the window thread from the guide file; immutable once built.
class GuideProgrammeIndex final
{
public:
    struct Hit
    {
        int channel = 0; // the guide's channel number
        qint64 start = 0;
        qint64 stop = 0;
        QString title;
    };

    // Programmes of the store at `path` still running at `from` or starting before `to`. Uses
    // its own connection, so any thread may call it; returns null when cancelled or unreadable.
    static std::shared_ptr<const GuideProgrammeIndex>
    read(const QString& path, qint64 from, qint64 to, const std::atomic<bool>& cancel);

    // Programmes whose titles contain `query` ignoring case and that have not ended at `now`:
    // the running ones, then the coming ones by start. At most `limit`; `total` counts all.
    QList<Hit> find(const QString& query, qint64 now, int limit, qsizetype* total) const;
    qsizetype size() const { return qsizetype(programmes.size()); }

private:
    struct Slot
    {
        qint64 start;
        qint32 length;
        qint32 channel;
        qint32 title;
    };
    std::vector<Slot> programmes; // by start
    QList<QString> titles;
    QList<QString> foldedTitles;
};
