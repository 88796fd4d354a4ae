#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// The demo server's command line.
class DemoOptions final
{
public:
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 8088;
    QString publicUrl; // how clients reach us; empty: from the listening address
    int scale = 3000;
    QString dataDir;
    QString username = QStringLiteral("demo");
    QString password = QStringLiteral("demo");
    QString ffmpeg = QStringLiteral("ffmpeg");
    int liveIdleMs = 10000;
    int maxLive = 3;
    int maxConnections = 0; // live streams per account; 0: not enforced (the login says 3)
    int clipSeconds = 0;
    bool largeGuide = false; // the benchmark's 200 MB guide instead of the catalog's
    QString timeZone = QStringLiteral("Europe/Amsterdam"); // archive addresses are read in it
    bool archivePathForm = true; // false: /timeshift/... answers 404, only timeshift.php works

    // Reads the arguments (the program name first). Returns false with a message for the user;
    // --help and --version print and set `exitNow`.
    bool parse(const QStringList& arguments, QString* message, bool* exitNow);

    // "host:port", "[v6]:port" or ":port"; false for anything else.
    static bool parseListen(const QString& text, QHostAddress* address, quint16* port);
    // The base address clients use, for the answered port.
    QString baseUrl(quint16 actualPort) const;
    static QString defaultDataDir();
};
