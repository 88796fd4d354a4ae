#pragma once

#include "model/sourceconfig.h"

#include <QList>
#include <QObject>

class QSettings;

// The configured servers and the last active one, mirrored into the per-user settings store
// (organisation "Velmora", application "Player"). Every change is written before the call returns.
// No validation or de-duplication: the server dialog makes names unique. Each server has an id
// of its own, given when it is first saved and kept when it is renamed.
class SourceManager final : public QObject
{
    Q_OBJECT

public:
    explicit SourceManager(QObject* parent = nullptr);

    QList<SourceConfig> sources() const { return sourceList; }
    QString lastActiveSourceName() const { return lastActiveName; }

    void setLastActiveSourceName(const QString& name);
    // Replaces the server of the same id (or, without one, of the same name) in place, or
    // appends it with a new id. A server renamed (same id, new name) moves to the end.
    void saveSource(const SourceConfig& config);
    void removeSource(const QString& name);

    // Servers stored before they had ids get one from their name at loading. Until the data
    // kept under their names has moved (ServerData::adoptNameKeys), the ids are not stored, so
    // an interrupted move is done again with the same ids.
    struct Rekeyed
    {
        QString name;
        QString id;
    };
    QList<Rekeyed> rekeyed() const { return withoutStoredId; }
    void storeNewIds();

    void load();
    void persist();

signals:
    // A write did not reach the settings file (read-only, or its folder cannot be made): what was
    // changed is lost at the next start.
    void saveFailed(const QString& settingsFile);
    // A server was removed; `storageKey` is what its data was kept under.
    void removed(const QString& storageKey);

private:
    void finishWrite(QSettings& settings);

    QList<SourceConfig> sourceList;
    QString lastActiveName;
    QList<Rekeyed> withoutStoredId;
};
