#include "httprange.h"

#include <QStringBuilder>

namespace {

// Digits only (no sign, no spaces inside), as the header grammar allows.
bool readNumber(QByteArrayView text, qint64* value)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    qint64 v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    *value = v;
    return true;
}

} // namespace

HttpRange HttpRange::parse(QByteArrayView header, qint64 size)
{
    HttpRange whole;
    whole.last = size - 1;

    const QByteArrayView value = header.trimmed();
    if (!value.startsWith("bytes="))
        return whole;
    const QByteArrayView set = value.sliced(6).trimmed();
    if (set.contains(','))
        return whole;
    const qsizetype dash = set.indexOf('-');
    if (dash < 0)
        return whole;
    const QByteArrayView from = set.first(dash).trimmed();
    const QByteArrayView to = set.sliced(dash + 1).trimmed();

    HttpRange range;
    range.kind = Kind::Partial;
    if (from.isEmpty()) {
        // "-n": the last n bytes
        qint64 suffix = 0;
        if (!readNumber(to, &suffix))
            return whole;
        if (suffix == 0 || size == 0) {
            range.kind = Kind::Unsatisfiable;
            return range;
        }
        range.first = qMax<qint64>(0, size - suffix);
        range.last = size - 1;
        return range;
    }
    qint64 first = 0;
    if (!readNumber(from, &first))
        return whole;
    qint64 last = size - 1;
    if (!to.isEmpty()) {
        if (!readNumber(to, &last) || last < first)
            return whole;
        last = qMin(last, size - 1);
    }
    if (first >= size) {
        range.kind = Kind::Unsatisfiable;
        return range;
    }
    range.first = first;
    range.last = last;
    return range;
}

QByteArray HttpRange::contentRange(qint64 size) const
{
    if (kind == Kind::Unsatisfiable)
        return "bytes */" + QByteArray::number(size);
    return "bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/' +
           QByteArray::number(size);
}
