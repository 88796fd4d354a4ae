#include "recording/recordingsettings.h"

#include "app/preferences.h"

#include <QDir>
#include <QStandardPaths>

namespace {
const QString kFolder = QStringLiteral("recording/folder");
const QString kPadBefore = QStringLiteral("recording/padBeforeMinutes");
const QString kPadAfter = QStringLiteral("recording/padAfterMinutes");
const QString kPauseBuffer = QStringLiteral("recording/pauseBufferMinutes");

int minutes(const QString& key, int fallback, int most)
{
    bool ok = false;
    const int value = Preferences::value(key, fallback).toInt(&ok);
    return ok && value >= 0 ? qMin(value, most) : fallback;
}
} // namespace

namespace recordingsettings {

QString defaultFolder()
{
    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty())
        videos = QDir::homePath();
    return QDir(videos).filePath(QStringLiteral("Velmora Recordings"));
}

QString folder()
{
    const QString chosen = Preferences::value(kFolder).toString();
    return chosen.isEmpty() ? defaultFolder() : chosen;
}

int padBeforeMinutes()
{
    return minutes(kPadBefore, 2, 120);
}

int padAfterMinutes()
{
    return minutes(kPadAfter, 5, 240);
}

int pauseBufferMinutes()
{
    return qMax(1, minutes(kPauseBuffer, 30, 600));
}

QString setPauseBufferMinutes(int value)
{
    return Preferences::setValue(kPauseBuffer, qBound(1, value, 600));
}

QString setFolder(const QString& path)
{
    if (path.isEmpty() || QDir::cleanPath(path) == QDir::cleanPath(defaultFolder()))
        return Preferences::remove(kFolder);
    return Preferences::setValue(kFolder, path);
}

QString setPadding(int beforeMinutes, int afterMinutes)
{
    const QString problem = Preferences::setValue(kPadBefore, beforeMinutes);
    return problem.isEmpty() ? Preferences::setValue(kPadAfter, afterMinutes) : problem;
}

} // namespace recordingsettings
