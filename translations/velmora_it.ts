<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>Informazioni su Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>standard error, con VELMORA_NET_DEBUG=1 (ora attivo); se avviato dal menu del desktop, il log della sessione (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>standard error, con VELMORA_NET_DEBUG=1 (ora disattivato); se avviato dal menu del desktop, il log della sessione (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 I termini: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Guarda canali in diretta, film e serie dai tuoi server IPTV.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Cache del catalogo</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>Software libero distribuito secondo la GNU General Public License, versione 3 o successiva (GPL-3.0-or-later), senza alcuna garanzia. Utilizza Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) e simdjson (Apache-2.0); velmora-pairing-server utilizza anche hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>Impossibile scaricare la playlist: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Carica playlist</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Tutte le categorie</translation>
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
        <translation>Canale</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Cerca in tutti i film...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Cerca in tutte le serie...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Cerca in tutti i canali...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Seleziona una categoria:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Torna alle categorie</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Nome (A-Z)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Aggiunti di recente</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valutazione</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Ricerca: «%1»</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Ordine del provider</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>«%1» non può essere riprodotto dall&apos;archivio di %2: il server non fornisce alcun indirizzo.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>E%1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>Impossibile caricare gli episodi. Torna indietro e apri di nuovo la serie per riprovare.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Torna alle serie</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Stagione %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Serie TV</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Programmi</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>La nuova lingua verrà usata dal prossimo avvio di Velmora Player.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Canale della guida</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>La guida non contiene ancora canali. Aggiorna la guida, poi riprova.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>Scegli il canale della guida per «%1»:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Cerca per ID o nome...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Canale della guida</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>In onda</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Spostamento orario della guida per questo canale:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Abbinamento automatico</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>In onda</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (replay)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>Programma precedente</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Programma successivo</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>Nessun canale da mostrare</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Nessuna informazione sui programmi</translation>
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
        <translation>In onda</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>Guida TV</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Seleziona un programma per vederne i dettagli.</translation>
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
        <translation>Nessuna informazione sui programmi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; non può essere riprodotto dall&apos;archivio di %2: il canale non fornisce alcun indirizzo di archivio.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>il server ha risposto HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>il server ha smesso di inviare dati</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>il download non è terminato in tempo</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>nessun indirizzo della guida</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Mostra o nascondi la guida</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Guarda dall&apos;inizio</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Riproduci dall&apos;inizio il programma in corso</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Guida: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Nessuna informazione sui programmi</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>Nell&apos;archivio: fai doppio clic o premi Invio per guardarlo</translation>
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
        <translation>Aggiornamento della guida... %1%</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Guida non aggiornata: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Guida aggiornata in parte: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>ora, fino alle %1</translation>
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
        <translation>impossibile scrivere la guida: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>impossibile creare il file della guida: %1</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>In onda: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>A seguire: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>Il canale trasmette MP4 frammentato, che non può ancora essere registrato.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>Il canale è criptato e non può essere registrato.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>Impossibile salvare la libreria: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>Continua a guardare</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Non più offerto da questo server</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>Impossibile leggere la libreria (preferiti e avanzamento di visione), che è stata ricreata da zero. Il file danneggiato è stato conservato come %1.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>La libreria (preferiti e avanzamento di visione) è stata salvata da una versione più recente di Velmora Player e non può essere letta da questa. Viene lasciata com&apos;è; le modifiche fatte in questa sessione non verranno conservate.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>Impossibile aprire la libreria (preferiti e avanzamento di visione) in %1. Le modifiche fatte in questa sessione non verranno conservate.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>La libreria (preferiti e avanzamento di visione) in %1 è occupata da un&apos;altra applicazione. Viene lasciata com&apos;è; le modifiche fatte in questa sessione non verranno conservate.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Canale precedente</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Torna al canale guardato prima (Backspace)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Libreria</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Esporta preferiti e avanzamento...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Importa preferiti e avanzamento...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Rimuovi dai preferiti</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Aggiungi ai preferiti</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>Rimuovi da Continua a guardare</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>Impossibile salvare la modifica: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>Impossibile salvare il preferito: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Esporta preferiti e avanzamento</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>File di libreria (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>Impossibile scrivere la libreria in %1: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>I preferiti e l&apos;avanzamento di visione sono stati salvati in %1.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Importa preferiti e avanzamento</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Ripreso da %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>Impossibile salvare l&apos;avanzamento di visione: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (%2% visto)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Interrotto a %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>Visto</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>«%1» deve essere un testo non vuoto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>«%1» deve essere un testo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>«%1» deve essere un numero intero da %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>«%1» deve essere un numero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>«%1» deve essere true o false.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>«%1» nel file non è un elenco.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>La voce %1 di «%2» non è un oggetto.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>Voce %1 di «%2»: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>%1 ha una dimensione di %2, superiore al massimo consentito per un&apos;esportazione della libreria (%3). Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 supera la dimensione massima di un&apos;esportazione della libreria (%2). Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>Il file non è un&apos;esportazione della libreria di Velmora Player.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>Il campo «version» del file non è un numero di versione: non è un&apos;esportazione della libreria leggibile da questa applicazione.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>Il file è stato esportato da una versione più recente di Velmora Player e non può essere letto da questa.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>Importati: %1 preferiti, %2 posizioni di visione.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Già aggiornato: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Elenco contenuti</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>Impossibile memorizzare l&apos;elenco contenuti (canali nascosti, rinominati e bloccati): %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>«%1» è bloccato. Inserisci il PIN per riprodurlo.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Blocco parentale</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Imposta prima un PIN: Impostazioni, pagina «Blocco parentale». I blocchi hanno effetto dopo aver impostato un PIN.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>Impossibile salvare la modifica all&apos;elenco contenuti: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>Nuovo nome per «%1» (vuoto: nome del provider):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>Inserisci il PIN per sbloccare «%1».</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Rinomina categoria</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>%n categoria di questo server sembra avere contenuti per adulti:

%1

Bloccarla? Chiederà il PIN prima di mostrare i suoi canali.</numerusform>
            <numerusform>%n categorie di questo server sembrano avere contenuti per adulti:

%1

Bloccarle? Chiederanno il PIN prima di mostrare i loro canali.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Inserisci il PIN per gestire l&apos;elenco contenuti.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>Impossibile salvare gli indirizzi della guida: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Rinomina...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>Blocca con PIN</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Gestisci elenco contenuti...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>«%1» è bloccato. Inserisci il PIN per mostrarlo.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Canale della guida...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Nome del provider: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Blocca di nuovo</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Questo computer non è connesso a una rete domestica, quindi il telefono non può raggiungerlo. Collegalo al Wi-Fi o a un cavo di rete, poi richiedi un nuovo codice.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>Impossibile avviare l&apos;associazione su questo computer (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>Impossibile salvare i server e le impostazioni in %1.

Le modifiche fatte ora andranno perse alla chiusura del player. Verifica che questo file e la sua cartella siano scrivibili.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>TV in diretta</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Serie TV</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>Lo stream dell&apos;archivio è terminato prima del programma.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>Nessuna riproduzione</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Riproduzione interrotta: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Riconnessione a %1... (tentativo %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Errore di riproduzione</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Gestisci elenco contenuti</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Sezione:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Serie TV</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Nascosti</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Canali senza guida</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Fonti della guida</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Filtra categorie...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostra tutte</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Nascondi tutte</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>Le categorie selezionate vengono mostrate; trascina per riordinarle.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Non più offerto da questo server</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Canali, film e serie nascosti:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Mostra di nuovo</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Dimentica</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Annulla tutte le scelte fatte per le voci selezionate</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Canali per cui la guida non ha nulla:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Canali della guida con un nome simile:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Usa questo canale della guida</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3%</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3% - in onda: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>La guida viene letta da queste fonti, in quest&apos;ordine; per ogni canale vale la prima che lo contiene.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Aggiungi indirizzo...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Aggiungi file...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Indirizzo della guida</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>Indirizzo XMLTV (http o https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>File della guida</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>File XMLTV (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>Guida propria del server</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Codec video: %1
Risoluzione: %2x%3
Frequenza fotogrammi: %4 fps

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Codec audio: %1
Frequenza di campionamento: %2 Hz
Canali: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Tracce audio:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Tracce dei sottotitoli:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Bitrate in ingresso: %1 kbps
Bitrate demux: %2 kbps
Blocchi video decodificati: %3
Blocchi audio decodificati: %4
Fotogrammi visualizzati: %5   Fotogrammi persi: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Nessuna informazione sulle tracce ancora disponibile.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Riconnessione...</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Vista multipla</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Guarda da due a quattro canali contemporaneamente (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 riquadri affiancati</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 riquadri, uno grande e due piccoli</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 riquadri, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 è un canale del server «%2». Mostra quel server per guardarlo qui.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Vista multipla non salvata</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Trascina qui un canale da un elenco, dalla ricerca (Ctrl+F) o dalla Guida TV, oppure seleziona questo riquadro e riproduci un canale come al solito (Invio o doppio clic).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>In riproduzione: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>Nessun canale in questo riquadro</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · In onda: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>In attesa del telefono... (scade tra %1:%2)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>Sul telefono, scansiona il codice QR o apri &lt;b&gt;%1&lt;/b&gt;, poi inserisci questo codice:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Il telefono mostrerà questo computer come %1%2%3</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>Non ha funzionato: %1
Correggi sul telefono e invia di nuovo con il nuovo codice.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Questo codice è scaduto.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Richiedi un nuovo codice</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Abbonamento Quorbin</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Richiesta del codice...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Ricevuto. Verifica del server...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>Impossibile raggiungere il server: il link deve iniziare con http:// o https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>Impossibile scaricare la playlist: il link deve iniziare con http:// o https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>Impossibile scaricare la playlist: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>Il link della playlist non ha caricato alcun canale. Verifica che sia corretto e ancora attivo.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Il telefono deve essere sulla stessa rete di questo computer.&lt;br&gt;Se questo computer ha un firewall, consenti la porta TCP %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Indirizzo per il telefono:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>Il servizio di associazione ha perso questo codice, forse perché è stato riavviato. Inserisci sul telefono il nuovo codice qui sotto.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Impossibile raggiungere il server: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Risposta non valida dal server</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>I dati da inviare sono troppi.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Il codice non è valido. Controlla il codice mostrato sul computer.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Il codice è scaduto. Richiedi un nuovo codice sul computer.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Con questo codice sono già stati inviati dei dati. Richiedi un nuovo codice sul computer per inviarli di nuovo.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>Il servizio di associazione non è disponibile al momento. Riprova tra poco.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Scegli il tipo di server: Xtream Codes o playlist M3U.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Inserisci un nome per il server.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>L&apos;indirizzo è troppo lungo.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>Il nome, l&apos;indirizzo e il nome utente non possono contenere interruzioni di riga.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Inserisci il nome utente.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Inserisci la password.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>Il nome utente o la password sono troppo lunghi.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Scegli il formato della diretta: TS o HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>Il servizio di associazione è stato riavviato e ha perso questo codice. Richiedi un nuovo codice sul computer.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>È impostato un PIN. Inseriscilo per cambiarlo o rimuoverlo.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Imposta un PIN da 4 a 8 cifre per bloccare categorie e canali.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>PIN attuale:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>Nuovo PIN:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Ripeti:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>Rimuovi il PIN (i blocchi smettono di funzionare)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Proponi di bloccare le categorie
il cui nome contiene
(uno per riga):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Blocco parentale</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Troppi PIN errati. Riprova tra %n secondo.</numerusform>
            <numerusform>Troppi PIN errati. Riprova tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>Il PIN attuale non è corretto; il PIN non è stato cambiato.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>Il nuovo PIN e la sua ripetizione non coincidono; il PIN non è stato cambiato.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>Un PIN ha da 4 a 8 cifre; il PIN non è stato cambiato.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Blocco parentale</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Sblocca solo per un&apos;ora</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Troppi PIN errati. Riprova tra %n secondo.</numerusform>
            <numerusform>Troppi PIN errati. Riprova tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>PIN errato.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>In riproduzione: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Troppi stream</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1 non è stato avviato: questo server consente %n stream alla volta, già in uso (%2).</numerusform>
            <numerusform>%1 non è stato avviato: questo server consente %n stream contemporanei e sono tutti in uso (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>Nessuna riproduzione</translation>
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
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation>Episodio successivo</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Schermo intero</translation>
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
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Vol:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>la playlist supera 1 GB</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>Impossibile salvare le impostazioni in %1. Verifica che questo file e la sua cartella siano scrivibili.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Impostazioni...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Registrazioni non salvate</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Registrazioni</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Registra questo canale (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Annulla registrazione</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Dettagli...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Elimina registrazione</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>Eliminare «%1» e il relativo file?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Registrazione non eliminata</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Nessuna registrazione</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Registra serie</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Registrazione interrotta</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>Impossibile scaricare «%1»: il canale non fornisce alcun indirizzo di archivio.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>Non scaricato</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 è già in registrazione.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>«%1» è già pianificato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>«%1» è già terminato; solo l&apos;archivio può ancora contenerlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>«%1» è già in download.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>«%1» è ancora in registrazione; interrompi prima la registrazione.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>Impossibile eliminare %1. Verifica che la sua cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>L&apos;applicazione è stata chiusa durante la registrazione.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>L&apos;applicazione non era in esecuzione al momento della registrazione.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Registrazione: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>Impossibile avviare «%1»: il server consente %2 stream contemporanei e questi sono aperti: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>Impossibile registrare «%1»: il suo server non è più configurato.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Download in corso: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Interrotto prima della fine: il file contiene solo la parte arrivata.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>Impossibile registrare «%1»: insieme a %n altra registrazione in quel momento e a ciò che stai guardando servono %2 stream contemporanei, ma il server ne consente %3.</numerusform>
            <numerusform>Impossibile registrare «%1»: insieme ad altre %n registrazioni in quel momento e a ciò che stai guardando servono %2 stream contemporanei, ma il server ne consente %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>Impossibile scaricare «%1» ora: insieme a %n registrazione in corso nel frattempo e a ciò che stai guardando servono %2 stream contemporanei, ma il server ne consente %3.</numerusform>
            <numerusform>Impossibile scaricare «%1» ora: insieme a %n registrazioni in corso nel frattempo e a ciò che stai guardando servono %2 stream contemporanei, ma il server ne consente %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Cartella per le registrazioni:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Cartella per le registrazioni</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Avvia in anticipo i programmi della guida di:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Terminali in ritardo di:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Un canale in diretta messo in pausa continua ad arrivare in un buffer su disco; se ne conserva solo la parte più recente di questa durata.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Buffer di pausa per la TV in diretta:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>Impossibile aggiornare l&apos;elenco delle registrazioni in %1 (%2: %3). Verifica che il file e la sua cartella siano scrivibili.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>%n registrazione in corso.</numerusform>
            <numerusform>%n registrazioni in corso.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>È pianificata una registrazione entro le prossime 24 ore.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>Le registrazioni richiedono il player</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 Le registrazioni richiedono che l&apos;applicazione resti aperta, e questo desktop non ha un&apos;area di notifica in cui tenerla. Chiudere comunque?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>Continuare a registrare?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 Mantenere l&apos;applicazione in esecuzione nell&apos;area di notifica finché non sono terminate?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Mantieni nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Esci e interrompi la registrazione</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Mostra player</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player sta registrando</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Cerca ovunque</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Cerca canali, film, serie e programmi...</translation>
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
        <translation>L&apos;accesso con una chiave di abbonamento Quorbin non è più supportato. Aggiungi di nuovo il server con le credenziali Xtream o il link della playlist M3U.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Aggiungi server...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Modifica server...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Aggiorna playlist</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (non più supportato)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Aggiungi di nuovo il server</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Aggiungi server</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Fornisci un URL o un percorso valido.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Modifica server</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>«%1» è stato aggiunto con una chiave di abbonamento Quorbin.

%2

Eliminare «%1» ora?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Server non più supportato</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Abbonamento Quorbin</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Inserisci invece i dati del server sul telefono, usando un codice mostrato qui</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>Oppure inserisci qui i dati del server:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>Playlist M3U</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Tipo di server:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u o percorso di un file locale</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Carica file...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>URL/file della playlist:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verifica connessione</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>URL del server:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Formato dello stream in diretta:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Vuoto: guida propria del server</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>URL della guida:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Spostamento orario della guida:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Elimina server</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Modifica server</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Aggiungi server</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>Carica playlist M3U</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Playlist (*.m3u *.m3u8);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Connessione riuscita</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscito: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>Eliminare il server «%1»? L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Account Xtream</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>Connessioni consentite:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>Lo stream è fermo da %1 secondi.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>Il server ha inviato una pagina web invece dello stream del canale; non è stato possibile registrare nulla. L&apos;account o il canale potrebbero non essere più attivi.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>Il disco è pieno: la registrazione si è interrotta dopo %1. Quanto registrato è conservato in %2.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>Impossibile scrivere la registrazione in %1; si è interrotta dopo %2. Quanto registrato è conservato.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>La cartella %1 non è scrivibile, quindi non è stato registrato nulla. Scegli un&apos;altra cartella per le registrazioni nelle impostazioni.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>Il server ha rifiutato la connessione per la registrazione (stato HTTP %1). Potrebbe non consentire altri stream contemporanei per questo account o non offrire più il canale.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>Il server ha rifiutato il download (stato HTTP %1). Potrebbe non conservare più questo programma o non consentire altri stream contemporanei per questo account.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>Il server ha interrotto il download dopo %1; quanto ricevuto è conservato.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>Non avviato: questo server consente %n stream alla volta, già in uso (%1). Chiudilo per guardare questo canale qui.</numerusform>
            <numerusform>Non avviato: questo server consente %n stream contemporanei e sono tutti in uso (%1). Chiudine uno per guardare questo canale qui.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Riconnessione a %1... (tentativo %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Vista multipla: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>Il disco che contiene %1 è pieno, quindi il canale non può più essere messo in pausa. Torna in diretta.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>%1 non è scrivibile, quindi il canale non può più essere messo in pausa. Torna in diretta.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>Il server ha rifiutato la connessione per il buffer di pausa (stato HTTP %1), quindi il canale non può essere messo in pausa. Potrebbe non consentire altri stream contemporanei per questo account. Il canale torna in diretta.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>Il server ha inviato una pagina web invece dello stream del canale, quindi il canale non può essere messo in pausa. Il canale torna in diretta.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>Il canale invia il suo stream in una forma che non può essere conservata su disco, quindi non può essere messo in pausa. Il canale torna in diretta.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>%1 non è scrivibile, quindi il canale non può essere messo in pausa.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Pausa terminata</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Diretta</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Torna all&apos;immagine in diretta (L)</translation>
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
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Carica file di sottotitoli...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>Nessuna traccia audio</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Carica file di sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Sottotitoli (*.srt *.ass *.ssa *.sub *.vtt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Informazioni sullo stream</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>Impossibile creare il media per l&apos;URL: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>Impossibile avviare la riproduzione di: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>Nessun player.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>Nessun media caricato.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Raggiunta la fine dello stream (può succedere anche se uno spostamento è finito in un punto da cui lo stream non poteva riprendere).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>libVLC ha riscontrato un errore durante lo streaming.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>Lo stream in diretta ha smesso di inviare dati.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>Impossibile creare il media per un file in corso di scrittura.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>Impossibile avviare la riproduzione.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>la guida supera %1 MB</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>la guida non è un XMLTV valido (riga %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>la guida compressa è danneggiata (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>impossibile avviare la decompressione della guida</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>il server non ha inviato una guida XMLTV (il documento è &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>la guida compressa è troncata</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>la guida è vuota</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>impossibile leggere il set di caratteri «%1» della guida: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>non è compatibile con ASCII</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>Impossibile raggiungere il server o risposta non valida</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Questo account non è attivo su quel server (stato: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Autenticazione non riuscita - verifica URL del server, nome utente e password</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>Impossibile importare l&apos;elenco contenuti dal file: %1 Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>non è un elenco di server.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>un server non ha nome.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>il server «%1» compare due volte.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>gli indirizzi della guida di «%1» non sono un elenco di al massimo %2 voci.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>un indirizzo della guida di «%1» non è valido.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>le voci di «%1» non sono un elenco.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>contiene più di %1 voci.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>voce %1 di «%2»: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>non è un oggetto.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>tipo sconosciuto «%1».</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>tipologia sconosciuta.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>nessun ID.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>«%1» non è né true né false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>«%1» non è un testo.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>la posizione non è un numero da 0 a %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>lo spostamento orario non è un multiplo di un quarto d&apos;ora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>«%1» compare due volte.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>il server non ha alcun ID «%2» (tipo: %1).</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoria</translation>
    </message>
    <message>
        <source>item</source>
        <translation>elemento</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>Apri un&apos;altra finestra anche se il player è già in esecuzione con questo profilo.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>Player desktop per la televisione via Internet: account Xtream Codes e playlist M3U.
Un secondo avvio mostra invece la finestra del player già in esecuzione.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player è già in esecuzione; la sua finestra è stata portata in primo piano.</translation>
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
        <translation>● %1 (in registrazione)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (pianificata)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (persa)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (non riuscita)</translation>
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
            <numerusform>Lo stream si è interrotto %n volta; mancano %1.</numerusform>
            <numerusform>Lo stream si è interrotto %n volte; mancano %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (download in corso)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (download in corso, %2%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (incompleto)</translation>
    </message>
</context>
</TS>
