#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// The single-byte character sets guides declare beyond the few expat reads itself (windows-1251,
// windows-1252, KOI8-R, ISO-8859-7, ...), as the byte-to-character table expat's handler for
// unknown encodings takes.
class XmlEncoding final
{
public:
    // Per byte its Unicode character, or -1 where the set has none. Empty when the name is not
    // known or the set is not single-byte; `why` then says which of the two.
    static std::optional<std::array<int, 256>> singleByteTable(QByteArrayView name, QString* why);
};
