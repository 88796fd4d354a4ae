#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// The part of a file a request's "Range" header asks for. Only single byte ranges are honoured;
// anything else (no header, several ranges, another unit, nonsense) means the whole file.
class HttpRange final
{
public:
    enum class Kind
    {
        Whole,        // 200 with the whole file
        Partial,      // 206 with bytes first..last
        Unsatisfiable // 416: the range starts at or beyond the end
    };

    static HttpRange parse(QByteArrayView header, qint64 size);

    Kind kind = Kind::Whole;
    qint64 first = 0;
    qint64 last = -1; // inclusive; -1 for an empty file

    qint64 length() const { return last - first + 1; }
    // "bytes first-last/size" for 206, "bytes */size" for 416.
    QByteArray contentRange(qint64 size) const;
};
