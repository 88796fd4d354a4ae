#include "guide/xmlencoding.h"

#include <QStringDecoder>

std::optional<std::array<int, 256>> XmlEncoding::singleByteTable(QByteArrayView name, QString* why)
{
    const QByteArray text = name.toByteArray();
    QStringDecoder probe(text.constData(), QStringDecoder::Flag::Stateless);
    if (!probe.isValid()) {
        if (why)
            *why = QStringLiteral("this system does not know it");
        return std::nullopt;
    }
    std::array<int, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const char one[] = {char(byte)};
        QStringDecoder decoder(text.constData(), QStringDecoder::Flag::Stateless);
        const QString alone = decoder.decode(QByteArrayView(one, 1));
        // A byte that decodes to nothing on its own, or takes the next one with it, starts a
        // sequence of several bytes: that is no table's work.
        bool single = alone.size() == 1;
        for (const char after : {'A', char(0xa1)}) {
            const char two[] = {char(byte), after};
            QStringDecoder pair(text.constData(), QStringDecoder::Flag::Stateless);
            single = single && QString(pair.decode(QByteArrayView(two, 2))).size() == 2;
        }
        if (!single) {
            if (why)
                *why = QStringLiteral("it is not a single-byte character set");
            return std::nullopt;
        }
        const QChar c = alone.front();
        table[size_t(byte)] =
            decoder.hasError() || c == QChar::ReplacementCharacter || c.isSurrogate()
                ? -1
                : int(c.unicode());
    }
    return table;
}
