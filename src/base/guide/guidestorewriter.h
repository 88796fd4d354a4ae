#pragma once

#include "guide/guideprogramme.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class QSqlQuery;

// Writes a complete guide into "<path>.importing" in one transaction and renames it over `path`
// only in commit(): a failed, cancelled or killed import leaves the previous file as it was.
// Use on one thread. Duplicate (channel, start) pairs keep the first programme.
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
    // Gives programmes without a stop the next start of their channel, drops the rest of them.
    bool commit(const QList<std::pair<QString, QString>>& meta);
    void abandon();

    QString error() const { return failure; }
    qint64 programmeCount() const { return added; }

private:
    bool prepareBatch();
    bool flush();
    bool exec(const QString& sql);

    QString finalPath;
    QString tempPath;
    QString connection;
    QString failure;
    std::unique_ptr<QSqlQuery> batchInsert; // prepared once: a full batch
    QVariantList pending;                   // bound values of programmes not yet written
    int pendingRows = 0;
    qint64 added = 0;
    bool open = false;
};
