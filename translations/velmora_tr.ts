<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>Velmora Player Hakkında</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>standart hata çıktısı, VELMORA_NET_DEBUG=1 ile (şu an açık); masaüstü menüsünden başlatıldığında oturum günlüğü (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>standart hata çıktısı, VELMORA_NET_DEBUG=1 ile (şu an kapalı); masaüstü menüsünden başlatıldığında oturum günlüğü (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 Koşullar: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;IPTV sunucularınızdaki canlı kanalları, filmleri ve dizileri izleyin.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Katalog önbelleği</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Günlükler</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>GNU Genel Kamu Lisansı sürüm 3 veya üstü (GPL-3.0-or-later) altında, hiçbir garanti olmadan sunulan özgür yazılımdır. Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) ve simdjson (Apache-2.0) kullanır; velmora-pairing-server ayrıca hiredis (BSD-3-Clause) kullanır.</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>Oynatma listesi indirilemedi: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Dosya açılamadı: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Oynatma Listesini Yükle</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Tüm Kategoriler</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Dizi</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Tüm filmlerde ara...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Tüm dizilerde ara...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Tüm kanallarda ara...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Bir kategori seçin:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Kategorilere Dön</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Ara...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Ad (A-Z)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Son Eklenenler</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Arama: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Sağlayıcı Sırası</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>&quot;%1&quot;, %2 arşivinden oynatılamıyor: sunucu bunun için bir adres vermiyor.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>B%1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>Bölümler yüklenemedi. Yeniden denemek için geri dönüp diziyi tekrar açın.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Dizilere Dön</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Sezon %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmler</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Diziler</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Programlar</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>Yeni dil, Velmora Player bir sonraki başlatılışında kullanılır.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Rehber Kanalı</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>Rehberde henüz kanal yok. Rehberi güncelleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>&quot;%1&quot; için rehber kanalını seçin:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Kimlik veya ada göre ara...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Rehber kanalı</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Bu kanalın rehberindeki zaman kayması:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> dk</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Otomatik Eşleme</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tüm kanallar</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (geri izleme)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>Geri İzleme</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>Önceki Program</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Sonraki Program</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>Gösterilecek kanal yok</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Program bilgisi yok</translation>
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
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>TV Rehberi</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Yarın</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Dün</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Ayrıntılarını görmek için bir program seçin.</translation>
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
        <translation>Program bilgisi yok.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;, %2 arşivinden oynatılamıyor: kanal bir arşiv adresi vermiyor.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>%1 açılamıyor</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 okunamıyor</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>sunucu HTTP %1 yanıtı verdi</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>sunucu göndermeyi durdurdu</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>indirme zamanında bitmedi</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>rehber adresi yok</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Program rehberini göster veya gizle</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Baştan izle</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Yayındaki programı başından oynat</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Program rehberi: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Rehber</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Program bilgisi yok</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>Arşivde: izlemek için çift tıklayın veya Enter tuşuna basın</translation>
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
        <translation>Rehber güncelleniyor... %1%</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Rehber güncellenmedi: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Rehber kısmen güncellendi: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>şimdi, bitiş: %1</translation>
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
        <translation>rehber yazılamadı: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>rehber dosyası oluşturulamadı: %1</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation>d MMM ddd</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Yarın</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Dün</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>d MMMM dddd</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>Şimdi: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>Sonraki: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>Kanal parçalı MP4 gönderiyor; bu henüz kaydedilemiyor.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>Kanal şifreli ve kaydedilemiyor.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>Kitaplık kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Son İzlenenler</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>İzlemeye Devam Et</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Bu sunucu artık bunu sunmuyor</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>Kitaplığınız (favoriler ve izleme ilerlemesi) okunamadı ve sıfırdan başlatıldı. Hasarlı dosya %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Kitaplığınız (favoriler ve izleme ilerlemesi) Velmora Player&apos;ın daha yeni bir sürümüyle kaydedilmiş ve bu sürüm tarafından okunamıyor. Olduğu gibi bırakıldı; bu oturumda yaptığınız değişiklikler saklanmayacak.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>Kitaplığınız (favoriler ve izleme ilerlemesi) %1 konumunda açılamadı. Bu oturumda yaptığınız değişiklikler saklanmayacak.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>%1 konumundaki kitaplığınız (favoriler ve izleme ilerlemesi) başka bir uygulama tarafından kullanılıyor. Olduğu gibi bırakıldı; bu oturumda yaptığınız değişiklikler saklanmayacak.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Baştan Başla</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Önceki kanal</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Daha önce izlenen kanala dön (Backspace)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Kitaplık</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Favorileri ve İlerlemeyi Dışa Aktar...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Favorileri ve İlerlemeyi İçe Aktar...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Favorilerden Kaldır</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Favorilere Ekle</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>İzlemeye Devam Et&apos;ten Kaldır</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>Değişiklik kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>Favori kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Favorileri ve İlerlemeyi Dışa Aktar</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>Kitaplık dosyaları (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>Kitaplık %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>Favorileriniz ve izleme ilerlemeniz %1 konumuna kaydedildi.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Favorileri ve İlerlemeyi İçe Aktar</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Kaldığı yerden devam edildi: %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>İzleme ilerlemeniz kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (%2% izlendi)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Kalınan yer: %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>İzlendi</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>&quot;%1&quot; boş olmayan bir metin olmalıdır.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>&quot;%1&quot; metin olmalıdır.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot;, %2 ile %3 arasında bir tam sayı olmalıdır.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>&quot;%1&quot; bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>&quot;%1&quot; true veya false olmalıdır.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>Dosyadaki &quot;%1&quot; bir liste değil.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>&quot;%2&quot; içindeki %1 numaralı girdi bir nesne değil.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>&quot;%2&quot; içindeki %1 numaralı girdi: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 okunamadı: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>%1 %2 boyutunda; bu, bir kitaplık dışa aktarımı için fazla büyük (en fazla %3). Hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1, bir kitaplık dışa aktarımı için fazla büyük (en fazla %2). Hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>Dosya bir Velmora Player kitaplık dışa aktarımı değil.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>Dosyadaki &quot;version&quot; bir sürüm numarası değil: bu, uygulamanın okuyabileceği bir kitaplık dışa aktarımı değil.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>Dosya, Velmora Player&apos;ın daha yeni bir sürümüyle dışa aktarılmış ve bu sürüm tarafından okunamıyor.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>İçe aktarıldı: %1 favori, %2 izleme konumu.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Zaten güncel: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Kanal Düzeni</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>Kanal düzeniniz (gizlenen, yeniden adlandırılan ve kilitlenen kanallar) saklanamıyor: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>&quot;%1&quot; kilitli. Oynatmak için PIN&apos;i girin.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Ebeveyn Kilidi</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Önce bir PIN belirleyin: Tercihler, &quot;Ebeveyn Kilidi&quot; sayfası. Kilitler, bir PIN belirlendikten sonra etkili olur.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>Kanal düzeninizdeki değişiklik kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>&quot;%1&quot; için yeni ad (boş: sağlayıcının adı):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; kilidini açmak için PIN&apos;i girin.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategoriyi Yeniden Adlandır</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>Bu sunucunun %n kategorisi yetişkin içeriğe benziyor:

%1

Kilitlensin mi? Kanallarını göstermeden önce PIN isteyecekler.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Kanal düzenini yönetmek için PIN&apos;i girin.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>Rehber adresleri kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Yeniden Adlandır...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Kilidi Aç</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>PIN ile Kilitle</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Kanal Düzenini Yönet...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>&quot;%1&quot; kilitli. Göstermek için PIN&apos;i girin.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Rehber Kanalı...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Sağlayıcının adı: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Yeniden Kilitle</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Yükleniyor...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Bu bilgisayar bir ev ağına bağlı değil, bu yüzden telefon ona ulaşamıyor. Bilgisayarı Wi-Fi&apos;ye veya ağ kablosuna bağlayın, ardından yeni bir kod alın.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>Bu bilgisayarda eşleştirme başlatılamadı (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Ayarlar Kaydedilmedi</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>Sunucularınız ve ayarlarınız %1 konumuna kaydedilemedi.

Şimdi yapılan değişiklikler oynatıcı kapandığında kaybolacak. Bu dosyanın ve klasörünün yazılabilir olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>Canlı TV</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmler</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Diziler</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>Arşiv yayını program bitmeden sona erdi.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>Oynatılan bir şey yok</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Oynatma durdu: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Yeniden bağlanılıyor: %1... (deneme %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Oynatma Hatası</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Kanal Düzenini Yönet</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Kısım:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmler</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Diziler</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Gizlenenler</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Rehberi Olmayan Kanallar</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Rehber Kaynakları</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Kategorileri süz...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tümünü Göster</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Tümünü Gizle</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>İşaretli kategoriler gösterilir; sıralamak için sürükleyin.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Bu sunucu artık bunu sunmuyor</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Gizlenen kanallar, filmler ve diziler:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Yeniden Göster</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Unut</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Seçili girdiler için yapılan tüm seçimleri kaldırır</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Rehberde hiçbir bilgisi olmayan kanallar:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Benzer ada sahip rehber kanalları:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Bu Rehber Kanalını Kullan</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3%</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3% - şimdi: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>Rehber bunlardan bu sırayla okunur; her kanal için onu içeren ilk kaynak geçerli olur.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Adres Ekle...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Dosya Ekle...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Rehber Adresi</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>XMLTV adresi (http veya https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>Rehber Dosyası</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>XMLTV dosyaları (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>Sunucunun kendi rehberi</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Parça %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Video kodeki: %1
Çözünürlük: %2x%3
Kare hızı: %4 fps

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Ses kodeki: %1
Örnekleme hızı: %2 Hz
Kanal sayısı: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Ses parçaları:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Altyazı parçaları:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Giriş bit hızı: %1 kbps
Demux bit hızı: %2 kbps
Çözülen video blokları: %3
Çözülen ses blokları: %4
Gösterilen kareler: %5   Kaybolan kareler: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Henüz parça bilgisi yok.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Yeniden bağlanılıyor…</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Çoklu Görünüm</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Aynı anda iki ila dört kanal izleyin (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 kutucuk, yan yana</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 kutucuk, bir büyük ve iki küçük</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 kutucuk, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1, &quot;%2&quot; sunucusunun bir kanalı. Burada izlemek için o sunucuyu gösterin.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Çoklu Görünüm Kaydedilmedi</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Bir listeden, aramadan (Ctrl+F) veya TV Rehberi&apos;nden buraya bir kanal sürükleyin ya da bu kutucuğu seçip her zamanki gibi bir kanal oynatın (Enter veya çift tıklama).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Oynatılıyor: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>Bu kutucukta kanal yok</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · Şimdi: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>Telefonunuz bekleniyor... (%1:%2 içinde sona erecek)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>Telefonunuzda QR kodunu tarayın veya &lt;b&gt;%1&lt;/b&gt; adresini açın, ardından bu kodu girin:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Telefonunuz bu bilgisayarı %1%2%3 olarak gösterecek</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>Bu işe yaramadı: %1
Telefonunuzda düzeltin ve yeni kodla yeniden gönderin.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Bu kodun süresi doldu.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Yeni kod al</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Quorbin Aboneliği</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Kod alınıyor...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Alındı. Sunucu denetleniyor...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>Sunucuya ulaşılamadı: bağlantı http:// veya https:// ile başlamalıdır</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>Oynatma listesi indirilemedi: bağlantı http:// veya https:// ile başlamalıdır</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>Oynatma listesi indirilemedi: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>Bu oynatma listesi bağlantısı hiç kanal yüklemedi. Doğru ve hâlâ etkin olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Telefonunuz bu bilgisayarla aynı ağda olmalıdır.&lt;br&gt;Bu bilgisayarda güvenlik duvarı varsa, %1 numaralı TCP bağlantı noktasına izin verin.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Telefon için adres:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>Eşleştirme hizmeti bu kodu kaybetti, belki de yeniden başlatıldığı için. Aşağıdaki yeni kodu telefonunuza girin.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Sunucuya ulaşılamadı: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Sunucudan geçersiz yanıt</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>Gönderilecek veri çok fazlaydı.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Bu kod geçerli değil. Bilgisayarınızda gösterilen kodu denetleyin.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Bu kodun süresi doldu. Bilgisayarınızdan yeni bir kod alın.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Bu kodla bilgiler zaten gönderildi. Yeniden göndermek için bilgisayarınızdan yeni bir kod alın.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>Eşleştirme hizmeti şu anda kullanılamıyor. Biraz sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Sunucu türünü seçin: Xtream Codes veya M3U oynatma listesi.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Sunucu için bir ad girin.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>Adres çok uzun.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>Ad, adres ve kullanıcı adı satır sonu içeremez.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Kullanıcı adını girin.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Parolayı girin.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>Kullanıcı adı veya parola çok uzun.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Canlı yayın biçimini seçin: TS veya HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>Eşleştirme hizmeti yeniden başlatıldı ve bu kodu kaybetti. Bilgisayarınızdan yeni bir kod alın.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>Bir PIN belirlenmiş. Değiştirmek veya kaldırmak için PIN&apos;i girin.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Kategorileri ve kanalları kilitlemek için 4 ila 8 haneli bir PIN belirleyin.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>Geçerli PIN:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>Yeni PIN:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Tekrar:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>PIN&apos;i kaldır (kilitler çalışmaz)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Adında şunlar geçen
kategorileri kilitlemeyi öner
(her satıra bir tane):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Ebeveyn Kilidi</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Çok fazla yanlış PIN. %n saniye sonra yeniden deneyin.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>Geçerli PIN doğru değil; PIN değiştirilmedi.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>Yeni PIN ve tekrarı farklı; PIN değiştirilmedi.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>PIN 4 ila 8 haneden oluşur; PIN değiştirilmedi.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Ebeveyn Kilidi</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Yalnızca bir saatliğine kilidi aç</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Kilidi Aç</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Çok fazla yanlış PIN. %n saniye sonra yeniden deneyin.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Yanlış PIN.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>Oynatılıyor: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Çok Fazla Yayın</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1 başlatılmadı: bu sunucu aynı anda %n yayına izin veriyor ve hepsi kullanımda (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>Oynatılan bir şey yok</translation>
    </message>
    <message>
        <source>&lt;&lt; 10s</source>
        <translation>&lt;&lt; 10 sn</translation>
    </message>
    <message>
        <source>10s &gt;&gt;</source>
        <translation>10 sn &gt;&gt;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation>Sonraki Bölüm</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tam Ekran</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Altyazılar</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Ses:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ses Düzeyi</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>oynatma listesi 1 GB&apos;tan büyük</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>Tercihleriniz %1 konumuna kaydedilemedi. Bu dosyanın ve klasörünün yazılabilir olduğunu denetleyin.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Tercihler Kaydedilmedi</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Tercihler...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Kayıtlar Saklanamadı</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Kayıtlar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Bu kanalı kaydet (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Kaydı Durdur</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Kaydı İptal Et</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde Göster</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Ayrıntılar...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Kaydı Sil</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>&quot;%1&quot; ve dosyası silinsin mi?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Kayıt Silinmedi</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Kayıt Yapılmıyor</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Diziyi Kaydet</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Kayıt Durduruldu</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>İndirme Başarısız</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>&quot;%1&quot; indirilemiyor: kanal bir arşiv adresi vermiyor.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>İndirilmedi</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 zaten kaydediliyor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>&quot;%1&quot; zaten planlandı.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>&quot;%1&quot; sona erdi; artık yalnızca arşivde bulunabilir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>&quot;%1&quot; zaten indiriliyor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>&quot;%1&quot; hâlâ kaydediliyor; önce durdurun.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>%1 silinemedi. Klasörünün yazılabilir olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>Uygulama kayıt sırasında kapatıldı.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>Kayıt zamanında uygulama çalışmıyordu.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Kaydediliyor: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>&quot;%1&quot; başlatılamadı: sunucu aynı anda %2 yayına izin veriyor ve şunlar açık: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>&quot;%1&quot; kaydedilemedi: sunucusu artık ayarlı değil.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>İndiriliyor: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Bitmeden durduruldu: dosyada yalnızca gelen kısım var.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>&quot;%1&quot; kaydedilemiyor: o saatteki diğer %n kayıt ve izlediğiniz yayınla birlikte aynı anda %2 yayın gerekiyor; sunucu ise %3 yayına izin veriyor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>&quot;%1&quot; şu anda indirilemiyor: bu sırada süren %n kayıt ve izlediğiniz yayınla birlikte aynı anda %2 yayın gerekiyor; sunucu ise %3 yayına izin veriyor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Seç...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Kayıt klasörü:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Kayıt Klasörü</translation>
    </message>
    <message>
        <source> min</source>
        <translation> dk</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Rehberdeki programları şu kadar erken başlat:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Bitişlerini şu kadar geciktir:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Duraklatılan canlı kanal diskteki bir arabelleğe gelmeye devam eder; yalnızca bu uzunluktaki en yeni kısmı saklanır.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Canlı TV için duraklatma arabelleği:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>%1 içindeki kayıt listesi güncellenemedi (%2: %3). Dosyanın ve klasörünün yazılabilir olduğunu denetleyin.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>%n kayıt sürüyor.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>Önümüzdeki gün içinde planlanmış bir kayıt var.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>Kayıtlar İçin Oynatıcı Gerekli</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 Kayıtlar için uygulamanın açık olması gerekir ve bu masaüstünde onu tutacak bir sistem tepsisi yok. Yine de kapatılsın mı?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>Kayda Devam Edilsin mi?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 Kayıtlar bitene kadar uygulama sistem tepsisinde çalışmaya devam etsin mi?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Tepside Çalışmaya Devam Et</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Çık ve Kaydı Durdur</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Oynatıcıyı Göster</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player kayıt yapıyor</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Her Yerde Ara</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Kanallarda, filmlerde, dizilerde ve programlarda ara...</translation>
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
        <translation>Quorbin abonelik anahtarıyla oturum açma artık desteklenmiyor. Sunucunuzu Xtream oturum bilgileri veya M3U oynatma listesi bağlantısıyla yeniden ekleyin.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Sunucu:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Sunucu Ekle...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Sunucuyu Düzenle...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Oynatma Listesini Yenile</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (artık desteklenmiyor)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Sunucunuzu yeniden ekleyin</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Sunucu Ekle</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Lütfen geçerli bir URL/yol girin.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Sunucuyu Düzenle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>&quot;%1&quot; bir Quorbin abonelik anahtarıyla eklenmişti.

%2

&quot;%1&quot; şimdi silinsin mi?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Sunucu artık desteklenmiyor</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Quorbin Aboneliği</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Bunun yerine, burada gösterilen bir kodla sunucu bilgilerini telefonunuzdan yazın</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>Ya da sunucu bilgilerini buraya girin:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>M3U Oynatma Listesi</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Sunucu Türü:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u veya yerel dosya yolu</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Dosya Yükle...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>Oynatma Listesi URL&apos;si/Dosyası:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Bağlantıyı Sına</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>Sunucu URL&apos;si:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Kullanıcı adı:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Canlı Yayın Biçimi:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Boş: sunucunun kendi rehberi</translation>
    </message>
    <message>
        <source> h</source>
        <translation> sa</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>Rehber URL&apos;si:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Rehber zaman farkı:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Sunucuyu Sil</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Sunucuyu Düzenle</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Sunucu Ekle</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>M3U Oynatma Listesi Yükle</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Oynatma listeleri (*.m3u *.m3u8);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Sınanıyor...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Bağlantı başarılı</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Başarısız: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>&quot;%1&quot; sunucusu silinsin mi? Bu işlem geri alınamaz.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Xtream Hesabı</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sınır yok</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>İzin verilen bağlantılar:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>Yayın %1 saniye boyunca ilerlemedi.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>Sunucu, kanalın yayını yerine bir web sayfası gönderdi; hiçbir şey kaydedilemedi. Hesap veya kanal artık etkin olmayabilir.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>Disk dolu: kayıt %1 sonra durdu. Kaydedilen kısım %2 içinde saklandı.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>Kayıt %1 konumuna yazılamadı ve %2 sonra durdu. Kaydedilen kısım saklandı.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>%1 klasörüne yazılamıyor, bu yüzden hiçbir şey kaydedilmedi. Tercihlerden kayıtlar için başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>Sunucu kayıt için bağlantıyı reddetti (HTTP durumu %1). Bu hesap için aynı anda daha fazla yayına izin vermiyor veya kanalı artık sunmuyor olabilir.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>Sunucu indirmeyi reddetti (HTTP durumu %1). Bu programı artık saklamıyor veya bu hesap için aynı anda daha fazla yayına izin vermiyor olabilir.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>Sunucu indirmeyi %1 sonra kesti; gelen kısım saklandı.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>Başlatılmadı: bu sunucu aynı anda %n yayına izin veriyor ve hepsi kullanımda (%1). Bu kanalı burada izlemek için bunlardan birini kapatın.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Bağlanılıyor: %1…</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Yeniden bağlanılıyor: %1… (deneme %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Çoklu Görünüm: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>%1 konumunun bulunduğu disk dolu, bu yüzden kanal artık duraklatılamaz. Kanal yeniden canlı oynatılıyor.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>%1 konumuna yazılamıyor, bu yüzden kanal artık duraklatılamaz. Kanal yeniden canlı oynatılıyor.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>Sunucu duraklatma arabelleği için bağlantıyı reddetti (HTTP durumu %1), bu yüzden kanal duraklatılamaz. Bu hesap için aynı anda daha fazla yayına izin vermiyor olabilir. Kanal yeniden canlı oynatılıyor.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>Sunucu, kanalın yayını yerine bir web sayfası gönderdi, bu yüzden kanal duraklatılamaz. Kanal yeniden canlı oynatılıyor.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>Kanal, yayınını diskte saklanamayan bir biçimde gönderiyor, bu yüzden duraklatılamaz. Kanal yeniden canlı oynatılıyor.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>%1 konumuna yazılamıyor, bu yüzden kanal duraklatılamaz.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Duraklatma Sona Erdi</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Canlı</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Canlı görüntüye dön (L)</translation>
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
        <translation>Devre Dışı</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Altyazı Dosyası Yükle...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>Ses parçası yok</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Altyazı Dosyası Yükle</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Altyazılar (*.srt *.ass *.ssa *.sub *.vtt);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Yayın Bilgisi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>URL için medya oluşturulamadı: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>Oynatma başlatılamadı: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Parça %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>Oynatıcı yok.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>Medya yüklenmedi.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Yayının sonuna ulaşıldı (bu, bir atlama yayının devam edemeyeceği bir yere denk geldiğinde de olabilir).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>libVLC yayın sırasında bir hatayla karşılaştı.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>Canlı yayın veri göndermeyi durdurdu.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>Yazılmakta olan bir dosya için medya oluşturulamadı.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>Oynatma başlatılamadı.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>rehber %1 MB&apos;tan büyük</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>rehber geçerli bir XMLTV değil (satır %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>sıkıştırılmış rehber hasarlı (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>rehberin sıkıştırması açılmaya başlanamadı</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>sunucu XMLTV rehberi göndermedi (belge: &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>sıkıştırılmış rehber yarım kalmış</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>rehber boş</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>rehberin &quot;%1&quot; karakter kümesi okunamıyor: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>ASCII ile uyumlu değil</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>Sunucuya ulaşılamadı veya yanıt geçersiz</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Bu hesap o sunucuda etkin değil (durum: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Kimlik doğrulama başarısız - sunucu URL&apos;sini, kullanıcı adını ve parolayı denetleyin</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>Dosyadaki kanal düzeni içe aktarılamıyor: %1 Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>bir sunucu listesi değil.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>bir sunucunun adı yok.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>&quot;%1&quot; sunucusu iki kez listelenmiş.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>&quot;%1&quot; sunucusunun rehber adresleri en fazla %2 öğelik bir liste değil.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>&quot;%1&quot; sunucusunun bir rehber adresi geçerli değil.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>&quot;%1&quot; sunucusunun girdileri bir liste değil.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>%1 girdiden fazlasını içeriyor.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>&quot;%2&quot; sunucusunun %1. girdisi: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>bir nesne değil.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>bilinmeyen tür &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>bilinmeyen çeşit.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>kimlik yok.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>&quot;%1&quot; true veya false değil.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>&quot;%1&quot; bir metin değil.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>konum 0 ile %1 arasında bir sayı değil.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>zaman kayması tam çeyrek saatlerden oluşmuyor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>&quot;%1&quot; iki kez listelenmiş.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>sunucuda &quot;%2&quot; kimliğine sahip bir %1 yok.</translation>
    </message>
    <message>
        <source>category</source>
        <translation>kategori</translation>
    </message>
    <message>
        <source>item</source>
        <translation>öğe</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>Oynatıcı bu profille zaten çalışıyor olsa bile başka bir pencere aç.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>İnternet televizyonu için masaüstü oynatıcı: Xtream Codes hesapları ve M3U oynatma listeleri.
İkinci kez başlatıldığında çalışan oynatıcının penceresi gösterilir.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player zaten çalışıyor; penceresi öne getirildi.</translation>
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
        <translation>● %1 (kaydediliyor)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (planlandı)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (kaçırıldı)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (başarısız)</translation>
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
            <numerusform>Yayın %n kez kesildi; %1 eksik.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (indiriliyor)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (indiriliyor, %%2)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (eksik)</translation>
    </message>
</context>
</TS>
