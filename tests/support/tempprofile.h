#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the settings store and the application-data folder at a fresh temporary folder for the
// lifetime of the object, so tests never touch the developer's own servers or caches.
class TempProfile final
{
public:
    TempProfile();
    ~TempProfile();

    TempProfile(const TempProfile&) = delete;
    TempProfile& operator=(const TempProfile&) = delete;

    QString root() const { return dir.path(); }
    QString configHome() const; // XDG_CONFIG_HOME
    QString dataHome() const;   // XDG_DATA_HOME
    QString appDataDir() const; // the application's writable data location
    QString settingsFile() const;

private:
    QTemporaryDir dir;
    QByteArray oldConfig, oldData, oldCache;
    bool hadConfig = false, hadData = false, hadCache = false;
};
