#pragma once

#include <QByteArray>
#include <QString>

#include <simdjson.h>

#include <array>
#include <string_view>

// simdjson's DOM held to Qt's rules. parse() takes a text only when QJsonDocument::fromJson
// would take it too and would hold the same values; for any other text it declines, and the
// caller reads that text with Qt's parser, which then accepts or rejects it on its own terms.
// The readings below give exactly what JsonReadings gives for the Qt value of the same text.
class FastJson final
{
public:
    using Element = simdjson::dom::element;
    using Object = simdjson::dom::object;
    using Array = simdjson::dom::array;

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
    // The value as `T` (an object, array, string view or number); call only for its type.
    template <typename T>
    static T as(Element value)
    {
        T result{};
        [[maybe_unused]] const auto error = value.get(result);
        return result;
    }
    static QString toQString(std::string_view utf8)
    {
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }

    // Whether a string in the text opens with a byte-order mark, raw or escaped as \ufeff. Qt
    // keeps such a mark in the key it looks up, yet drops it from the text it hands out and
    // writes again: only Qt's parser holds such values.
    static bool hasMarkedString(const char* data, qsizetype size);

    // The value of the last member named `key` (a parsed QJsonObject keeps the last of
    // duplicate keys); false when there is none.
    static bool member(Object object, std::string_view key, Element& out);

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
        if (value.type() != simdjson::dom::element_type::OBJECT)
            return picked;
        for (const auto field : as<Object>(value)) {
            for (std::size_t i = 0; i < N; ++i) {
                if (field.key == keys[i]) {
                    picked.values[i] = field.value;
                    picked.present[i] = true;
                    break;
                }
            }
        }
        return picked;
    }

private:
    simdjson::dom::parser parser;
    Element rootElement;
    const char* begin = nullptr;
    qsizetype length = 0;
};
