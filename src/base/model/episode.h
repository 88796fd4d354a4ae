#pragma once

#include <QString>
#include <QtGlobal>

// One episode of a series, as the server lists it.
struct Episode
{
    QString id;
    QString seriesName;
    int season = 0;
    int episodeNumber = 0;
    QString title;
    QString containerExtension;
};

// Only Qt value types inside: lists may move it with memcpy when they grow.
Q_DECLARE_TYPEINFO(Episode, Q_RELOCATABLE_TYPE);
