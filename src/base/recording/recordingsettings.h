#pragma once

#include <QString>

// The recording preferences: where files go and the padding around guide programmes.
namespace recordingsettings {

QString defaultFolder(); // the user's videos folder, "Velmora Recordings" inside
QString folder();
int padBeforeMinutes();   // default 2
int padAfterMinutes();    // default 5
int pauseBufferMinutes(); // how much of a paused live channel is kept; default 30

// Each returns an empty text when saved, otherwise the message for the user.
QString setFolder(const QString& path);
QString setPadding(int beforeMinutes, int afterMinutes);
QString setPauseBufferMinutes(int minutes);

} // namespace recordingsettings
