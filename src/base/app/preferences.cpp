#include "app/preferences.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
QSettings openStore()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"));
}

QString fullKey(const QString& key)
{
    return QStringLiteral("preferences/") + key;
}

QString finish(QSettings& settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return {};
    return QCoreApplication::translate("Preferences",
                                       "Your preferences could not be saved to %1. Check that "
                                       "this file and its folder can be written.")
        .arg(settings.fileName());
}
} // namespace

QVariant Preferences::value(const QString& key, const QVariant& fallback)
{
    return openStore().value(fullKey(key), fallback);
}

QString Preferences::setValue(const QString& key, const QVariant& value)
{
    QSettings settings = openStore();
    settings.setValue(fullKey(key), value);
    return finish(settings);
}

QString Preferences::setValues(const QList<std::pair<QString, QVariant>>& values)
{
    QSettings settings = openStore();
    for (const auto& [key, value] : values)
        settings.setValue(fullKey(key), value);
    return finish(settings);
}

QString Preferences::remove(const QString& key)
{
    QSettings settings = openStore();
    settings.remove(fullKey(key));
    return finish(settings);
}
