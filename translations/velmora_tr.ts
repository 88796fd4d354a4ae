<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2</source>
        <comment>start and end of a programme in the guide grid</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideGridTab</name>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2-%3</source>
        <comment>day, start and end of a programme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; &amp;middot; %2&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No programme information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideService</name>
    <message>
        <source>Updating guide... %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and times of a programme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <comment>programme, channel, when</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideStoreWriter</name>
    <message>
        <source>could not write the guide: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 and %2.</source>
        <extracomment>%1 is &quot;%n favorites&quot;, %2 is &quot;%n watch positions&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n favorites</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n watch positions</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watched</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; 10s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10s &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server &quot;%1&quot; is no longer set up, so &quot;%2&quot; could not be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerSelector</name>
    <message>
        <source>Signing in with a Quorbin subscription key is no longer supported. Add your server again with its Xtream login or M3U playlist link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>recordingtext</name>
    <message>
        <source>● %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>● %1 (recording)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2 · %3 · %4 · %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stream broke off %n time(s); %1 are missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
