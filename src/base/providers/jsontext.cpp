#include "providers/jsontext.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace {
constexpr char kHex[] = "0123456789abcdef";

void appendUnicodeEscape(QByteArray& out, char16_t unit)
{
    const char escape[6] = {'\\',
                            'u',
                            kHex[(unit >> 12) & 0xF],
                            kHex[(unit >> 8) & 0xF],
                            kHex[(unit >> 4) & 0xF],
                            kHex[unit & 0xF]};
    out.append(escape, 6);
}
} // namespace

void JsonText::appendString(QByteArray& out, QStringView text)
{
    const char16_t* p = text.utf16();
    const qsizetype size = text.size();
    out.reserve(out.size() + size + 2);
    out.append('"');
    qsizetype i = 0;
    while (i < size) {
        // Runs of ordinary ASCII are copied in one go.
        qsizetype run = i;
        while (run < size && p[run] >= 0x20 && p[run] < 0x80 && p[run] != u'"' && p[run] != u'\\')
            ++run;
        if (run > i) {
            const qsizetype start = out.size();
            out.resize(start + (run - i));
            char* dst = out.data() + start;
            for (qsizetype k = i; k < run; ++k)
                *dst++ = char(p[k]);
            i = run;
            if (i == size)
                break;
        }
        const char16_t c = p[i];
        if (c < 0x80) {
            switch (c) {
            case u'"':
                out.append("\\\"", 2);
                break;
            case u'\\':
                out.append("\\\\", 2);
                break;
            case u'\b':
                out.append("\\b", 2);
                break;
            case u'\f':
                out.append("\\f", 2);
                break;
            case u'\n':
                out.append("\\n", 2);
                break;
            case u'\r':
                out.append("\\r", 2);
                break;
            case u'\t':
                out.append("\\t", 2);
                break;
            default:
                appendUnicodeEscape(out, c);
                break;
            }
            ++i;
        } else if (c < 0x800) {
            const char bytes[2] = {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
            out.append(bytes, 2);
            ++i;
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(p[i + 1])) {
            const char32_t u = QChar::surrogateToUcs4(c, p[i + 1]);
            const char bytes[4] = {char(0xF0 | (u >> 18)), char(0x80 | ((u >> 12) & 0x3F)),
                                   char(0x80 | ((u >> 6) & 0x3F)), char(0x80 | (u & 0x3F))};
            out.append(bytes, 4);
            i += 2;
        } else if (QChar::isSurrogate(c)) {
            appendUnicodeEscape(out, c);
            ++i;
        } else {
            const char bytes[3] = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                                   char(0x80 | (c & 0x3F))};
            out.append(bytes, 3);
            ++i;
        }
    }
    out.append('"');
}

void JsonText::appendInteger(QByteArray& out, qint64 value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

void JsonText::appendDouble(QByteArray& out, double value)
{
    if (!std::isfinite(value)) {
        out.append("null", 4);
        return;
    }
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    if (std::trunc(value) == value && std::fabs(value) <= kExactIntegers) {
        appendInteger(out, qint64(value));
        return;
    }
    out.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}
