// What the translations add to start-up: choosing the language and loading the program's and
// Qt's translators (Translations::install, as UiLanguage::apply does), once cold as at a start and
// as a median of repeated loads.
#include "app/translations.h"
#include "benchutil.h"

#include <QCoreApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QElapsedTimer cold;
    cold.start();
    const QString first = Translations::choose({QStringLiteral("de-DE"), QStringLiteral("de")});
    Translations::install(first);
    bench::report(QStringLiteral("translations"), QStringLiteral("first start, German"),
                  double(cold.nsecsElapsed()) / 1e6, QStringLiteral("ms"),
                  QStringLiteral("< 20 ms"));
    for (const QString& language : {QStringLiteral("ar"), QStringLiteral("ru")}) {
        const double ms =
            bench::medianMs(9, [&] { Translations::install(Translations::choose({language})); });
        bench::report(QStringLiteral("translations"), QStringLiteral("load %1").arg(language), ms,
                      QStringLiteral("ms"), QStringLiteral("< 20 ms"));
    }
    return 0;
}
