#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <string_view>

// simdjson's DOM held to Qt's rules. parse() takes a text only when QJsonDocument::fromJson
// would take it too and would hold the same values; for any other text it declines, and the
// caller reads that text with Qt's parser, which then accepts or rejects it on its own terms.
// The readings below give exactly what JsonReadings gives for the Qt value of the same text.
//
// simdjson's header is large enough to cost half a minute per file that includes it, so it
// stays in fastjson.cpp: values are opaque handles read through the functions here.
class FastJson final
{
public:
    enum class Type
    {
        Array,
        Object,
        Int64,
        Uint64,
        Double,
        String,
        Bool,
        Null
    };

    // A value of the parsed text, valid while its FastJson lives.
    class Element final
    {
    public:
        Type type() const;

    private:
        friend class FastJson;
        alignas(8) unsigned char handle[16]{};
    };

    FastJson();
    ~FastJson();
    FastJson(const FastJson&) = delete;
    FastJson& operator=(const FastJson&) = delete;

    // True when the text was parsed here; false: let Qt's parser decide.
    bool parse(const QByteArray& text);
    Element root() const { return rootElement; }
    // The parsed bytes (the text without a leading byte-order mark).
    const char* data() const { return begin; }
    qsizetype size() const { return length; }

    static QString text(Element value);
    static qint64 integer(Element value);
    static double decimal(Element value);
    static int wholeNumber(Element value);
    static double number(Element value);
    // A string's UTF-8 bytes; call only for a string.
    static std::string_view stringView(Element value);
    static qsizetype arraySize(Element array);
    static QString toQString(std::string_view utf8)
    {
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }

    // Calls `visit(element)` for each element of an array, `visit(key, value)` for each member
    // of an object in the text's order; nothing for any other value.
    template <typename Visit>
    static void forEachElement(Element array, Visit visit)
    {
        visitElements(
            array, [](void* v, Element e) { (*static_cast<Visit*>(v))(e); }, &visit);
    }
    template <typename Visit>
    static void forEachMember(Element object, Visit visit)
    {
        visitMembers(
            object,
            [](void* v, std::string_view key, Element e) { (*static_cast<Visit*>(v))(key, e); },
            &visit);
    }

    // Whether the bytes are valid UTF-8, checked many bytes at a time.
    static bool isValidUtf8(const char* data, qsizetype size);

    // Whether a string in the text opens with a byte-order mark, raw or escaped as \ufeff. Qt
    // keeps such a mark in the key it looks up, yet drops it from the text it hands out and
    // writes again: only Qt's parser holds such values.
    static bool hasMarkedString(const char* data, qsizetype size);

    // The value of the last member named `key` (a parsed QJsonObject keeps the last of
    // duplicate keys); false when there is none.
    static bool member(Element object, std::string_view key, Element& out);

    // Picks the members named in `keys` out of `value` in one pass, the last of duplicates
    // winning; a value that is not an object has none of them.
    template <std::size_t N>
    struct Picked
    {
        std::array<Element, N> values{};
        std::array<bool, N> present{};

        QString text(std::size_t i) const
        {
            return present[i] ? FastJson::text(values[i]) : QString();
        }
        qint64 integer(std::size_t i) const
        {
            return present[i] ? FastJson::integer(values[i]) : 0;
        }
        double decimal(std::size_t i) const
        {
            return present[i] ? FastJson::decimal(values[i]) : 0.0;
        }
        int wholeNumber(std::size_t i) const
        {
            return present[i] ? FastJson::wholeNumber(values[i]) : 0;
        }
        double number(std::size_t i) const
        {
            return present[i] ? FastJson::number(values[i]) : 0.0;
        }
    };

    template <std::size_t N>
    static Picked<N> pick(Element value, const std::array<std::string_view, N>& keys)
    {
        Picked<N> picked;
        forEachMember(value, [&](std::string_view key, Element field) {
            for (std::size_t i = 0; i < N; ++i) {
                if (key == keys[i]) {
                    picked.values[i] = field;
                    picked.present[i] = true;
                    break;
                }
            }
        });
        return picked;
    }

private:
    struct Parser;

    static void visitElements(Element array, void (*visit)(void*, Element), void* visitor);
    static void visitMembers(Element object, void (*visit)(void*, std::string_view, Element),
                             void* visitor);

    std::unique_ptr<Parser> parser;
    Element rootElement;
    const char* begin = nullptr;
    qsizetype length = 0;
};
