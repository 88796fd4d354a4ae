#pragma once

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>

// Pieces of compact JSON text written byte for byte as QJsonDocument::toJson(Compact) writes
// them, so a file assembled from them reads back exactly like one Qt wrote.
class JsonText final
{
public:
    // A quoted string: `"` and `\` escaped, control characters as \b \t \n \f \r or \u00xx,
    // a lone surrogate as \uxxxx, everything else as UTF-8.
    static void appendString(QByteArray& out, QStringView text);
    // An integral value within 2^53 as an integer, other finite values in the shortest form
    // that reads back exactly, and null for infinities and NaN.
    static void appendDouble(QByteArray& out, double value);
    static void appendInteger(QByteArray& out, qint64 value);
};
