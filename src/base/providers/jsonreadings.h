#pragma once

#include <QString>
#include <QtGlobal>

class QJsonValue;

// Which parser reads a JSON text. Fast: simdjson, handing every text it does not take to Qt's
// parser. Reference: Qt's parser alone, the behaviour the fast path must reproduce exactly.
enum class JsonPath
{
    Fast,
    Reference
};

// The value readings shared by the catalog readers. Each is defined by Qt's JSON values and
// their variant conversions, so a text read on either path gives the same records.
class JsonReadings final
{
public:
    // The string, or empty text for any other type.
    static QString text(const QJsonValue& value);
    // General integer conversion: a number rounded to the nearest integer, a string holding a
    // decimal integer (else 0), true 1, anything else 0.
    static qint64 integer(const QJsonValue& value);
    // General decimal conversion: a number, a string holding a number (else 0), true 1,
    // anything else 0.
    static double decimal(const QJsonValue& value);
    // A JSON number with an integral value that fits an int; anything else 0.
    static int wholeNumber(const QJsonValue& value);
    // A JSON number; anything else 0.
    static double number(const QJsonValue& value);

    // integer() and decimal() of a JSON string given as UTF-8, and integer() of a JSON number
    // held as a double: the same results without building a QJsonValue.
    static qint64 integerFromUtf8(const char* data, qsizetype size);
    static double decimalFromUtf8(const char* data, qsizetype size);
    static qint64 integerFromDouble(double value);
};
