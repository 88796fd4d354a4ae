#include "demoguide.h"

#include <QDateTime>

#include <array>

namespace {
constexpr std::array<const char16_t*, 16> kTitles = {
    u"Morning News",      u"Погода и новости", u"Η ώρα του μαγειρέματος", u"夜のドラマ",
    u"Nature & Wildlife", u"أخبار المساء",     u"Football Tonight",       u"Classic Cinema",
    u"Детский час",       u"料理の時間",       u"Documentary <Live>",     u"Late Show \"Talk\"",
    u"Música en vivo",    u"Science Weekly",   u"Τα νέα της ημέρας",      u"Історія України"};

constexpr std::array<int, 7> kMinutes = {15, 30, 45, 60, 60, 90, 120};

quint64 mix(quint64 x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

void appendEscaped(QByteArray& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

QByteArray xmltvTime(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC)
               .toString(QStringLiteral("yyyyMMddHHmmss"))
               .toLatin1() +
           " +0000";
}

QByteArray base64(const QString& text)
{
    return text.toUtf8().toBase64();
}
} // namespace

DemoGuide::DemoGuide(QList<qint64> channels, qint64 anchorSecs, int days)
    : channelIds(std::move(channels))
{
    const qint64 midnight = anchorSecs - anchorSecs % 86400;
    firstSecs = midnight - 86400;
    lastSecs = firstSecs + qint64(days) * 86400;
}

DemoGuide DemoGuide::large(qint64 anchorSecs)
{
    QList<qint64> ids;
    ids.reserve(2000);
    for (qint64 i = 1; i <= 2000; ++i)
        ids.append(i);
    return DemoGuide(ids, anchorSecs, 10);
}

QString DemoGuide::guideId(qint64 channel)
{
    return QStringLiteral("ch%1.demo").arg(channel);
}

bool DemoGuide::inXmltv(qint64 channel)
{
    return channel % 10 != 7;
}

QList<DemoGuide::Programme> DemoGuide::programmes(qint64 channel) const
{
    QList<Programme> list;
    qint64 at = firstSecs;
    quint64 n = 0;
    while (at < lastSecs) {
        const quint64 seed = mix(quint64(channel) * 1'000'003ULL + quint64(at / 900));
        const qint64 stop = std::min(lastSecs, at + kMinutes[seed % kMinutes.size()] * 60);
        Programme p;
        p.start = at;
        p.stop = stop;
        p.title = QString::fromUtf16(kTitles[(seed >> 8) % kTitles.size()]);
        if ((seed >> 16) % 3 == 0)
            p.title += QStringLiteral(" (%1)").arg(n % 40 + 1);
        p.description =
            QStringLiteral("Episode %1 of channel %2. %3 An hour of made-up television with "
                           "guests, music and a look at what comes next; nothing here is real, "
                           "and every word of it was written by the demo server for testing.")
                .arg(n + 1)
                .arg(channel)
                .arg(QString::fromUtf16(kTitles[(seed >> 24) % kTitles.size()]));
        list.append(p);
        at = stop;
        ++n;
    }
    return list;
}

void DemoGuide::writeXmltv(const std::function<void(const QByteArray&)>& sink,
                           qsizetype chunkBytes) const
{
    QByteArray out;
    out.reserve(chunkBytes + 64 * 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE tv SYSTEM \"xmltv.dtd\">\n"
           "<tv generator-info-name=\"velmora-demo-server\">\n";
    auto spill = [&]() {
        if (out.size() >= chunkBytes) {
            sink(out);
            out.clear();
        }
    };
    for (const qint64 channel : channelIds) {
        if (!inXmltv(channel))
            continue;
        out += "  <channel id=\"";
        appendEscaped(out, guideId(channel));
        out += "\">\n    <display-name>Channel ";
        out += QByteArray::number(channel);
        out += "</display-name>\n  </channel>\n";
        spill();
    }
    for (const qint64 channel : channelIds) {
        if (!inXmltv(channel))
            continue;
        const QByteArray id = guideId(channel).toUtf8();
        for (const Programme& p : programmes(channel)) {
            out += "  <programme start=\"" + xmltvTime(p.start) + "\" stop=\"" + xmltvTime(p.stop) +
                   "\" channel=\"" + id + "\">\n    <title lang=\"en\">";
            appendEscaped(out, p.title);
            out += "</title>\n    <desc lang=\"en\">";
            appendEscaped(out, p.description);
            out += "</desc>\n  </programme>\n";
            spill();
        }
    }
    out += "</tv>\n";
    sink(out);
}

QByteArray DemoGuide::xmltv() const
{
    QByteArray all;
    writeXmltv([&all](const QByteArray& piece) { all += piece; });
    return all;
}

QByteArray DemoGuide::epgJson(qint64 channel, qint64 nowSecs, int limit) const
{
    QByteArray out("{\"epg_listings\":[");
    int written = 0;
    qint64 index = 0;
    for (const Programme& p : programmes(channel)) {
        ++index;
        if (limit > 0 && (p.stop <= nowSecs || written >= limit))
            continue;
        if (written++)
            out += ',';
        const QByteArray start = QByteArray::number(p.start);
        const QByteArray stop = QByteArray::number(p.stop);
        auto local = [](qint64 secs) {
            return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC)
                .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                .toLatin1();
        };
        out += "{\"id\":\"" + QByteArray::number(channel * 100000 + index) + "\",\"epg_id\":\"" +
               QByteArray::number(channel) + "\",\"title\":\"" + base64(p.title) +
               "\",\"lang\":\"en\",\"start\":\"" + local(p.start) + "\",\"end\":\"" +
               local(p.stop) + "\",\"description\":\"" + base64(p.description) +
               "\",\"channel_id\":\"" + guideId(channel).toUtf8() + "\",\"start_timestamp\":\"" +
               start + "\",\"stop_timestamp\":\"" + stop +
               "\",\"now_playing\":" + (p.start <= nowSecs && nowSecs < p.stop ? "1" : "0") +
               ",\"has_archive\":0}";
    }
    out += "]}";
    return out;
}
