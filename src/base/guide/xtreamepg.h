#pragma once

#include "guide/guideprogramme.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Reads the programme answers of the Xtream player API (get_short_epg, get_simple_data_table):
// {"epg_listings":[{...}]} or a bare array of the same rows. Times come from start_timestamp and
// stop_timestamp (numbers or digit strings); has_archive as a number, string or boolean. Servers
// encode every title and description of an answer in base64 or none: they are decoded when all
// of them are base64 text (see base64Text()), else every one is kept as sent. A row without a
// usable start, or whose stop is not after its start, is skipped alone. The list is sorted by
// start with duplicate starts removed.
class XtreamEpg final
{
public:
    static QList<GuideProgramme> parse(const QByteArray& body, bool* ok = nullptr);
    // The text `text` encodes when it is padded standard base64 of valid UTF-8 without control
    // characters other than tab and line breaks; nothing otherwise.
    static std::optional<QString> base64Text(const QString& text);
};
