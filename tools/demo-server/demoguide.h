#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>

// Made-up programmes for the demo channels: from the day before `anchorSecs` (UTC midnight) for
// `days` days, durations of 15 minutes to 2 hours, titles in several scripts. Every programme
// follows from its channel and time alone. Channels whose number ends in 7 are left out of the
// XMLTV, so that clients meet channels they must ask the player API about.
class DemoGuide final
{
public:
    struct Programme
    {
        qint64 start = 0;
        qint64 stop = 0;
        QString title;
        QString description;
    };

    // `channels` are the stream ids; the guide id of stream N is "chN.demo".
    DemoGuide(QList<qint64> channels, qint64 anchorSecs, int days);

    // The benchmark's guide: 2,000 channels for 10 days, about 500k programmes and 200 MB.
    static DemoGuide large(qint64 anchorSecs);

    static QString guideId(qint64 channel);
    static bool inXmltv(qint64 channel);
    const QList<qint64>& channels() const { return channelIds; }

    QList<Programme> programmes(qint64 channel) const;
    // The XMLTV document in pieces of about `chunkBytes`, handed to `sink` as they are made.
    void writeXmltv(const std::function<void(const QByteArray&)>& sink,
                    qsizetype chunkBytes = 1 << 20) const;
    QByteArray xmltv() const;
    // get_simple_data_table (all programmes) or get_short_epg (the next `limit` from `nowSecs`)
    // of one channel, titles and descriptions in base64.
    QByteArray epgJson(qint64 channel, qint64 nowSecs, int limit) const;

private:
    QList<qint64> channelIds;
    qint64 firstSecs = 0;
    qint64 lastSecs = 0;
};
