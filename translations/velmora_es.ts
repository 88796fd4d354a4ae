<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>Acerca de Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>salida de error estándar, con VELMORA_NET_DEBUG=1 (activado); desde el menú del escritorio, el registro de la sesión (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>salida de error estándar, con VELMORA_NET_DEBUG=1 (desactivado); desde el menú del escritorio, el registro de la sesión (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 Las condiciones: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Mira canales en directo, películas y series desde tus servidores IPTV.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Caché del catálogo</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later), sin ninguna garantía. Utiliza Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) y simdjson (Apache-2.0); velmora-pairing-server también utiliza hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>No se pudo descargar la lista de reproducción: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Cargar lista de reproducción</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Buscar en todas las películas...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Buscar en todas las series...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Buscar en todos los canales...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Selecciona una categoría:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Volver a las categorías</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Nombre (A-Z)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Añadidos recientemente</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Búsqueda: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Orden del proveedor</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>&quot;%1&quot; no se puede reproducir desde el archivo de %2: el servidor no ofrece ninguna dirección.</translation>
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
        <translation>No se pudieron cargar los episodios. Vuelve atrás y abre de nuevo la serie para reintentarlo.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Volver a las series</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Temporada %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Series de TV</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Programas</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>El nuevo idioma se usará a partir del próximo inicio de Velmora Player.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Canal de la guía</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>La guía aún no contiene canales. Actualiza la guía y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>Elige el canal de la guía para &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Buscar por ID o nombre...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Canal de la guía</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Desfase horario de la guía de este canal:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Asignación automática</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (diferido)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>Diferido</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>Programa anterior</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Programa siguiente</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>No hay canales que mostrar</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>No hay información de programación</translation>
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
        <translation>Ahora</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>Guía de TV</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Selecciona un programa para ver sus detalles.</translation>
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
        <translation>No hay información de programación.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; no se puede reproducir desde el archivo de %2: el canal no ofrece ninguna dirección de archivo.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>el servidor respondió HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>el servidor dejó de enviar datos</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>la descarga no terminó a tiempo</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>no hay dirección de guía</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Mostrar u ocultar la guía de programación</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Ver desde el principio</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Reproducir el programa en curso desde el principio</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Guía de programación: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>No hay información de programación</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>En el archivo: haz doble clic o pulsa Intro para verlo</translation>
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
        <translation>Actualizando la guía... %1 %</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Guía no actualizada: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Guía actualizada parcialmente: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>ahora, hasta las %1</translation>
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
        <translation>no se pudo escribir la guía: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>no se pudo crear el archivo de la guía: %1</translation>
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
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>Ahora: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>A continuación: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>El canal envía MP4 fragmentado, que todavía no se puede grabar.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>El canal está cifrado y no se puede grabar.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>No se pudo guardar la biblioteca: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>Seguir viendo</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Este servidor ya no lo ofrece</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>No se pudo leer tu biblioteca (favoritos y progreso de reproducción) y se ha empezado de nuevo. El archivo dañado se ha conservado como %1.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Tu biblioteca (favoritos y progreso de reproducción) fue guardada por una versión más reciente de Velmora Player y esta no puede leerla. Se deja tal como está; los cambios que hagas en esta sesión no se conservarán.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>No se pudo abrir tu biblioteca (favoritos y progreso de reproducción) en %1. Los cambios que hagas en esta sesión no se conservarán.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Otro programa mantiene ocupada tu biblioteca (favoritos y progreso de reproducción) en %1. Se deja tal como está; los cambios que hagas en esta sesión no se conservarán.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Canal anterior</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Volver al canal visto antes (Retroceso)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Exportar favoritos y progreso...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Importar favoritos y progreso...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>Quitar de Seguir viendo</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>No se pudo guardar el cambio: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>No se pudo guardar el favorito: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Exportar favoritos y progreso</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>Archivos de biblioteca (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>No se pudo escribir la biblioteca en %1: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>Tus favoritos y tu progreso de reproducción se guardaron en %1.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Importar favoritos y progreso</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Reanudado en %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>No se pudo guardar tu progreso de reproducción: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (%2 % visto)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Detenido en %1</translation>
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
        <translation>&quot;%1&quot; debe ser un texto no vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>&quot;%1&quot; debe ser un texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; debe ser un número entero entre %2 y %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>&quot;%1&quot; debe ser un número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>&quot;%1&quot; debe ser true o false.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>&quot;%1&quot; del archivo no es una lista.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>La entrada %1 de &quot;%2&quot; no es un objeto.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>Entrada %1 de &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>%1 ocupa %2, más de lo que puede ocupar una exportación de biblioteca (%3 como máximo). No se importó nada.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 ocupa más de lo que puede ocupar una exportación de biblioteca (%2 como máximo). No se importó nada.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>El archivo no es una exportación de biblioteca de Velmora Player.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>La &quot;version&quot; del archivo no es un número de versión: no es una exportación de biblioteca que esta aplicación pueda leer.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>El archivo fue exportado por una versión más reciente de Velmora Player y esta no puede leerlo.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 No se importó nada.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>Importados: %1 favoritos, %2 posiciones de reproducción.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Ya estaba actualizado: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>No se puede guardar tu organización (canales ocultos, renombrados y bloqueados): %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>&quot;%1&quot; está bloqueado. Introduce el PIN para reproducirlo.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Control parental</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Primero establece un PIN: Preferencias, página &quot;Control parental&quot;. Los bloqueos se aplican en cuanto hay un PIN establecido.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>No se pudo guardar el cambio en tu organización: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>Nuevo nombre para &quot;%1&quot; (vacío: el nombre del proveedor):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>Introduce el PIN para desbloquear &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renombrar categoría</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>%n categoría de este servidor parece de contenido para adultos:

%1

¿Bloquearla? Pedirá el PIN antes de mostrar sus canales.</numerusform>
            <numerusform>%n categorías de este servidor parecen de contenido para adultos:

%1

¿Bloquearlas? Pedirán el PIN antes de mostrar sus canales.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Introduce el PIN para gestionar la organización.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>No se pudieron guardar las direcciones de la guía: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>Bloquear con PIN</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Gestionar organización...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>&quot;%1&quot; está bloqueado. Introduce el PIN para mostrarlo.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Canal de la guía...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Nombre del proveedor: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Volver a bloquear</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Este equipo no está conectado a una red doméstica, por lo que un teléfono no puede acceder a él. Conéctalo a tu wifi o a un cable de red y obtén un código nuevo.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>No se pudo iniciar la vinculación en este equipo (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>No se pudieron guardar tus servidores y tu configuración en %1.

Los cambios que hagas ahora se perderán al cerrar el reproductor. Comprueba que se puede escribir en este archivo y en su carpeta.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>TV en directo</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Series de TV</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>El flujo del archivo terminó antes del programa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>No se está reproduciendo nada</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Reproducción detenida: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Reconectando con %1... (intento %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Error de reproducción</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Gestionar organización</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Sección:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Series de TV</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ocultos</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Canales sin guía</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Fuentes de la guía</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Filtrar categorías...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Ocultar todo</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>Las categorías marcadas se muestran; arrastra para reordenarlas.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Este servidor ya no lo ofrece</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Canales, películas y series ocultos:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Volver a mostrar</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Descarta todas las elecciones hechas para las entradas seleccionadas</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Canales para los que la guía no tiene nada:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Canales de la guía con un nombre parecido:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Usar este canal de la guía</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3 %</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3 % - ahora: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>La guía se lee de estas fuentes, en este orden; para cada canal, gana la primera que lo tenga.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Añadir dirección...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Añadir archivo...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Dirección de la guía</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>Dirección XMLTV (http o https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>Archivo de la guía</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>Archivos XMLTV (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>La guía propia del servidor</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Códec de vídeo: %1
Resolución: %2x%3
Fotogramas por segundo: %4 fps

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Códec de audio: %1
Frecuencia de muestreo: %2 Hz
Canales: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Pistas de audio:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Pistas de subtítulos:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Tasa de bits de entrada: %1 kbps
Tasa de bits de demultiplexación: %2 kbps
Bloques de vídeo decodificados: %3
Bloques de audio decodificados: %4
Fotogramas mostrados: %5   Fotogramas perdidos: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Todavía no hay información de pistas.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconectando…</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Multivista</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Ver de dos a cuatro canales a la vez (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 paneles, uno al lado del otro</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 paneles, uno grande y dos pequeños</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 paneles, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 es un canal del servidor &quot;%2&quot;. Muestra ese servidor para verlo aquí.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Multivista no guardada</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Arrastra aquí un canal desde una lista, la búsqueda (Ctrl+F) o la Guía de TV, o selecciona este panel y reproduce un canal como siempre (Intro o doble clic).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Reproduciendo: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>No hay ningún canal en este panel</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · Ahora: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>Esperando a tu teléfono... (caduca en %1:%2)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>En tu teléfono, escanea el código QR o abre &lt;b&gt;%1&lt;/b&gt; y después introduce este código:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Tu teléfono mostrará este equipo como %1%2%3</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>No ha funcionado: %1
Corrígelo en tu teléfono y vuelve a enviarlo con el código nuevo.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Este código ha caducado.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Obtener un código nuevo</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Suscripción de Quorbin</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Obteniendo un código...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Recibido. Comprobando el servidor...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>No se pudo acceder a ese servidor: el enlace debe empezar por http:// o https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>No se pudo descargar esa lista de reproducción: el enlace debe empezar por http:// o https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>No se pudo descargar esa lista de reproducción: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>Ese enlace de lista de reproducción no cargó ningún canal. Comprueba que es correcto y que sigue activo.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Tu teléfono debe estar en la misma red que este equipo.&lt;br&gt;Si este equipo tiene un cortafuegos, permite en él el puerto TCP %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Dirección para el teléfono:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>El servicio de vinculación perdió este código, quizá porque se reinició. Introduce en tu teléfono el código nuevo que aparece abajo.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>No se pudo acceder al servidor: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Respuesta no válida del servidor</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>Era demasiado para enviar.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Ese código no es válido. Comprueba el código que aparece en tu equipo.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Ese código ha caducado. Obtén un código nuevo en tu equipo.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Ya se enviaron datos con ese código. Obtén un código nuevo en tu equipo para enviarlos otra vez.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>El servicio de vinculación no está disponible en este momento. Vuelve a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Elige el tipo de servidor: Xtream Codes o lista de reproducción M3U.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Introduce un nombre para el servidor.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>La dirección es demasiado larga.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>El nombre, la dirección y el nombre de usuario no pueden contener saltos de línea.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Introduce el nombre de usuario.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Introduce la contraseña.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>El nombre de usuario o la contraseña son demasiado largos.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Elige el formato en directo: TS o HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>El servicio de vinculación se reinició y perdió este código. Obtén un código nuevo en tu equipo.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>Hay un PIN establecido. Introdúcelo para cambiarlo o quitarlo.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Establece un PIN de 4 a 8 dígitos para bloquear categorías y canales.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>PIN actual:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>PIN nuevo:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>Quitar el PIN (los bloqueos dejan de funcionar)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Ofrecer bloquear las categorías
cuyo nombre contenga
(uno por línea):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Control parental</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Demasiados PIN incorrectos. Vuelve a intentarlo dentro de %n segundo.</numerusform>
            <numerusform>Demasiados PIN incorrectos. Vuelve a intentarlo dentro de %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>El PIN actual no es correcto; el PIN no se ha cambiado.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>El PIN nuevo y su repetición no coinciden; el PIN no se ha cambiado.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>Un PIN tiene de 4 a 8 dígitos; el PIN no se ha cambiado.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Control parental</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Desbloquear solo durante una hora</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Demasiados PIN incorrectos. Vuelve a intentarlo dentro de %n segundo.</numerusform>
            <numerusform>Demasiados PIN incorrectos. Vuelve a intentarlo dentro de %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>PIN incorrecto.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>Reproduciendo: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Demasiados flujos</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1 no se inició: este servidor permite %n flujo a la vez y está en uso (%2).</numerusform>
            <numerusform>%1 no se inició: este servidor permite %n flujos a la vez y todos están en uso (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>No se está reproduciendo nada</translation>
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
        <translation>Siguiente episodio</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Vol.:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>la lista de reproducción ocupa más de 1 GB</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>No se pudieron guardar tus preferencias en %1. Comprueba que se puede escribir en este archivo y en su carpeta.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Preferencias no guardadas</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Grabaciones no guardadas</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Grabar este canal (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Cancelar grabación</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Detalles...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Eliminar grabación</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>¿Eliminar &quot;%1&quot; y su archivo?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Grabación no eliminada</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Sin grabar</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Grabar serie</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Grabación detenida</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>&quot;%1&quot; no se puede descargar: el canal no ofrece ninguna dirección de archivo.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>No descargado</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 ya se está grabando.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>&quot;%1&quot; ya está programado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>&quot;%1&quot; ya ha terminado; solo el archivo puede tenerlo todavía.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>&quot;%1&quot; ya se está descargando.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>&quot;%1&quot; todavía se está grabando; detenlo primero.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>No se pudo eliminar %1. Comprueba que se puede escribir en su carpeta.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>La aplicación se cerró durante la grabación.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>La aplicación no estaba abierta a la hora de la grabación.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Grabando: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>&quot;%1&quot; no pudo empezar: el servidor permite %2 flujos simultáneos y estos están abiertos: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>No se pudo grabar &quot;%1&quot;: su servidor ya no está configurado.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Detenida antes del final: el archivo contiene solo la parte que llegó.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>&quot;%1&quot; no se puede grabar: junto con %n grabación más a esa hora y lo que estás viendo, necesita %2 flujos simultáneos, y el servidor permite %3.</numerusform>
            <numerusform>&quot;%1&quot; no se puede grabar: junto con %n grabaciones más a esa hora y lo que estás viendo, necesita %2 flujos simultáneos, y el servidor permite %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>&quot;%1&quot; no se puede descargar ahora: junto con %n grabación en curso mientras tanto y lo que estás viendo, necesita %2 flujos simultáneos, y el servidor permite %3.</numerusform>
            <numerusform>&quot;%1&quot; no se puede descargar ahora: junto con %n grabaciones en curso mientras tanto y lo que estás viendo, necesita %2 flujos simultáneos, y el servidor permite %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Carpeta de grabaciones:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Carpeta de grabaciones</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Empezar los programas de la guía antes:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Terminarlos después:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Un canal en directo en pausa sigue llegando a un búfer en el disco; solo se conserva su parte más reciente de esta duración.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Búfer de pausa para TV en directo:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>No se pudo actualizar la lista de grabaciones en %1 (%2: %3). Comprueba que se puede escribir en el archivo y en su carpeta.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>Hay %n grabación en curso.</numerusform>
            <numerusform>Hay %n grabaciones en curso.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>Hay una grabación programada en las próximas 24 horas.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>Las grabaciones necesitan el reproductor</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 Las grabaciones necesitan la aplicación abierta, y este escritorio no tiene bandeja del sistema donde mantenerla. ¿Cerrar de todos modos?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>¿Seguir grabando?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 ¿Mantener la aplicación en la bandeja del sistema hasta que terminen?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Mantener en la bandeja</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Salir y detener la grabación</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Mostrar reproductor</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player está grabando</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Buscar en todo</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Buscar canales, películas, series y programas...</translation>
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
        <translation>Ya no se admite iniciar sesión con una clave de suscripción de Quorbin. Vuelve a añadir tu servidor con su acceso Xtream o el enlace de su lista de reproducción M3U.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Añadir servidor...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Editar servidor...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Actualizar lista de reproducción</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (ya no se admite)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Vuelve a añadir tu servidor</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Añadir servidor</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Indica una URL o ruta válida.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Editar servidor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>&quot;%1&quot; se añadió con una clave de suscripción de Quorbin.

%2

¿Eliminar &quot;%1&quot; ahora?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Servidor ya no admitido</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Suscripción de Quorbin</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Escribe los datos del servidor en tu teléfono, usando un código que se muestra aquí</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>O introduce los datos del servidor aquí:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>Lista de reproducción M3U</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Tipo de servidor:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u o ruta de un archivo local</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Subir archivo...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>URL/archivo de la lista de reproducción:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>URL del servidor:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Formato del flujo en directo:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Vacío: la guía propia del servidor</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>URL de la guía:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Desfase horario de la guía:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Eliminar servidor</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Editar servidor</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Añadir servidor</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>Subir lista de reproducción M3U</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Listas de reproducción (*.m3u *.m3u8);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Probando...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Conexión correcta</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>¿Eliminar el servidor &quot;%1&quot;? Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Cuenta Xtream</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>Conexiones permitidas:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>El flujo dejó de avanzar durante %1 segundos.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>El servidor envió una página web en lugar del flujo del canal; no se pudo grabar nada. Puede que la cuenta o el canal ya no estén activos.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>El disco está lleno: la grabación se detuvo tras %1. Lo grabado se conserva en %2.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>No se pudo escribir la grabación en %1 y se detuvo tras %2. Lo grabado se conserva.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>No se puede escribir en la carpeta %1, así que no se grabó nada. Elige otra carpeta de grabaciones en las preferencias.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>El servidor rechazó la conexión para la grabación (estado HTTP %1). Puede que no permita más flujos simultáneos para esta cuenta o que ya no ofrezca el canal.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>El servidor rechazó la descarga (estado HTTP %1). Puede que ya no conserve este programa o que no permita más flujos simultáneos para esta cuenta.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>El servidor interrumpió la descarga tras %1; lo recibido se conserva.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>No iniciado: este servidor permite %n flujo a la vez y está en uso (%1). Cierra uno para ver este canal aquí.</numerusform>
            <numerusform>No iniciado: este servidor permite %n flujos a la vez y todos están en uso (%1). Cierra uno de ellos para ver este canal aquí.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Reconectando con %1… (intento %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Multivista: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>El disco que contiene %1 está lleno, así que el canal ya no se puede pausar. Vuelve al directo.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>No se puede escribir en %1, así que el canal ya no se puede pausar. Vuelve al directo.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>El servidor rechazó la conexión para el búfer de pausa (estado HTTP %1), así que el canal no se puede pausar. Puede que no permita más flujos simultáneos para esta cuenta. El canal vuelve al directo.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>El servidor envió una página web en lugar del flujo del canal, así que el canal no se puede pausar. El canal vuelve al directo.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>El canal envía su flujo en un formato que no se puede guardar en el disco, así que no se puede pausar. El canal vuelve al directo.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>No se puede escribir en %1, así que el canal no se puede pausar.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Pausa finalizada</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En directo</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Volver a la imagen en directo (L)</translation>
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
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Cargar archivo de subtítulos...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>No hay pistas de audio</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Cargar archivo de subtítulos</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Subtítulos (*.srt *.ass *.ssa *.sub *.vtt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Información del flujo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>No se pudo crear el medio para la URL: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>No se pudo iniciar la reproducción de: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>No hay reproductor.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>No hay ningún medio cargado.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Se llegó al final del flujo (también puede ocurrir si un salto cayó en un punto desde el que el flujo no podía continuar).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>libVLC encontró un error durante la transmisión.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>El flujo en directo dejó de enviar datos.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>No se pudo crear el medio para un archivo en escritura.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>No se pudo iniciar la reproducción.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>la guía ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>la guía no es XMLTV válido (línea %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>la guía comprimida está dañada (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>no se pudo empezar a descomprimir la guía</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>el servidor no envió ninguna guía XMLTV (el documento es &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>la guía comprimida está incompleta</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>la guía está vacía</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>no se puede leer el juego de caracteres &quot;%1&quot; de la guía: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>no es compatible con ASCII</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>No se pudo acceder al servidor o la respuesta no es válida</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Esta cuenta no está activa en ese servidor (estado: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Error de autenticación: comprueba la URL del servidor, el nombre de usuario y la contraseña</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>No se puede importar la organización del archivo: %1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>no es una lista de servidores.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>un servidor no tiene nombre.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>el servidor &quot;%1&quot; aparece dos veces.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>las direcciones de la guía de &quot;%1&quot; no son una lista de %2 como máximo.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>una dirección de la guía de &quot;%1&quot; no es válida.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>las entradas de &quot;%1&quot; no son una lista.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>contiene más de %1 entradas.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>entrada %1 de &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>no es un objeto.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>tipo desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>clase desconocida.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>sin ID.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>&quot;%1&quot; no es verdadero ni falso.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>&quot;%1&quot; no es un texto.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>la posición no es un número de 0 a %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>el desfase horario no es un número entero de cuartos de hora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>&quot;%1&quot; aparece dos veces.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>el servidor no tiene ningún elemento de tipo %1 con el ID &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoría</translation>
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
        <translation>Abrir otra ventana aunque el reproductor ya esté abierto con este perfil.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>Reproductor de escritorio para televisión por internet: cuentas de Xtream Codes y listas de reproducción M3U.
Si se inicia una segunda vez, muestra la ventana del reproductor que ya está abierto.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player ya está abierto; su ventana se ha traído al frente.</translation>
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
        <translation>● %1 (grabando)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (programada)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (perdida)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (fallida)</translation>
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
            <numerusform>El flujo se cortó %n vez; faltan %1.</numerusform>
            <numerusform>El flujo se cortó %n veces; faltan %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (descargando)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (descargando, %2&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (incompleta)</translation>
    </message>
</context>
</TS>
