<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>Über Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>Standardfehlerausgabe, mit VELMORA_NET_DEBUG=1 (jetzt an); bei Start aus dem Desktop-Menü das Protokoll der Sitzung (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>Standardfehlerausgabe, mit VELMORA_NET_DEBUG=1 (jetzt aus); bei Start aus dem Desktop-Menü das Protokoll der Sitzung (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 Die Bedingungen: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Live-Sender, Filme und Serien von Ihren IPTV-Servern ansehen.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Katalog-Cache</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later), ohne jegliche Gewährleistung. Verwendet Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) und simdjson (Apache-2.0); velmora-pairing-server verwendet außerdem hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>Wiedergabeliste konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Datei konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Wiedergabeliste laden</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Alle Filme durchsuchen...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Alle Serien durchsuchen...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Alle Sender durchsuchen...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Kategorie auswählen:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Zurück zu den Kategorien</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Name (A-Z)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Zuletzt hinzugefügt</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Suche: „%1“</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Anbieter-Reihenfolge</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>„%1“ kann nicht aus dem Archiv von %2 abgespielt werden: Der Server liefert keine Adresse dafür.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>Folge %1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>Die Folgen konnten nicht geladen werden. Gehen Sie zurück und öffnen Sie die Serie erneut, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Zurück zu den Serien</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Staffel %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Serien</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Sendungen</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>Eine neue Sprache wird ab dem nächsten Start von Velmora Player verwendet.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Programmführer-Sender</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>Der Programmführer enthält noch keine Sender. Aktualisieren Sie den Programmführer und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>Programmführer-Sender für „%1“ auswählen:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Nach ID oder Name suchen...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Programmführer-Sender</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Zeitverschiebung des Programmführers für diesen Sender:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Automatische Zuordnung</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Sender</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (Nachschauen)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>Nachschauen</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>Vorherige Sendung</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Nächste Sendung</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>Keine Sender anzuzeigen</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Keine Programminformationen</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <comment>start and end of a programme in the guide grid</comment>
        <translation>%1-%2</translation>
    </message>
</context>
<context>
    <name>GuideGridTab</name>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>TV-Programm</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Wählen Sie eine Sendung aus, um ihre Details zu sehen.</translation>
    </message>
    <message>
        <source>%1, %2-%3</source>
        <comment>day, start and end of a programme</comment>
        <translation>%1, %2-%3</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; &amp;middot; %2&lt;br&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; &amp;middot; %2&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>No programme information.</source>
        <translation>Keine Programminformationen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; kann nicht aus dem Archiv von %2 abgespielt werden: Der Sender liefert keine Archivadresse.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>der Server antwortete mit HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>der Server hat aufgehört zu senden</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>der Download wurde nicht rechtzeitig beendet</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>keine Programmführer-Adresse</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Programmführer ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Von Anfang an ansehen</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Die laufende Sendung von Beginn an abspielen</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Programmführer: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Programmführer</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Keine Programminformationen</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>Im Archiv: Doppelklicken oder Eingabetaste drücken, um die Sendung anzusehen</translation>
    </message>
    <message>
        <source>%1  %2
%3</source>
        <translation>%1  %2
%3</translation>
    </message>
</context>
<context>
    <name>GuideService</name>
    <message>
        <source>Updating guide... %1%</source>
        <translation>Programmführer wird aktualisiert... %1%</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Programmführer nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Programmführer teilweise aktualisiert: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>jetzt, bis %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and times of a programme</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <comment>programme, channel, when</comment>
        <translation>%1 — %2, %3</translation>
    </message>
</context>
<context>
    <name>GuideStoreWriter</name>
    <message>
        <source>could not write the guide: %1</source>
        <translation>der Programmführer konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>die Programmführer-Datei konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation>ddd d. MMM</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>Jetzt: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>Danach: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>Der Sender überträgt fragmentiertes MP4, das noch nicht aufgenommen werden kann.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>Der Sender ist verschlüsselt und kann nicht aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>Die Bibliothek konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>Weiterschauen</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Von diesem Server nicht mehr angeboten</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>Ihre Bibliothek (Favoriten und Wiedergabefortschritt) konnte nicht gelesen werden und wurde neu angelegt. Die beschädigte Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Ihre Bibliothek (Favoriten und Wiedergabefortschritt) wurde von einer neueren Version von Velmora Player gespeichert und kann von dieser Version nicht gelesen werden. Sie bleibt unverändert; Änderungen in dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>Ihre Bibliothek (Favoriten und Wiedergabefortschritt) konnte unter %1 nicht geöffnet werden. Änderungen in dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Ihre Bibliothek (Favoriten und Wiedergabefortschritt) unter %1 wird von einem anderen Programm belegt. Sie bleibt unverändert; Änderungen in dieser Sitzung werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Von vorn beginnen</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Vorheriger Sender</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Zurück zum zuvor gesehenen Sender (Rücktaste)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Favoriten und Fortschritt exportieren...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Favoriten und Fortschritt importieren...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>Aus „Weiterschauen“ entfernen</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>Die Änderung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>Der Favorit konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Favoriten und Fortschritt exportieren</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>Bibliotheksdateien (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>Die Bibliothek konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>Ihre Favoriten und Ihr Wiedergabefortschritt wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Favoriten und Fortschritt importieren</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Fortgesetzt bei %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>Ihr Wiedergabefortschritt konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (%2% gesehen)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Unterbrochen bei %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>Gesehen</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>„%1“ muss ein nicht leerer Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>„%1“ muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>„%1“ muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>„%1“ muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>„%1“ muss true oder false sein.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>„%1“ in der Datei ist keine Liste.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>Eintrag %1 von „%2“ ist kein Objekt.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>Eintrag %1 von „%2“: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>%1 ist %2 groß, mehr als ein Bibliotheksexport sein kann (höchstens %3). Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 ist größer, als ein Bibliotheksexport sein kann (höchstens %2). Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>Die Datei ist kein Export einer Velmora-Player-Bibliothek.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>„version“ in der Datei ist keine Versionsnummer: Es ist kein Bibliotheksexport, den dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>Die Datei wurde von einer neueren Version von Velmora Player exportiert und kann von dieser Version nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>Importiert: %1 Favoriten, %2 Wiedergabepositionen.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Bereits aktuell: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Line-up</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>Ihr Line-up (ausgeblendete, umbenannte und gesperrte Sender) kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>„%1“ ist gesperrt. Geben Sie die PIN ein, um die Wiedergabe zu starten.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Kindersicherung</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Legen Sie zuerst eine PIN fest: Einstellungen, Seite „Kindersicherung“. Sperren werden wirksam, sobald eine PIN festgelegt ist.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>Die Änderung an Ihrem Line-up konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>Neuer Name für „%1“ (leer: Name des Anbieters):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>Geben Sie die PIN ein, um „%1“ zu entsperren.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>%n Kategorie dieses Servers sieht nach Inhalten für Erwachsene aus:

%1

Sperren? Vor dem Anzeigen ihrer Sender wird dann die PIN abgefragt.</numerusform>
            <numerusform>%n Kategorien dieses Servers sehen nach Inhalten für Erwachsene aus:

%1

Sperren? Vor dem Anzeigen ihrer Sender wird dann die PIN abgefragt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Geben Sie die PIN ein, um das Line-up zu verwalten.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>Die Programmführer-Adressen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>Mit PIN sperren</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Line-up verwalten...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>„%1“ ist gesperrt. Geben Sie die PIN ein, um den Inhalt anzuzeigen.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Programmführer-Sender...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Name des Anbieters: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Wieder sperren</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Dieser Computer ist mit keinem Heimnetz verbunden, daher kann ihn kein Telefon erreichen. Verbinden Sie ihn mit Ihrem WLAN oder einem Netzwerkkabel und fordern Sie dann einen neuen Code an.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>Kopplung konnte auf diesem Computer nicht gestartet werden (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>Ihre Server und Einstellungen konnten nicht in %1 gespeichert werden.

Jetzt vorgenommene Änderungen gehen verloren, wenn der Player geschlossen wird. Prüfen Sie, ob diese Datei und ihr Ordner beschreibbar sind.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>Live-TV</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Serien</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>Der Archiv-Stream endete vor der Sendung.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>Keine Wiedergabe</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Wiedergabe gestoppt: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Erneute Verbindung mit %1... (Versuch %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Wiedergabefehler</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Line-up verwalten</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Serien</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ausgeblendet</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Sender ohne Programmführer</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Programmführer-Quellen</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Kategorien filtern...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Alle ausblenden</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>Markierte Kategorien werden angezeigt; zum Umsortieren ziehen.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Von diesem Server nicht mehr angeboten</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Ausgeblendete Sender, Filme und Serien:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Wieder anzeigen</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Verwirft alle Festlegungen für die ausgewählten Einträge</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Sender, für die der Programmführer nichts enthält:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Programmführer-Sender mit ähnlichem Namen:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Diesen Programmführer-Sender verwenden</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3%</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3% - jetzt: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>Der Programmführer wird aus diesen Quellen in dieser Reihenfolge gelesen; für jeden Sender gilt die erste, die ihn enthält.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Adresse hinzufügen...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Programmführer-Adresse</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>XMLTV-Adresse (http oder https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>Programmführer-Datei</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>XMLTV-Dateien (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>Eigener Programmführer des Servers</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Videocodec: %1
Auflösung: %2x%3
Bildrate: %4 fps

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Audiocodec: %1
Abtastrate: %2 Hz
Kanäle: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Tonspuren:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Untertitelspuren:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Eingangsbitrate: %1 kbit/s
Demux-Bitrate: %2 kbit/s
Dekodierte Videoblöcke: %3
Dekodierte Audioblöcke: %4
Angezeigte Bilder: %5   Verlorene Bilder: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Noch keine Spurinformationen verfügbar.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Erneute Verbindung...</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Mehrfachansicht</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Zwei bis vier Sender gleichzeitig ansehen (Strg+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 Kacheln nebeneinander</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 Kacheln, eine große und zwei kleine</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 Kacheln, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 ist ein Sender des Servers „%2“. Zeigen Sie diesen Server an, um den Sender hier anzusehen.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Mehrfachansicht nicht gespeichert</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Ziehen Sie einen Sender aus einer Liste, der Suche (Strg+F) oder dem TV-Programm hierher, oder wählen Sie diese Kachel aus und spielen Sie wie gewohnt einen Sender ab (Eingabetaste oder Doppelklick).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Wiedergabe: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>Kein Sender in dieser Kachel</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · Jetzt: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>Warte auf Ihr Telefon... (läuft in %1:%2 ab)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>Scannen Sie auf Ihrem Telefon den QR-Code oder öffnen Sie &lt;b&gt;%1&lt;/b&gt; und geben Sie dann diesen Code ein:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Ihr Telefon zeigt diesen Computer als %1%2%3 an</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>Das hat nicht funktioniert: %1
Korrigieren Sie es auf Ihrem Telefon und senden Sie es mit dem neuen Code erneut.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Dieser Code ist abgelaufen.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Neuen Code anfordern</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Quorbin-Abonnement</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Code wird angefordert...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Empfangen. Server wird geprüft...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>Server nicht erreichbar: Der Link muss mit http:// oder https:// beginnen</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>Wiedergabeliste konnte nicht heruntergeladen werden: Der Link muss mit http:// oder https:// beginnen</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>Wiedergabeliste konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>Über diesen Wiedergabelisten-Link wurden keine Sender geladen. Prüfen Sie, ob er korrekt und noch aktiv ist.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Ihr Telefon muss sich im selben Netzwerk wie dieser Computer befinden.&lt;br&gt;Wenn dieser Computer eine Firewall hat, geben Sie dafür TCP-Port %1 frei.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Adresse für das Telefon:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>Der Kopplungsdienst hat diesen Code verloren, vielleicht wegen eines Neustarts. Geben Sie den neuen Code unten auf Ihrem Telefon ein.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Server nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Ungültige Antwort vom Server</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>Die Daten sind zu umfangreich zum Senden.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Dieser Code ist ungültig. Prüfen Sie den auf Ihrem Computer angezeigten Code.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Dieser Code ist abgelaufen. Fordern Sie auf Ihrem Computer einen neuen Code an.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Mit diesem Code wurden bereits Daten gesendet. Fordern Sie auf Ihrem Computer einen neuen Code an, um sie erneut zu senden.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>Der Kopplungsdienst ist derzeit nicht verfügbar. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Wählen Sie die Art des Servers: Xtream Codes oder M3U-Wiedergabeliste.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Geben Sie einen Namen für den Server ein.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>Die Adresse ist zu lang.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>Name, Adresse und Benutzername dürfen keine Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Geben Sie den Benutzernamen ein.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Geben Sie das Passwort ein.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>Benutzername oder Passwort ist zu lang.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Wählen Sie das Live-Format: TS oder HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>Der Kopplungsdienst wurde neu gestartet und hat diesen Code verloren. Fordern Sie auf Ihrem Computer einen neuen Code an.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>Eine PIN ist festgelegt. Geben Sie sie ein, um sie zu ändern oder zu entfernen.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Legen Sie eine PIN mit 4 bis 8 Ziffern fest, um Kategorien und Sender zu sperren.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>Aktuelle PIN:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>Neue PIN:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Wiederholen:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>PIN entfernen (Sperren sind dann wirkungslos)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Sperre anbieten für
Kategorien, deren Name dies
enthält (eins pro Zeile):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Kindersicherung</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Zu viele falsche PINs. Versuchen Sie es in %n Sekunde erneut.</numerusform>
            <numerusform>Zu viele falsche PINs. Versuchen Sie es in %n Sekunden erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>Die aktuelle PIN ist falsch; die PIN wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>Die neue PIN und ihre Wiederholung stimmen nicht überein; die PIN wurde nicht geändert.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>Eine PIN hat 4 bis 8 Ziffern; die PIN wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Kindersicherung</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Nur für eine Stunde entsperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Zu viele falsche PINs. Versuchen Sie es in %n Sekunde erneut.</numerusform>
            <numerusform>Zu viele falsche PINs. Versuchen Sie es in %n Sekunden erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Falsche PIN.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>Wiedergabe: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Zu viele Streams</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1 wurde nicht gestartet: Dieser Server erlaubt %n Stream gleichzeitig, und dieser ist belegt (%2).</numerusform>
            <numerusform>%1 wurde nicht gestartet: Dieser Server erlaubt %n Streams gleichzeitig, und alle sind belegt (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>Keine Wiedergabe</translation>
    </message>
    <message>
        <source>&lt;&lt; 10s</source>
        <translation>&lt;&lt; 10 s</translation>
    </message>
    <message>
        <source>10s &gt;&gt;</source>
        <translation>10 s &gt;&gt;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation>Nächste Folge</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Lautst.:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>die Wiedergabeliste ist größer als 1 GB</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>Ihre Einstellungen konnten nicht in %1 gespeichert werden. Prüfen Sie, ob diese Datei und ihr Ordner beschreibbar sind.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Aufnahmen nicht gespeichert</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Diesen Sender aufnehmen (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Aufnahme abbrechen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Aufnahme löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>„%1“ und die zugehörige Datei löschen?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Aufnahme nicht gelöscht</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Keine Aufnahme</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Serie aufnehmen</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Aufnahme gestoppt</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>„%1“ kann nicht heruntergeladen werden: Der Sender liefert keine Archivadresse.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>Nicht heruntergeladen</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 wird bereits aufgenommen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>„%1“ ist bereits geplant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>„%1“ ist bereits vorbei; höchstens das Archiv enthält die Sendung noch.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>„%1“ wird bereits heruntergeladen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>„%1“ wird noch aufgenommen; beenden Sie zuerst die Aufnahme.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>%1 konnte nicht gelöscht werden. Prüfen Sie, ob der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>Das Programm wurde während der Aufnahme geschlossen.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>Das Programm lief zum Zeitpunkt der Aufnahme nicht.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Aufnahme: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>„%1“ konnte nicht starten: Der Server erlaubt %2 Streams gleichzeitig, und diese sind geöffnet: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>„%1“ konnte nicht aufgenommen werden: Der zugehörige Server ist nicht mehr eingerichtet.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Wird heruntergeladen: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Vor dem Ende gestoppt: Die Datei enthält nur den Teil, der angekommen ist.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>„%1“ kann nicht aufgenommen werden: Zusammen mit %n weiteren Aufnahme zu dieser Zeit und dem, was Sie ansehen, werden %2 Streams gleichzeitig benötigt, der Server erlaubt aber %3.</numerusform>
            <numerusform>„%1“ kann nicht aufgenommen werden: Zusammen mit %n weiteren Aufnahmen zu dieser Zeit und dem, was Sie ansehen, werden %2 Streams gleichzeitig benötigt, der Server erlaubt aber %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>„%1“ kann jetzt nicht heruntergeladen werden: Zusammen mit %n währenddessen laufenden Aufnahme und dem, was Sie ansehen, werden %2 Streams gleichzeitig benötigt, der Server erlaubt aber %3.</numerusform>
            <numerusform>„%1“ kann jetzt nicht heruntergeladen werden: Zusammen mit %n währenddessen laufenden Aufnahmen und dem, was Sie ansehen, werden %2 Streams gleichzeitig benötigt, der Server erlaubt aber %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Ordner für Aufnahmen:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Ordner für Aufnahmen</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Sendungen aus dem Programmführer früher starten um:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Später beenden um:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Ein pausierter Live-Sender läuft weiter in einen Puffer auf dem Datenträger; davon wird nur der neueste Teil dieser Länge aufbewahrt.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Pausenpuffer für Live-TV:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>Die Aufnahmeliste in %1 konnte nicht aktualisiert werden (%2: %3). Prüfen Sie, ob die Datei und ihr Ordner beschreibbar sind.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>%n Aufnahme läuft.</numerusform>
            <numerusform>%n Aufnahmen laufen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>Innerhalb des nächsten Tages ist eine Aufnahme geplant.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>Aufnahmen benötigen den Player</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 Für Aufnahmen muss das Programm geöffnet bleiben, und diese Arbeitsumgebung hat keinen Infobereich, in dem es weiterlaufen kann. Trotzdem schließen?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>Aufnahme fortsetzen?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 Soll das Programm im Infobereich weiterlaufen, bis sie abgeschlossen sind?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Im Infobereich weiterlaufen</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Beenden und Aufnahme stoppen</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Player anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player nimmt auf</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Alles durchsuchen</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Sender, Filme, Serien und Sendungen durchsuchen...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ServerSelector</name>
    <message>
        <source>Signing in with a Quorbin subscription key is no longer supported. Add your server again with its Xtream login or M3U playlist link.</source>
        <translation>Die Anmeldung mit einem Quorbin-Abonnementschlüssel wird nicht mehr unterstützt. Fügen Sie Ihren Server erneut mit seinen Xtream-Zugangsdaten oder dem Link zur M3U-Wiedergabeliste hinzu.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Server hinzufügen...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Server bearbeiten...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Wiedergabeliste aktualisieren</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (nicht mehr unterstützt)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Server erneut hinzufügen</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Server hinzufügen</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Bitte geben Sie eine gültige URL bzw. einen gültigen Pfad an.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Server bearbeiten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>„%1“ wurde mit einem Quorbin-Abonnementschlüssel hinzugefügt.

%2

„%1“ jetzt löschen?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Server nicht mehr unterstützt</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Quorbin-Abonnement</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Stattdessen die Serverdaten auf dem Telefon eingeben, mit einem hier angezeigten Code</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>Oder die Serverdaten hier eingeben:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>M3U-Wiedergabeliste</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Servertyp:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u oder lokaler Dateipfad</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Datei laden...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>Wiedergabelisten-URL/Datei:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>Server-URL:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Live-Stream-Format:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Leer: eigener Programmführer des Servers</translation>
    </message>
    <message>
        <source> h</source>
        <translation> Std.</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>Programmführer-URL:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Zeitverschiebung des Programmführers:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Server löschen</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Server bearbeiten</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Server hinzufügen</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>M3U-Wiedergabeliste laden</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Wiedergabelisten (*.m3u *.m3u8);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Wird getestet...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Verbindung OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>Server „%1“ löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Xtream-Konto</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>Erlaubte Verbindungen:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>Der Stream kommt seit %1 Sekunden nicht mehr voran.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>Der Server hat statt des Sender-Streams eine Webseite gesendet; es konnte nichts aufgenommen werden. Das Konto oder der Sender ist möglicherweise nicht mehr aktiv.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>Der Datenträger ist voll: Die Aufnahme wurde nach %1 beendet. Das bisher Aufgenommene ist in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>Die Aufnahme konnte nicht in %1 geschrieben werden und wurde nach %2 beendet. Das bisher Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden, daher wurde nichts aufgenommen. Wählen Sie in den Einstellungen einen anderen Ordner für Aufnahmen.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>Der Server hat die Verbindung für die Aufnahme abgelehnt (HTTP-Status %1). Möglicherweise erlaubt er für dieses Konto keine weiteren gleichzeitigen Streams oder bietet den Sender nicht mehr an.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>Der Server hat den Download abgelehnt (HTTP-Status %1). Möglicherweise hält er diese Sendung nicht mehr bereit oder erlaubt für dieses Konto keine weiteren gleichzeitigen Streams.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>Der Server hat den Download nach %1 abgebrochen; das bisher Empfangene bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>Nicht gestartet: Dieser Server erlaubt %n Stream gleichzeitig, und dieser ist belegt (%1). Schließen Sie ihn, um diesen Sender hier anzusehen.</numerusform>
            <numerusform>Nicht gestartet: Dieser Server erlaubt %n Streams gleichzeitig, und alle sind belegt (%1). Schließen Sie einen davon, um diesen Sender hier anzusehen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1...</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Erneute Verbindung mit %1... (Versuch %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Mehrfachansicht: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>Der Datenträger mit %1 ist voll, daher kann der Sender nicht mehr pausiert werden. Er läuft wieder live.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>In %1 kann nicht geschrieben werden, daher kann der Sender nicht mehr pausiert werden. Er läuft wieder live.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>Der Server hat die Verbindung für den Pausenpuffer abgelehnt (HTTP-Status %1), daher kann der Sender nicht pausiert werden. Möglicherweise erlaubt er für dieses Konto keine weiteren gleichzeitigen Streams. Der Sender läuft wieder live.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>Der Server hat statt des Sender-Streams eine Webseite gesendet, daher kann der Sender nicht pausiert werden. Der Sender läuft wieder live.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>Der Sender überträgt seinen Stream in einer Form, die nicht auf dem Datenträger gespeichert werden kann, daher kann er nicht pausiert werden. Der Sender läuft wieder live.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>In %1 kann nicht geschrieben werden, daher kann der Sender nicht pausiert werden.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Pause beendet</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Zurück zum Live-Bild (L)</translation>
    </message>
    <message>
        <source>-%1</source>
        <comment>how far the picture is behind live</comment>
        <translation>-%1</translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Untertiteldatei laden...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>Keine Tonspuren</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Untertiteldatei laden</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Untertitel (*.srt *.ass *.ssa *.sub *.vtt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Stream-Informationen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>Medium für URL konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>Wiedergabe konnte nicht gestartet werden für: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>Kein Player.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>Kein Medium geladen.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Ende des Streams erreicht (das kann auch passieren, wenn ein Sprung an einer Stelle gelandet ist, an der der Stream nicht fortgesetzt werden konnte).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>libVLC hat beim Streaming einen Fehler festgestellt.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>Der Live-Stream sendet keine Daten mehr.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>Für eine Datei, die gerade geschrieben wird, konnte kein Medium erstellt werden.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>Wiedergabe konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>der Programmführer ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>der Programmführer ist kein gültiges XMLTV (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>der komprimierte Programmführer ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>das Entpacken des Programmführers konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>der Server hat keinen XMLTV-Programmführer gesendet (das Dokument ist &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>der komprimierte Programmführer ist unvollständig</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>der Programmführer ist leer</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>der Zeichensatz „%1“ des Programmführers kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>er ist nicht ASCII-kompatibel</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>Server nicht erreichbar oder ungültige Antwort</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Dieses Konto ist auf diesem Server nicht aktiv (Status: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Authentifizierung fehlgeschlagen - prüfen Sie Server-URL, Benutzername und Passwort</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>Das Line-up in der Datei kann nicht importiert werden: %1 Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>es ist keine Liste von Servern.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>ein Server hat keinen Namen.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>der Server „%1“ ist doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>die Programmführer-Adressen von „%1“ sind keine Liste mit höchstens %2 Einträgen.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>eine Programmführer-Adresse von „%1“ ist ungültig.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>die Einträge von „%1“ sind keine Liste.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>es enthält mehr als %1 Einträge.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>Eintrag %1 von „%2“: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>kein Objekt.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>unbekannter Typ „%1“.</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>unbekannte Art.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>keine ID.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>„%1“ ist weder true noch false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>„%1“ ist kein Text.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>die Position ist keine Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>die Zeitverschiebung ist kein Vielfaches einer Viertelstunde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>„%1“ ist doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>der Server kennt keine ID „%2“ (Typ: %1).</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Eintrag</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>Ein weiteres Fenster öffnen, auch wenn der Player mit diesem Profil bereits läuft.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>Desktop-Player für Internetfernsehen: Konten von Xtream Codes und M3U-Wiedergabelisten.
Ein zweiter Start zeigt stattdessen das Fenster des laufenden Players.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player läuft bereits; sein Fenster wurde in den Vordergrund geholt.</translation>
    </message>
</context>
<context>
    <name>recordingtext</name>
    <message>
        <source>● %1</source>
        <translation>● %1</translation>
    </message>
    <message>
        <source>● %1 (recording)</source>
        <translation>● %1 (Aufnahme läuft)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (geplant)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (verpasst)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (fehlgeschlagen)</translation>
    </message>
    <message>
        <source>%1
%2 · %3 · %4 · %5</source>
        <translation>%1
%2 · %3 · %4 · %5</translation>
    </message>
    <message numerus="yes">
        <source>The stream broke off %n time(s); %1 are missing.</source>
        <translation>
            <numerusform>Der Stream ist %n-mal abgebrochen; es fehlt %1.</numerusform>
            <numerusform>Der Stream ist %n-mal abgebrochen; es fehlen %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (wird heruntergeladen)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (wird heruntergeladen, %2&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (unvollständig)</translation>
    </message>
</context>
</TS>
