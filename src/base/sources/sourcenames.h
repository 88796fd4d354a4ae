#pragma once

#include "model/sourceconfig.h"

#include <QList>
#include <QString>

// Naming rules for servers and the files kept for them. Widget-free, so tests call them directly.

// Every server name in list order, skipping those equal to `except` (exact comparison).
QList<QString> sourceNamesExcept(const QList<SourceConfig>& sources, const QString& except);

// `name`, or "name (2)", "name (3)", ... : the first that no other server uses, ignoring case.
QString uniqueSourceName(const QString& name, const QList<QString>& otherNames);

// `name` with every character other than an ASCII letter, digit, "_" or "-" replaced by "_".
QString sanitizedFileBaseName(const QString& name);

// File name (without folder) of the stored copy of a local playlist. Usually the sanitized name
// plus the source file's suffix; when another server's name sanitizes to the same text, a short
// hash of this exact name keeps the two copies apart, so one server's playlist never replaces
// another's.
QString playlistCopyFileName(const QString& name, const QString& sourceSuffix,
                             const QList<QString>& otherNames);
