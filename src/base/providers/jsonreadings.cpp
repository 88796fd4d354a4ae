#include "providers/jsonreadings.h"

#include <QJsonValue>
#include <QVariant>

#include <charconv>

qint64 JsonReadings::integer(const QJsonValue& value)
{
    return value.toVariant().toLongLong();
}

QString JsonReadings::text(const QJsonValue& value)
{
    return value.toString();
}

double JsonReadings::decimal(const QJsonValue& value)
{
    return value.toVariant().toDouble();
}

int JsonReadings::wholeNumber(const QJsonValue& value)
{
    return value.toInt();
}

double JsonReadings::number(const QJsonValue& value)
{
    return value.toDouble();
}

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

qint64 JsonReadings::integerFromUtf8(const char* data, qsizetype size)
{
    // Plain digits (what servers send for ids and time stamps) are read here; every other form
    // (spaces, signs, overflow, non-digits) goes through the variant conversion itself.
    const bool negative = size > 0 && data[0] == '-';
    const qsizetype digits = size - (negative ? 1 : 0);
    if (digits >= 1 && digits <= 18) {
        qint64 result = 0;
        qsizetype i = negative ? 1 : 0;
        for (; i < size && isDigit(data[i]); ++i)
            result = result * 10 + (data[i] - '0');
        if (i == size)
            return negative ? -result : result;
    }
    return QVariant(QString::fromUtf8(data, size)).toLongLong();
}

double JsonReadings::decimalFromUtf8(const char* data, qsizetype size)
{
    // Short plain decimals ("7.5", "-3", "8.20") take the fast road: from_chars rounds
    // correctly, as Qt's conversion does. Exponents, spaces, "inf" and the like do not.
    if (size >= 1 && size <= 32) {
        qsizetype i = data[0] == '-' ? 1 : 0;
        const qsizetype intStart = i;
        while (i < size && isDigit(data[i]))
            ++i;
        bool plain = i > intStart;
        if (plain && i < size && data[i] == '.') {
            const qsizetype fracStart = ++i;
            while (i < size && isDigit(data[i]))
                ++i;
            plain = i > fracStart;
        }
        if (plain && i == size) {
            double result = 0;
            const auto [end, error] = std::from_chars(data, data + size, result);
            if (error == std::errc() && end == data + size)
                return result;
        }
    }
    return QVariant(QString::fromUtf8(data, size)).toDouble();
}

qint64 JsonReadings::integerFromDouble(double value)
{
    return QVariant(value).toLongLong();
}
