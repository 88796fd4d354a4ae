#pragma once

#include "guide/guideprogramme.h"
#include "recording/recording.h"

#include <QList>
#include <QString>

#include <utility>

// Decisions about recordings that need nothing but the list: how many streams overlap, which
// programmes a series rule adds, and what a recording's file is called.
namespace recordingplan {

// When `r` holds a stream: [from, until), until 0 for the end of time. An archive download runs
// from when it starts (now, when it has not yet) for at most the programme's length.
std::pair<qint64, qint64> streamSpan(const Recording& r, qint64 nowMs);

// The most recordings of `server` active at one moment within [from, until); `until` 0 reaches
// to the end of time. Recordings without an end count as running forever.
int peakOverlap(const QList<Recording>& recordings, const QString& server, qint64 from,
                qint64 until, qint64 nowMs, qint64 ignoreId = 0);

// Empty when `candidate` fits: its overlap with the others, the streams the user watches and
// itself stay within `limit` (0: no limit); otherwise the message for the user.
QString refusal(const QList<Recording>& recordings, const Recording& candidate, int watching,
                int limit, qint64 nowMs);

// The future programmes of a channel's guide that `rule` records and `recordings` lack.
QList<GuideProgramme> seriesProgrammes(const SeriesRule& rule,
                                       const QList<GuideProgramme>& programmes,
                                       const QList<Recording>& recordings, qint64 nowMs);

// "Title - Channel - 2026-12-08 20-15.ts", without characters file systems refuse.
QString fileName(const QString& title, const QString& channel, qint64 startMs);
// `folder`/`name`, with " (2)", " (3)", ... before the extension when taken.
QString freePath(const QString& folder, const QString& name);

// The gaps' text of a Recording, and back.
QString gapsText(const QList<std::pair<qint64, qint64>>& gaps);
QList<std::pair<qint64, qint64>> parseGaps(const QString& text);

} // namespace recordingplan
