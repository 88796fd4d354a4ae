#pragma once

#include "guide/guideprogramme.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class QSqlQuery;

// Writes a complete guide into a file of its own beside `path` in one transaction and renames it
// over `path` only in commit(): a failed, cancelled or killed import leaves the previous file as
// it was. Imports of one store may overlap (a restarted import, two processes): each takes a
// number when it begins, and commit() installs its file only when no import that began later has
// installed one already. Use on one thread. Duplicate (channel, start) pairs keep the first
// programme.
class GuideStoreWriter final
{
public:
    explicit GuideStoreWriter(const QString& path);
    ~GuideStoreWriter(); // abandons an uncommitted file
    GuideStoreWriter(const GuideStoreWriter&) = delete;
    GuideStoreWriter& operator=(const GuideStoreWriter&) = delete;

    bool begin();
    void addChannel(int number, const QString& id, const QStringList& names);
    void addProgramme(int channel, const GuideProgramme& programme);
    // Gives programmes without a stop the next start of their channel (the last one an hour),
    // drops channels without programmes, checks the file opens as a guide and installs it.
    bool commit(const QList<std::pair<QString, QString>>& meta);
    void abandon();

    QString error() const { return failure; }
    qint64 programmeCount() const { return added; }
    // After a commit: a newer import had installed its guide, so this one was dropped.
    bool superseded() const { return overtaken; }

private:
    bool prepareBatch();
    bool flush();
    bool exec(const QString& sql);
    bool takeNumber();
    bool install();

    QString finalPath;
    QString tempPath;
    QString connection;
    QString failure;
    std::unique_ptr<QSqlQuery> batchInsert; // prepared once: a full batch
    QVariantList pending;                   // bound values of programmes not yet written
    int pendingRows = 0;
    qint64 added = 0;
    qint64 number = 0; // of this import among the imports of the store
    bool open = false;
    bool overtaken = false;
};
