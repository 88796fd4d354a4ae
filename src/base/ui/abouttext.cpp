#include "ui/abouttext.h"

#include "app/netlogstream.h"
#include "providers/catalogcache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtGlobal>

#include <vlc/vlc.h>

AboutText::Facts AboutText::current()
{
    Facts facts;
    facts.version = QStringLiteral(VELMORA_VERSION);
    facts.qtVersion = QString::fromLatin1(qVersion());
    facts.vlcVersion = QString::fromUtf8(libvlc_get_version());
    facts.settingsFile = QSettings(QStringLiteral("Velmora"), QStringLiteral("Player")).fileName();
    facts.catalogCacheDir = CatalogCache::directory();
    // Installed programs find their licence terms in <prefix>/share/doc beside <prefix>/bin.
    const QString copyright =
        QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath(QStringLiteral("../share/doc/velmora-player/copyright"));
    if (QFileInfo::exists(copyright))
        facts.copyrightFile = QDir::cleanPath(copyright);
    facts.diagnosticsOn = netDebugEnabled();
    return facts;
}

QString AboutText::title()
{
    return QCoreApplication::translate("AboutText", "About Velmora Player");
}

QString AboutText::html(const Facts& facts)
{
    const auto row = [](const QString& label, const QString& value) {
        return QStringLiteral("<tr><td>%1&nbsp;</td><td>%2</td></tr>")
            .arg(label, value.toHtmlEscaped());
    };
    // Our lines exist only when asked for. Started from the desktop menu, standard error goes
    // to the session's log, which is where a user has to look then.
    const QString logs =
        facts.diagnosticsOn
            ? QCoreApplication::translate(
                  "AboutText", "standard error, with VELMORA_NET_DEBUG=1 (on now); from the "
                               "desktop menu, the session's log (journalctl --user)")
            : QCoreApplication::translate(
                  "AboutText", "standard error, with VELMORA_NET_DEBUG=1 (off now); from the "
                               "desktop menu, the session's log (journalctl --user)");
    QString licence = QCoreApplication::translate(
        "AboutText", "Free software under the GNU General Public License, version 3 or "
                     "later (GPL-3.0-or-later), with no warranty. It uses Qt "
                     "(LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and "
                     "simdjson (Apache-2.0); velmora-pairing-server also uses hiredis "
                     "(BSD-3-Clause).");
    if (!facts.copyrightFile.isEmpty())
        licence = QCoreApplication::translate("AboutText", "%1 The terms: %2.")
                      .arg(licence, facts.copyrightFile.toHtmlEscaped());
    return QCoreApplication::translate("AboutText",
                                       "<h3>Velmora Player %1</h3>"
                                       "<p>Watch live channels, movies and series from your IPTV "
                                       "servers.</p><table>")
               .arg(facts.version.toHtmlEscaped()) +
           row(QStringLiteral("Qt"), facts.qtVersion) +
           row(QStringLiteral("libVLC"), facts.vlcVersion) +
           row(QCoreApplication::translate("AboutText", "Settings"), facts.settingsFile) +
           row(QCoreApplication::translate("AboutText", "Catalog cache"), facts.catalogCacheDir) +
           row(QCoreApplication::translate("AboutText", "Logs"), logs) +
           QStringLiteral("</table><p>") + licence + QStringLiteral("</p>");
}
