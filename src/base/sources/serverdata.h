#pragma once

#include <QString>

class Library;
class SourceManager;

// What the player keeps for each server besides its settings: its library rows and its guide
// files, kept under the server's id so that they stay with it when it is renamed.
class ServerData final
{
public:
    // Moves what an older version kept under the servers' names to their ids, then stores the
    // ids. Done once; an interrupted move is repeated with the same ids at the next start.
    static void adoptNameKeys(SourceManager& sources, Library& library);
    // Removes the library rows and the guide files of a removed server.
    static void forget(Library& library, const QString& storageKey);

private:
    static QStringList guideFiles(const QString& storageKey);
};
