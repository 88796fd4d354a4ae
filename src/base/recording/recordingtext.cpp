#include "recording/recordingtext.h"

#include "recording/recordingplan.h"
#include "ui/playbacktext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace {
// The context is the one the translation tools give texts of this namespace.
QString tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("recordingtext", text, nullptr, n);
}
} // namespace

namespace recordingtext {

QString runningMark(qint64 elapsedMs)
{
    return tr("\u25CF %1").arg(formatMs(elapsedMs));
}

QString summary(const Recording& r, qint64 nowMs, int permille)
{
    const QLocale locale;
    const QString date =
        locale.toString(QDateTime::fromMSecsSinceEpoch(r.startedAt > 0 ? r.startedAt : r.startsAt),
                        QLocale::ShortFormat);
    QString title = r.title;
    switch (r.state) {
    case Recording::Running:
        if (r.kind != Recording::Archive)
            title = tr("\u25CF %1 (recording)").arg(r.title);
        else if (permille < 0)
            title = tr("\u2193 %1 (downloading)").arg(r.title);
        else
            title = tr("\u2193 %1 (downloading, %2 %)")
                        .arg(r.title, locale.toString(permille / 10.0, 'f', 0));
        break;
    case Recording::Scheduled:
        title = tr("%1 (planned)").arg(r.title);
        break;
    case Recording::Missed:
        title = tr("%1 (missed)").arg(r.title);
        break;
    case Recording::Failed:
        title = tr("%1 (failed)").arg(r.title);
        break;
    case Recording::Done:
        // A finished download carries a note only when it was stopped before its end.
        if (r.kind == Recording::Archive && !r.message.isEmpty())
            title = tr("%1 (incomplete)").arg(r.title);
        break;
    default:
        break;
    }
    return tr("%1\n%2 \u00B7 %3 \u00B7 %4 \u00B7 %5")
        .arg(title, r.channelName, date, formatMs(r.lengthMs(nowMs)),
             locale.formattedDataSize(r.bytes));
}

QString details(const Recording& r)
{
    QStringList lines;
    if (!r.message.isEmpty())
        lines.append(r.message);
    const auto gaps = recordingplan::parseGaps(r.gaps);
    if (!gaps.isEmpty()) {
        qint64 missing = 0;
        for (const auto& gap : gaps)
            missing += gap.second;
        lines.append(QCoreApplication::translate("recordingtext",
                                                 "The stream broke off %n time(s); %1 are missing.",
                                                 nullptr, int(gaps.size()))
                         .arg(formatMs(missing)));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace recordingtext
