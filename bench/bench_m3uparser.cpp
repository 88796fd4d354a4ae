// Playlist parsing speed and memory for 1k, 100k and 300k entries (text already decoded).
#include "benchutil.h"
#include "catalogdata.h"
#include "providers/m3uparser.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    for (int entries : {1000, 100000, 300000}) {
        const QString text = bench::generatePlaylist(entries);
        const double megabytes = double(text.toUtf8().size()) / (1024.0 * 1024.0);
        const QString label = QStringLiteral("%1 entries, %2 MB").arg(entries).arg(megabytes, 0, 'f', 1);

        const qint64 before = bench::currentRssKib();
        bench::resetPeakRss();
        qsizetype parsed = 0;
        const double ms = bench::medianMs(entries >= 300000 ? 3 : 5, [&] {
            parsed = M3uParser::parse(text).items.size();
        });
        const qint64 peak = bench::peakRssKib();
        Q_ASSERT(parsed == entries);

        const QString target = entries == 100000 ? QStringLiteral("< 200 ms") : QString();
        bench::report(QStringLiteral("m3u parse"), label, ms, QStringLiteral("ms"), target);
        bench::report(QStringLiteral("m3u parse"), label, entries / (ms / 1000.0) / 1e6,
                      QStringLiteral("M entries/s"));
        bench::report(QStringLiteral("m3u parse"), label, megabytes / (ms / 1000.0), QStringLiteral("MB/s"));
        bench::report(QStringLiteral("m3u parse"), label, double(peak - before) / 1024.0,
                      QStringLiteral("MB peak above input"));
    }
    return 0;
}
