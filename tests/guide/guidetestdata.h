#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Guide documents shared by the guide tests and their probe program.
namespace guidetest {

inline QByteArray xmltvTime(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC)
               .toString(QStringLiteral("yyyyMMddHHmmss"))
               .toLatin1() +
           " +0000";
}

// `channels` channels "c<N>" with `perChannel` half-hour programmes each from `from`.
inline QByteArray bigGuide(int channels, int perChannel, qint64 from)
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>\n";
    for (int c = 0; c < channels; ++c)
        out += "<channel id=\"c" + QByteArray::number(c) + "\"><display-name>C" +
               QByteArray::number(c) + "</display-name></channel>\n";
    for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < perChannel; ++i) {
            const qint64 start = from + i * 1800;
            out += "<programme start=\"" + xmltvTime(start) + "\" stop=\"" +
                   xmltvTime(start + 1800) + "\" channel=\"c" + QByteArray::number(c) +
                   "\"><title>Show " + QByteArray::number(i) +
                   "</title><desc>Some words about the show to make the file a bit larger than "
                   "titles alone would.</desc></programme>\n";
        }
    }
    return out + "</tv>\n";
}

} // namespace guidetest
