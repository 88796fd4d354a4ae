#pragma once

#include "guide/guideprogramme.h"

#include <QHash>
#include <QList>
#include <QString>

// What the player API answered for channels the guide leaves out, kept in an SQLite file beside
// the guide file. The import never touches it: it replaces the guide file whole, and the answers
// would be lost with the old one. Times are kept as the server sent them. Read and written on
// the thread that opened it; a file that cannot be opened reads as empty and keeps nothing.
class GuideAnswers final
{
public:
    GuideAnswers() = default;
    ~GuideAnswers();
    GuideAnswers(const GuideAnswers&) = delete;
    GuideAnswers& operator=(const GuideAnswers&) = delete;

    // The file of the guide at `guidePath`.
    static QString pathFor(const QString& guidePath);

    bool open(const QString& path);
    void close();

    // Every channel's answer; programmes that ended before `keepFrom` are deleted.
    QHash<QString, QList<GuideProgramme>> load(qint64 keepFrom);
    // Replaces the answer for `streamId`.
    bool save(const QString& streamId, const QList<GuideProgramme>& programmes);

private:
    QString connection;
};
