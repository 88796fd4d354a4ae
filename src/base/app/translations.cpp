#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QTranslator>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <optional>

namespace {
const QString kResourceDir = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("velmora_");
std::atomic<bool> installedRightToLeft{false};

// `tag` as one of `ours`: "" for English, nothing when we have no such language.
std::optional<QString> match(const QStringList& ours, QString tag)
{
    tag = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    tag.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString base = tag.section(QLatin1Char('_'), 0, 0).toLower();
    if (base.isEmpty() || base == u"*")
        return std::nullopt;
    if (base == u"en" || base == u"c" || base == u"posix")
        return QString();
    for (const QString& language : ours) {
        if (language.compare(tag, Qt::CaseInsensitive) == 0)
            return language;
    }
    for (const QString& language : ours) {
        if (language.compare(base, Qt::CaseInsensitive) == 0)
            return language;
    }
    // "pt" or "pt-PT" when only Brazilian Portuguese is there: close enough to be understood.
    for (const QString& language : ours) {
        if (language.section(QLatin1Char('_'), 0, 0).compare(base, Qt::CaseInsensitive) == 0)
            return language;
    }
    return std::nullopt;
}
} // namespace

QStringList Translations::available()
{
    static const QStringList languages = [] {
        QStringList found;
        const QStringList files =
            QDir(kResourceDir).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& file : files)
            found.append(file.mid(kPrefix.size(), file.size() - kPrefix.size() - 3));
        found.sort();
        return found;
    }();
    return languages;
}

QString Translations::choose(const QStringList& uiLanguages, const QString& preference)
{
    const QStringList ours = available();
    if (!preference.isEmpty()) {
        if (const std::optional<QString> chosen = match(ours, preference))
            return *chosen;
    }
    for (const QString& tag : uiLanguages) {
        if (const std::optional<QString> chosen = match(ours, tag))
            return *chosen;
    }
    return {};
}

bool Translations::install(const QString& language)
{
    if (language.isEmpty())
        return false;
    QCoreApplication* app = QCoreApplication::instance();
    auto* own = new QTranslator(app);
    const bool found = own->load(kPrefix + language, kResourceDir);
    if (found)
        QCoreApplication::installTranslator(own);
    else
        delete own;
    // Qt's standard buttons and dialogs; a missing file (package not installed) leaves them
    // English.
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    const QLocale locale(language);
    installedRightToLeft = locale.textDirection() == Qt::RightToLeft;
    if (QLocale::system().language() != locale.language())
        QLocale::setDefault(locale);
    return found;
}

const QTranslator* Translations::translatorFor(const QString& language)
{
    if (language.isEmpty() || !available().contains(language))
        return nullptr;
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    const QMutexLocker lock(&mutex);
    std::unique_ptr<QTranslator>& translator = loaded[language];
    if (!translator) {
        translator = std::make_unique<QTranslator>();
        if (!translator->load(kPrefix + language, kResourceDir))
            translator.reset();
    }
    return translator.get();
}

QString Translations::translate(const QString& language, const char* context, const char* source)
{
    if (const QTranslator* translator = translatorFor(language)) {
        const QString text = translator->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

QString Translations::fromAcceptLanguage(const QByteArray& header)
{
    struct Tag
    {
        QString name;
        double weight;
    };
    QList<Tag> tags;
    const QList<QByteArray> parts = header.split(',');
    for (const QByteArray& part : parts) {
        const QList<QByteArray> fields = part.split(';');
        Tag tag{QString::fromLatin1(fields.value(0).trimmed()), 1.0};
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const QByteArray field = fields[i].trimmed();
            if (field.startsWith("q="))
                tag.weight = field.mid(2).toDouble();
        }
        if (!tag.name.isEmpty() && tag.weight > 0 && tags.size() < 32)
            tags.append(tag);
    }
    std::stable_sort(tags.begin(), tags.end(),
                     [](const Tag& a, const Tag& b) { return a.weight > b.weight; });
    QStringList names;
    for (const Tag& tag : std::as_const(tags))
        names.append(tag.name);
    return choose(names);
}

bool Translations::rightToLeft()
{
    return installedRightToLeft;
}

QString Translations::isolated(const QString& text)
{
    const bool rtlText = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
    if (text.isEmpty() || (!rtlText && !rightToLeft()))
        return text;
    // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE
    return QChar(0x2068) + text + QChar(0x2069);
}

QString Translations::nativeName(const QString& language)
{
    const QLocale locale(language);
    // Plain "English" rather than the "American English" of the locale it stands for.
    QString name = language == u"en" ? QLocale::languageToString(QLocale::English)
                                     : locale.nativeLanguageName();
    if (language.contains(QLatin1Char('_'))) {
        name = QStringLiteral("%1 (%2)").arg(name, locale.nativeTerritoryName());
    } else if (name.contains(QLatin1Char(' ')) && name.endsWith(locale.nativeTerritoryName())) {
        // "español de España" for plain "es": the language's word is enough.
        name = name.section(QLatin1Char(' '), 0, 0);
    }
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}
