#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the program speaks, chosen once at start-up: the "Language" preference, or else
// the desktop's (LANGUAGE, LANG). It brings its translations and its writing direction.
class UiLanguage final
{
public:
    // The preference: "" follows the desktop, "en" is English, else a translation's code.
    static inline const QString kPreferenceKey = QStringLiteral("Language");

    // Installs the chosen language into the application; returns it ("" for English).
    static QString apply(const QStringList& uiLanguages = QLocale::system().uiLanguages());
};
