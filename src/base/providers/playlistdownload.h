#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

class QNetworkAccessManager;
class QObject;

// The one way a playlist is downloaded, for the window's catalog load and the pair dialog's check
// alike: the same inactivity limit, the same size cap and the same wording of a failure.
class PlaylistDownload final
{
public:
    // Refuse playlists larger than this rather than let one fill the memory.
    static constexpr qint64 kMaxBytes = 1024LL * 1024 * 1024;

    // `done` runs once on the GUI thread while `context` lives: the playlist's bytes, or none
    // and why it failed ("the playlist is larger than 1 GB", or the network's reason).
    using Done = std::function<void(const QByteArray& body, const QString& error)>;
    static void get(QNetworkAccessManager* manager, const QString& address, QObject* context,
                    Done done);
};
