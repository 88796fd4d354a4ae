#pragma once

#include <QString>
#include <QtGlobal>

// What the login answer's "server_info" says about the server's clock: its zone name, its local
// wall-clock time and the Unix time of that same moment. Archive addresses are written in that
// zone, so these are all that is needed to place a programme on the server's clock.
struct XtreamServerInfo
{
    QString timezone; // e.g. "Europe/Amsterdam"; servers also send names no database knows
    QString timeNow;  // "YYYY-MM-DD HH:MM:SS", local to the server
    qint64 timestampNow = 0;
    // "user_info.max_connections": streams the account may have open at once; 0 when not said.
    int maxConnections = 0;
};
