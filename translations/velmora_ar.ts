<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>حول Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>الخطأ القياسي، مع VELMORA_NET_DEBUG=1 (مفعّل الآن)؛ وعند التشغيل من قائمة سطح المكتب، سجل الجلسة (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>الخطأ القياسي، مع VELMORA_NET_DEBUG=1 (معطّل الآن)؛ وعند التشغيل من قائمة سطح المكتب، سجل الجلسة (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 الشروط: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;شاهد القنوات المباشرة والأفلام والمسلسلات من خوادم IPTV الخاصة بك.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>ذاكرة التخزين المؤقت للفهرس</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>السجلات</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>برنامج حر مرخّص بموجب رخصة جنو العمومية العامة، الإصدار 3 أو أحدث (GPL-3.0-or-later)، دون أي ضمان. يستخدم Qt (LGPL-3.0) وlibVLC (LGPL-2.1-or-later) وqrcodegen (MIT) وsimdjson (Apache-2.0)؛ ويستخدم velmora-pairing-server أيضًا hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>تعذّر تنزيل قائمة التشغيل: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>تعذّر فتح الملف: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>تحميل قائمة التشغيل</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>كل الفئات</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>فيلم</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>مسلسل</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>قناة</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>ابحث في كل الأفلام...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>ابحث في كل المسلسلات...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>ابحث في كل القنوات...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>اختر فئة:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; العودة إلى الفئات</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>الاسم (أ-ي)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>المضافة حديثًا</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>التقييم</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>بحث: «%1»</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>ترتيب المزوّد</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>لا يمكن تشغيل «%1» من أرشيف %2: لا يوفّر الخادم عنوانًا له.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>ح%1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>تعذّر تحميل الحلقات. ارجع وافتح المسلسل مرة أخرى لإعادة المحاولة.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; العودة إلى المسلسلات</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>الموسم %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>الأفلام</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>المسلسلات</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>البرامج</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>الافتراضي للنظام</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>تُستخدم اللغة الجديدة بدءًا من التشغيل التالي لـ Velmora Player.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>قناة الدليل</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>لا يحتوي الدليل على أي قنوات بعد. حدّث الدليل، ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>اختر قناة الدليل لـ «%1»:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>ابحث بالمعرّف أو الاسم...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>قناة الدليل</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>إزاحة وقت دليل هذه القناة:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> د</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>مطابقة تلقائية</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>كل القنوات</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (إعادة المشاهدة)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>إعادة المشاهدة</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>البرنامج السابق</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>البرنامج التالي</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>لا توجد قنوات لعرضها</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>لا توجد معلومات عن البرامج</translation>
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
        <translation>الآن</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>دليل التلفزيون</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>غدًا</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>أمس</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>اختر برنامجًا لعرض تفاصيله.</translation>
    </message>
    <message>
        <source>%1, %2-%3</source>
        <comment>day, start and end of a programme</comment>
        <translation>%1، %2-%3</translation>
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
        <translation>لا توجد معلومات عن البرامج.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>لا يمكن تشغيل &lt;b&gt;%1&lt;/b&gt; من أرشيف %2: لا توفّر القناة عنوانًا للأرشيف.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>تعذّر فتح %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>تعذّرت قراءة %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>ردّ الخادم برمز HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>توقّف الخادم عن الإرسال</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>لم ينتهِ التنزيل في الوقت المحدد</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>لا يوجد عنوان للدليل</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>إظهار دليل البرامج أو إخفاؤه</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>المشاهدة من البداية</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>تشغيل البرنامج الحالي من بدايته</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>دليل البرامج: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>الدليل</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>لا توجد معلومات عن البرامج</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>في الأرشيف: انقر نقرًا مزدوجًا أو اضغط Enter لمشاهدته</translation>
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
        <translation>جارٍ تحديث الدليل... %1%</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>لم يُحدَّث الدليل: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>حُدِّث الدليل جزئيًا: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>الآن، حتى %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and times of a programme</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <comment>programme, channel, when</comment>
        <translation>%1 — %2، %3</translation>
    </message>
</context>
<context>
    <name>GuideStoreWriter</name>
    <message>
        <source>could not write the guide: %1</source>
        <translation>تعذّرت كتابة الدليل: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>تعذّر إنشاء ملف الدليل: %1</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation>ddd، d MMM</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>غدًا</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>أمس</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd، d MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>الآن: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>التالي: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>ترسل القناة MP4 مجزّأً، ولا يمكن تسجيله بعد.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>القناة مشفّرة ولا يمكن تسجيلها.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>تعذّر حفظ المكتبة: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>الأخيرة</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>متابعة المشاهدة</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>لم يعد هذا الخادم يوفّره</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>تعذّرت قراءة مكتبتك (المفضلة وتقدّم المشاهدة) فبُدئت من جديد. احتُفظ بالملف التالف باسم %1.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>حُفظت مكتبتك (المفضلة وتقدّم المشاهدة) بإصدار أحدث من Velmora Player ولا يمكن لهذا الإصدار قراءتها. تُركت كما هي؛ ولن تُحفظ التغييرات التي تُجريها في هذه الجلسة.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>تعذّر فتح مكتبتك (المفضلة وتقدّم المشاهدة) في %1. لن تُحفظ التغييرات التي تُجريها في هذه الجلسة.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>مكتبتك (المفضلة وتقدّم المشاهدة) في %1 مشغولة ببرنامج آخر. تُركت كما هي؛ ولن تُحفظ التغييرات التي تُجريها في هذه الجلسة.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>البدء من جديد</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>القناة السابقة</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>العودة إلى القناة التي شوهدت قبلها (Backspace)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>المكتبة</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>تصدير المفضلة والتقدّم...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>استيراد المفضلة والتقدّم...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>إضافة إلى المفضلة</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>إزالة من متابعة المشاهدة</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>تعذّر حفظ التغيير: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>تعذّر حفظ المفضلة: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>تصدير المفضلة والتقدّم</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>ملفات المكتبة (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>تعذّرت كتابة المكتبة في %1: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>حُفظت مفضلتك وتقدّم مشاهدتك في %1.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>استيراد المفضلة والتقدّم</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>استُؤنف عند %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>تعذّر حفظ تقدّم مشاهدتك: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (شوهد %2%)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>توقّفت عند %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>تمت مشاهدته</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>يجب أن يكون «%1» نصًا غير فارغ.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>يجب أن يكون «%1» نصًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>يجب أن يكون «%1» عددًا صحيحًا من %2 إلى %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>يجب أن يكون «%1» رقمًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>يجب أن يكون «%1» true أو false.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>«%1» في الملف ليس قائمة.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>العنصر %1 من «%2» ليس كائنًا.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>العنصر %1 من «%2»: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>حجم %1 هو %2، وهو أكبر مما يمكن أن يكون عليه تصدير المكتبة (%3 كحد أقصى). لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 أكبر مما يمكن أن يكون عليه تصدير المكتبة (%2 كحد أقصى). لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>هذا الملف ليس تصديرًا لمكتبة Velmora Player.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>قيمة «version» في الملف ليست رقم إصدار: إنه ليس تصدير مكتبة يستطيع هذا التطبيق قراءته.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>صُدِّر هذا الملف بإصدار أحدث من Velmora Player ولا يمكن لهذا الإصدار قراءته.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>تم الاستيراد: المفضلة: %1، مواضع المشاهدة: %2.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>محدَّث بالفعل: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>تشكيلة القنوات</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>لا يمكن حفظ تشكيلة قنواتك (القنوات المخفية والمُعاد تسميتها والمقفلة): %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>العنصر «%1» مقفل. أدخل رمز PIN لتشغيله.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>القفل الأبوي</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>عيّن رمز PIN أولًا: التفضيلات، صفحة «القفل الأبوي». تسري الأقفال بمجرد تعيين رمز PIN.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>تعذّر حفظ التغيير على تشكيلة قنواتك: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>الاسم الجديد لـ «%1» (فارغ: اسم المزوّد):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>أدخل رمز PIN لإلغاء قفل «%1».</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>إعادة تسمية الفئة</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>عدد فئات هذا الخادم التي تبدو محتوى للبالغين: %n

%1

هل تريد قفلها؟ ستطلب رمز PIN قبل عرض قنواتها.</numerusform>
            <numerusform>عدد فئات هذا الخادم التي تبدو محتوى للبالغين: %n

%1

هل تريد قفلها؟ ستطلب رمز PIN قبل عرض قنواتها.</numerusform>
            <numerusform>عدد فئات هذا الخادم التي تبدو محتوى للبالغين: %n

%1

هل تريد قفلها؟ ستطلب رمز PIN قبل عرض قنواتها.</numerusform>
            <numerusform>عدد فئات هذا الخادم التي تبدو محتوى للبالغين: %n

%1

هل تريد قفلها؟ ستطلب رمز PIN قبل عرض قنواتها.</numerusform>
            <numerusform>عدد فئات هذا الخادم التي تبدو محتوى للبالغين: %n

%1

هل تريد قفلها؟ ستطلب رمز PIN قبل عرض قنواتها.</numerusform>
            <numerusform>عدد فئات هذا الخادم التي تبدو محتوى للبالغين: %n

%1

هل تريد قفلها؟ ستطلب رمز PIN قبل عرض قنواتها.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>أدخل رمز PIN لإدارة تشكيلة القنوات.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>تعذّر حفظ عناوين الدليل: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>إعادة تسمية...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>إلغاء القفل</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>قفل برمز PIN</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>إدارة تشكيلة القنوات...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>العنصر «%1» مقفل. أدخل رمز PIN لعرضه.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>قناة الدليل...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>اسم المزوّد: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>إعادة القفل</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>جارٍ التحميل...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>هذا الحاسوب غير متصل بشبكة منزلية، لذا لا يمكن للهاتف الوصول إليه. صِله بشبكة Wi-Fi أو بكابل الشبكة، ثم احصل على رمز جديد.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>تعذّر بدء الإقران على هذا الحاسوب (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>لم تُحفظ الإعدادات</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>تعذّر حفظ خوادمك وإعداداتك في %1.

ستُفقد التغييرات التي تُجرى الآن عند إغلاق المشغّل. تحقّق من إمكانية الكتابة إلى هذا الملف ومجلده.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>التلفزيون المباشر</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>الأفلام</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>المسلسلات</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>انتهى بث الأرشيف قبل نهاية البرنامج.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>لا شيء قيد التشغيل</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>توقّف التشغيل: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>جارٍ إعادة الاتصال بـ %1... (المحاولة %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>خطأ في التشغيل</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>إدارة تشكيلة القنوات</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>القسم:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>الأفلام</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>المسلسلات</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>الفئات</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>المخفية</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>قنوات بلا دليل</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>مصادر الدليل</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>تصفية الفئات...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>إظهار الكل</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>إخفاء الكل</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>تظهر الفئات المحددة؛ اسحب لإعادة الترتيب.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>لم يعد هذا الخادم يوفّره</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>القنوات والأفلام والمسلسلات المخفية:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>إظهار مجددًا</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>نسيان</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>يُسقط كل الخيارات المحددة للعناصر المختارة</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>قنوات ليس لها شيء في الدليل:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>قنوات دليل بأسماء مشابهة:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>استخدام قناة الدليل هذه</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3%</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3% - الآن: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>يُقرأ الدليل من هذه المصادر بهذا الترتيب؛ ولكل قناة يُعتمد أول مصدر يحتويها.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>إضافة عنوان...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>إضافة ملف...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>عنوان الدليل</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>عنوان XMLTV (http أو https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>ملف الدليل</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>ملفات XMLTV (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>دليل الخادم نفسه</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>المسار %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>ترميز الفيديو: %1
الدقة: %2x%3
معدل الإطارات: %4 fps

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>ترميز الصوت: %1
معدل العينات: %2 Hz
عدد القنوات الصوتية: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>المسارات الصوتية:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>مسارات الترجمة:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>معدل البت للإدخال: %1 kbps
معدل البت لفك التجميع: %2 kbps
كتل الفيديو المفكوكة: %3
كتل الصوت المفكوكة: %4
الإطارات المعروضة: %5   الإطارات المفقودة: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>لا تتوفر معلومات عن المسارات بعد.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>جارٍ إعادة الاتصال…</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>العرض المتعدد</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>مشاهدة من قناتين إلى أربع قنوات في آن واحد (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>مربّعان، جنبًا إلى جنب</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 مربّعات، واحد كبير واثنان صغيران</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 مربّعات، 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 قناة من الخادم «%2». أظهِر ذلك الخادم لمشاهدتها هنا.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>لم يُحفظ العرض المتعدد</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>اسحب قناة إلى هنا من قائمة أو من البحث (Ctrl+F) أو من دليل التلفزيون، أو حدّد هذا المربّع وشغّل قناة كالمعتاد (Enter أو النقر المزدوج).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>قيد التشغيل: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>لا توجد قناة في هذا المربّع</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · الآن: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>في انتظار هاتفك... (تنتهي الصلاحية خلال %1:%2)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>على هاتفك، امسح رمز QR أو افتح &lt;b&gt;%1&lt;/b&gt;، ثم أدخل هذا الرمز:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>سيعرض هاتفك هذا الحاسوب باسم %1%2%3</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>لم ينجح ذلك: %1
صحّح الأمر على هاتفك وأرسله مرة أخرى بالرمز الجديد.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>انتهت صلاحية هذا الرمز.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>الحصول على رمز جديد</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>اشتراك Quorbin</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>جارٍ الحصول على رمز...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>تم الاستلام. جارٍ التحقق من الخادم...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>تعذّر الوصول إلى ذلك الخادم: يجب أن يبدأ الرابط بـ http:// أو https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>تعذّر تنزيل قائمة التشغيل تلك: يجب أن يبدأ الرابط بـ http:// أو https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>تعذّر تنزيل قائمة التشغيل تلك: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>لم يحمّل رابط قائمة التشغيل هذا أي قنوات. تحقّق من صحته ومن أنه لا يزال فعّالًا.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>يجب أن يكون هاتفك على الشبكة نفسها التي يتصل بها هذا الحاسوب.&lt;br&gt;إذا كان على هذا الحاسوب جدار حماية، فاسمح بمنفذ TCP %1 له.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>العنوان للهاتف:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>فقدت خدمة الإقران هذا الرمز، ربما لأنها أُعيد تشغيلها. أدخل الرمز الجديد أدناه على هاتفك.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>تعذّر الوصول إلى الخادم: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>استجابة غير صالحة من الخادم</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>كان حجم البيانات المُرسلة كبيرًا جدًا.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>هذا الرمز غير صالح. تحقّق من الرمز المعروض على حاسوبك.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>انتهت صلاحية هذا الرمز. احصل على رمز جديد من حاسوبك.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>أُرسلت التفاصيل بالفعل بهذا الرمز. احصل على رمز جديد من حاسوبك لإرسالها مرة أخرى.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>خدمة الإقران غير متاحة الآن. أعد المحاولة بعد قليل.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>اختر نوع الخادم: Xtream Codes أو قائمة تشغيل M3U.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>أدخل اسمًا للخادم.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>العنوان طويل جدًا.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>لا يمكن أن يحتوي الاسم والعنوان واسم المستخدم على فواصل أسطر.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>أدخل اسم المستخدم.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>أدخل كلمة المرور.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>اسم المستخدم أو كلمة المرور طويل جدًا.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>اختر تنسيق البث المباشر: TS أو HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>أُعيد تشغيل خدمة الإقران وفقدت هذا الرمز. احصل على رمز جديد من حاسوبك.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>تم تعيين رمز PIN. أدخله لتغييره أو إزالته.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>عيّن رمز PIN من 4 إلى 8 أرقام لقفل الفئات والقنوات.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>رمز PIN الحالي:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>رمز PIN الجديد:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>التكرار:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>إزالة رمز PIN (تتوقف الأقفال عن العمل)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>اقتراح قفل الفئات
التي تحتوي أسماؤها على
(واحد في كل سطر):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>القفل الأبوي</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانيتين.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثوانٍ.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>رمز PIN الحالي غير صحيح؛ لم يتغيّر رمز PIN.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>رمز PIN الجديد وتكراره مختلفان؛ لم يتغيّر رمز PIN.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>يتكوّن رمز PIN من 4 إلى 8 أرقام؛ لم يتغيّر رمز PIN.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>القفل الأبوي</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>رمز PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>إلغاء القفل لمدة ساعة فقط</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>إلغاء القفل</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانيتين.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثوانٍ.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
            <numerusform>محاولات خاطئة كثيرة لإدخال رمز PIN. أعد المحاولة بعد %n ثانية.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>رمز PIN خاطئ.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>قيد التشغيل: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>عمليات بث كثيرة جدًا</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>لم يبدأ تشغيل %1: يسمح هذا الخادم بـ %n بث في آن واحد، وكلها قيد الاستخدام (%2).</numerusform>
            <numerusform>لم يبدأ تشغيل %1: يسمح هذا الخادم بـ %n بث في آن واحد، وكلها قيد الاستخدام (%2).</numerusform>
            <numerusform>لم يبدأ تشغيل %1: يسمح هذا الخادم بـ %n بثّين في آن واحد، وكلها قيد الاستخدام (%2).</numerusform>
            <numerusform>لم يبدأ تشغيل %1: يسمح هذا الخادم بـ %n عمليات بث في آن واحد، وكلها قيد الاستخدام (%2).</numerusform>
            <numerusform>لم يبدأ تشغيل %1: يسمح هذا الخادم بـ %n بثًّا في آن واحد، وكلها قيد الاستخدام (%2).</numerusform>
            <numerusform>لم يبدأ تشغيل %1: يسمح هذا الخادم بـ %n بث في آن واحد، وكلها قيد الاستخدام (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>لا شيء قيد التشغيل</translation>
    </message>
    <message>
        <source>&lt;&lt; 10s</source>
        <translation>&lt;&lt; 10 ث</translation>
    </message>
    <message>
        <source>10s &gt;&gt;</source>
        <translation>10 ث &gt;&gt;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation>الحلقة التالية</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>مستوى الصوت:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>قائمة التشغيل أكبر من 1 GB</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>تعذّر حفظ تفضيلاتك في %1. تحقّق من إمكانية الكتابة إلى هذا الملف ومجلده.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>لم تُحفظ التفضيلات</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>التفضيلات...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>لم تُحفظ التسجيلات</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>التسجيلات</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>تسجيل هذه القناة (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>إلغاء التسجيل</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>التفاصيل...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>حذف التسجيل</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>هل تريد حذف «%1» وملفه؟</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>لم يُحذف التسجيل</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>لا يوجد تسجيل</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>تسجيل المسلسل</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>توقّف التسجيل</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>فشل التنزيل</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>لا يمكن تنزيل «%1»: لا توفّر القناة عنوانًا للأرشيف.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>لم يتم التنزيل</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>يجري تسجيل %1 بالفعل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>«%1» مجدول بالفعل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>انتهى «%1»؛ ولا يمكن أن يتوفر الآن إلا في الأرشيف.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>يجري تنزيل «%1» بالفعل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>لا يزال «%1» قيد التسجيل؛ أوقفه أولًا.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>تعذّر حذف %1. تحقّق من إمكانية الكتابة إلى مجلده.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>أُغلق التطبيق أثناء التسجيل.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>لم يكن التطبيق يعمل في وقت التسجيل.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>جارٍ التسجيل: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>تعذّر بدء «%1»: يسمح الخادم بـ %2 بث في آن واحد، وهذه مفتوحة: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>تعذّر تسجيل «%1»: لم يعد خادمه مُعدًّا.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>جارٍ التنزيل: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>توقف قبل النهاية: يحتوي الملف على الجزء الذي وصل فقط.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>لا يمكن تسجيل «%1»: مع %n تسجيل آخر في ذلك الوقت وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تسجيل «%1»: مع %n تسجيل آخر في ذلك الوقت وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تسجيل «%1»: مع %n تسجيلين آخرين في ذلك الوقت وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تسجيل «%1»: مع %n تسجيلات أخرى في ذلك الوقت وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تسجيل «%1»: مع %n تسجيلًا آخر في ذلك الوقت وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تسجيل «%1»: مع %n تسجيل آخر في ذلك الوقت وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>لا يمكن تنزيل «%1» الآن: مع %n تسجيل جارٍ في الأثناء وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تنزيل «%1» الآن: مع %n تسجيل جارٍ في الأثناء وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تنزيل «%1» الآن: مع %n تسجيلين جاريين في الأثناء وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تنزيل «%1» الآن: مع %n تسجيلات جارية في الأثناء وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تنزيل «%1» الآن: مع %n تسجيلًا جاريًا في الأثناء وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
            <numerusform>لا يمكن تنزيل «%1» الآن: مع %n تسجيل جارٍ في الأثناء وما تشاهده، يلزم %2 بث في آن واحد، والخادم يسمح بـ %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>اختيار...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>مجلد التسجيلات:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>مجلد التسجيلات</translation>
    </message>
    <message>
        <source> min</source>
        <translation> د</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>بدء برامج الدليل مبكرًا بمقدار:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>وإنهاؤها متأخرًا بمقدار:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>تستمر القناة المباشرة الموقوفة مؤقتًا في الوصول إلى مخزن مؤقت على القرص، ولا يُحتفظ إلا بأحدث جزء منها بهذا الطول.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>مخزن الإيقاف المؤقت للتلفزيون المباشر:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>تعذّر تحديث قائمة التسجيلات في %1 (%2: %3). تحقّق من إمكانية الكتابة إلى الملف ومجلده.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>%n تسجيل جارٍ.</numerusform>
            <numerusform>%n تسجيل جارٍ.</numerusform>
            <numerusform>%n تسجيلان جاريان.</numerusform>
            <numerusform>%n تسجيلات جارية.</numerusform>
            <numerusform>%n تسجيلًا جاريًا.</numerusform>
            <numerusform>%n تسجيل جارٍ.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>هناك تسجيل مجدول خلال اليوم القادم.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>التسجيلات تحتاج إلى المشغّل</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 تحتاج التسجيلات إلى بقاء التطبيق مفتوحًا، ولا يحتوي سطح المكتب هذا على علبة نظام لإبقائه فيها. هل تريد الإغلاق على أي حال؟</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>متابعة التسجيل؟</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 هل تريد إبقاء التطبيق يعمل في علبة النظام حتى تنتهي؟</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>الإبقاء قيد التشغيل في العلبة</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>إنهاء وإيقاف التسجيل</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>إظهار المشغّل</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player يسجّل الآن</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>البحث في كل شيء</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>ابحث في القنوات والأفلام والمسلسلات والبرامج...</translation>
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
        <translation>لم يعد تسجيل الدخول بمفتاح اشتراك Quorbin مدعومًا. أضف خادمك مرة أخرى باستخدام بيانات دخول Xtream أو رابط قائمة تشغيل M3U.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>الخادم:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>إضافة خادم...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>تعديل الخادم...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>تحديث قائمة التشغيل</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (لم يعد مدعومًا)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>أضف خادمك مرة أخرى</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>إضافة خادم</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>يُرجى إدخال عنوان URL/مسار صالح.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>تعديل الخادم</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>أُضيف «%1» بمفتاح اشتراك Quorbin.

%2

هل تريد حذف «%1» الآن؟</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>الخادم لم يعد مدعومًا</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>اشتراك Quorbin</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>بدلًا من ذلك، اكتب تفاصيل الخادم على هاتفك باستخدام رمز يُعرض هنا</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>أو أدخل تفاصيل الخادم هنا:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>قائمة تشغيل M3U</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>نوع الخادم:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u أو مسار ملف محلي</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>رفع ملف...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>رابط/ملف قائمة التشغيل:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>اختبار الاتصال</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>عنوان URL للخادم:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>تنسيق البث المباشر:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>فارغ: دليل الخادم نفسه</translation>
    </message>
    <message>
        <source> h</source>
        <translation> س</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>عنوان URL للدليل:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>فرق توقيت الدليل:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>حذف الخادم</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>تعديل الخادم</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>إضافة خادم</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>رفع قائمة تشغيل M3U</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>قوائم التشغيل (*.m3u *.m3u8);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>جارٍ الاختبار...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>الاتصال سليم</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>فشل: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>هل تريد حذف الخادم «%1»؟ لا يمكن التراجع عن ذلك.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>حساب Xtream</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>بلا حد</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>الاتصالات المسموح بها:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>توقّف البث عن التقدّم لمدة %1 ثانية.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>أرسل الخادم صفحة ويب بدلًا من بث القناة؛ لم يُسجَّل شيء. ربما لم يعد الحساب أو القناة فعّالًا.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>القرص ممتلئ: توقّف التسجيل بعد %1. ما سُجّل محفوظ في %2.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>تعذّرت كتابة التسجيل في %1 وتوقّف بعد %2. ما سُجّل محفوظ.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>لا يمكن الكتابة إلى المجلد %1، لذا لم يُسجَّل شيء. اختر مجلدًا آخر للتسجيلات في التفضيلات.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>رفض الخادم الاتصال للتسجيل (حالة HTTP %1). ربما لا يسمح بمزيد من عمليات البث المتزامنة لهذا الحساب، أو لم يعد يوفّر القناة.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>رفض الخادم التنزيل (حالة HTTP %1). ربما لم يعد يحتفظ بهذا البرنامج، أو لا يسمح بمزيد من عمليات البث المتزامنة لهذا الحساب.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>قطع الخادم التنزيل بعد %1؛ ما وصل محفوظ.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>لم يبدأ التشغيل: يسمح هذا الخادم بـ %n بث في آن واحد، وكلها قيد الاستخدام (%1). أغلق أحدها لمشاهدة هذه القناة هنا.</numerusform>
            <numerusform>لم يبدأ التشغيل: يسمح هذا الخادم بـ %n بث في آن واحد، وكلها قيد الاستخدام (%1). أغلق أحدها لمشاهدة هذه القناة هنا.</numerusform>
            <numerusform>لم يبدأ التشغيل: يسمح هذا الخادم بـ %n بثّين في آن واحد، وكلها قيد الاستخدام (%1). أغلق أحدها لمشاهدة هذه القناة هنا.</numerusform>
            <numerusform>لم يبدأ التشغيل: يسمح هذا الخادم بـ %n عمليات بث في آن واحد، وكلها قيد الاستخدام (%1). أغلق أحدها لمشاهدة هذه القناة هنا.</numerusform>
            <numerusform>لم يبدأ التشغيل: يسمح هذا الخادم بـ %n بثًّا في آن واحد، وكلها قيد الاستخدام (%1). أغلق أحدها لمشاهدة هذه القناة هنا.</numerusform>
            <numerusform>لم يبدأ التشغيل: يسمح هذا الخادم بـ %n بث في آن واحد، وكلها قيد الاستخدام (%1). أغلق أحدها لمشاهدة هذه القناة هنا.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>جارٍ الاتصال بـ %1…</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>جارٍ إعادة الاتصال بـ %1… (المحاولة %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>العرض المتعدد: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>القرص الذي يحوي %1 ممتلئ، لذا لم يعد من الممكن إيقاف القناة مؤقتًا. تعود القناة إلى البث المباشر.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>لا يمكن الكتابة إلى %1، لذا لم يعد من الممكن إيقاف القناة مؤقتًا. تعود القناة إلى البث المباشر.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>رفض الخادم الاتصال لمخزن الإيقاف المؤقت (حالة HTTP %1)، لذا لا يمكن إيقاف القناة مؤقتًا. ربما لا يسمح بمزيد من عمليات البث المتزامنة لهذا الحساب. تعود القناة إلى البث المباشر.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>أرسل الخادم صفحة ويب بدلًا من بث القناة، لذا لا يمكن إيقاف القناة مؤقتًا. تعود القناة إلى البث المباشر.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>ترسل القناة بثّها بصيغة لا يمكن حفظها على القرص، لذا لا يمكن إيقافها مؤقتًا. تعود القناة إلى البث المباشر.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>لا يمكن الكتابة إلى %1، لذا لا يمكن إيقاف القناة مؤقتًا.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>انتهى الإيقاف المؤقت</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>مباشر</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>العودة إلى الصورة المباشرة (L)</translation>
    </message>
    <message>
        <source>-%1</source>
        <comment>how far the picture is behind live</comment>
        <translation>‪-%1‬</translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>تحميل ملف ترجمة...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>لا توجد مسارات صوتية</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>تحميل ملف ترجمة</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>الترجمات (*.srt *.ass *.ssa *.sub *.vtt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>معلومات البث</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>تعذّر إنشاء وسائط لعنوان URL: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>فشل بدء التشغيل لـ: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>المسار %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>لا يوجد مشغّل.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>لم تُحمَّل أي وسائط.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>بلغ التشغيل نهاية البث (قد يحدث هذا أيضًا إذا انتهى الانتقال إلى موضع لا يمكن للبث الاستئناف منه).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>واجه libVLC خطأً أثناء البث.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>توقّف البث المباشر عن إرسال البيانات.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>تعذّر إنشاء وسائط لملف قيد الكتابة.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>فشل بدء التشغيل.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>حجم الدليل أكبر من %1 MB</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>الدليل ليس بتنسيق XMLTV صالح (السطر %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>الدليل المضغوط تالف (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>تعذّر بدء فك ضغط الدليل</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>لم يرسل الخادم دليل XMLTV (المستند هو &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>الدليل المضغوط مبتور</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>الدليل فارغ</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>لا يمكن قراءة مجموعة محارف الدليل «%1»: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>غير متوافقة مع ASCII</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>تعذّر الوصول إلى الخادم أو الاستجابة غير صالحة</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>هذا الحساب غير فعّال على ذلك الخادم (الحالة: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>فشلت المصادقة - تحقّق من عنوان URL للخادم واسم المستخدم وكلمة المرور</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>لا يمكن استيراد تشكيلة القنوات الموجودة في الملف: %1 لم يتغيّر شيء.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>ليست قائمة خوادم.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>خادم بلا اسم.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>الخادم «%1» مُدرج مرتين.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>عناوين الدليل للخادم «%1» ليست قائمة من %2 عنوان على الأكثر.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>أحد عناوين الدليل للخادم «%1» غير صالح.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>إدخالات «%1» ليست قائمة.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>تحتوي على أكثر من %1 إدخال.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>الإدخال %1 في «%2»: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>ليس كائنًا.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>نوع غير معروف «%1».</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>صنف غير معروف.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>لا يوجد معرّف.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>«%1» ليست true أو false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>«%1» ليس نصًا.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>الموضع ليس رقمًا من 0 إلى %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>إزاحة الوقت ليست أرباع ساعة كاملة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>«%1» مُدرج مرتين.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>لا يحتوي الخادم على %1 بالمعرّف «%2».</translation>
    </message>
    <message>
        <source>category</source>
        <translation>فئة</translation>
    </message>
    <message>
        <source>item</source>
        <translation>عنصر</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>فتح نافذة أخرى حتى لو كان المشغّل يعمل بالفعل بهذا الملف الشخصي.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>مشغّل سطح مكتب للتلفزيون عبر الإنترنت: حسابات Xtream Codes وقوائم تشغيل M3U.
عند التشغيل مرة ثانية تظهر نافذة المشغّل العامل بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>Velmora Player يعمل بالفعل؛ وقد نُقلت نافذته إلى الواجهة.</translation>
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
        <translation>● %1 (قيد التسجيل)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (مجدول)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (فائت)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (فشل)</translation>
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
            <numerusform>انقطع البث %n مرة؛ %1 مفقودة.</numerusform>
            <numerusform>انقطع البث %n مرة؛ %1 مفقودة.</numerusform>
            <numerusform>انقطع البث %n مرتين؛ %1 مفقودة.</numerusform>
            <numerusform>انقطع البث %n مرات؛ %1 مفقودة.</numerusform>
            <numerusform>انقطع البث %n مرة؛ %1 مفقودة.</numerusform>
            <numerusform>انقطع البث %n مرة؛ %1 مفقودة.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (قيد التنزيل)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (قيد التنزيل، %2%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (غير مكتمل)</translation>
    </message>
</context>
</TS>
