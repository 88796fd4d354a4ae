<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>À propos de Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>sortie d&apos;erreur standard, avec VELMORA_NET_DEBUG=1 (activé) ; depuis le menu du bureau, le journal de la session (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>sortie d&apos;erreur standard, avec VELMORA_NET_DEBUG=1 (désactivé) ; depuis le menu du bureau, le journal de la session (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 Les conditions : %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Regardez des chaînes en direct, des films et des séries depuis vos serveurs IPTV.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Cache du catalogue</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Journaux</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later), sans aucune garantie. Il utilise Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) et simdjson (Apache-2.0) ; velmora-pairing-server utilise aussi hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>Échec du téléchargement de la liste de lecture : %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Charger une liste de lecture</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Rechercher dans tous les films...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Rechercher dans toutes les séries...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Rechercher dans toutes les chaînes...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Choisissez une catégorie :</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Retour aux catégories</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Nom (A-Z)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Ajouts récents</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Recherche : « %1 »</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Ordre du fournisseur</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>« %1 » ne peut pas être lu depuis l&apos;archive de %2 : le serveur ne fournit aucune adresse.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>Ép. %1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>Impossible de charger les épisodes. Revenez en arrière et rouvrez la série pour réessayer.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Retour aux séries</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Saison %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries TV</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Programmes</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage de Velmora Player.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Chaîne du guide</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>Le guide ne contient encore aucune chaîne. Mettez le guide à jour, puis réessayez.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>Choisissez la chaîne du guide pour « %1 » :</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Rechercher par identifiant ou nom...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Chaîne du guide</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Décalage horaire du guide de cette chaîne :</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Association automatique</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
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
        <translation>Programme précédent</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Programme suivant</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>Aucune chaîne à afficher</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Aucune information sur les programmes</translation>
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
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>Guide TV</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Sélectionnez un programme pour en voir les détails.</translation>
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
        <translation>Aucune information sur les programmes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; ne peut pas être lu depuis l&apos;archive de %2 : la chaîne ne fournit aucune adresse d&apos;archive.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>le serveur a répondu HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>le serveur a cessé d&apos;envoyer des données</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>le téléchargement ne s&apos;est pas terminé à temps</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>aucune adresse de guide</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Afficher ou masquer le guide des programmes</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Regarder depuis le début</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Lire le programme en cours depuis son début</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Guide des programmes : %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Aucune information sur les programmes</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>Dans l&apos;archive : double-cliquez ou appuyez sur Entrée pour le regarder</translation>
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
        <translation>Mise à jour du guide... %1 %</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Guide non mis à jour : %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Guide partiellement mis à jour : %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>en cours, jusqu&apos;à %1</translation>
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
        <translation>impossible d&apos;écrire le guide : %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>impossible de créer le fichier du guide : %1</translation>
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
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>Maintenant : %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>Ensuite : %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>La chaîne envoie du MP4 fragmenté, qui ne peut pas encore être enregistré.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>La chaîne est chiffrée et ne peut pas être enregistrée.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer la bibliothèque : %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>Reprendre la lecture</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>N&apos;est plus proposé par ce serveur</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>Impossible de lire votre bibliothèque (favoris et progression de lecture) ; elle a été réinitialisée. Le fichier endommagé a été conservé sous %1.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Votre bibliothèque (favoris et progression de lecture) a été enregistrée par une version plus récente de Velmora Player et ne peut pas être lue par celle-ci. Elle est laissée telle quelle ; les modifications de cette session ne seront pas conservées.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>Impossible d&apos;ouvrir votre bibliothèque (favoris et progression de lecture) dans %1. Les modifications de cette session ne seront pas conservées.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Votre bibliothèque (favoris et progression de lecture) dans %1 est occupée par un autre programme. Elle est laissée telle quelle ; les modifications de cette session ne seront pas conservées.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Reprendre au début</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Chaîne précédente</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Revenir à la chaîne regardée précédemment (Retour arrière)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Exporter les favoris et la progression...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Importer les favoris et la progression...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>Retirer de Reprendre la lecture</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer la modification : %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer le favori : %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Exporter les favoris et la progression</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>Fichiers de bibliothèque (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>Impossible d&apos;écrire la bibliothèque dans %1 : %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>Vos favoris et votre progression de lecture ont été enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Importer les favoris et la progression</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Reprise à %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer votre progression de lecture : %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (%2 % regardé)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Arrêté à %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>Regardé</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>« %1 » doit être un texte non vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>« %1 » doit être un texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>« %1 » doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>« %1 » doit être un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>« %1 » doit valoir true ou false.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>« %1 » du fichier n&apos;est pas une liste.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>L&apos;entrée %1 de « %2 » n&apos;est pas un objet.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>Entrée %1 de « %2 » : %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>%1 fait %2, plus que ce que peut faire un export de bibliothèque (%3 au maximum). Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 dépasse ce que peut faire un export de bibliothèque (%2 au maximum). Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>Ce fichier n&apos;est pas un export de bibliothèque de Velmora Player.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>La « version » du fichier n&apos;est pas un numéro de version : ce n&apos;est pas un export de bibliothèque que l&apos;application peut lire.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>Ce fichier a été exporté par une version plus récente de Velmora Player et ne peut pas être lu par celle-ci.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>Importés : %1 favoris, %2 positions de lecture.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Déjà à jour : %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>Votre organisation (chaînes masquées, renommées et verrouillées) ne peut pas être enregistrée : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>« %1 » est verrouillé. Saisissez le code PIN pour le lire.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Définissez d&apos;abord un code PIN : Préférences, page « Contrôle parental ». Les verrous prennent effet une fois le code PIN défini.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer la modification de votre organisation : %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>Nouveau nom pour « %1 » (vide : le nom du fournisseur) :</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>Saisissez le code PIN pour déverrouiller « %1 ».</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renommer la catégorie</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>%n catégorie de ce serveur semble destinée aux adultes :

%1

La verrouiller ? Elle demandera le code PIN avant d&apos;afficher ses chaînes.</numerusform>
            <numerusform>%n catégories de ce serveur semblent destinées aux adultes :

%1

Les verrouiller ? Elles demanderont le code PIN avant d&apos;afficher leurs chaînes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Saisissez le code PIN pour gérer l&apos;organisation.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer les adresses du guide : %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>Verrouiller par code PIN</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Gérer l&apos;organisation...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>« %1 » est verrouillé. Saisissez le code PIN pour l&apos;afficher.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Chaîne du guide...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Nom du fournisseur : %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Verrouiller à nouveau</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Cet ordinateur n&apos;est pas connecté à un réseau domestique, un téléphone ne peut donc pas le joindre. Connectez-le à votre Wi-Fi ou à un câble réseau, puis obtenez un nouveau code.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>Impossible de démarrer l&apos;association sur cet ordinateur (%1) : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>Impossible d&apos;enregistrer vos serveurs et paramètres dans %1.

Les modifications faites maintenant seront perdues à la fermeture du lecteur. Vérifiez que ce fichier et son dossier sont accessibles en écriture.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>TV en direct</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries TV</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>Le flux d&apos;archive s&apos;est terminé avant le programme.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>Aucune lecture en cours</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Lecture arrêtée : %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Reconnexion à %1... (tentative %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Gérer l&apos;organisation</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Section :</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries TV</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masqués</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Chaînes sans guide</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Sources du guide</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Filtrer les catégories...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>Les catégories cochées sont affichées ; faites-les glisser pour les réordonner.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>N&apos;est plus proposé par ce serveur</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Chaînes, films et séries masqués :</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Afficher à nouveau</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Annule tous les choix faits pour les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Chaînes pour lesquelles le guide n&apos;a rien :</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Chaînes du guide au nom similaire :</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Utiliser cette chaîne du guide</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3 %</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3 % - maintenant : %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>Le guide est lu depuis ces sources, dans cet ordre ; pour chaque chaîne, la première qui la contient l&apos;emporte.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Ajouter une adresse...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Ajouter un fichier...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Adresse du guide</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>Adresse XMLTV (http ou https) :</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>Fichier du guide</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>Fichiers XMLTV (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>Le guide propre au serveur</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Codec vidéo : %1
Résolution : %2x%3
Fréquence d&apos;images : %4 i/s

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Codec audio : %1
Fréquence d&apos;échantillonnage : %2 Hz
Canaux : %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Pistes audio :
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Pistes de sous-titres :
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Débit d&apos;entrée : %1 kb/s
Débit de démultiplexage : %2 kb/s
Blocs vidéo décodés : %3
Blocs audio décodés : %4
Images affichées : %5   Images perdues : %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Aucune information sur les pistes pour le moment.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconnexion…</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Multivue</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Regarder deux à quatre chaînes à la fois (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 vignettes côte à côte</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 vignettes, une grande et deux petites</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 vignettes, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 est une chaîne du serveur « %2 ». Affichez ce serveur pour la regarder ici.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Multivue non enregistrée</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Faites glisser ici une chaîne depuis une liste, la recherche (Ctrl+F) ou le Guide TV, ou sélectionnez cette vignette et lancez une chaîne comme d&apos;habitude (Entrée ou double-clic).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Lecture : %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>Aucune chaîne dans cette vignette</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · Maintenant : %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>En attente de votre téléphone... (expire dans %1:%2)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>Sur votre téléphone, scannez le code QR ou ouvrez &lt;b&gt;%1&lt;/b&gt;, puis saisissez ce code :</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Votre téléphone affichera cet ordinateur sous le nom %1%2%3</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>Cela n&apos;a pas fonctionné : %1
Corrigez-le sur votre téléphone et renvoyez-le avec le nouveau code.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Ce code a expiré.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Obtenir un nouveau code</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Abonnement Quorbin</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Obtention d&apos;un code...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Reçu. Vérification du serveur...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>Impossible de joindre ce serveur : le lien doit commencer par http:// ou https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>Impossible de télécharger cette liste de lecture : le lien doit commencer par http:// ou https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>Impossible de télécharger cette liste de lecture : %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>Ce lien de liste de lecture n&apos;a chargé aucune chaîne. Vérifiez qu&apos;il est correct et toujours actif.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Votre téléphone doit être sur le même réseau que cet ordinateur.&lt;br&gt;Si cet ordinateur a un pare-feu, autorisez-y le port TCP %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Adresse pour le téléphone :</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>Le service d&apos;association a perdu ce code, peut-être parce qu&apos;il a redémarré. Saisissez le nouveau code ci-dessous sur votre téléphone.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Impossible de joindre le serveur : %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Réponse du serveur non valide</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>Trop de données à envoyer.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Ce code n&apos;est pas valide. Vérifiez le code affiché sur votre ordinateur.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Ce code a expiré. Obtenez un nouveau code sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Des informations ont déjà été envoyées avec ce code. Obtenez un nouveau code sur votre ordinateur pour les renvoyer.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>Le service d&apos;association est indisponible pour le moment. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Choisissez le type de serveur : Xtream Codes ou liste de lecture M3U.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Saisissez un nom pour le serveur.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>L&apos;adresse est trop longue.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>Le nom, l&apos;adresse et le nom d&apos;utilisateur ne peuvent pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Saisissez le nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Saisissez le mot de passe.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe est trop long.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Choisissez le format du direct : TS ou HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>Le service d&apos;association a redémarré et a perdu ce code. Obtenez un nouveau code sur votre ordinateur.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>Un code PIN est défini. Saisissez-le pour le modifier ou le supprimer.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Définissez un code PIN de 4 à 8 chiffres pour verrouiller des catégories et des chaînes.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>Code PIN actuel :</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>Nouveau code PIN :</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Confirmer :</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>Supprimer le code PIN (les verrous ne fonctionnent plus)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Proposer de verrouiller les catégories
dont le nom contient
(un par ligne) :</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Contrôle parental</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Trop de codes PIN erronés. Réessayez dans %n seconde.</numerusform>
            <numerusform>Trop de codes PIN erronés. Réessayez dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>Le code PIN actuel est incorrect ; le code PIN n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>Le nouveau code PIN et sa confirmation diffèrent ; le code PIN n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>Un code PIN comporte 4 à 8 chiffres ; le code PIN n&apos;a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Déverrouiller pour une heure seulement</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Trop de codes PIN erronés. Réessayez dans %n seconde.</numerusform>
            <numerusform>Trop de codes PIN erronés. Réessayez dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Code PIN erroné.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>Lecture : %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Trop de flux</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1 n&apos;a pas été démarré : ce serveur autorise %n flux à la fois, et il est utilisé (%2).</numerusform>
            <numerusform>%1 n&apos;a pas été démarré : ce serveur autorise %n flux à la fois, et tous sont utilisés (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>Aucune lecture en cours</translation>
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
        <translation>Épisode suivant</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Vol. :</translation>
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
        <translation>la liste de lecture dépasse 1 Go</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>Impossible d&apos;enregistrer vos préférences dans %1. Vérifiez que ce fichier et son dossier sont accessibles en écriture.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Préférences non enregistrées</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Enregistrements non sauvegardés</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Enregistrer cette chaîne (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Annuler l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Détails...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Supprimer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>Supprimer « %1 » et son fichier ?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Enregistrement non supprimé</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Enregistrer la série</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Enregistrement arrêté</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>« %1 » : %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>« %1 » ne peut pas être téléchargé : la chaîne ne fournit aucune adresse d&apos;archive.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>Non téléchargé</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 est déjà en cours d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>« %1 » est déjà planifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>« %1 » est terminé ; seule l&apos;archive peut encore le proposer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>« %1 » est déjà en cours de téléchargement.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>« %1 » est encore en cours d&apos;enregistrement ; arrêtez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>Impossible de supprimer %1. Vérifiez que son dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>L&apos;application a été fermée pendant l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>L&apos;application n&apos;était pas ouverte au moment de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Enregistrement : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>« %1 » n&apos;a pas pu démarrer : le serveur autorise %2 flux simultanés et ceux-ci sont ouverts : %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>« %1 » n&apos;a pas pu être enregistré : son serveur n&apos;est plus configuré.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement : %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Arrêté avant la fin : le fichier ne contient que la partie reçue.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>« %1 » ne peut pas être enregistré : avec %n autre enregistrement à ce moment-là et ce que vous regardez, il faut %2 flux simultanés, et le serveur en autorise %3.</numerusform>
            <numerusform>« %1 » ne peut pas être enregistré : avec %n autres enregistrements à ce moment-là et ce que vous regardez, il faut %2 flux simultanés, et le serveur en autorise %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>« %1 » ne peut pas être téléchargé maintenant : avec %n enregistrement en cours pendant ce temps et ce que vous regardez, il faut %2 flux simultanés, et le serveur en autorise %3.</numerusform>
            <numerusform>« %1 » ne peut pas être téléchargé maintenant : avec %n enregistrements en cours pendant ce temps et ce que vous regardez, il faut %2 flux simultanés, et le serveur en autorise %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Dossier des enregistrements :</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Dossier des enregistrements</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Démarrer les programmes du guide en avance de :</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Les terminer en retard de :</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Une chaîne en direct mise en pause continue d&apos;arriver dans un tampon sur le disque ; seule sa partie la plus récente de cette durée est conservée.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Tampon de pause pour la TV en direct :</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>Impossible de mettre à jour la liste des enregistrements dans %1 (%2 : %3). Vérifiez que le fichier et son dossier sont accessibles en écriture.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>%n enregistrement est en cours.</numerusform>
            <numerusform>%n enregistrements sont en cours.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>Un enregistrement est planifié dans les prochaines 24 heures.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>Les enregistrements nécessitent le lecteur</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 Les enregistrements nécessitent que l&apos;application reste ouverte, et ce bureau n&apos;a pas de zone de notification pour l&apos;y garder. Fermer quand même ?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>Continuer l&apos;enregistrement ?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 Garder l&apos;application active dans la zone de notification jusqu&apos;à la fin ?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Garder dans la zone de notification</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Quitter et arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Afficher le lecteur</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player enregistre</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Rechercher partout</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Rechercher des chaînes, films, séries et programmes...</translation>
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
        <translation>La connexion avec une clé d&apos;abonnement Quorbin n&apos;est plus prise en charge. Ajoutez de nouveau votre serveur avec son identifiant Xtream ou le lien de sa liste de lecture M3U.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur :</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Ajouter un serveur...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Modifier le serveur...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Actualiser la liste de lecture</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (n&apos;est plus pris en charge)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Ajoutez de nouveau votre serveur</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Ajouter un serveur</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Veuillez indiquer une URL ou un chemin valide.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Modifier le serveur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>« %1 » a été ajouté avec une clé d&apos;abonnement Quorbin.

%2

Supprimer « %1 » maintenant ?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Serveur plus pris en charge</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Abonnement Quorbin</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Saisissez plutôt les informations du serveur sur votre téléphone, à l&apos;aide d&apos;un code affiché ici</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>Ou saisissez les informations du serveur ici :</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>Liste de lecture M3U</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Type de serveur :</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u ou chemin d&apos;un fichier local</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Importer un fichier...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>URL/fichier de la liste de lecture :</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>URL du serveur :</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Format du flux en direct :</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Vide : le guide propre au serveur</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>URL du guide :</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Décalage horaire du guide :</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Supprimer le serveur</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Modifier le serveur</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Ajouter un serveur</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>Importer une liste de lecture M3U</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Listes de lecture (*.m3u *.m3u8);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Test en cours...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>Supprimer le serveur « %1 » ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Compte Xtream</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>Connexions autorisées :</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>Le flux n&apos;avance plus depuis %1 secondes.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>Le serveur a envoyé une page web au lieu du flux de la chaîne ; rien n&apos;a pu être enregistré. Le compte ou la chaîne n&apos;est peut-être plus actif.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>Le disque est plein : l&apos;enregistrement s&apos;est arrêté après %1. Ce qui a été enregistré est conservé dans %2.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être écrit dans %1 et s&apos;est arrêté après %2. Ce qui a été enregistré est conservé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>Le dossier %1 n&apos;est pas accessible en écriture, rien n&apos;a donc été enregistré. Choisissez un autre dossier pour les enregistrements dans les préférences.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>Le serveur a refusé la connexion pour l&apos;enregistrement (statut HTTP %1). Il n&apos;autorise peut-être plus de flux simultanés pour ce compte, ou ne propose plus la chaîne.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>Le serveur a refusé le téléchargement (statut HTTP %1). Il ne conserve peut-être plus ce programme, ou n&apos;autorise plus de flux simultanés pour ce compte.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>Le serveur a interrompu le téléchargement après %1 ; ce qui a été reçu est conservé.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>Non démarré : ce serveur autorise %n flux à la fois, et il est utilisé (%1). Fermez-le pour regarder cette chaîne ici.</numerusform>
            <numerusform>Non démarré : ce serveur autorise %n flux à la fois, et tous sont utilisés (%1). Fermez-en un pour regarder cette chaîne ici.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Reconnexion à %1… (tentative %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Multivue : %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>Le disque contenant %1 est plein, la chaîne ne peut donc plus être mise en pause. Elle repasse en direct.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>%1 n&apos;est pas accessible en écriture, la chaîne ne peut donc plus être mise en pause. Elle repasse en direct.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>Le serveur a refusé la connexion pour le tampon de pause (statut HTTP %1), la chaîne ne peut donc pas être mise en pause. Il n&apos;autorise peut-être plus de flux simultanés pour ce compte. La chaîne repasse en direct.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>Le serveur a envoyé une page web au lieu du flux de la chaîne, la chaîne ne peut donc pas être mise en pause. La chaîne repasse en direct.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>La chaîne envoie son flux sous une forme qui ne peut pas être conservée sur le disque, elle ne peut donc pas être mise en pause. La chaîne repasse en direct.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>%1 n&apos;est pas accessible en écriture, la chaîne ne peut donc pas être mise en pause.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Pause terminée</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Revenir à l&apos;image en direct (L)</translation>
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
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Charger un fichier de sous-titres...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>Aucune piste audio</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Charger un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Sous-titres (*.srt *.ass *.ssa *.sub *.vtt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Informations sur le flux</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>Impossible de créer le média pour l&apos;URL : %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>Échec du démarrage de la lecture pour : %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>Aucun lecteur.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>Aucun média chargé.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Fin du flux atteinte (cela peut aussi arriver si un déplacement a abouti à un endroit d&apos;où le flux ne peut pas reprendre).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>libVLC a rencontré une erreur pendant la diffusion.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>Le flux en direct a cessé d&apos;envoyer des données.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>Impossible de créer le média pour un fichier en cours d&apos;écriture.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>Échec du démarrage de la lecture.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>le guide dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>le guide n&apos;est pas un XMLTV valide (ligne %1 : %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>le guide compressé est endommagé (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>impossible de commencer la décompression du guide</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>le serveur n&apos;a envoyé aucun guide XMLTV (le document est &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>le guide compressé est tronqué</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>le guide est vide</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>le jeu de caractères « %1 » du guide ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>il n&apos;est pas compatible avec ASCII</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>Impossible de joindre le serveur ou réponse non valide</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Ce compte n&apos;est pas actif sur ce serveur (statut : %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Échec de l&apos;authentification - vérifiez l&apos;URL du serveur, le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>L&apos;organisation contenue dans le fichier ne peut pas être importée : %1 Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>ce n&apos;est pas une liste de serveurs.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>un serveur n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>le serveur « %1 » figure deux fois.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>les adresses du guide de « %1 » ne sont pas une liste d&apos;au plus %2 éléments.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>une adresse du guide de « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>les entrées de « %1 » ne sont pas une liste.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>elle contient plus de %1 entrées.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>entrée %1 de « %2 » : %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>ce n&apos;est pas un objet.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>type inconnu « %1 ».</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>genre inconnu.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>aucun identifiant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>« %1 » n&apos;est ni vrai ni faux.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>« %1 » n&apos;est pas un texte.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>la position n&apos;est pas un nombre de 0 à %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>le décalage horaire n&apos;est pas un nombre entier de quarts d&apos;heure.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>« %1 » figure deux fois.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>le serveur n&apos;a aucun(e) %1 avec l&apos;identifiant « %2 ».</translation>
    </message>
    <message>
        <source>category</source>
        <translation>catégorie</translation>
    </message>
    <message>
        <source>item</source>
        <translation>élément</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>Ouvrir une autre fenêtre même si le lecteur est déjà lancé avec ce profil.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>Lecteur de bureau pour la télévision par Internet : comptes Xtream Codes et listes de lecture M3U.
Un second lancement affiche la fenêtre du lecteur déjà ouvert.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player est déjà lancé ; sa fenêtre a été mise au premier plan.</translation>
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
        <translation>● %1 (enregistrement)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (planifié)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (manqué)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (échec)</translation>
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
            <numerusform>Le flux s&apos;est interrompu %n fois ; il manque %1.</numerusform>
            <numerusform>Le flux s&apos;est interrompu %n fois ; il manque %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (téléchargement)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (téléchargement, %2&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (incomplet)</translation>
    </message>
</context>
</TS>
