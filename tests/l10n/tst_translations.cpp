// Which language the program speaks: the desktop's list (LANGUAGE, LANG), the "Language"
// preference and a phone's Accept-Language all pick from the translations built in; Qt's own
// texts come from the system's translations; the phone's page carries its language.
#include "app/translations.h"
#include "pairingpages.h"
#include "testmain.h"

#include <QCoreApplication>
#include <QLocale>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void builtIn()
    {
        // Every language of translations/ is in the program; English is the source, not a file.
        const QStringList languages = Translations::available();
        for (const char* expected : {"ar", "de", "es", "fr", "it", "pt_BR", "ru", "tr"})
            QVERIFY2(languages.contains(QLatin1String(expected)), expected);
        QVERIFY(!languages.contains(QStringLiteral("en")));
    }

    void choose_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("preference");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German desktop") << QStringList{"de-DE", "de"} << QString() << "de";
        QTest::newRow("LANGUAGE=ar:en") << QStringList{"ar", "en"} << QString() << "ar";
        QTest::newRow("English before German") << QStringList{"en-GB", "de"} << QString() << "";
        QTest::newRow("untranslated first, then ours")
            << QStringList{"nl-NL", "nl", "fr"} << QString() << "fr";
        QTest::newRow("Brazil") << QStringList{"pt-BR"} << QString() << "pt_BR";
        QTest::newRow("Portugal, closest we have") << QStringList{"pt-PT"} << QString() << "pt_BR";
        QTest::newRow("C locale") << QStringList{"C"} << QString() << "";
        QTest::newRow("nothing of ours") << QStringList{"ja", "zh-CN"} << QString() << "";
        QTest::newRow("preference wins") << QStringList{"de-DE"} << "tr"
                                         << "tr";
        QTest::newRow("preference English") << QStringList{"ru-RU"} << "en"
                                            << "";
        QTest::newRow("preference gone, desktop again") << QStringList{"it"} << "xx"
                                                        << "it";
    }
    void choose()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, preference);
        QFETCH(QString, expected);
        QCOMPARE(Translations::choose(desktop, preference), expected);
    }

    void acceptLanguage_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German phone") << QByteArray("de-DE,de;q=0.9,en;q=0.8") << "de";
        QTest::newRow("weights, not order") << QByteArray("en;q=0.5, ar-SA") << "ar";
        QTest::newRow("refused with q=0") << QByteArray("ru;q=0, es;q=0.4") << "es";
        QTest::newRow("English phone") << QByteArray("en-US,en;q=0.9,fr;q=0.2") << "";
        QTest::newRow("wildcard only") << QByteArray("*") << "";
        QTest::newRow("none") << QByteArray() << "";
    }
    void acceptLanguage()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, expected);
        QCOMPARE(Translations::fromAcceptLanguage(header), expected);
    }

    // The phone's page names its language and, for Arabic, runs right to left; the script
    // swaps the address label with texts carried by the page.
    void phonePage_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("htmlTag");
        QTest::newRow("German") << QByteArray("de-AT,de;q=0.9") << "<html lang=\"de\">";
        QTest::newRow("Arabic") << QByteArray("ar") << "<html lang=\"ar\" dir=\"rtl\">";
        QTest::newRow("English") << QByteArray("en-US") << "<html lang=\"en\">";
    }
    void phonePage()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, htmlTag);
        const QString language = Translations::fromAcceptLanguage(header);
        const QString form =
            QString::fromUtf8(PairingPages::formPage(PairingPages::Form(), QString(), language));
        QVERIFY2(form.contains(htmlTag), qPrintable(form.left(200)));
        QVERIFY(form.contains(QStringLiteral("data-m3u=\"")));
        QVERIFY(
            !QString::fromUtf8(PairingPages::script()).contains(QStringLiteral("'Server URL'")));
        const QString sent =
            QString::fromUtf8(PairingPages::sentPage(QStringLiteral("قناة HD"), language));
        QVERIFY(sent.contains(htmlTag));
        QVERIFY(sent.contains(QStringLiteral("<bdi>قناة HD</bdi>")));
    }

    // Names from servers keep their own direction inside our sentences; Latin names in an
    // English sentence are left alone, so English texts stay as they were.
    void isolates()
    {
        QCOMPARE(Translations::isolated(QStringLiteral("BBC One HD")),
                 QStringLiteral("BBC One HD"));
        QCOMPARE(Translations::isolated(QStringLiteral("قناة HD")),
                 QStringLiteral("\u2068قناة HD\u2069"));
        QCOMPARE(Translations::isolated(QString()), QString());
    }

    void nativeNames()
    {
        QCOMPARE(Translations::nativeName(QStringLiteral("de")), QStringLiteral("Deutsch"));
        QCOMPARE(Translations::nativeName(QStringLiteral("en")), QStringLiteral("English"));
        QCOMPARE(Translations::nativeName(QStringLiteral("es")), QStringLiteral("Español"));
        QCOMPARE(Translations::nativeName(QStringLiteral("pt_BR")),
                 QStringLiteral("Português (Brasil)"));
        QCOMPARE(Translations::nativeName(QStringLiteral("ar")), QStringLiteral("العربية"));
    }

    // Last: it changes the process's language. Qt's own texts come from the system's
    // translations (qt6-translations-l10n), and the dates follow the language.
    void installGerman()
    {
        QVERIFY(Translations::install(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
        QCOMPARE(QLocale().language(), QLocale::German);
        QVERIFY(!Translations::rightToLeft());
        QVERIFY(Translations::install(QStringLiteral("ar")));
        QVERIFY(Translations::rightToLeft());
    }
};

VELMORA_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
