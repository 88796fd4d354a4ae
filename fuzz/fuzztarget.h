#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Each fuzz target is one .cpp defining `int fuzz<Name>(const uint8_t*, size_t)`, declared in
// fuzztargets.h. VELMORA_FUZZ_ENTRY hands it to libFuzzer in the clang build; the corpus replay
// test of the normal build calls the same functions.
#ifdef VELMORA_LIBFUZZER
#define VELMORA_FUZZ_ENTRY(function)                                                               \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)                        \
    {                                                                                              \
        return function(data, size);                                                               \
    }
#else
#define VELMORA_FUZZ_ENTRY(function)
#endif

// A broken promise ends the run the way a crash does, so libFuzzer keeps the input.
[[noreturn]] inline void fuzzFailure(const char* check, const QString& detail)
{
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", check, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFailure(#condition, (detail));                                                     \
    } while (false)

// Inputs that carry more than one thing read like a small HTTP message: "Name: value" lines,
// then an empty line, then the body. The first line that is not a field starts the body, so an
// input without fields is all body.
struct FuzzMessage
{
    QHash<QByteArray, QByteArray> fields; // names in lower case; the last of repeats counts
    QByteArray body;

    static FuzzMessage read(const uint8_t* data, size_t size)
    {
        const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
        FuzzMessage message;
        qsizetype pos = 0;
        while (pos < input.size()) {
            qsizetype end = input.indexOf('\n', pos);
            if (end < 0)
                end = input.size();
            const QByteArray line = input.mid(pos, end - pos);
            if (line.isEmpty() || line == "\r") {
                pos = end + 1;
                break;
            }
            const qsizetype colon = line.indexOf(": ");
            if (colon <= 0 || !isName(line.left(colon)))
                break;
            QByteArray value = line.mid(colon + 2);
            if (value.endsWith('\r'))
                value.chop(1);
            message.fields.insert(line.left(colon).toLower(), value);
            pos = end + 1;
        }
        message.body = input.mid(qMin(pos, input.size()));
        return message;
    }

    QByteArray field(const char* name, const QByteArray& fallback = QByteArray()) const
    {
        return fields.value(QByteArray(name), fallback);
    }
    bool has(const char* name) const { return fields.contains(QByteArray(name)); }

private:
    static bool isName(const QByteArray& text)
    {
        for (const char c : text) {
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-'))
                return false;
        }
        return true;
    }
};
