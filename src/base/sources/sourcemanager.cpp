#include "sources/sourcemanager.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QUuid>

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

// The same name always gives the same id, so an interrupted first start repeats the same move.
QString idFromName(const QString& name)
{
    return QStringLiteral("named-") +
           QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(32));
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
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
    withoutStoredId.clear();
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
        config.id = settings.value(QStringLiteral("id")).toString();
        if (config.id.isEmpty()) {
            config.id = idFromName(config.name);
            withoutStoredId.append({config.name, config.id});
        }
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
        // Until their data has moved, servers of an older version keep no id in the store.
        const bool pending = std::any_of(withoutStoredId.cbegin(), withoutStoredId.cend(),
                                         [&](const Rekeyed& r) { return r.id == config.id; });
        if (!pending)
            settings.setValue(QStringLiteral("id"), config.id);
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

void SourceManager::storeNewIds()
{
    if (withoutStoredId.isEmpty())
        return;
    withoutStoredId.clear();
    persist();
}

void SourceManager::saveSource(const SourceConfig& config)
{
    auto it = std::find_if(sourceList.begin(), sourceList.end(), [&](const SourceConfig& s) {
        return config.id.isEmpty() ? s.name == config.name : s.id == config.id;
    });
    if (it != sourceList.end() && it->name != config.name) {
        // A renamed server moves to the end of the list, as a new name always has.
        SourceConfig renamed = config;
        renamed.id = it->id;
        sourceList.erase(it);
        sourceList.append(renamed);
    } else if (it != sourceList.end()) {
        const QString id = it->id;
        *it = config;
        it->id = id;
    } else {
        sourceList.append(config);
        if (sourceList.last().id.isEmpty())
            sourceList.last().id = newId();
    }
    persist();
}

void SourceManager::removeSource(const QString& name)
{
    auto it = std::find_if(sourceList.begin(), sourceList.end(),
                           [&](const SourceConfig& s) { return s.name == name; });
    QString key;
    if (it != sourceList.end()) {
        key = it->storageKey();
        sourceList.erase(it);
    }
    persist();
    if (!key.isEmpty())
        emit removed(key);
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
