#pragma once

// Small helpers many tests share.
#include "model/mediaitem.h"
#include "model/sourceconfig.h"

#include <QList>
#include <QStringList>

inline QStringList itemNames(const QList<MediaItem>& items)
{
    QStringList out;
    for (const MediaItem& item : items)
        out << item.name;
    return out;
}

inline QStringList sourceNames(const QList<SourceConfig>& sources)
{
    QStringList out;
    for (const SourceConfig& source : sources)
        out << source.name;
    return out;
}
