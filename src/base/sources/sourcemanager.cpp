#include "sources/sourcemanager.h"

#include <QSettings>

#include <algorithm>

namespace {
QSettings openStore()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"));
}

// Values of the wrong type read as the record's defaults instead of garbage.
int readInt(const QSettings& settings, const QString& key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : fallback;
}

qint64 readInt64(const QSettings& settings, const QString& key, qint64 fallback)
{
    bool ok = false;
    const qint64 value = settings.value(key).toLongLong(&ok);
    return ok ? value : fallback;
}
} // namespace

SourceManager::SourceManager(QObject* parent)
    : QObject(parent)
{
    load();
}

void SourceManager::load()
{
    sourceList.clear();
    QSettings settings = openStore();
    lastActiveName = settings.value(QStringLiteral("lastActiveSource")).toString();

    const int count = settings.beginReadArray(QStringLiteral("sources"));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        SourceConfig config;
        config.type = readInt(settings, QStringLiteral("type"), SourceConfig::M3u);
        config.name = settings.value(QStringLiteral("name")).toString();
        config.url = settings.value(QStringLiteral("url")).toString();
        config.username = settings.value(QStringLiteral("username")).toString();
        config.password = settings.value(QStringLiteral("password")).toString();
        if (settings.contains(QStringLiteral("liveExtension")))
            config.liveExtension = settings.value(QStringLiteral("liveExtension")).toString();
        config.lastUpdated = readInt64(settings, QStringLiteral("lastUpdated"), 0);
        config.guideUrl = settings.value(QStringLiteral("guideUrl")).toString();
        config.guideOffsetHours =
            std::clamp(readInt(settings, QStringLiteral("guideOffsetHours"), 0), -12, 12);
        config.offeredGuideUrls = settings.value(QStringLiteral("offeredGuideUrls")).toString();
        config.maxConnections =
            std::clamp(readInt(settings, QStringLiteral("maxConnections"), 0), 0, 1000);
        sourceList.append(config);
    }
    settings.endArray();
}

void SourceManager::persist()
{
    QSettings settings = openStore();
    // Drop the old array first so entries beyond a shrunken list do not linger in the file.
    settings.remove(QStringLiteral("sources"));
    settings.beginWriteArray(QStringLiteral("sources"));
    for (int i = 0; i < sourceList.size(); ++i) {
        const SourceConfig& config = sourceList.at(i);
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("type"), config.type);
        settings.setValue(QStringLiteral("name"), config.name);
        settings.setValue(QStringLiteral("url"), config.url);
        settings.setValue(QStringLiteral("username"), config.username);
        settings.setValue(QStringLiteral("password"), config.password);
        settings.setValue(QStringLiteral("liveExtension"), config.liveExtension);
        settings.setValue(QStringLiteral("lastUpdated"), config.lastUpdated);
        settings.setValue(QStringLiteral("guideUrl"), config.guideUrl);
        settings.setValue(QStringLiteral("guideOffsetHours"), config.guideOffsetHours);
        settings.setValue(QStringLiteral("offeredGuideUrls"), config.offeredGuideUrls);
        settings.setValue(QStringLiteral("maxConnections"), config.maxConnections);
    }
    settings.endArray();
    finishWrite(settings);
}

void SourceManager::finishWrite(QSettings& settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        emit saveFailed(settings.fileName());
}

void SourceManager::saveSource(const SourceConfig& config)
{
    auto it = std::find_if(sourceList.begin(), sourceList.end(),
                           [&](const SourceConfig& s) { return s.name == config.name; });
    if (it != sourceList.end())
        *it = config;
    else
        sourceList.append(config);
    persist();
}

void SourceManager::removeSource(const QString& name)
{
    auto it = std::find_if(sourceList.begin(), sourceList.end(),
                           [&](const SourceConfig& s) { return s.name == name; });
    if (it != sourceList.end())
        sourceList.erase(it);
    persist();
}

void SourceManager::setLastActiveSourceName(const QString& name)
{
    if (name == lastActiveName)
        return;
    lastActiveName = name;
    QSettings settings = openStore();
    settings.setValue(QStringLiteral("lastActiveSource"), name);
    finishWrite(settings);
}
