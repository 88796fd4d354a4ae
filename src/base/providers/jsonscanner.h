#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <array>
#include <string_view>
#include <unordered_map>

// A strict one-pass reader that turns a JSON text straight into records, with no document in
// between: on a fresh process most of a parse's time is spent touching new memory, and a tape
// as large as the text is the largest part of it. It takes a text only when FastJson would, and
// gives the same values; it declines whatever it is unsure of (exponents, integers past 18
// digits, -0, keys with escapes, byte-order marks in strings, deep nesting, text after the top
// value), and the caller then reads the text the general way. Every value is validated, even
// those it skips, because Qt refuses a whole text for one bad byte.
class JsonScanner final
{
public:
    struct Value
    {
        enum Kind : quint8
        {
            Absent, // no member of that name
            Null,
            False,
            True,
            Integer,
            Decimal,
            String,
            Compound // an object or an array, validated and skipped
        };
        Kind kind = Absent;
        bool escaped = false;        // a String with escapes in it
        const char* begin = nullptr; // a String's bytes between the quotes
        qsizetype size = 0;
        qint64 integer = 0;
        double decimal = 0;
    };

    explicit JsonScanner(const char* data, qsizetype size);

    // Bytes of the text not read yet.
    qsizetype bytesLeft() const { return end ? qsizetype(end - p) : 0; }
    // True once the text was declined; every read gives nothing from then on.
    bool declined() const { return end == nullptr; }
    // Hands the text to the general reading from here on.
    void decline();
    // Whether the top value has been read and only whitespace follows; declines otherwise.
    bool finish();

    // The next value's first character, or 0 at the end of the text.
    char peek();
    // Opens the object or array at the cursor.
    bool enterObject();
    bool enterArray();
    // True when another member follows, with the cursor on its value; false past the '}'.
    bool nextMember(std::string_view& key);
    // True when another element follows, with the cursor on it; false past the ']'.
    bool nextElement();
    // Reads the value at the cursor; objects and arrays are validated and skipped.
    Value value() { return read(true); }
    void skip() { read(false); }

    // The members of the object at the cursor named in `keys`, the last of duplicates winning;
    // a value that is not an object has none of them.
    template <std::size_t N>
    void pick(const std::array<std::string_view, N>& keys, std::array<Value, N>& out)
    {
        out.fill(Value());
        if (peek() != '{') {
            skip();
            return;
        }
        enterObject();
        std::string_view key;
        while (nextMember(key)) {
            std::size_t i = 0;
            while (i < N && keys[i] != key)
                ++i;
            if (i < N)
                out[i] = value();
            else
                skip();
        }
    }

    // Texts that repeat from record to record (category ids, extensions), made once and shared.
    // Looked up twice or more per record: Qt's seeded byte hash cost more than making the text.
    class SharedTexts final
    {
    public:
        QString text(const Value& value);

    private:
        // A few dozen distinct texts in random order: a slot picked from a text's size and
        // bytes finds most without hashing all of it; the map keeps every one.
        struct Slot
        {
            std::string_view bytes;
            QString text;
        };
        std::array<Slot, 256> recent;
        std::unordered_map<std::string_view, QString> texts;
    };

    // The readings of FastJson, for scanned values.
    static QString text(const Value& value);
    static qint64 integer(const Value& value);
    static double decimal(const Value& value);
    static int wholeNumber(const Value& value);
    static double number(const Value& value);

private:
    static constexpr int kMaxDepth = 64;

    // Servers send compact text: the usual case, no space at all, stays inline.
    void skipSpace()
    {
        if (p<end&& static_cast<unsigned char>(*p)> ' ')
            return;
        skipSpaceRun();
    }
    void skipSpaceRun();
    // A value; what is only skipped is validated without being converted.
    Value read(bool wanted);
    bool closeScope(char close);
    bool scanString(Value& out);
    bool scanNumber(Value& out, bool wanted);
    bool scanLiteral(std::string_view word);

    const char* p = nullptr;
    const char* end = nullptr;
    int depth = 0;
    std::array<bool, kMaxDepth + 1> first{};
};
