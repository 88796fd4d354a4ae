#pragma once

#include <QString>
#include <QVariant>

// The user's choices that several subsystems add (language, recording, parental lock, ...), kept
// in the settings store under "preferences/". Each subsystem names its own keys beside its code;
// this only reads and writes them, and says when a write did not reach the disk.
class Preferences final
{
public:
    static QVariant value(const QString& key, const QVariant& fallback = {});
    // Empty when saved; otherwise a message for the user naming the settings file.
    static QString setValue(const QString& key, const QVariant& value);
    static QString remove(const QString& key);
};
