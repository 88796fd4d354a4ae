#pragma once

#include "model/sourceconfig.h"

#include <QList>
#include <QObject>

class QSettings;

// The configured servers and the last active one, mirrored into the per-user settings store
// (organisation "Velmora", application "Player"). Every change is written before the call returns.
// No validation or de-duplication: the server dialog makes names unique.
class SourceManager final : public QObject
{
    Q_OBJECT

public:
    explicit SourceManager(QObject* parent = nullptr);

    QList<SourceConfig> sources() const { return sourceList; }
    QString lastActiveSourceName() const { return lastActiveName; }

    void setLastActiveSourceName(const QString& name);
    // Replaces the server of the same name in place, or appends it.
    void saveSource(const SourceConfig& config);
    void removeSource(const QString& name);

    void load();
    void persist();

signals:
    // A write did not reach the settings file (read-only, or its folder cannot be made): what was
    // changed is lost at the next start.
    void saveFailed(const QString& settingsFile);

private:
    void finishWrite(QSettings& settings);

    QList<SourceConfig> sourceList;
    QString lastActiveName;
};
