#pragma once

#include "guide/guideprogramme.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QWaitCondition>

#include <deque>

class QThread;

// The programmes the grid paints, answered from memory. The guide is cut into windows of
// kWindowRows rows by kWindowSecs; windows around the viewport are read on a thread of their own
// with its own connection to the store and handed back queued, so painting never waits on
// SQLite. Far windows are forgotten once more than kMaxWindows are held.
class GuideGridData final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWindowRows = 32;
    static constexpr qint64 kWindowSecs = 6 * 3600;
    static constexpr int kMaxWindows = 256;

    explicit GuideGridData(QObject* parent = nullptr);
    ~GuideGridData() override;

    // The store file to read (empty: no guide); reopened on every call, as an import replaces
    // the file. Forgets what was read.
    void setStore(const QString& path);
    // The guide channel of every row, -1 for rows without one, and the seconds each row's times
    // are shifted by (empty: none). Forgets what was read.
    void setRows(const QList<int>& channels, const QList<qint64>& shifts = {});
    int rowCount() const { return int(rowChannels.size()); }

    // The viewport: rows [firstRow, lastRow] over [from, to). Missing windows there are read
    // first, then those around it.
    void want(int firstRow, int lastRow, qint64 from, qint64 to);

    // Programmes of `row` overlapping [from, to), by start, from memory, in the row's shifted
    // times. `complete` tells whether every window needed was there.
    QList<GuideProgramme> programmes(int row, qint64 from, qint64 to,
                                     bool* complete = nullptr) const;

    // Every window asked for has arrived (or was given up).
    bool isIdle() const;
    int windowCount() const { return int(windows.size()); }

signals:
    void loaded(); // windows arrived: repaint

private:
    struct Job
    {
        quint64 key = 0;
        quint64 generation = 0;
        QList<int> channels;
        qint64 from = 0;
        qint64 to = 0;
    };
    struct Window
    {
        QList<QList<GuideProgramme>> rows;
        quint64 used = 0;
    };

    static quint64 keyOf(int rowBlock, qint64 timeBlock);
    static qint64 timeBlockOf(qint64 time);
    void reset();
    void run();
    void deliver(quint64 key, quint64 generation, QList<QList<GuideProgramme>> rows);
    void evict();
    QList<GuideProgramme> stored(int row, qint64 from, qint64 to, bool* complete) const;

    QList<int> rowChannels;
    QList<qint64> rowShifts;  // empty when no row is shifted
    qint64 earliestShift = 0; // the most negative shift, or 0
    qint64 latestShift = 0;   // the most positive shift, or 0
    QHash<quint64, Window> windows;
    quint64 useCounter = 0;
    QSet<quint64> wantedNow;

    // Shared with the reading thread, under `mutex`.
    mutable QMutex mutex;
    QWaitCondition wake;
    std::deque<Job> queue;
    QSet<quint64> requested; // queued, being read or on its way back, of this generation
    quint64 generation = 0;
    QString storePath;
    quint64 storeGeneration = 0;
    bool stopping = false;

    QThread* thread = nullptr;
};
