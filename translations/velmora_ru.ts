<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>О программе Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>стандартный поток ошибок при VELMORA_NET_DEBUG=1 (сейчас включено); при запуске из меню рабочего стола — журнал сеанса (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>стандартный поток ошибок при VELMORA_NET_DEBUG=1 (сейчас выключено); при запуске из меню рабочего стола — журнал сеанса (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 Условия: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Смотрите каналы в прямом эфире, фильмы и сериалы с ваших IPTV-серверов.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Кэш каталога</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Журналы</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>Свободное программное обеспечение под лицензией GNU General Public License версии 3 или более поздней (GPL-3.0-or-later), без каких-либо гарантий. Использует Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) и simdjson (Apache-2.0); velmora-pairing-server также использует hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>Не удалось загрузить плейлист: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Загрузить плейлист</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Все категории</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Фильм</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Сериал</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Поиск по всем фильмам...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Поиск по всем сериалам...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Поиск по всем каналам...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Выберите категорию:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Назад к категориям</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Название (А-Я)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Недавно добавленные</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Рейтинг</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Поиск: «%1»</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Порядок провайдера</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>«%1» невозможно воспроизвести из архива %2: сервер не предоставляет для него адрес.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>Серия %1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>Не удалось загрузить серии. Вернитесь назад и откройте сериал снова, чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Назад к сериалам</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Сезон %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Сериалы</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Передачи</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>Новый язык будет применён при следующем запуске Velmora Player.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Канал телегида</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>В телегиде пока нет каналов. Обновите телегид и повторите попытку.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>Выберите канал телегида для «%1»:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Поиск по ID или названию...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Канал телегида</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Сдвиг времени телегида для этого канала:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Автоматический подбор</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (архив)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>Предыдущая передача</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Следующая передача</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>Нет каналов для показа</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Нет данных о передачах</translation>
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
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>Телегид</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Выберите передачу, чтобы увидеть подробности.</translation>
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
        <translation>Нет данных о передачах.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; невозможно воспроизвести из архива %2: канал не предоставляет адрес архива.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>не удаётся открыть %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>сервер ответил HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>сервер прекратил передачу данных</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>загрузка не завершилась вовремя</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>нет адреса телегида</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Показать или скрыть телегид</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Смотреть сначала</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Воспроизвести текущую передачу с начала</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Телегид: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Телегид</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Нет данных о передачах</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>В архиве: дважды щёлкните или нажмите Enter, чтобы посмотреть</translation>
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
        <translation>Обновление телегида... %1%</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Телегид не обновлён: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Телегид обновлён частично: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>сейчас, до %1</translation>
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
        <translation>не удалось записать телегид: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>не удалось создать файл телегида: %1</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation>ddd, d MMM</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd, d MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>Сейчас: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>Далее: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>Канал передаёт фрагментированный MP4, который пока нельзя записывать.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>Канал зашифрован, и его нельзя записать.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>Не удалось сохранить библиотеку: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>Продолжить просмотр</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Больше не предлагается этим сервером</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>Не удалось прочитать вашу библиотеку (избранное и прогресс просмотра), поэтому она создана заново. Повреждённый файл сохранён как %1.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Ваша библиотека (избранное и прогресс просмотра) сохранена более новой версией Velmora Player и не может быть прочитана этой версией. Она оставлена без изменений; изменения, сделанные в этом сеансе, не сохранятся.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>Не удалось открыть вашу библиотеку (избранное и прогресс просмотра) в %1. Изменения, сделанные в этом сеансе, не сохранятся.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Ваша библиотека (избранное и прогресс просмотра) в %1 занята другой программой. Она оставлена без изменений; изменения, сделанные в этом сеансе, не сохранятся.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Смотреть сначала</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Предыдущий канал</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Вернуться к ранее просмотренному каналу (Backspace)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Библиотека</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Экспорт избранного и прогресса...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Импорт избранного и прогресса...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Убрать из избранного</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>Убрать из «Продолжить просмотр»</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>Не удалось сохранить изменение: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>Не удалось сохранить избранное: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Экспорт избранного и прогресса</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>Файлы библиотеки (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>Не удалось записать библиотеку в %1: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>Избранное и прогресс просмотра сохранены в %1.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Импорт избранного и прогресса</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Продолжено с %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>Не удалось сохранить прогресс просмотра: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (просмотрено %2%)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Остановлено на %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>Просмотрено</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>«%1» должно быть непустым текстом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>«%1» должно быть текстом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>«%1» должно быть целым числом от %2 до %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>«%1» должно быть числом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>«%1» должно быть true или false.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>«%1» в файле не является списком.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>Элемент %1 в «%2» не является объектом.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>Элемент %1 в «%2»: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>Размер %1 — %2, это больше, чем может быть у экспорта библиотеки (не более %3). Ничего не импортировано.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 больше, чем может быть экспорт библиотеки (не более %2). Ничего не импортировано.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>Файл не является экспортом библиотеки Velmora Player.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>«version» в файле не является номером версии: это не экспорт библиотеки, который может прочитать эта программа.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>Файл экспортирован более новой версией Velmora Player и не может быть прочитан этой версией.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Ничего не импортировано.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>Импортировано: избранное — %1, позиции просмотра — %2.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Уже актуально: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>Не удаётся сохранить список каналов (скрытые, переименованные и заблокированные каналы): %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>«%1» заблокирован. Введите PIN-код, чтобы воспроизвести.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Родительский контроль</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Сначала задайте PIN-код: Настройки, страница «Родительский контроль». Блокировки действуют только после того, как задан PIN-код.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>Не удалось сохранить изменение списка каналов: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>Новое название для «%1» (пусто — название от провайдера):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>Введите PIN-код, чтобы разблокировать «%1».</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Переименовать категорию</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>%n категория этого сервера похожа на контент для взрослых:

%1

Заблокировать их? Перед показом каналов будет запрашиваться PIN-код.</numerusform>
            <numerusform>%n категории этого сервера похожи на контент для взрослых:

%1

Заблокировать их? Перед показом каналов будет запрашиваться PIN-код.</numerusform>
            <numerusform>%n категорий этого сервера похожи на контент для взрослых:

%1

Заблокировать их? Перед показом каналов будет запрашиваться PIN-код.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Введите PIN-код, чтобы управлять списком каналов.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>Не удалось сохранить адреса телегида: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Переименовать...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>Заблокировать PIN-кодом</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Управление списком каналов...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>«%1» заблокирован. Введите PIN-код, чтобы показать.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Канал телегида...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Название от провайдера: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Заблокировать снова</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Этот компьютер не подключён к домашней сети, поэтому телефон не сможет к нему подключиться. Подключите компьютер к Wi-Fi или сетевому кабелю и получите новый код.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>Не удалось запустить привязку на этом компьютере (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>Не удалось сохранить серверы и настройки в %1.

Изменения, сделанные сейчас, будут потеряны при закрытии плеера. Проверьте, что этот файл и его папка доступны для записи.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>Прямой эфир</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Сериалы</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>Поток архива закончился раньше передачи.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>Ничего не воспроизводится</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Воспроизведение остановлено: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Повторное подключение к %1... (попытка %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Ошибка воспроизведения</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Управление списком каналов</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Раздел:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Сериалы</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Скрытые</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Каналы без телегида</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Источники телегида</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Фильтр категорий...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Показать все</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Скрыть все</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>Отмеченные категории показываются; перетаскивайте, чтобы изменить порядок.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Больше не предлагается этим сервером</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Скрытые каналы, фильмы и сериалы:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Показать снова</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Забыть</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Сбрасывает все настройки, сделанные для выбранных элементов</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Каналы, для которых в телегиде ничего нет:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Каналы телегида с похожим названием:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Использовать этот канал телегида</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3%</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3% - сейчас: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>Телегид читается из этих источников в указанном порядке; для каждого канала используется первый, в котором он есть.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Добавить адрес...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Добавить файл...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Адрес телегида</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>Адрес XMLTV (http или https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>Файл телегида</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>Файлы XMLTV (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>Собственный телегид сервера</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Дорожка %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Видеокодек: %1
Разрешение: %2x%3
Частота кадров: %4 кадр/с

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Аудиокодек: %1
Частота дискретизации: %2 Гц
Каналы: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Звуковые дорожки:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Дорожки субтитров:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Входной битрейт: %1 кбит/с
Битрейт демультиплексора: %2 кбит/с
Декодировано блоков видео: %3
Декодировано блоков аудио: %4
Показано кадров: %5   Потеряно кадров: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Сведений о дорожках пока нет.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Повторное подключение…</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Мультипросмотр</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Смотреть от двух до четырёх каналов одновременно (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 плитки, рядом</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 плитки: одна большая и две маленькие</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 плитки, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 — канал сервера «%2». Покажите этот сервер, чтобы смотреть канал здесь.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Мультипросмотр не сохранён</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Перетащите сюда канал из списка, поиска (Ctrl+F) или Телегида либо выберите эту плитку и включите канал как обычно (Enter или двойной щелчок).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Воспроизводится: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>В этой плитке нет канала</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · Сейчас: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>Ожидание телефона... (код истекает через %1:%2)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>На телефоне отсканируйте QR-код или откройте &lt;b&gt;%1&lt;/b&gt;, затем введите этот код:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Телефон покажет этот компьютер как %1%2%3</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>Не получилось: %1
Исправьте это на телефоне и отправьте снова с новым кодом.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Срок действия кода истёк.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Получить новый код</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Подписка Quorbin</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Получение кода...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Получено. Проверка сервера...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>Не удалось подключиться к серверу: ссылка должна начинаться с http:// или https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>Не удалось загрузить плейлист: ссылка должна начинаться с http:// или https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>Не удалось загрузить плейлист: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>По ссылке на плейлист не загружено ни одного канала. Проверьте, что она правильная и всё ещё действует.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Телефон должен быть в той же сети, что и этот компьютер.&lt;br&gt;Если на компьютере есть брандмауэр, разрешите для него TCP-порт %1.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Адрес для телефона:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>Служба привязки потеряла этот код, возможно, из-за перезапуска. Введите на телефоне новый код, указанный ниже.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Не удалось подключиться к серверу: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Неверный ответ сервера</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>Слишком много данных для отправки.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Этот код недействителен. Проверьте код, показанный на компьютере.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Срок действия кода истёк. Получите новый код на компьютере.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Данные уже были отправлены с этим кодом. Получите новый код на компьютере, чтобы отправить их снова.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>Служба привязки сейчас недоступна. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Выберите тип сервера: Xtream Codes или плейлист M3U.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Введите название сервера.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>Адрес слишком длинный.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>Название, адрес и имя пользователя не могут содержать переносы строк.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Введите имя пользователя.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Введите пароль.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>Имя пользователя или пароль слишком длинные.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Выберите формат прямого эфира: TS или HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>Служба привязки была перезапущена и потеряла этот код. Получите новый код на компьютере.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>PIN-код задан. Введите его, чтобы изменить или удалить.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Задайте PIN-код из 4–8 цифр, чтобы блокировать категории и каналы.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>Текущий PIN-код:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>Новый PIN-код:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Повторите:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>Удалить PIN-код (блокировки перестанут действовать)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Предлагать блокировку категорий,
названия которых содержат
(по одному в строке):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Родительский контроль</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Слишком много неверных PIN-кодов. Повторите через %n секунду.</numerusform>
            <numerusform>Слишком много неверных PIN-кодов. Повторите через %n секунды.</numerusform>
            <numerusform>Слишком много неверных PIN-кодов. Повторите через %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>Текущий PIN-код неверен; PIN-код не изменён.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>Новый PIN-код и его повтор не совпадают; PIN-код не изменён.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>PIN-код должен содержать от 4 до 8 цифр; PIN-код не изменён.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Родительский контроль</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Разблокировать только на час</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Слишком много неверных PIN-кодов. Повторите через %n секунду.</numerusform>
            <numerusform>Слишком много неверных PIN-кодов. Повторите через %n секунды.</numerusform>
            <numerusform>Слишком много неверных PIN-кодов. Повторите через %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Неверный PIN-код.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>Воспроизводится: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Слишком много потоков</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1: воспроизведение не начато — сервер разрешает одновременно %n поток, и все заняты (%2).</numerusform>
            <numerusform>%1: воспроизведение не начато — сервер разрешает одновременно %n потока, и все заняты (%2).</numerusform>
            <numerusform>%1: воспроизведение не начато — сервер разрешает одновременно %n потоков, и все заняты (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>Ничего не воспроизводится</translation>
    </message>
    <message>
        <source>&lt;&lt; 10s</source>
        <translation>&lt;&lt; 10 с</translation>
    </message>
    <message>
        <source>10s &gt;&gt;</source>
        <translation>10 с &gt;&gt;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation>Следующая серия</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Громк.:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>плейлист больше 1 ГБ</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>Не удалось сохранить настройки в %1. Проверьте, что этот файл и его папка доступны для записи.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Настройки...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Записи не сохранены</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Записать этот канал (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Отменить запись</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Подробности...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Удалить запись</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>Удалить «%1» и её файл?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Запись не удалена</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Запись не идёт</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Записать сериал</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Запись остановлена</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>«%1» невозможно загрузить: канал не предоставляет адрес архива.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>Не загружено</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 уже записывается.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>«%1» уже запланировано.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>«%1» уже закончилось; теперь это может быть только в архиве.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>«%1» уже загружается.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>«%1» ещё записывается; сначала остановите запись.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>Не удалось удалить %1. Проверьте, что его папка доступна для записи.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>Программа была закрыта во время записи.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>Программа не была запущена во время записи.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Запись: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>Не удалось начать «%1»: сервер разрешает одновременно потоков: %2, а открыты эти: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>«%1» не удалось записать: соответствующий сервер больше не настроен.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Загрузка: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Остановлено до конца: файл содержит только полученную часть.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>«%1» невозможно записать: вместе с ещё %n записью в это время и тем, что вы смотрите, нужно одновременных потоков: %2, а сервер разрешает: %3.</numerusform>
            <numerusform>«%1» невозможно записать: вместе с ещё %n записями в это время и тем, что вы смотрите, нужно одновременных потоков: %2, а сервер разрешает: %3.</numerusform>
            <numerusform>«%1» невозможно записать: вместе с ещё %n записями в это время и тем, что вы смотрите, нужно одновременных потоков: %2, а сервер разрешает: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>«%1» сейчас невозможно загрузить: вместе с %n идущей в это время записью и тем, что вы смотрите, нужно одновременных потоков: %2, а сервер разрешает: %3.</numerusform>
            <numerusform>«%1» сейчас невозможно загрузить: вместе с %n идущими в это время записями и тем, что вы смотрите, нужно одновременных потоков: %2, а сервер разрешает: %3.</numerusform>
            <numerusform>«%1» сейчас невозможно загрузить: вместе с %n идущими в это время записями и тем, что вы смотрите, нужно одновременных потоков: %2, а сервер разрешает: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Папка для записей:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Папка для записей</translation>
    </message>
    <message>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Начинать передачи из телегида раньше на:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Заканчивать позже на:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Поставленный на паузу канал прямого эфира продолжает поступать в буфер на диске; хранится только его последняя часть этой длительности.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Буфер паузы для прямого эфира:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>Не удалось обновить список записей в %1 (%2: %3). Проверьте, что файл и его папка доступны для записи.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>Идёт %n запись.</numerusform>
            <numerusform>Идут %n записи.</numerusform>
            <numerusform>Идёт %n записей.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>В ближайшие сутки запланирована запись.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>Записям нужен плеер</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 Для записи программа должна быть открыта, а в этой среде рабочего стола нет системного лотка, чтобы свернуть её туда. Всё равно закрыть?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>Продолжить запись?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 Оставить программу работать в системном лотке, пока записи не завершатся?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Оставить в лотке</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Выйти и остановить запись</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Показать плеер</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player ведёт запись</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Поиск везде</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Поиск каналов, фильмов, сериалов и передач...</translation>
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
        <translation>Вход по ключу подписки Quorbin больше не поддерживается. Добавьте сервер заново с логином Xtream или ссылкой на плейлист M3U.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Добавить сервер...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Изменить сервер...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Обновить плейлист</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (больше не поддерживается)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Добавьте сервер заново</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Добавить сервер</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Укажите правильный URL или путь.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Изменить сервер</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>«%1» был добавлен с ключом подписки Quorbin.

%2

Удалить «%1» сейчас?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Сервер больше не поддерживается</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Подписка Quorbin</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Ввести данные сервера на телефоне с помощью кода, показанного здесь</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>Или введите данные сервера здесь:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>Плейлист M3U</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Тип сервера:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u или путь к локальному файлу</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Загрузить файл...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>URL или файл плейлиста:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Проверить подключение</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>URL сервера:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Формат прямого эфира:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Пусто — собственный телегид сервера</translation>
    </message>
    <message>
        <source> h</source>
        <translation> ч</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>URL телегида:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Сдвиг времени телегида:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Удалить сервер</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Изменить сервер</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Добавить сервер</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>Загрузить плейлист M3U</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Плейлисты (*.m3u *.m3u8);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Подключение установлено</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>Удалить сервер «%1»? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Учётная запись Xtream</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>Разрешено подключений:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>Поток не продвигается уже %1 с.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>Вместо потока канала сервер прислал веб-страницу; ничего не записано. Возможно, учётная запись или канал больше не активны.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>Диск заполнен: запись остановлена через %1. Записанное сохранено в %2.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>Не удалось записать в %1, запись остановлена через %2. Записанное сохранено.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>Папка %1 недоступна для записи, поэтому ничего не записано. Выберите другую папку для записей в настройках.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>Сервер отклонил подключение для записи (код HTTP %1). Возможно, он не разрешает больше одновременных потоков для этой учётной записи или больше не предлагает этот канал.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>Сервер отклонил загрузку (код HTTP %1). Возможно, он больше не хранит эту передачу или не разрешает больше одновременных потоков для этой учётной записи.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>Сервер прервал загрузку через %1; полученное сохранено.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>Не запущено: сервер разрешает одновременно %n поток, и все заняты (%1). Закройте один из них, чтобы смотреть этот канал здесь.</numerusform>
            <numerusform>Не запущено: сервер разрешает одновременно %n потока, и все заняты (%1). Закройте один из них, чтобы смотреть этот канал здесь.</numerusform>
            <numerusform>Не запущено: сервер разрешает одновременно %n потоков, и все заняты (%1). Закройте один из них, чтобы смотреть этот канал здесь.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Повторное подключение к %1… (попытка %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Мультипросмотр: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>Диск, на котором находится %1, заполнен, поэтому канал больше нельзя поставить на паузу. Он снова идёт в прямом эфире.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>Запись в %1 невозможна, поэтому канал больше нельзя поставить на паузу. Он снова идёт в прямом эфире.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>Сервер отклонил подключение для буфера паузы (код HTTP %1), поэтому канал нельзя поставить на паузу. Возможно, он не разрешает больше одновременных потоков для этой учётной записи. Канал снова идёт в прямом эфире.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>Вместо потока канала сервер прислал веб-страницу, поэтому канал нельзя поставить на паузу. Канал снова идёт в прямом эфире.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>Канал передаёт поток в виде, который нельзя сохранить на диске, поэтому его нельзя поставить на паузу. Канал снова идёт в прямом эфире.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>Запись в %1 невозможна, поэтому канал нельзя поставить на паузу.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Пауза завершена</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Прямой эфир</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Вернуться к прямому эфиру (L)</translation>
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
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Загрузить файл субтитров...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>Нет звуковых дорожек</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Загрузить файл субтитров</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Субтитры (*.srt *.ass *.ssa *.sub *.vtt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Сведения о потоке</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>Не удалось создать медиа для URL: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>Не удалось начать воспроизведение: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Дорожка %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>Нет плеера.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>Медиа не загружено.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Достигнут конец потока (это также может произойти, если перемотка попала в место, с которого поток не может продолжиться).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>libVLC обнаружил ошибку при воспроизведении потока.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>Поток прямого эфира перестал передавать данные.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>Не удалось создать медиа для файла, который ещё записывается.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>Не удалось начать воспроизведение.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>телегид больше %1 МБ</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>телегид не является корректным XMLTV (строка %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>сжатый телегид повреждён (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>не удалось начать распаковку телегида</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>сервер не прислал телегид XMLTV (документ — &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>сжатый телегид обрывается</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>телегид пуст</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>кодировку телегида «%1» невозможно прочитать: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>она несовместима с ASCII</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>Не удалось подключиться к серверу или получен неверный ответ</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Эта учётная запись неактивна на этом сервере (статус: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Ошибка аутентификации — проверьте URL сервера, имя пользователя и пароль</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>Список каналов из файла невозможно импортировать: %1 Ничего не изменено.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>это не список серверов.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>у сервера нет названия.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>сервер «%1» указан дважды.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>адреса телегида для «%1» не являются списком из не более чем %2.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>адрес телегида для «%1» некорректен.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>элементы «%1» не являются списком.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>в нём больше %1 элементов.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>элемент %1 в «%2»: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>не является объектом.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>неизвестный тип «%1».</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>неизвестный вид.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>нет ID.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>«%1» не является значением true или false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>«%1» не является текстом.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>позиция не является числом от 0 до %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>сдвиг времени не кратен четверти часа.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>«%1» указан дважды.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>на сервере нет объекта с ID «%2» (%1).</translation>
    </message>
    <message>
        <source>category</source>
        <translation>категория</translation>
    </message>
    <message>
        <source>item</source>
        <translation>элемент</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>Открыть ещё одно окно, даже если плеер уже запущен с этим профилем.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>Настольный плеер для интернет-телевидения: учётные записи Xtream Codes и плейлисты M3U.
Повторный запуск показывает окно уже запущенного плеера.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player уже запущен; его окно перемещено на передний план.</translation>
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
        <translation>● %1 (идёт запись)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (запланировано)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (пропущено)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (ошибка)</translation>
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
            <numerusform>Поток обрывался %n раз; пропущено: %1.</numerusform>
            <numerusform>Поток обрывался %n раза; пропущено: %1.</numerusform>
            <numerusform>Поток обрывался %n раз; пропущено: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (загрузка)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (загрузка, %2&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (не полностью)</translation>
    </message>
</context>
</TS>
