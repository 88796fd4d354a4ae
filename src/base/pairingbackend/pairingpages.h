#pragma once

#include "pairingstore.h"

#include <QByteArray>
#include <QString>

// The phone's side of pairing: the form page, its script, the page after sending, and reading
// the submitted form. Everything that came from a phone or a computer is HTML-escaped here.
class PairingPages final
{
public:
    struct Form
    {
        QString code;
        PairingStore::Details details;
    };

    // The form, filled with `form` (never with a password), with `error` above it when set.
    // `language` is the phone's (Translations::fromAcceptLanguage), "" for English.
    static QByteArray formPage(const Form& form, const QString& error = QString(),
                               const QString& language = QString());
    // The page after the details were accepted; `deviceName` is the computer's name.
    static QByteArray sentPage(const QString& deviceName, const QString& language = QString());
    static QByteArray script();

    // An application/x-www-form-urlencoded body (the first value of each field).
    static Form parseForm(const QByteArray& body);

    static QString escaped(const QString& text);
};
