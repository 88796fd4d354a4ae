#include "providers/jsonscanner.h"

#include "providers/fastjson.h"
#include "providers/jsonreadings.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int hex4(const char* p)
{
    int result = 0;
    for (int i = 0; i < 4; ++i) {
        const int digit = hexValue(p[i]);
        if (digit < 0)
            return -1;
        result = result * 16 + digit;
    }
    return result;
}

// The first byte at or after `p` that ends a plain run inside a string: a quote, a backslash
// or a control character.
const char* plainRunEnd(const char* p, const char* end)
{
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i lastControl = _mm_set1_epi8(0x1f);
    while (end - p >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i control = _mm_cmpeq_epi8(_mm_max_epu8(chunk, lastControl), lastControl);
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(chunk, quote), _mm_cmpeq_epi8(chunk, backslash)), control);
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0)
            return p + __builtin_ctz(unsigned(mask));
        p += 16;
    }
#endif
    while (p < end && *p != '"' && *p != '\\' && static_cast<unsigned char>(*p) >= 0x20)
        ++p;
    return p;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Writes the unit(s) of the checked escape at `p` and returns the byte after it.
const unsigned char* unescapeInto(const unsigned char* p, char16_t*& o)
{
    switch (p[1]) {
    case 'b':
        *o++ = u'\b';
        return p + 2;
    case 'f':
        *o++ = u'\f';
        return p + 2;
    case 'n':
        *o++ = u'\n';
        return p + 2;
    case 'r':
        *o++ = u'\r';
        return p + 2;
    case 't':
        *o++ = u'\t';
        return p + 2;
    case 'u': {
        const char* at = reinterpret_cast<const char*>(p);
        const int unit = hex4(at + 2);
        *o++ = char16_t(unit);
        if (unit < 0xD800 || unit > 0xDBFF)
            return p + 6;
        *o++ = char16_t(hex4(at + 8)); // the low half the scan found
        return p + 12;
    }
    default:
        *o++ = char16_t(p[1]); // " \ /
        return p + 2;
    }
}

// The UTF-8 text of a scanned string with its escapes resolved; the scan checked them.
const std::string& unescaped(const JsonScanner::Value& value)
{
    thread_local std::string out;
    out.clear();
    const char* p = value.begin;
    const char* end = p + value.size;
    while (p < end) {
        const char* run = p;
        while (p < end && *p != '\\')
            ++p;
        out.append(run, size_t(p - run));
        if (p == end)
            break;
        const char c = p[1];
        p += 2;
        switch (c) {
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            char32_t unit = char32_t(hex4(p));
            p += 4;
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (char32_t(hex4(p + 2)) - 0xDC00);
                p += 6;
            }
            appendUtf8(out, unit);
            break;
        }
        default:
            out += c;
            break; // " \ /
        }
    }
    return out;
}
} // namespace

JsonScanner::JsonScanner(const char* data, qsizetype size)
    : p(data)
    , end(data + size)
{
    // Qt skips one byte-order mark at the very start.
    if (size >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
        p += 3;
    if (!FastJson::isValidUtf8(p, end - p))
        decline();
}

void JsonScanner::decline()
{
    p = nullptr;
    end = nullptr;
}

void JsonScanner::skipSpaceRun()
{
    while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
        ++p;
}

bool JsonScanner::finish()
{
    skipSpace();
    if (depth != 0 || p != end || declined()) {
        decline();
        return false;
    }
    return true;
}

char JsonScanner::peek()
{
    skipSpace();
    return p < end ? *p : '\0';
}

bool JsonScanner::enterObject()
{
    if (peek() != '{' || depth == kMaxDepth) {
        decline();
        return false;
    }
    ++p;
    first[size_t(++depth)] = true;
    return true;
}

bool JsonScanner::enterArray()
{
    if (peek() != '[' || depth == kMaxDepth) {
        decline();
        return false;
    }
    ++p;
    first[size_t(++depth)] = true;
    return true;
}

// At a member's or element's end: false past the closing bracket, true past a comma.
bool JsonScanner::closeScope(char close)
{
    skipSpace();
    if (p == end || depth == 0) {
        decline();
        return false;
    }
    if (*p == close && first[size_t(depth)]) {
        ++p;
        --depth;
        return false;
    }
    if (first[size_t(depth)]) {
        first[size_t(depth)] = false;
        return true;
    }
    if (*p == close) {
        ++p;
        --depth;
        return false;
    }
    if (*p != ',') {
        decline();
        return false;
    }
    ++p;
    skipSpace();
    return true;
}

bool JsonScanner::nextMember(std::string_view& key)
{
    if (!closeScope('}'))
        return false;
    Value name;
    if (p == end || *p != '"' || !scanString(name) || name.escaped) {
        decline();
        return false;
    }
    skipSpace();
    if (p == end || *p != ':') {
        decline();
        return false;
    }
    ++p;
    key = std::string_view(name.begin, size_t(name.size));
    return true;
}

bool JsonScanner::nextElement()
{
    return closeScope(']');
}

JsonScanner::Value JsonScanner::read(bool wanted)
{
    Value out;
    switch (peek()) {
    case '"':
        if (scanString(out))
            return out;
        break;
    case '{': {
        enterObject();
        std::string_view key;
        while (nextMember(key))
            skip();
        out.kind = Value::Compound;
        break;
    }
    case '[':
        enterArray();
        while (nextElement())
            skip();
        out.kind = Value::Compound;
        break;
    case 't':
        out.kind = Value::True;
        scanLiteral("true");
        break;
    case 'f':
        out.kind = Value::False;
        scanLiteral("false");
        break;
    case 'n':
        out.kind = Value::Null;
        scanLiteral("null");
        break;
    default:
        if (scanNumber(out, wanted))
            return out;
        break;
    }
    if (declined())
        return Value();
    return out;
}

bool JsonScanner::scanLiteral(std::string_view word)
{
    if (size_t(end - p) < word.size() || std::memcmp(p, word.data(), word.size()) != 0) {
        decline();
        return false;
    }
    p += word.size();
    return true;
}

bool JsonScanner::scanString(Value& out)
{
    const char* const open = p;
    ++p;
    // Qt drops a byte-order mark that opens a string where simdjson keeps it: Qt's alone.
    if (end - p >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) {
        decline();
        return false;
    }
    bool escaped = false;
    while (true) {
        p = plainRunEnd(p, end);
        if (p == end || static_cast<unsigned char>(*p) < 0x20) {
            decline();
            return false;
        }
        if (*p == '"')
            break;
        escaped = true;
        if (end - p < 2) {
            decline();
            return false;
        }
        const char c = p[1];
        if (c == 'u') {
            const int unit = end - p >= 6 ? hex4(p + 2) : -1;
            // Escaped marks are left to Qt like raw ones; lone surrogates too.
            if (unit < 0 || unit == 0xFEFF || (unit >= 0xDC00 && unit <= 0xDFFF)) {
                decline();
                return false;
            }
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                const int low = end - p >= 12 && p[6] == '\\' && p[7] == 'u' ? hex4(p + 8) : -1;
                if (low < 0xDC00 || low > 0xDFFF) {
                    decline();
                    return false;
                }
                p += 12;
            } else {
                p += 6;
            }
        } else if (c == '"' || c == '\\' || c == '/' || c == 'b' || c == 'f' || c == 'n' ||
                   c == 'r' || c == 't') {
            p += 2;
        } else {
            decline();
            return false;
        }
    }
    out.kind = Value::String;
    out.escaped = escaped;
    out.begin = open + 1;
    out.size = p - out.begin;
    ++p;
    return true;
}

bool JsonScanner::scanNumber(Value& out, bool wanted)
{
    const char* const start = p;
    if (p < end && *p == '-')
        ++p;
    const char* const digits = p;
    if (p == end || !isDigit(*p)) {
        decline();
        return false;
    }
    if (*p == '0')
        ++p;
    else
        while (p < end && isDigit(*p))
            ++p;
    const qsizetype intDigits = p - digits;
    bool fraction = false;
    if (p < end && *p == '.') {
        fraction = true;
        ++p;
        const char* const fracStart = p;
        while (p < end && isDigit(*p))
            ++p;
        if (p == fracStart) {
            decline();
            return false;
        }
    }
    // Exponents may under- or overflow, where Qt and simdjson part ways: left to them.
    if (p < end && (*p == 'e' || *p == 'E')) {
        decline();
        return false;
    }
    if (!fraction) {
        // simdjson reads -0 as a double, and long integers as unsigned or not at all.
        if (intDigits > 18 || (start != digits && *digits == '0')) {
            decline();
            return false;
        }
        qint64 value = 0;
        for (const char* d = digits; d < p; ++d)
            value = value * 10 + (*d - '0');
        out.kind = Value::Integer;
        out.integer = start != digits ? -value : value;
        return true;
    }
    // Without an exponent, up to 300 digits can neither overflow nor round to zero: a skipped
    // number of that kind is valid as it stands.
    if (!wanted && p - digits <= 300) {
        out.kind = Value::Decimal;
        return true;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(start, p, value);
    // A value that rounds to zero from non-zero digits is one Qt refuses.
    bool zeroDigits = true;
    for (const char* d = digits; d < p && zeroDigits; ++d)
        zeroDigits = *d == '0' || *d == '.';
    if (error != std::errc() || stop != p || !std::isfinite(value) || (value == 0 && !zeroDigits)) {
        decline();
        return false;
    }
    out.kind = Value::Decimal;
    out.decimal = value;
    return true;
}

QString JsonScanner::SharedTexts::text(const Value& value)
{
    if (value.kind != Value::String || value.escaped || value.size > 16)
        return JsonScanner::text(value);
    const std::string_view bytes(value.begin, size_t(value.size));
    const auto byte = [&bytes](std::size_t i) { return std::size_t(quint8(bytes[i])); };
    const std::size_t n = bytes.size();
    const std::size_t pick =
        n == 0 ? 0 : (n * 0x9E37 ^ byte(0) * 0x85EB ^ byte(n - 1) * 0xC2B3 ^ byte(n / 2) * 0x27D5);
    Slot& slot = recent[(pick ^ (pick >> 8)) & (recent.size() - 1)];
    if (slot.bytes == bytes && !slot.text.isNull())
        return slot.text;
    auto it = texts.find(bytes);
    if (it == texts.end())
        it = texts.emplace(bytes, JsonScanner::text(value)).first;
    slot.bytes = bytes;
    slot.text = it->second;
    return slot.text;
}

QString JsonScanner::text(const Value& value)
{
    if (value.kind != Value::String)
        return QString();
    if (!value.escaped)
        return QString::fromUtf8(value.begin, value.size);
    // Escaped texts (PHP writes every '/' and every non-ASCII character so) go to UTF-16 in one
    // pass: no UTF-8 copy in between. Every unit takes at least one byte of the text, and the
    // text is valid UTF-8 with checked escapes.
    QString out(value.size, Qt::Uninitialized);
    char16_t* const first = reinterpret_cast<char16_t*>(out.data());
    char16_t* o = first;
    const auto* p = reinterpret_cast<const unsigned char*>(value.begin);
    const auto* const end = p + value.size;
    while (p < end) {
#if defined(__SSE2__)
        const __m128i backslash = _mm_set1_epi8('\\');
        // Sixteen bytes at a time: all widened and stored (the string has room for them), then
        // kept up to the first escape or multi-byte character.
        while (end - p >= 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi8(chunk, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8), _mm_unpackhi_epi8(chunk, zero));
            const int special =
                _mm_movemask_epi8(chunk) | _mm_movemask_epi8(_mm_cmpeq_epi8(chunk, backslash));
            const int plain = special ? __builtin_ctz(unsigned(special)) : 16;
            p += plain;
            o += plain;
            if (special)
                break;
        }
        if (p == end)
            break;
#endif
        const unsigned c = *p;
        if (c == '\\') {
            p = unescapeInto(p, o);
        } else if (c < 0x80) {
            *o++ = char16_t(c);
            ++p;
        } else if (c < 0xE0) {
            *o++ = char16_t(((c & 0x1F) << 6) | (p[1] & 0x3F));
            p += 2;
        } else if (c < 0xF0) {
            *o++ = char16_t(((c & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
            p += 3;
        } else {
            const char32_t point =
                ((c & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
            *o++ = char16_t(0xD800 + ((point - 0x10000) >> 10));
            *o++ = char16_t(0xDC00 + ((point - 0x10000) & 0x3FF));
            p += 4;
        }
    }
    out.truncate(o - first);
    return out;
}

qint64 JsonScanner::integer(const Value& value)
{
    switch (value.kind) {
    case Value::Integer:
        return value.integer;
    case Value::Decimal:
        return JsonReadings::integerFromDouble(value.decimal);
    case Value::String: {
        if (!value.escaped)
            return JsonReadings::integerFromUtf8(value.begin, value.size);
        const std::string& text = unescaped(value);
        return JsonReadings::integerFromUtf8(text.data(), qsizetype(text.size()));
    }
    case Value::True:
        return 1;
    default:
        return 0;
    }
}

double JsonScanner::decimal(const Value& value)
{
    switch (value.kind) {
    case Value::Integer:
        return double(value.integer);
    case Value::Decimal:
        return value.decimal;
    case Value::String: {
        if (!value.escaped)
            return JsonReadings::decimalFromUtf8(value.begin, value.size);
        const std::string& text = unescaped(value);
        return JsonReadings::decimalFromUtf8(text.data(), qsizetype(text.size()));
    }
    case Value::True:
        return 1.0;
    default:
        return 0.0;
    }
}

int JsonScanner::wholeNumber(const Value& value)
{
    if (value.kind == Value::Integer)
        return value.integer >= INT_MIN && value.integer <= INT_MAX ? int(value.integer) : 0;
    if (value.kind == Value::Decimal) {
        const double d = value.decimal;
        if (d >= double(INT_MIN) && d <= double(INT_MAX) && std::trunc(d) == d)
            return int(d);
    }
    return 0;
}

double JsonScanner::number(const Value& value)
{
    if (value.kind == Value::Integer)
        return double(value.integer);
    return value.kind == Value::Decimal ? value.decimal : 0.0;
}
