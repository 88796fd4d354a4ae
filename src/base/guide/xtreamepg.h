#pragma once

#include "guide/guideprogramme.h"

#include <QByteArray>
#include <QList>

// Reads the programme answers of the Xtream player API (get_short_epg, get_simple_data_table):
// {"epg_listings":[{...}]} or a bare array of the same rows. Times come from start_timestamp and
// stop_timestamp (numbers or digit strings); title and description are base64 when they decode
// to UTF-8, else the text as sent; has_archive as a number, string or boolean. A row without a
// usable start, or whose stop is not after its start, is skipped alone. The list is sorted by
// start with duplicate starts removed.
class XtreamEpg final
{
public:
    static QList<GuideProgramme> parse(const QByteArray& body, bool* ok = nullptr);
    // base64 that decodes to valid UTF-8, else `text` itself.
    static QString decodedText(const QString& text);
};
