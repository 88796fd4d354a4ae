// Imports a guide file into a store and prints its progress, so a test can kill it halfway.
#include "guide/guideimporter.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    GuideImporter::Request request;
    request.storePath = QString::fromLocal8Bit(argv[1]);
    request.urls = {QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2]))};
    for (int c = 0; c < 2000; ++c)
        request.wanted.ids.insert(QStringLiteral("c%1").arg(c));
    request.keepFrom = 0;
    request.keepUntil = std::numeric_limits<qint64>::max() / 2;
    const GuideImporter::Result result = GuideImporter::importNow(request, [](int percent) {
        std::printf("%d\n", percent);
        std::fflush(stdout);
    });
    return result.ok ? 0 : 1;
}
