#pragma once

#include "recording/recording.h"

#include <QString>

// What the window shows of a recording: its line in the "Recordings" category and the running
// mark beside a channel.
namespace recordingtext {

// "● 12:34" while it runs.
QString runningMark(qint64 elapsedMs);
// Two lines: the title (with a mark while it runs), then channel, date, length and size.
// `permille`: how far a download is, -1 when unknown.
QString summary(const Recording& recording, qint64 nowMs, int permille = -1);
// The state in words, with the message or the gaps when there are any.
QString details(const Recording& recording);

} // namespace recordingtext
