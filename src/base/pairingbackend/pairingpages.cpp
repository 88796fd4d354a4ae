#include "pairingpages.h"

#include "app/translations.h"

#include <QLocale>

#include <QUrlQuery>

namespace {
const char* const kStyle = R"(
:root { color-scheme: dark; }
* { box-sizing: border-box; }
body { margin: 0; background: #1e2026; color: #e2e4e9;
       font: 16px/1.45 system-ui, -apple-system, "Segoe UI", Roboto, sans-serif; }
main { max-width: 28rem; margin: 0 auto; padding: 1.25rem 1rem 2rem; }
h1 { font-size: 1.4rem; margin: 0 0 .5rem; }
p { margin: .5rem 0 1rem; }
.muted { color: #9498a3; font-size: .9rem; }
label { display: block; margin: .9rem 0 .3rem; font-weight: 600; }
input, select { width: 100%; font-size: 1rem; padding: .7rem .75rem; border-radius: 8px;
                border: 1px solid #3a3d49; background: #262832; color: #e2e4e9; }
input:focus, select:focus { outline: none; border-color: #3b82f6; }
#code { font: 700 1.6rem ui-monospace, Menlo, Consolas, monospace; letter-spacing: .25em;
        text-transform: uppercase; text-align: center; }
fieldset { border: 0; padding: 0; margin: .9rem 0 0; }
legend { font-weight: 600; padding: 0; }
.choice { display: flex; gap: .5rem; margin-top: .3rem; }
.choice label { flex: 1; margin: 0; padding: .7rem; text-align: center; font-weight: 500;
                border: 1px solid #3a3d49; border-radius: 8px; background: #262832; }
.choice input { width: auto; margin-right: .4rem; }
button { width: 100%; margin-top: 1.4rem; padding: .85rem; font-size: 1.05rem; font-weight: 600;
         border: 0; border-radius: 8px; background: #3b82f6; color: white; }
.error { background: #3a1d22; border: 1px solid #e5484d; color: #ffb4b6; border-radius: 8px;
         padding: .7rem .8rem; }
.sent { background: #17301f; border: 1px solid #30a46c; border-radius: 8px; padding: .9rem; }
)";

// The backend's refusals, shown on the form in the phone's language when they are one of these.
const char* const kRefusals[] = {
    QT_TRANSLATE_NOOP("PairingPages", "That was too much to send."),
    QT_TRANSLATE_NOOP("PairingPages",
                      "That code isn't valid. Check the code shown on your computer."),
    QT_TRANSLATE_NOOP("PairingPages", "That code has expired. Get a new code on your computer."),
    QT_TRANSLATE_NOOP("PairingPages", "Details were already sent with that code. Get a new code "
                                      "on your computer to send them again."),
    QT_TRANSLATE_NOOP("PairingPages",
                      "The pairing service is unavailable right now. Try again in a moment."),
    QT_TRANSLATE_NOOP("PairingPages", "Choose the kind of server: Xtream Codes or M3U playlist."),
    QT_TRANSLATE_NOOP("PairingPages", "Enter a name for the server."),
    QT_TRANSLATE_NOOP("PairingPages", "The address is too long."),
    QT_TRANSLATE_NOOP("PairingPages",
                      "The name, address and user name cannot contain line breaks."),
    QT_TRANSLATE_NOOP("PairingPages", "Enter the user name."),
    QT_TRANSLATE_NOOP("PairingPages", "Enter the password."),
    QT_TRANSLATE_NOOP("PairingPages", "The user name or password is too long."),
    QT_TRANSLATE_NOOP("PairingPages", "Choose the live format: TS or HLS (m3u8)."),
};

// A text of this page in the phone's language.
QString say(const QString& language, const char* source)
{
    return Translations::translate(language, "PairingPages", source);
}

QString sayRefusal(const QString& language, const QString& error)
{
    const QByteArray source = error.toUtf8();
    for (const char* known : kRefusals) {
        if (source == known)
            return say(language, known);
    }
    return error;
}

QByteArray page(const QString& title, const QString& body, const QString& language)
{
    const QString tag = language.isEmpty() ? QStringLiteral("en") : QLocale(language).bcp47Name();
    const bool rtl = !language.isEmpty() && QLocale(language).textDirection() == Qt::RightToLeft;
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%4\"%5><head>"
                                        "<meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width, "
                                        "initial-scale=1\">"
                                        "<title>%1</title><style>%2</style></head>\n"
                                        "<body><main>%3</main></body></html>\n")
                             .arg(PairingPages::escaped(title), QString::fromLatin1(kStyle), body,
                                  tag, rtl ? QStringLiteral(" dir=\"rtl\"") : QString());
    return html.toUtf8();
}

QString input(const QString& id, const QString& type, const QString& value,
              const QString& extra = QString())
{
    return QStringLiteral("<input id=\"%1\" name=\"%1\" type=\"%2\" value=\"%3\"%4>")
        .arg(id, type, PairingPages::escaped(value), extra);
}

QString checkedIf(bool condition)
{
    return condition ? QStringLiteral(" checked") : QString();
}

QString selectedIf(bool condition)
{
    return condition ? QStringLiteral(" selected") : QString();
}
} // namespace

QString PairingPages::escaped(const QString& text)
{
    QString out = text.toHtmlEscaped(); // & < > "
    out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return out;
}

QByteArray PairingPages::formPage(const Form& form, const QString& error, const QString& language)
{
    const auto tr = [&language](const char* source) { return say(language, source); };
    const PairingStore::Details& d = form.details;
    const bool m3u = d.type == QLatin1String("m3u");
    const bool hls = d.liveExtension == QLatin1String("m3u8");
    QString body;
    body += QStringLiteral("<h1>%1</h1><p class=\"muted\">%2</p>")
                .arg(escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Add a server"))),
                     escaped(tr(QT_TRANSLATE_NOOP("PairingPages",
                                                  "Enter the code shown on your computer and the "
                                                  "server's details. They are sent to that "
                                                  "computer only."))));
    if (!error.isEmpty())
        body += QStringLiteral("<p id=\"outcome\" data-outcome=\"error\" class=\"error\" "
                               "role=\"alert\">%1</p>")
                    .arg(escaped(sayRefusal(language, error)));
    body += QStringLiteral("<form method=\"post\" action=\"api/v1/pair/submit\" "
                           "autocomplete=\"off\">");
    body += QStringLiteral("<label for=\"code\">%1</label>")
                .arg(escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Code")))) +
            input(QStringLiteral("code"), QStringLiteral("text"), form.code,
                  QStringLiteral(" required maxlength=\"12\" autocapitalize=\"characters\" "
                                 "spellcheck=\"false\" placeholder=\"ABC-DEF\""));
    body += QStringLiteral("<fieldset><legend>%3</legend><div class=\"choice\">"
                           "<label><input type=\"radio\" id=\"type-xtream\" name=\"type\" "
                           "value=\"xtream\"%1>Xtream Codes</label>"
                           "<label><input type=\"radio\" id=\"type-m3u\" name=\"type\" "
                           "value=\"m3u\"%2>%4</label></div></fieldset>")
                .arg(checkedIf(!m3u), checkedIf(m3u),
                     escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Server type"))),
                     escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "M3U playlist"))));
    body += QStringLiteral("<label for=\"name\">%1</label>")
                .arg(escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Name")))) +
            input(QStringLiteral("name"), QStringLiteral("text"), d.name,
                  QStringLiteral(" required maxlength=\"%1\" placeholder=\"%2\"")
                      .arg(QString::number(PairingStore::kMaxNameLength),
                           escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "My server")))));
    // The script swaps the label's text when the kind changes; both come with the page.
    const QString playlistUrl = tr(QT_TRANSLATE_NOOP("PairingPages", "Playlist URL"));
    const QString serverUrl = tr(QT_TRANSLATE_NOOP("PairingPages", "Server URL"));
    body +=
        QStringLiteral("<label for=\"url\" id=\"url-label\" data-m3u=\"%2\" "
                       "data-xtream=\"%3\">%1</label>")
            .arg(escaped(m3u ? playlistUrl : serverUrl), escaped(playlistUrl), escaped(serverUrl)) +
        input(QStringLiteral("url"), QStringLiteral("url"), d.url,
              QStringLiteral(" required inputmode=\"url\" autocapitalize=\"none\" "
                             "spellcheck=\"false\" placeholder=\"http://\""));
    body += QStringLiteral("<div id=\"xtream-fields\"%1>")
                .arg(m3u ? QStringLiteral(" hidden") : QString());
    body += QStringLiteral("<label for=\"username\">%1</label>")
                .arg(escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "User name")))) +
            input(QStringLiteral("username"), QStringLiteral("text"), d.username,
                  QStringLiteral(" autocapitalize=\"none\" spellcheck=\"false\""));
    body += QStringLiteral("<label for=\"password\">%1</label>")
                .arg(escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Password")))) +
            input(QStringLiteral("password"), QStringLiteral("password"), QString());
    body += QStringLiteral("<label for=\"live_extension\">%3</label>"
                           "<select id=\"live_extension\" name=\"live_extension\">"
                           "<option value=\"ts\"%1>MPEG-TS (ts)</option>"
                           "<option value=\"m3u8\"%2>HLS (m3u8)</option></select>"
                           "<p class=\"muted\">%4</p></div>")
                .arg(selectedIf(!hls), selectedIf(hls),
                     escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Live format"))),
                     escaped(tr(QT_TRANSLATE_NOOP("PairingPages",
                                                  "User name, password and live format are for "
                                                  "Xtream Codes servers only."))));
    body += QStringLiteral("<button id=\"send\" type=\"submit\">%1</button>"
                           "</form><script src=\"pair.js\"></script>")
                .arg(escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "Send to computer"))));
    return page(tr(QT_TRANSLATE_NOOP("PairingPages", "Add a server")), body, language);
}

QByteArray PairingPages::sentPage(const QString& deviceName, const QString& language)
{
    const auto tr = [&language](const char* source) { return say(language, source); };
    //: %1 is the computer's name in quotation marks, or "your computer".
    const QString sentence = tr(QT_TRANSLATE_NOOP(
        "PairingPages",
        "The details were sent to %1, which now checks the server. You can close this page."));
    const QString where =
        deviceName.isEmpty() ? escaped(tr(QT_TRANSLATE_NOOP("PairingPages", "your computer")))
                             : QStringLiteral("\u201C<bdi>%1</bdi>\u201D").arg(escaped(deviceName));
    const QString sent = tr(QT_TRANSLATE_NOOP("PairingPages", "Sent"));
    const QString body =
        QStringLiteral("<h1>%1</h1><div id=\"outcome\" data-outcome=\"ok\" class=\"sent\">"
                       "%2</div>")
            .arg(escaped(sent), escaped(sentence).arg(where));
    return page(sent, body, language);
}

QByteArray PairingPages::script()
{
    // Shows the Xtream-only fields for Xtream servers; the form works without it too.
    return QByteArrayLiteral(R"(
(function () {
  var fields = document.getElementById('xtream-fields');
  var label = document.getElementById('url-label');
  function update() {
    var m3u = document.getElementById('type-m3u').checked;
    fields.hidden = m3u;
    document.getElementById('username').required = !m3u;
    document.getElementById('password').required = !m3u;
    label.textContent = m3u ? label.dataset.m3u : label.dataset.xtream;
  }
  document.getElementById('type-xtream').addEventListener('change', update);
  document.getElementById('type-m3u').addEventListener('change', update);
  update();
})();
)");
}

PairingPages::Form PairingPages::parseForm(const QByteArray& body)
{
    // Browsers send spaces as '+' and a real '+' as %2B.
    QByteArray text = body;
    text.replace('+', "%20");
    const QUrlQuery query(QString::fromUtf8(text));
    const auto field = [&query](const char* key) {
        const QString name = QString::fromLatin1(key);
        return query.hasQueryItem(name) ? query.queryItemValue(name, QUrl::FullyDecoded)
                                        : QString();
    };
    Form form;
    form.code = field("code");
    form.details.type = field("type");
    form.details.name = field("name");
    form.details.url = field("url");
    form.details.username = field("username");
    form.details.password = field("password");
    form.details.liveExtension = field("live_extension");
    return form;
}
