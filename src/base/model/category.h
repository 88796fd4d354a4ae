#pragma once

#include <QString>
#include <QtGlobal>

// One category of a catalog section; MediaItem::categoryId refers to its id.
struct Category
{
    QString id;
    QString name;
};

// Only Qt value types inside: lists may move it with memcpy when they grow.
Q_DECLARE_TYPEINFO(Category, Q_RELOCATABLE_TYPE);
