#include "testhelpers.h"
#include "testmain.h"
#include "ui/catalogfilter.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {
MediaItem item(const QString& name, const QString& category = QString(), qint64 added = 0,
               double rating = 0)
{
    MediaItem m;
    m.name = name;
    m.categoryId = category;
    m.addedAt = added;
    m.rating = rating;
    return m;
}

// Full case folding with the Turkish i's, then NFC: the comparison the rules are written in.
QString folded(QString text)
{
    text.replace(QChar(0x0130), QChar(u'i')).replace(QChar(0x0131), QChar(u'i'));
    return text.toUpper().toLower().normalized(QString::NormalizationForm_C);
}

QString withoutAccents(const QString& text)
{
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 0x0300 || c.unicode() > 0x036F)
            out += c;
    }
    return out.normalized(QString::NormalizationForm_C);
}

// The tier rules as the regular expressions they are written in, on folded text; 4 more when
// only the texts without accents match, -1 when nothing does.
int referenceTier(const QString& name, const QString& query)
{
    const auto tier = [](const QString& n, const QString& q) {
        if (!n.contains(q))
            return -1;
        if (n == q)
            return 0;
        if (n.startsWith(q))
            return 1;
        const QRegularExpression re(QStringLiteral("\\b") + QRegularExpression::escape(q),
                                    QRegularExpression::UseUnicodePropertiesOption);
        return re.match(n).hasMatch() ? 2 : 3;
    };
    const int exact = tier(folded(name), folded(query));
    if (exact >= 0)
        return exact;
    const int base = tier(withoutAccents(folded(name)), withoutAccents(folded(query)));
    return base >= 0 ? 4 + base : -1;
}
} // namespace

class TestCatalogFilter : public QObject
{
    Q_OBJECT

private slots:
    void relevance_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("shown");
        const QStringList news = {QStringLiteral("BBC News"), QStringLiteral("Newsmax"),
                                  QStringLiteral("News"), QStringLiteral("Channelnews HD"),
                                  QStringLiteral("Sport")};
        QTest::newRow("tiers: equal, prefix, word start, inside a word")
            << news << QStringLiteral("news")
            << QStringList{QStringLiteral("News"), QStringLiteral("Newsmax"),
                           QStringLiteral("BBC News"), QStringLiteral("Channelnews HD")};
        QTest::newRow("upper-case query, same order")
            << news << QStringLiteral("NEWS")
            << QStringList{QStringLiteral("News"), QStringLiteral("Newsmax"),
                           QStringLiteral("BBC News"), QStringLiteral("Channelnews HD")};
        QTest::newRow("equal tiers keep the stored order")
            << QStringList{QStringLiteral("Zed one"), QStringLiteral("alpha one"),
                           QStringLiteral("Beta one")}
            << QStringLiteral("one")
            << QStringList{QStringLiteral("Zed one"), QStringLiteral("alpha one"),
                           QStringLiteral("Beta one")};
        QTest::newRow("metacharacters are literal")
            << QStringList{QStringLiteral("Learn c++ now"), QStringLiteral("cpp"),
                           QStringLiteral("Film (HD)"), QStringLiteral("HD")}
            << QStringLiteral("c++") << QStringList{QStringLiteral("Learn c++ now")};
        QTest::newRow("query starting with a non-word character needs a word character before it")
            << QStringList{QStringLiteral("(hd) Plain"), QStringLiteral("Film (hd)"),
                           QStringLiteral("Film(hd)")}
            << QStringLiteral("(hd)")
            << QStringList{QStringLiteral("(hd) Plain"), QStringLiteral("Film(hd)"),
                           QStringLiteral("Film (hd)")};
        QTest::newRow("query is not trimmed")
            << QStringList{QStringLiteral("a  b"), QStringLiteral("a b")} << QStringLiteral("  ")
            << QStringList{QStringLiteral("a  b")};
        // Full case folding, normalisation and accents; exact matches before accent-folded ones,
        // each in the tiers and order of exact matches.
        QTest::newRow("Turkish dotted capital I")
            << QStringList{QStringLiteral("Kanal İSTANBUL TV"), QStringLiteral("İSTANBUL TV")}
            << QStringLiteral("istanbul")
            << QStringList{QStringLiteral("İSTANBUL TV"), QStringLiteral("Kanal İSTANBUL TV")};
        QTest::newRow("Turkish dotless i")
            << QStringList{QStringLiteral("Kırmızı Film")} << QStringLiteral("KIRMIZI")
            << QStringList{QStringLiteral("Kırmızı Film")};
        QTest::newRow("NFD name, NFC query")
            << QStringList{QStringLiteral("Cafe\u0301 Society"), QStringLiteral("Cafeteria")}
            << QStringLiteral("Caf\u00e9")
            << QStringList{QStringLiteral("Cafe\u0301 Society"), QStringLiteral("Cafeteria")};
        QTest::newRow("NFC name, NFD query, exact before accent-folded")
            << QStringList{QStringLiteral("Cafe TV"), QStringLiteral("Le Caf\u00e9")}
            << QStringLiteral("Cafe\u0301")
            << QStringList{QStringLiteral("Le Caf\u00e9"), QStringLiteral("Cafe TV")};
        QTest::newRow("sharp s") << QStringList{QStringLiteral("Straße TV"),
                                                QStringLiteral("STRASSE 2")}
                                 << QStringLiteral("strasse")
                                 << QStringList{QStringLiteral("Straße TV"),
                                                QStringLiteral("STRASSE 2")};
        QTest::newRow("accents ignored, exact first, order kept")
            << QStringList{QStringLiteral("Müzik TV"), QStringLiteral("Türk Müzik"),
                           QStringLiteral("Muzik HD"), QStringLiteral("Muzikal")}
            << QStringLiteral("muzik")
            << QStringList{QStringLiteral("Muzik HD"), QStringLiteral("Muzikal"),
                           QStringLiteral("Müzik TV"), QStringLiteral("Türk Müzik")};
        QTest::newRow("a mark that stays is not ignored: no exact match inside a letter")
            << QStringList{QStringLiteral("Naq\u0303ta"), QStringLiteral("Naqsh")}
            << QStringLiteral("naq")
            << QStringList{QStringLiteral("Naqsh"), QStringLiteral("Naq\u0303ta")};
        QTest::newRow("non-ASCII letters are word characters")
            << QStringList{QStringLiteral("Éclairs"), QStringLiteral("Les éclairs"),
                           QStringLiteral("Xéclairs")}
            << QStringLiteral("ÉCLAIR")
            << QStringList{QStringLiteral("Éclairs"), QStringLiteral("Les éclairs"),
                           QStringLiteral("Xéclairs")};
    }
    void relevance()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, query);
        QFETCH(QStringList, shown);
        QList<MediaItem> items;
        for (const QString& n : stored)
            items << item(n);
        QCOMPARE(itemNames(applyFilter(items, QString(), query)), shown);
    }

    void categories()
    {
        const QList<MediaItem> items = {item(QStringLiteral("a"), QStringLiteral("Sports")),
                                        item(QStringLiteral("b"), QStringLiteral("sports")),
                                        item(QStringLiteral("c"))};
        QCOMPARE(itemNames(applyFilter(items, QStringLiteral("Sports"), QString())),
                 QStringList{QStringLiteral("a")});
        // "All Categories" shows everything, items without a category included.
        QCOMPARE(itemNames(applyFilter(items, QString(), QString())),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    }

    void sortKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("name ignores case")
            << QStringLiteral("name") << QString()
            << QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("gamma"),
                           QStringLiteral("Gamma2")};
        QTest::newRow("unknown key sorts by name")
            << QStringLiteral("bogus") << QString()
            << QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("gamma"),
                           QStringLiteral("Gamma2")};
        QTest::newRow("added: newest first, ties keep order")
            << QStringLiteral("added") << QString()
            << QStringList{QStringLiteral("Gamma2"), QStringLiteral("gamma"),
                           QStringLiteral("Beta"), QStringLiteral("alpha")};
        QTest::newRow("rating: highest first")
            << QStringLiteral("rating") << QString()
            << QStringList{QStringLiteral("Beta"), QStringLiteral("alpha"), QStringLiteral("gamma"),
                           QStringLiteral("Gamma2")};
        QTest::newRow("relevance first, then the key")
            << QStringLiteral("name") << QStringLiteral("gamma")
            << QStringList{QStringLiteral("gamma"), QStringLiteral("Gamma2")};
    }
    void sortKeys()
    {
        QFETCH(QString, key);
        QFETCH(QString, query);
        QFETCH(QStringList, order);
        QList<MediaItem> items = {item(QStringLiteral("gamma"), {}, 200, 7.0),
                                  item(QStringLiteral("Beta"), {}, 100, 8.5),
                                  item(QStringLiteral("Gamma2"), {}, 300, qQNaN()),
                                  item(QStringLiteral("alpha"), {}, 100, 8.0)};
        QList<MediaItem> shown = applyFilter(items, QString(), query);
        sortItems(shown, query, key);
        QCOMPARE(itemNames(shown), order);
    }

    // The fast matcher and name ordering must agree with Qt's own rules on awkward text.
    void sameAsReference()
    {
        const QStringList alphabet = {
            QStringLiteral("a"), QStringLiteral("B"), QStringLiteral(" "),
            QStringLiteral("_"), QStringLiteral("é"), QStringLiteral("É"),
            QStringLiteral("ß"), QStringLiteral("ſ"), QStringLiteral("K"),
            QStringLiteral("k"), QStringLiteral("1"), QStringLiteral("-"),
            QStringLiteral("("), QStringLiteral("Σ"), QStringLiteral("ς"),
            QStringLiteral("😀"), QStringLiteral("𐐀"), QStringLiteral("𐐨"),
            QStringLiteral("٣"), QStringLiteral("+"), QStringLiteral("e\u0301"),
            QStringLiteral("İ"), QStringLiteral("ı"), QStringLiteral("I"),
            QStringLiteral("ü"), QStringLiteral("u")};
        QRandomGenerator rng(42);
        auto randomText = [&](int maxLen) {
            QString s;
            const int n = rng.bounded(0, maxLen + 1);
            for (int i = 0; i < n; ++i)
                s += alphabet.at(rng.bounded(int(alphabet.size())));
            return s;
        };
        for (int i = 0; i < 20000; ++i) {
            const QString name = randomText(8);
            const QString query = randomText(3);
            const int expected = referenceTier(name, query);
            if (query.isEmpty() || expected < 0)
                continue;
            QCOMPARE(relevanceTier(name, query), expected);
        }
        // Short names from a small alphabet: many are equal but for case, and those must keep
        // their order (the id is the original position).
        QList<MediaItem> items;
        for (int i = 0; i < 3000; ++i) {
            items << item(randomText(6));
            items.last().id = QString::number(i);
        }
        QList<MediaItem> sorted = items;
        sortItems(sorted, QString(), QStringLiteral("name"));
        for (qsizetype i = 1; i < sorted.size(); ++i) {
            const int c = sorted[i - 1].name.compare(sorted[i].name, Qt::CaseInsensitive);
            QVERIFY(c <= 0);
            if (c == 0)
                QVERIFY(sorted[i - 1].id.toInt() < sorted[i].id.toInt());
        }
    }
};

VELMORA_TEST_MAIN(TestCatalogFilter)
#include "tst_catalogfilter.moc"
