#include "catchup/catchupaddress.h"

#include "catchup/servertimezone.h"
#include "model/mediaitem.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUrl>

namespace {
constexpr qint64 kDaySecs = 24 * 3600;
const QString kStartFormat = QStringLiteral("yyyy-MM-dd:HH-mm");

QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// The separator that adds one more item to the query of `url`.
QChar querySeparator(const QString& url)
{
    return url.contains(u'?') ? u'&' : u'?';
}

// `tail` after `url`; a tail that starts a query joins the query `url` already has.
QString appended(const QString& url, const QString& tail)
{
    if (!tail.startsWith(u'?') && !tail.startsWith(u'&'))
        return url + tail;
    if (url.endsWith(u'?') || url.endsWith(u'&'))
        return url + tail.mid(1);
    return url + querySeparator(url) + tail.mid(1);
}

QString flussonicTemplate(const QString& url)
{
    // .../<channel>/<name>.m3u8 -> <name>-<start>-<duration>.m3u8; .../mpegts or any .ts ->
    // timeshift_abs-<start>.ts. The query, often a token, stays.
    static const QRegularExpression hls(QStringLiteral("^(.*/)([^/?]+)\\.m3u8(\\?.*)?$"));
    static const QRegularExpression ts(QStringLiteral("^(.*/)(?:mpegts|[^/?]+\\.ts)(\\?.*)?$"));
    if (const auto m = hls.match(url); m.hasMatch())
        return m.captured(1) + m.captured(2) + QStringLiteral("-{utc}-{duration}.m3u8") +
               m.captured(3);
    if (const auto m = ts.match(url); m.hasMatch())
        return m.captured(1) + QStringLiteral("timeshift_abs-{utc}.ts") + m.captured(2);
    return {};
}

QString xcAddress(const QString& url, const CatchupWindow& window)
{
    // http://host[:port][/live]/<user>/<pass>/<id>[.ext]
    static const QRegularExpression form(
        QStringLiteral(
            "^(https?://[^/]+)/(?:live/)?([^/]+)/([^/]+)/([^/?.]+)(?:\\.([A-Za-z0-9]+))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(url);
    if (!m.hasMatch())
        return {};
    const XtreamAccount account{m.captured(1), m.captured(2), m.captured(3)};
    QString address = CatchupAddress::xtream(CatchupAddress::XtreamForm::Path, account,
                                             m.captured(4), ServerTimeZone(), window);
    const QString extension = m.captured(5);
    if (!extension.isEmpty() && extension.compare(QStringLiteral("ts"), Qt::CaseInsensitive) != 0)
        address.replace(address.size() - 2, 2, extension);
    return address;
}
} // namespace

QString CatchupAddress::normalizedType(const QString& written)
{
    const QString type = written.trimmed().toLower();
    if (type == kDefault || type == kAppend || type == kShift || type == kXc)
        return type;
    if (type == u"timeshift")
        return kShift;
    if (type == kFlussonic || type == u"flussonic-hls" || type == u"flussonic-ts" || type == u"fs")
        return kFlussonic;
    return {};
}

bool CatchupAddress::hasArchive(const MediaItem& channel)
{
    return channel.type == MediaItem::Live && channel.archiveDays > 0;
}

bool CatchupAddress::isAvailable(const MediaItem& channel, const CatchupWindow& window)
{
    return hasArchive(channel) && window.startSecs <= window.nowSecs &&
           window.stopSecs > window.startSecs &&
           window.nowSecs - window.startSecs <= channel.archiveDays * kDaySecs;
}

int CatchupAddress::durationMinutes(const CatchupWindow& window)
{
    const qint64 from = window.startSecs - window.startSecs % 60;
    const qint64 length = qMax<qint64>(0, window.stopSecs - from);
    return int((length + 59) / 60) + kMarginMinutes;
}

QString CatchupAddress::xtream(XtreamForm form, const XtreamAccount& account,
                               const QString& streamId, const ServerTimeZone& zone,
                               const CatchupWindow& window)
{
    const QString start = zone.wallClock(window.startSecs, kStartFormat);
    const QString minutes = QString::number(durationMinutes(window));
    if (form == XtreamForm::Path) {
        // Written like the live addresses: user and password as typed.
        return QStringLiteral("%1/timeshift/%2/%3/%4/%5/%6.ts")
            .arg(account.baseUrl, account.username, account.password, minutes, start, streamId);
    }
    return QStringLiteral(
               "%1/streaming/timeshift.php?username=%2&password=%3&stream=%4&start=%5&duration=%6")
        .arg(account.baseUrl, encoded(account.username), encoded(account.password),
             encoded(streamId), encoded(start), minutes);
}

QString CatchupAddress::playlist(const MediaItem& channel, const CatchupWindow& window)
{
    if (!hasArchive(channel))
        return {};
    const QString url = channel.streamUrl;
    const QString type = normalizedType(channel.catchupType);
    const QString source = channel.catchupSource.trimmed();
    if (type == kAppend)
        return source.isEmpty() ? QString() : appended(url, expandTemplate(source, window));
    if (type == kFlussonic) {
        const QString pattern = source.isEmpty() ? flussonicTemplate(url) : source;
        return pattern.isEmpty() ? QString() : expandTemplate(pattern, window);
    }
    if (type == kXc)
        return source.isEmpty() ? xcAddress(url, window) : expandTemplate(source, window);
    if ((type == kDefault || type.isEmpty()) && !source.isEmpty())
        return expandTemplate(source, window);
    // "shift", and "default" without a template: the channel's own address told the start.
    return url + querySeparator(url) +
           QStringLiteral("utc=%1&lutc=%2").arg(window.startSecs).arg(window.nowSecs);
}

QString CatchupAddress::expandTemplate(const QString& text, const CatchupWindow& window)
{
    static const QRegularExpression placeholder(
        QStringLiteral("\\$?\\{([A-Za-z]+)(?::(\\d+))?\\}"));
    const QDateTime start = QDateTime::fromSecsSinceEpoch(window.startSecs, QTimeZone::utc());
    const qint64 duration = qMax<qint64>(0, window.stopSecs - window.startSecs);

    QString out;
    out.reserve(text.size() + 32);
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1);
        const qint64 divisor = qMax<qint64>(1, m.captured(2).toLongLong());
        QString value;
        if (name == u"utc" || name == u"start")
            value = QString::number(window.startSecs);
        else if (name == u"end" || name == u"utcend")
            value = QString::number(window.stopSecs);
        else if (name == u"lutc" || name == u"now" || name == u"timestamp")
            value = QString::number(window.nowSecs);
        else if (name == u"duration")
            value = QString::number(duration / divisor);
        else if (name == u"offset")
            value = QString::number(qMax<qint64>(0, window.nowSecs - window.startSecs) / divisor);
        else if (name == u"Y")
            value = start.toString(QStringLiteral("yyyy"));
        else if (name == u"m")
            value = start.toString(QStringLiteral("MM"));
        else if (name == u"d")
            value = start.toString(QStringLiteral("dd"));
        else if (name == u"H")
            value = start.toString(QStringLiteral("HH"));
        else if (name == u"M")
            value = start.toString(QStringLiteral("mm"));
        else if (name == u"S")
            value = start.toString(QStringLiteral("ss"));
        else
            continue; // not ours: left as written
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += value;
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}
