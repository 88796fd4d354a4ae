#pragma once

#include <QString>

// The player's interruption texts, written out as users read them: the tests compare against
// these rather than against the player's own constants, so a changed text is noticed.
namespace playbackmessages {
inline const QString kEndOfStream = QStringLiteral(
    "Reached the end of the stream (this can also happen if a seek landed somewhere the stream "
    "couldn't resume from).");
inline const QString kVlcError = QStringLiteral("libVLC encountered an error while streaming.");
inline const QString kLiveEnd = QStringLiteral("The live stream stopped sending data.");
inline const QString kStalled15 = QStringLiteral("The stream stopped advancing for 15 seconds.");
} // namespace playbackmessages
