#include "providers/fastjson.h"

#include "providers/jsonreadings.h"

#include <QByteArrayView>

#include <climits>
#include <cmath>
#include <cstring>

namespace {
using simdjson::dom::element_type;

// Qt's parser nests up to 1024 levels; anything close to that is left to Qt to judge.
constexpr std::size_t kMaxDepth = 1000;

bool isNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
}

// Qt rejects a number with a non-zero digit whose value rounds to zero; simdjson takes it as 0.
// Such a number needs a negative exponent or a long run of zeros, so only those are looked at,
// and any doubt hands the text to Qt.
bool mayHoldUnderflow(const char* data, qsizetype size)
{
    static constexpr char kZeros[] =
        "0000000000000000000000000000000000000000000000000000000000000000";
    if (std::string_view(data, size_t(size)).find(kZeros) != std::string_view::npos)
        return true;
    const char* end = data + size;
    for (const char* p = data; p < end;) {
        const char* minus = static_cast<const char*>(std::memchr(p, '-', size_t(end - p)));
        if (!minus)
            break;
        p = minus + 1;
        if (minus == data || (minus[-1] != 'e' && minus[-1] != 'E') || p == end || *p < '0' ||
            *p > '9')
            continue;
        const char* start = minus - 1;
        while (start > data && isNumberChar(start[-1]))
            --start;
        const char* stop = p;
        while (stop < end && isNumberChar(*stop))
            ++stop;
        bool ok = false;
        [[maybe_unused]] const double value = QByteArrayView(start, stop - start).toDouble(&ok);
        if (!ok)
            return true;
    }
    return false;
}
} // namespace

bool FastJson::parse(const QByteArray& text)
{
    begin = text.constData();
    length = text.size();
    // Qt skips one byte-order mark at the very start, and so do we.
    if (length >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0) {
        begin += 3;
        length -= 3;
    }
    if (parser.allocate(size_t(length) + 1, kMaxDepth) != simdjson::SUCCESS)
        return false;
    if (parser.parse(begin, size_t(length)).get(rootElement) != simdjson::SUCCESS)
        return false;
    // Qt takes only an array or an object at the top.
    const element_type type = rootElement.type();
    if (type != element_type::ARRAY && type != element_type::OBJECT)
        return false;
    if (hasMarkedString(begin, length))
        return false;
    return !mayHoldUnderflow(begin, length);
}

bool FastJson::hasMarkedString(const char* data, qsizetype size)
{
    const std::string_view text(data, size_t(size));
    if (text.find("\"\xEF\xBB\xBF") != std::string_view::npos)
        return true;
    for (size_t escape = text.find("\"\\u"); escape != std::string_view::npos;
         escape = text.find("\"\\u", escape + 3)) {
        const std::string_view digits = text.substr(escape + 3, 4);
        if (digits.size() == 4 &&
            QByteArrayView(digits.data(), 4).compare("feff", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString FastJson::text(Element value)
{
    if (value.type() != element_type::STRING)
        return QString();
    return toQString(as<std::string_view>(value));
}

qint64 FastJson::integer(Element value)
{
    switch (value.type()) {
    case element_type::INT64:
        return as<int64_t>(value);
    case element_type::UINT64:
        return JsonReadings::integerFromDouble(double(as<uint64_t>(value)));
    case element_type::DOUBLE:
        return JsonReadings::integerFromDouble(as<double>(value));
    case element_type::STRING: {
        const std::string_view s = as<std::string_view>(value);
        return JsonReadings::integerFromUtf8(s.data(), qsizetype(s.size()));
    }
    case element_type::BOOL:
        return as<bool>(value) ? 1 : 0;
    default:
        return 0;
    }
}

double FastJson::decimal(Element value)
{
    switch (value.type()) {
    case element_type::INT64:
        return double(as<int64_t>(value));
    case element_type::UINT64:
        return double(as<uint64_t>(value));
    case element_type::DOUBLE:
        return as<double>(value);
    case element_type::STRING: {
        const std::string_view s = as<std::string_view>(value);
        return JsonReadings::decimalFromUtf8(s.data(), qsizetype(s.size()));
    }
    case element_type::BOOL:
        return as<bool>(value) ? 1.0 : 0.0;
    default:
        return 0.0;
    }
}

int FastJson::wholeNumber(Element value)
{
    switch (value.type()) {
    case element_type::INT64: {
        const int64_t n = as<int64_t>(value);
        return n >= INT_MIN && n <= INT_MAX ? int(n) : 0;
    }
    case element_type::DOUBLE: {
        const double d = as<double>(value);
        if (std::isfinite(d) && d >= double(INT_MIN) && d <= double(INT_MAX) && std::trunc(d) == d)
            return int(d);
        return 0;
    }
    default:
        return 0; // an unsigned value is beyond int; strings and the rest are not numbers
    }
}

double FastJson::number(Element value)
{
    switch (value.type()) {
    case element_type::INT64:
        return double(as<int64_t>(value));
    case element_type::UINT64:
        return double(as<uint64_t>(value));
    case element_type::DOUBLE:
        return as<double>(value);
    default:
        return 0.0;
    }
}

bool FastJson::member(Object object, std::string_view key, Element& out)
{
    bool found = false;
    for (const auto field : object) {
        if (field.key == key) {
            out = field.value;
            found = true;
        }
    }
    return found;
}
