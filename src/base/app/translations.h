#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTranslator;

// The languages the program speaks besides English (its source texts): one translation per
// language built into the resources from translations/velmora_<lang>.ts, plus Qt's own texts
// from the system (Debian's qt6-translations-l10n). Widget-free, so the pairing backend's pages
// use it too.
class Translations final
{
public:
    // Languages with a translation in the program ("ar", "de", "pt_BR", ...), sorted.
    static QStringList available();

    // The language to speak: `preference` ("" follows the desktop, "en" is English) or else the
    // first of `uiLanguages` (QLocale::uiLanguages() order, "de-DE" or "de_DE") the program has.
    // Empty means English, also when English comes before any translated language.
    static QString choose(const QStringList& uiLanguages, const QString& preference = QString());

    // Loads and installs the translators of `language` (from choose()) into the application:
    // the program's own and Qt's qtbase_<lang>.qm. When the language is not the system's, it also
    // becomes the default locale, so dates and numbers match the words around them.
    // Returns whether the program's own translation was found.
    static bool install(const QString& language);

    // A translator of `language` kept for the life of the process, for texts that speak another
    // language than the program's (a phone's page); null for English or an unknown language.
    // Safe from any thread.
    static const QTranslator* translatorFor(const QString& language);
    // `source` of `context` in `language`, or `source` itself when it has no translation.
    static QString translate(const QString& language, const char* context, const char* source);

    // The best of our languages for an HTTP Accept-Language value ("" for English).
    static QString fromAcceptLanguage(const QByteArray& header);

    // Whether the installed language runs right to left (Arabic, Hebrew).
    static bool rightToLeft();
    // `text` from a server set inside a sentence of ours: wrapped in Unicode isolates when either
    // may run right to left, so that an Arabic name with a Latin "HD" keeps its own order and
    // does not drag the words around it. Latin names in an English sentence stay as they are.
    static QString isolated(const QString& text);

    // The language's own name for itself ("Deutsch", "português (Brasil)").
    static QString nativeName(const QString& language);
};
