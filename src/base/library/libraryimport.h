#pragma once

#include "model/mediaitem.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonValue>
#include <QList>
#include <QString>

class QSqlDatabase;

// A library export read back: the file checked as a whole before anything is stored (size,
// format, version, every entry's types and ranges), then merged in one transaction that counts
// what really changed. Runs on any thread; widget-free.
class LibraryImport final
{
    Q_DECLARE_TR_FUNCTIONS(LibraryImport)

public:
    static inline const QString kFormat = QStringLiteral("velmora-library");
    static constexpr int kFormatVersion = 1;
    // Far above any real library (a few hundred bytes an entry), far below what hurts to read.
    static constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;

    struct Favorite
    {
        QString server;
        MediaItem item;
        qint64 starredAt = 0;
    };
    struct Watch
    {
        QString server;
        MediaItem item;
        QString seriesId;
        QString seriesName;
        bool lastEpisode = false;
        qint64 positionMs = 0;
        qint64 durationMs = 0;
        bool watched = false;
        qint64 updatedAt = 0;
    };
    struct Parsed
    {
        QList<Favorite> favorites;
        QList<Watch> watch;
        QJsonValue lineup; // the lineup section as read; undefined when the file has none
        QString error; // for the user; empty when the file can be stored
    };
    struct Counts
    {
        int favorites = 0; // stars added or made newer
        int watch = 0;     // watch states added or made newer
        int unchanged = 0; // entries the library already had as new or newer
    };

    // `serverNames` maps this computer's server keys to their display names: an entry of a
    // server with another key here is stored under the key of the server of its name.
    static Parsed readFile(const QString& path, const QHash<QString, QString>& serverNames);
    static Parsed parse(const QByteArray& json, const QHash<QString, QString>& serverNames);

    // Inside a transaction the caller holds.
    static bool write(QSqlDatabase& db, const Parsed& parsed, Counts* counts, QString* error);
    // Through a connection of its own to the library file, in one transaction.
    static bool writeFile(const QString& databasePath, const Parsed& parsed, Counts* counts,
                          QString* error);

    static QString summary(const Counts& counts);
};
