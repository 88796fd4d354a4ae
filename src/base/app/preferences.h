#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <utility>

// The user's choices that several subsystems add (language, recording, parental lock, ...), kept
// in the settings store under "preferences/". Each subsystem names its own keys beside its code;
// this only reads and writes them, and says when a write did not reach the disk.
class Preferences final
{
public:
    static QVariant value(const QString& key, const QVariant& fallback = {});
    // Empty when saved; otherwise a message for the user naming the settings file.
    static QString setValue(const QString& key, const QVariant& value);
    // Several keys with one write of the file.
    static QString setValues(const QList<std::pair<QString, QVariant>>& values);
    static QString remove(const QString& key);
};
