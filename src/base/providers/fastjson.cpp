#include "providers/fastjson.h"

#include "providers/jsonreadings.h"

#include <QByteArrayView>

#include <simdjson.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace {
using simdjson::dom::element_type;

static_assert(sizeof(simdjson::dom::element) <= sizeof(FastJson::Element) &&
              std::is_trivially_copyable_v<simdjson::dom::element>);

simdjson::dom::element dom(const FastJson::Element& value)
{
    simdjson::dom::element element;
    std::memcpy(static_cast<void*>(&element), &value, sizeof element);
    return element;
}

FastJson::Element handle(simdjson::dom::element element)
{
    FastJson::Element value;
    std::memcpy(static_cast<void*>(&value), &element, sizeof element);
    return value;
}

// The value as `T` (an object, array, string view or number); call only for its type.
template <typename T>
T as(simdjson::dom::element value)
{
    T result{};
    [[maybe_unused]] const auto error = value.get(result);
    return result;
}

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

struct FastJson::Parser
{
    simdjson::dom::parser dom;
};

FastJson::FastJson()
    : parser(std::make_unique<Parser>())
{}

FastJson::~FastJson() = default;

FastJson::Type FastJson::Element::type() const
{
    switch (dom(*this).type()) {
    case element_type::ARRAY:
        return Type::Array;
    case element_type::OBJECT:
        return Type::Object;
    case element_type::INT64:
        return Type::Int64;
    case element_type::UINT64:
        return Type::Uint64;
    case element_type::DOUBLE:
        return Type::Double;
    case element_type::STRING:
        return Type::String;
    case element_type::BOOL:
        return Type::Bool;
    default:
        return Type::Null;
    }
}

bool FastJson::parse(const QByteArray& text)
{
    begin = text.constData();
    length = text.size();
    // Qt skips one byte-order mark at the very start, and so do we.
    if (length >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0) {
        begin += 3;
        length -= 3;
    }
    if (parser->dom.allocate(size_t(length) + 1, kMaxDepth) != simdjson::SUCCESS)
        return false;
    simdjson::dom::element root;
    if (parser->dom.parse(begin, size_t(length)).get(root) != simdjson::SUCCESS)
        return false;
    rootElement = handle(root);
    // Qt takes only an array or an object at the top.
    const element_type type = root.type();
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

QString FastJson::text(Element element)
{
    const simdjson::dom::element value = dom(element);
    if (value.type() != element_type::STRING)
        return QString();
    return toQString(as<std::string_view>(value));
}

qint64 FastJson::integer(Element element)
{
    const simdjson::dom::element value = dom(element);
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

double FastJson::decimal(Element element)
{
    const simdjson::dom::element value = dom(element);
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

int FastJson::wholeNumber(Element element)
{
    const simdjson::dom::element value = dom(element);
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

double FastJson::number(Element element)
{
    const simdjson::dom::element value = dom(element);
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

bool FastJson::isValidUtf8(const char* data, qsizetype size)
{
    return simdjson::validate_utf8(data, size_t(size));
}

std::string_view FastJson::stringView(Element value)
{
    return as<std::string_view>(dom(value));
}

qsizetype FastJson::arraySize(Element array)
{
    const simdjson::dom::element value = dom(array);
    return value.type() == element_type::ARRAY ? qsizetype(as<simdjson::dom::array>(value).size())
                                               : 0;
}

void FastJson::visitElements(Element array, void (*visit)(void*, Element), void* visitor)
{
    const simdjson::dom::element value = dom(array);
    if (value.type() != element_type::ARRAY)
        return;
    for (const simdjson::dom::element element : as<simdjson::dom::array>(value))
        visit(visitor, handle(element));
}

void FastJson::visitMembers(Element object, void (*visit)(void*, std::string_view, Element),
                            void* visitor)
{
    const simdjson::dom::element value = dom(object);
    if (value.type() != element_type::OBJECT)
        return;
    for (const auto field : as<simdjson::dom::object>(value))
        visit(visitor, field.key, handle(field.value));
}

bool FastJson::member(Element object, std::string_view key, Element& out)
{
    bool found = false;
    forEachMember(object, [&](std::string_view name, Element value) {
        if (name == key) {
            out = value;
            found = true;
        }
    });
    return found;
}
