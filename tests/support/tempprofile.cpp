#include "tempprofile.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
void remember(const char* name, QByteArray& value, bool& had)
{
    had = qEnvironmentVariableIsSet(name);
    value = qgetenv(name);
}

void restore(const char* name, const QByteArray& value, bool had)
{
    if (had)
        qputenv(name, value);
    else
        qunsetenv(name);
}
} // namespace

TempProfile::TempProfile()
{
    remember("XDG_CONFIG_HOME", oldConfig, hadConfig);
    remember("XDG_DATA_HOME", oldData, hadData);
    remember("XDG_CACHE_HOME", oldCache, hadCache);
    QDir(dir.path()).mkpath(QStringLiteral("config"));
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QDir(dir.path()).mkpath(QStringLiteral("cache"));
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_CACHE_HOME", QDir(dir.path()).filePath(QStringLiteral("cache")).toUtf8());
    // QSettings caches its folders on first use; set them explicitly.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome());
}

TempProfile::~TempProfile()
{
    restore("XDG_CONFIG_HOME", oldConfig, hadConfig);
    restore("XDG_DATA_HOME", oldData, hadData);
    restore("XDG_CACHE_HOME", oldCache, hadCache);
}

QString TempProfile::configHome() const
{
    return QDir(dir.path()).filePath(QStringLiteral("config"));
}

QString TempProfile::dataHome() const
{
    return QDir(dir.path()).filePath(QStringLiteral("data"));
}

QString TempProfile::appDataDir() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString TempProfile::settingsFile() const
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player")).fileName();
}
