#include "app/generalpage.h"

#include "app/preferences.h"
#include "app/translations.h"
#include "app/uilanguage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

GeneralPage::GeneralPage(QWidget* parent)
    : PreferencesPage(parent)
{
    setObjectName(QStringLiteral("generalPage"));
    language = new QComboBox(this);
    language->setObjectName(QStringLiteral("languageChoice"));
    language->addItem(tr("System default"), QString());
    // Each language by its own name, so that someone lost in a foreign one finds theirs.
    language->addItem(Translations::nativeName(QStringLiteral("en")), QStringLiteral("en"));
    for (const QString& code : Translations::available())
        language->addItem(Translations::nativeName(code), code);
    const QString stored = Preferences::value(UiLanguage::kPreferenceKey).toString();
    language->setCurrentIndex(std::max(0, language->findData(stored)));

    auto* note =
        new QLabel(tr("A new language is used from the next start of Velmora Player."), this);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Language:"), language);
    form->addRow(note);
}

QString GeneralPage::title() const
{
    return tr("General");
}

QString GeneralPage::apply()
{
    const QString chosen = language->currentData().toString();
    if (chosen.isEmpty())
        return Preferences::remove(UiLanguage::kPreferenceKey);
    return Preferences::setValue(UiLanguage::kPreferenceKey, chosen);
}
