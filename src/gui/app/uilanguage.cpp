#include "app/uilanguage.h"

#include "app/preferences.h"
#include "app/translations.h"

#include <QGuiApplication>

QString UiLanguage::apply(const QStringList& uiLanguages)
{
    const QString language =
        Translations::choose(uiLanguages, Preferences::value(kPreferenceKey).toString());
    Translations::install(language);
    // Arabic (and Hebrew) mirror the whole window; Qt's widgets follow the application's side.
    QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight
                                                           : QLocale(language).textDirection());
    return language;
}
