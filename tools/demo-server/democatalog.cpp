#include "democatalog.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <span>

namespace {

// Movie stream ids live in the same id space as channels on real servers; a large fixed offset
// keeps every id the same whatever the scale.
constexpr qint64 kFirstMovieId = 1'000'001;
constexpr qint64 kNewestAdded = 1'700'000'000; // Nov 2023: "added" counts back from here

// splitmix64: a tiny, well-mixed hash, so each entry gets its own reproducible random stream.
quint64 mix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

class Dice final
{
public:
    Dice(quint64 salt, qint64 id)
        : state(mix(salt * 0x100000001b3ULL ^ quint64(id)))
    {}
    quint64 next() { return mix(state++); }
    int below(int n) { return n <= 1 ? 0 : int(next() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& pick(std::span<const T> list)
    {
        return list[size_t(below(int(list.size())))];
    }

private:
    quint64 state;
};

enum Salt : quint64
{
    LiveSalt = 11,
    MovieSalt = 23,
    SeriesSalt = 37,
    EpisodeSalt = 41,
    WeightSalt = 53,
    DetailSalt = 67
};

enum Locale
{
    En,
    De,
    Fr,
    Es,
    Tr,
    Ru,
    El,
    Ar,
    Ja,
    Zh,
    He,
    LocaleCount,
    Mixed = LocaleCount // genre categories: mostly English, some of everything
};

using Words = std::span<const QStringView>;

constexpr QStringView kEnAdjectives[] = {
    u"Silent",   u"Crimson", u"Last",    u"Hidden",   u"Broken",   u"Golden",
    u"Midnight", u"Frozen",  u"Distant", u"Wild",     u"Electric", u"Forgotten",
    u"Burning",  u"Secret",  u"Endless", u"Northern", u"Lonely",   u"Iron",
    u"Velvet",   u"Scarlet", u"Hollow",  u"Restless", u"Fading",   u"Savage"};
constexpr QStringView kEnNouns[] = {u"Harbor", u"Empire",   u"Garden",  u"Signal",  u"Horizon",
                                    u"River",  u"Protocol", u"Mirror",  u"Kingdom", u"Frontier",
                                    u"Echo",   u"Orchard",  u"Voyage",  u"Circuit", u"Lighthouse",
                                    u"Summer", u"Witness",  u"Highway", u"Compass", u"Canyon",
                                    u"Island", u"Café",     u"Station", u"Crown"};
constexpr QStringView kEnMovieEndings[] = {
    u" 2", u" II", u": Reckoning", u": The Return", u": Origins", u" Rising", u": Director's Cut"};
constexpr QStringView kEnSeriesWords[] = {u"Chronicles", u"Files",  u"Academy", u"Diaries",
                                          u"Affair",     u"Legacy", u"Heights", u"Confidential",
                                          u"Street",     u"Bay",    u"Code",    u"Unit"};

struct Phrase
{
    Words first;
    Words second;
    QStringView separator;
};

constexpr QStringView kDeFirst[] = {
    u"Schatten über",     u"Die Nacht in", u"Rückkehr nach", u"Sommer in", u"Ärger in",
    u"Das Geheimnis von", u"Flucht aus",   u"Träume von",    u"Mord in",   u"Liebe in"};
constexpr QStringView kDeSecond[] = {u"Berlin", u"Hamburg", u"Wien",   u"München",    u"Zürich",
                                     u"Köln",   u"Dresden", u"Lübeck", u"Düsseldorf", u"Graz"};
constexpr QStringView kFrFirst[] = {u"Le Secret de",   u"Retour à", u"Une nuit à",
                                    u"Les Ombres de",  u"L'Été à",  u"Le Café de",
                                    u"Les Enfants de", u"Mystère à"};
constexpr QStringView kFrSecond[] = {u"Paris",  u"Marseille", u"Lyon",     u"Nantes",
                                     u"Québec", u"Genève",    u"Bordeaux", u"Montréal"};
constexpr QStringView kEsFirst[] = {u"El Silencio de",     u"Noches en",       u"La Casa de",
                                    u"Regreso a",          u"Los Secretos de", u"Amor en",
                                    u"El Último Verano en"};
constexpr QStringView kEsSecond[] = {u"Sevilla", u"Madrid",  u"Valparaíso", u"Bogotá",
                                     u"Málaga",  u"Córdoba", u"Cádiz",      u"Oaxaca"};
constexpr QStringView kTrFirst[] = {u"İstanbul", u"Ankara",    u"Karadeniz",
                                    u"Ege",      u"Kapadokya", u"Boğaziçi"};
constexpr QStringView kTrSecond[] = {u"Günlüğü", u"Sırları",  u"Rüzgârı",
                                     u"Yıldızı", u"Hikâyesi", u"Gecesi"};
constexpr QStringView kRuFirst[] = {u"Тихая",  u"Последняя", u"Северная", u"Золотая",
                                    u"Тёмная", u"Долгая",    u"Белая",    u"Холодная"};
constexpr QStringView kRuSecond[] = {u"гавань", u"ночь",   u"река",  u"зима",
                                     u"дорога", u"звезда", u"весна", u"граница"};
constexpr QStringView kElFirst[] = {u"Το καλοκαίρι", u"Η επιστροφή", u"Το μυστικό", u"Η σιωπή",
                                    u"Ο δρόμος",     u"Το φως",      u"Η νύχτα"};
constexpr QStringView kElSecond[] = {u"του Αιγαίου", u"της Κρήτης", u"της θάλασσας",
                                     u"του Βορρά",   u"της Αθήνας", u"του νησιού"};
constexpr QStringView kArFirst[] = {u"ليالي", u"أسرار", u"طريق", u"بيت",
                                    u"نجوم",  u"حكاية", u"رحلة"};
constexpr QStringView kArSecond[] = {u"القاهرة", u"الصحراء", u"البحر",  u"المدينة",
                                     u"الشمال",  u"النيل",   u"الأندلس"};
constexpr QStringView kJaFirst[] = {u"東京", u"京都", u"大阪", u"北海道", u"海辺", u"夏", u"月"};
constexpr QStringView kJaSecond[] = {u"の夜", u"の約束", u"の記憶", u"物語",
                                     u"の空", u"の手紙", u"の花"};
constexpr QStringView kZhFirst[] = {u"长安", u"上海", u"江南", u"北京", u"香港", u"西湖", u"大漠"};
constexpr QStringView kZhSecond[] = {u"往事", u"之夜", u"传奇", u"风云", u"故事", u"恋歌", u"英雄"};
constexpr QStringView kHeFirst[] = {u"סודות", u"לילות", u"אורות", u"שקט", u"רחובות"};
constexpr QStringView kHeSecond[] = {u"ירושלים", u"תל אביב", u"חיפה", u"הגליל", u"הנגב", u"אילת"};

const std::array<Phrase, LocaleCount>& phrases()
{
    static const std::array<Phrase, LocaleCount> table = {{
        {kEnAdjectives, kEnNouns, u" "},
        {kDeFirst, kDeSecond, u" "},
        {kFrFirst, kFrSecond, u" "},
        {kEsFirst, kEsSecond, u" "},
        {kTrFirst, kTrSecond, u" "},
        {kRuFirst, kRuSecond, u" "},
        {kElFirst, kElSecond, u" "},
        {kArFirst, kArSecond, u" "},
        {kJaFirst, kJaSecond, u""},
        {kZhFirst, kZhSecond, u""},
        {kHeFirst, kHeSecond, u" "},
    }};
    return table;
}

constexpr QStringView kEnBrands[] = {u"Nova",     u"Astra",  u"Orbit",  u"Pulse",
                                     u"Vista",    u"Aurora", u"Zenith", u"Lumen",
                                     u"Meridian", u"Summit", u"Beacon"};
constexpr QStringView kDeBrands[] = {u"Nordlicht", u"Alpen", u"Spree", u"Rhein", u"Elbe"};
constexpr QStringView kFrBrands[] = {u"Azur", u"Lumière", u"Étoile", u"Rivage"};
constexpr QStringView kEsBrands[] = {u"Sol", u"Brisa", u"Faro", u"Andes", u"Costa"};
constexpr QStringView kTrBrands[] = {u"Anadolu", u"Yıldız", u"Deniz", u"Güneş"};
constexpr QStringView kRuBrands[] = {u"Первый", u"Звезда", u"Север", u"Волна", u"Восток"};
constexpr QStringView kElBrands[] = {u"Αστέρι", u"Ακτή", u"Ήλιος", u"Όλυμπος"};
constexpr QStringView kArBrands[] = {u"النيل", u"الخليج", u"الفجر", u"الهلال", u"الأفق"};
constexpr QStringView kJaBrands[] = {u"東京", u"富士", u"桜", u"日の出"};
constexpr QStringView kZhBrands[] = {u"东方", u"长城", u"明珠", u"华夏"};
constexpr QStringView kHeBrands[] = {u"כוכב", u"גלים", u"אופק", u"שחר"};

Words brands(int locale)
{
    switch (locale) {
    case De:
        return kDeBrands;
    case Fr:
        return kFrBrands;
    case Es:
        return kEsBrands;
    case Tr:
        return kTrBrands;
    case Ru:
        return kRuBrands;
    case El:
        return kElBrands;
    case Ar:
        return kArBrands;
    case Ja:
        return kJaBrands;
    case Zh:
        return kZhBrands;
    case He:
        return kHeBrands;
    default:
        return kEnBrands;
    }
}

struct CategoryRecipe
{
    QStringView name;
    int locale;
    QStringView prefix; // live channels: country code written before the name
    Words genres;       // live channels: what the channel names say about the programme
};

constexpr QStringView kNewsWords[] = {u"News", u"News 24", u"Headlines"};
constexpr QStringView kSportWords[] = {u"Sports", u"Sports 2", u"Football", u"Golf", u"Racing"};
constexpr QStringView kEntertainmentWords[] = {u"One", u"Two", u"Plus", u"Drama", u"Comedy"};
constexpr QStringView kKidsWords[] = {u"Kids", u"Junior", u"Toons"};
constexpr QStringView kDeNewsWords[] = {u"Nachrichten", u"Aktuell", u"Info"};
constexpr QStringView kDeSportWords[] = {u"Sport", u"Fußball", u"Sport 2"};
constexpr QStringView kFrWords[] = {u"Info", u"Actualités", u"Direct"};
constexpr QStringView kEsWords[] = {u"Deportes", u"Fútbol", u"Deportes 2"};
constexpr QStringView kTrWords[] = {u"Haber", u"Spor", u"Dizi", u"Belgesel"};
constexpr QStringView kRuNewsWords[] = {u"Новости", u"24", u"Инфо"};
constexpr QStringView kRuFilmWords[] = {u"Кино", u"Сериал", u"Кинохит"};
constexpr QStringView kElWords[] = {u"Ειδήσεις", u"Ενημέρωση"};
constexpr QStringView kArNewsWords[] = {u"الأخبار", u"الإخبارية"};
constexpr QStringView kArSportWords[] = {u"الرياضية", u"سبورت"};
constexpr QStringView kJaWords[] = {u"ニュース", u"報道"};
constexpr QStringView kZhWords[] = {u"新闻", u"资讯台"};
constexpr QStringView kHeWords[] = {u"חדשות", u"ספורט", u"24"};
constexpr QStringView kMusicWords[] = {u"Music", u"Hits", u"Classics", u"Jazz", u"Rock"};
constexpr QStringView kDocWords[] = {u"Docs", u"Nature", u"History", u"Science"};
constexpr QStringView kUhdWords[] = {u"4K", u"UHD"};
constexpr QStringView kNoWords[] = {u""};

const CategoryRecipe kLiveRecipes[] = {
    {u"UK | News", En, u"UK", kNewsWords},
    {u"UK | Sports", En, u"UK", kSportWords},
    {u"UK | Entertainment", En, u"UK", kEntertainmentWords},
    {u"US | News", En, u"US", kNewsWords},
    {u"US | Sports", En, u"US", kSportWords},
    {u"US | Kids", En, u"US", kKidsWords},
    {u"DE | Nachrichten", De, u"DE", kDeNewsWords},
    {u"DE | Sport", De, u"DE", kDeSportWords},
    {u"FR | Actualités", Fr, u"FR", kFrWords},
    {u"ES | Deportes", Es, u"ES", kEsWords},
    {u"TR | Ulusal", Tr, u"TR", kTrWords},
    {u"RU | Новости", Ru, u"RU", kRuNewsWords},
    {u"RU | Кино", Ru, u"RU", kRuFilmWords},
    {u"GR | Ειδήσεις", El, u"GR", kElWords},
    {u"AR | أخبار", Ar, u"AR", kArNewsWords},
    {u"AR | رياضة", Ar, u"AR", kArSportWords},
    {u"JP | ニュース", Ja, u"JP", kJaWords},
    {u"CN | 新闻", Zh, u"CN", kZhWords},
    {u"IL | חדשות", He, u"IL", kHeWords},
    {u"Music", En, u"", kMusicWords},
    {u"Documentary", En, u"", kDocWords},
    {u"24/7 Movies", En, u"", kNoWords},
    {u"4K UHD", En, u"", kUhdWords},
};

const CategoryRecipe kMovieRecipes[] = {
    {u"Action", Mixed, {}, {}},          {u"Comedy", Mixed, {}, {}},
    {u"Drama", Mixed, {}, {}},           {u"Horror", Mixed, {}, {}},
    {u"Science Fiction", Mixed, {}, {}}, {u"Documentary", Mixed, {}, {}},
    {u"Animation", Mixed, {}, {}},       {u"Thriller", Mixed, {}, {}},
    {u"Romance", Mixed, {}, {}},         {u"Family", Mixed, {}, {}},
    {u"Crime", Mixed, {}, {}},           {u"Western", En, {}, {}},
    {u"4K Movies", Mixed, {}, {}},       {u"Deutsch | Filme", De, {}, {}},
    {u"Français | Films", Fr, {}, {}},   {u"Español | Películas", Es, {}, {}},
    {u"Türk Filmleri", Tr, {}, {}},      {u"Русское кино", Ru, {}, {}},
    {u"Ελληνικές ταινίες", El, {}, {}},  {u"أفلام عربية", Ar, {}, {}},
    {u"日本映画", Ja, {}, {}},           {u"华语电影", Zh, {}, {}},
    {u"סרטים ישראליים", He, {}, {}},
};

const CategoryRecipe kSeriesRecipes[] = {
    {u"Drama Series", Mixed, {}, {}},
    {u"Comedy Series", Mixed, {}, {}},
    {u"Crime & Mystery", Mixed, {}, {}},
    {u"Sci-Fi & Fantasy", Mixed, {}, {}},
    {u"Kids", En, {}, {}},
    {u"Documentary Series", En, {}, {}},
    {u"Reality", En, {}, {}},
    {u"Anime", Ja, {}, {}},
    {u"Deutsch | Serien", De, {}, {}},
    {u"Séries françaises", Fr, {}, {}},
    {u"Series en español", Es, {}, {}},
    {u"Türk Dizileri", Tr, {}, {}},
    {u"Русские сериалы", Ru, {}, {}},
    {u"Ελληνικές σειρές", El, {}, {}},
    {u"مسلسلات عربية", Ar, {}, {}},
    {u"סדרות ישראליות", He, {}, {}},
    {u"华语剧", Zh, {}, {}},
};

std::span<const CategoryRecipe> recipes(DemoCatalog::Kind kind)
{
    switch (kind) {
    case DemoCatalog::Kind::Live:
        return kLiveRecipes;
    case DemoCatalog::Kind::Movie:
        return kMovieRecipes;
    case DemoCatalog::Kind::Series:
        return kSeriesRecipes;
    }
    return {};
}

int firstCategoryId(DemoCatalog::Kind kind)
{
    switch (kind) {
    case DemoCatalog::Kind::Live:
        return 1;
    case DemoCatalog::Kind::Movie:
        return 101;
    case DemoCatalog::Kind::Series:
        return 201;
    }
    return 1;
}

quint64 saltOf(DemoCatalog::Kind kind)
{
    switch (kind) {
    case DemoCatalog::Kind::Live:
        return LiveSalt;
    case DemoCatalog::Kind::Movie:
        return MovieSalt;
    case DemoCatalog::Kind::Series:
        return SeriesSalt;
    }
    return 0;
}

// Categories get uneven sizes, as on real servers: cumulative weights between 1 and 8.
std::vector<int> cumulativeWeights(DemoCatalog::Kind kind)
{
    std::vector<int> sums;
    int total = 0;
    const auto list = recipes(kind);
    for (size_t i = 0; i < list.size(); ++i) {
        Dice dice(WeightSalt + saltOf(kind), qint64(i));
        total += 1 + dice.below(8);
        sums.push_back(total);
    }
    return sums;
}

int pickCategory(const std::vector<int>& sums, Dice& dice)
{
    const int roll = dice.below(sums.back());
    return int(std::upper_bound(sums.begin(), sums.end(), roll) - sums.begin());
}

int localeFor(const CategoryRecipe& recipe, Dice& dice)
{
    if (recipe.locale != Mixed)
        return recipe.locale;
    return dice.chance(75) ? En : 1 + dice.below(LocaleCount - 1);
}

QString phraseTitle(int locale, Dice& dice)
{
    const Phrase& phrase = phrases()[size_t(locale)];
    QString title;
    if (locale == En && dice.chance(40))
        title = QStringLiteral("The ");
    if (locale == En && dice.chance(8))
        return title + QStringLiteral("Love & ") + dice.pick(phrase.second).toString();
    title += dice.pick(phrase.first).toString();
    title += phrase.separator;
    title += dice.pick(phrase.second).toString();
    return title;
}

QString movieTitle(int locale, int year, Dice& dice)
{
    QString title = phraseTitle(locale, dice);
    if (locale == En && dice.chance(15))
        title += dice.pick(Words(kEnMovieEndings)).toString();
    if (dice.chance(35))
        title += QStringLiteral(" (%1)").arg(year);
    return title;
}

QString seriesTitle(int locale, Dice& dice)
{
    if (locale == En && dice.chance(60))
        return dice.pick(Words(kEnNouns)).toString() + u' ' +
               dice.pick(Words(kEnSeriesWords)).toString();
    return phraseTitle(locale, dice);
}

QString channelName(const CategoryRecipe& recipe, Dice& dice)
{
    if (recipe.genres.front().isEmpty()) // the 24/7 channels each loop one film
        return QStringLiteral("24/7 ") + phraseTitle(En, dice);
    QString name;
    if (!recipe.prefix.isEmpty())
        name = recipe.prefix.toString() + QStringLiteral(": ");
    name += dice.pick(brands(recipe.locale)).toString();
    name += u' ';
    name += dice.pick(recipe.genres).toString();
    static constexpr QStringView kQualities[] = {u" HD", u" FHD", u" SD", u" HD", u" +1"};
    if (dice.chance(70))
        name += dice.pick(Words(kQualities)).toString();
    return name;
}

int yearFor(Dice& dice)
{
    return 1960 + dice.below(64);
}

int ratingFor(Dice& dice)
{
    if (dice.chance(8))
        return -1;
    return 35 + dice.below(58); // 3.5 to 9.2
}

constexpr QStringView kPeople[] = {u"Ana Moreau",  u"Jon Halvorsen", u"Mia Takeda",
                                   u"Oleg Petrov", u"Sara Haddad",   u"Luca Bianchi",
                                   u"Eva Nowak",   u"Kenji Mori",    u"Lea Schulz",
                                   u"Omar Farouk", u"Nina Ivanova",  u"Tom Becker"};
constexpr QStringView kPlotOpenings[] = {u"A reluctant hero",    u"Two estranged sisters",
                                         u"A retired detective", u"A young engineer",
                                         u"An exiled prince",    u"A small-town reporter",
                                         u"A ship's crew",       u"A family of musicians"};
constexpr QStringView kPlotTwists[] = {
    u"uncovers a secret that changes everything", u"must cross the country before winter",
    u"returns home after twenty years",           u"is drawn into a conspiracy",
    u"races against time to save a friend",       u"learns what the old letters really mean"};

QString episodeTitle(int season, int number, Dice& dice)
{
    switch (dice.below(4)) {
    case 0:
        return QStringLiteral("Episode %1").arg(number);
    case 1:
        return QStringLiteral("Chapter %1: The %2").arg(number).arg(dice.pick(Words(kEnNouns)));
    case 2:
        return dice.pick(Words(kEnAdjectives)).toString() + u' ' +
               dice.pick(Words(kEnNouns)).toString();
    default:
        return QStringLiteral("%1x%2 %3")
            .arg(season)
            .arg(number, 2, 10, QLatin1Char('0'))
            .arg(dice.pick(Words(kEnNouns)));
    }
}

} // namespace

DemoCatalog::DemoCatalog(int scale)
    : scaleValue(qMax(1, scale))
{
    auto build = [&](Kind kind, QList<Category>& categories, std::vector<Entry>& entries) {
        const auto list = recipes(kind);
        for (size_t i = 0; i < list.size(); ++i)
            categories.append(
                {QString::number(firstCategoryId(kind) + int(i)), list[i].name.toString()});

        const std::vector<int> sums = cumulativeWeights(kind);
        const int count = countFor(kind, scaleValue);
        const qint64 firstId = kind == Kind::Movie ? kFirstMovieId : 1;
        entries.resize(size_t(count));
        for (int i = 0; i < count; ++i) {
            Entry& entry = entries[size_t(i)];
            entry.id = firstId + i;
            Dice dice(saltOf(kind), entry.id);
            // The first entries go one to each category, so no category is empty.
            entry.category = i < int(list.size()) ? i : pickCategory(sums, dice);
            const CategoryRecipe& recipe = list[size_t(entry.category)];
            entry.added = kNewestAdded - qint64(dice.below(6 * 365 * 86400));
            if (kind == Kind::Live) {
                entry.name = channelName(recipe, dice);
                continue;
            }
            const int locale = localeFor(recipe, dice);
            entry.year = yearFor(dice);
            entry.ratingTenths = ratingFor(dice);
            if (kind == Kind::Movie) {
                entry.name = movieTitle(locale, entry.year, dice);
                entry.extension = dice.chance(85) ? QStringLiteral("mp4") : QStringLiteral("mkv");
            } else {
                entry.name = seriesTitle(locale, dice);
            }
        }
    };
    build(Kind::Live, liveCategories, liveEntries);
    build(Kind::Movie, movieCategories, movieEntries);
    build(Kind::Series, seriesCategories, seriesEntries);
}

int DemoCatalog::countFor(Kind kind, int scale)
{
    scale = qMax(1, scale);
    switch (kind) {
    case Kind::Live:
        return qMax(1, scale / 10);
    case Kind::Movie:
        return scale;
    case Kind::Series:
        return qMax(1, scale / 5);
    }
    return 0;
}

const QList<DemoCatalog::Category>& DemoCatalog::categories(Kind kind) const
{
    switch (kind) {
    case Kind::Live:
        return liveCategories;
    case Kind::Movie:
        return movieCategories;
    case Kind::Series:
        break;
    }
    return seriesCategories;
}

const std::vector<DemoCatalog::Entry>& DemoCatalog::entries(Kind kind) const
{
    switch (kind) {
    case Kind::Live:
        return liveEntries;
    case Kind::Movie:
        return movieEntries;
    case Kind::Series:
        break;
    }
    return seriesEntries;
}

const DemoCatalog::Entry* DemoCatalog::find(Kind kind, qint64 id) const
{
    const std::vector<Entry>& list = entries(kind);
    const qint64 index = id - (kind == Kind::Movie ? kFirstMovieId : 1);
    if (index < 0 || index >= qint64(list.size()))
        return nullptr;
    return &list[size_t(index)];
}

QString DemoCatalog::categoryName(Kind kind, const Entry& entry) const
{
    return categories(kind).value(entry.category).name;
}

DemoCatalog::Details DemoCatalog::details(Kind kind, const Entry& entry) const
{
    Dice dice(DetailSalt + saltOf(kind), entry.id);
    Details d;
    d.plot = dice.pick(Words(kPlotOpenings)).toString() + u' ' +
             dice.pick(Words(kPlotTwists)).toString() + QStringLiteral(" in \u201C") + entry.name +
             QStringLiteral("\u201D.");
    const int first = dice.below(int(std::size(kPeople)));
    QStringList cast;
    for (int i = 0; i < 3; ++i)
        cast << kPeople[size_t(first + i * 5) % std::size(kPeople)].toString();
    d.cast = cast.join(QStringLiteral(", "));
    d.director = kPeople[size_t(first + 2) % std::size(kPeople)].toString();
    d.genre = categoryName(kind, entry);
    const int year = entry.year > 0 ? entry.year : 2020;
    d.releaseDate = QStringLiteral("%1-%2-%3")
                        .arg(year)
                        .arg(1 + dice.below(12), 2, 10, QLatin1Char('0'))
                        .arg(1 + dice.below(28), 2, 10, QLatin1Char('0'));
    d.runtimeMinutes = kind == Kind::Series ? 22 + dice.below(40) : 80 + dice.below(70);
    return d;
}

int DemoCatalog::seasonCount(const Entry& series) const
{
    Dice dice(EpisodeSalt, series.id);
    // One series in forty runs long, so season keys 10 and up exist too.
    if (series.id % 40 == 7)
        return 10 + dice.below(3);
    return 1 + dice.below(5);
}

int DemoCatalog::episodeCount(const Entry& series, int season) const
{
    Dice dice(EpisodeSalt, series.id * 64 + season);
    return 4 + dice.below(9);
}

quint64 DemoCatalog::seedOf(Kind kind, qint64 id)
{
    return Dice(saltOf(kind) + 1000, id).next();
}

qint64 DemoCatalog::episodeId(qint64 seriesId, int season, int number)
{
    return (seriesId * (kMaxSeasons + 1) + season) * (kMaxEpisodesPerSeason + 1) + number;
}

DemoCatalog::Episode DemoCatalog::makeEpisode(const Entry& series, int season, int number) const
{
    Episode e;
    e.id = episodeId(series.id, season, number);
    e.season = season;
    e.number = number;
    Dice dice(EpisodeSalt + 1, e.id);
    e.title = episodeTitle(season, number, dice);
    e.extension = dice.chance(80) ? QStringLiteral("mp4") : QStringLiteral("mkv");
    e.durationSecs = 60 * (22 + dice.below(40));
    e.added = series.added - qint64(seasonCount(series) - season) * 86400 * 90 + number * 86400 * 7;
    return e;
}

QList<DemoCatalog::Episode> DemoCatalog::episodes(const Entry& series) const
{
    QList<Episode> out;
    const int seasons = seasonCount(series);
    for (int season = 1; season <= seasons; ++season) {
        const int count = episodeCount(series, season);
        for (int number = 1; number <= count; ++number)
            out.append(makeEpisode(series, season, number));
    }
    return out;
}

std::optional<DemoCatalog::Episode> DemoCatalog::findEpisode(qint64 id, qint64* seriesId) const
{
    if (id <= 0)
        return std::nullopt;
    const int number = int(id % (kMaxEpisodesPerSeason + 1));
    const int season = int((id / (kMaxEpisodesPerSeason + 1)) % (kMaxSeasons + 1));
    const qint64 owner = id / ((kMaxEpisodesPerSeason + 1) * (kMaxSeasons + 1));
    const Entry* series = find(Kind::Series, owner);
    if (!series || season < 1 || season > seasonCount(*series) || number < 1 ||
        number > episodeCount(*series, season))
        return std::nullopt;
    if (seriesId)
        *seriesId = owner;
    return makeEpisode(*series, season, number);
}
