#include "sources/sourcenames.h"
#include "testmain.h"

class TestSourceNames : public QObject
{
    Q_OBJECT

private slots:
    void uniqueNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<QString>("unique");
        QTest::newRow("free name kept") << "News" << QStringList{"Sport"} << "News";
        QTest::newRow("taken ignoring case gets (2)") << "News" << QStringList{"news"} << "News (2)";
        QTest::newRow("numbers continue past taken ones") << "Xtream Account"
                                                          << QStringList{"Xtream Account", "xtream account (2)"}
                                                          << "Xtream Account (3)";
        QTest::newRow("empty others") << "A" << QStringList{} << "A";
        QTest::newRow("percent numbers kept")
            << "Sport %1" << QStringList{"sport %1"} << "Sport %1 (2)";
    }
    void uniqueNames()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, others);
        QFETCH(QString, unique);
        QCOMPARE(uniqueSourceName(name, others), unique);
    }

    void namesExcept()
    {
        SourceConfig a, b, empty;
        a.name = QStringLiteral("A");
        b.name = QStringLiteral("B");
        QCOMPARE(sourceNamesExcept({a, b, empty}, QStringLiteral("A")), (QList<QString>{"B", ""}));
        // An empty `except` skips only servers without a name.
        QCOMPARE(sourceNamesExcept({a, empty, b}, QString()), (QList<QString>{"A", "B"}));
    }

    void playlistCopies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<QString>("file");
        QTest::newRow("sanitized name plus suffix") << "My List" << "M3U" << QStringList{} << "My_List.M3U";
        QTest::newRow("no suffix") << "A-b_c" << "" << QStringList{} << "A-b_c";
        QTest::newRow("nothing left: playlist") << "" << "m3u" << QStringList{} << "playlist.m3u";
        QTest::newRow("unrelated other names change nothing") << "a b" << "m3u" << QStringList{"c d"} << "a_b.m3u";
    }
    void playlistCopies()
    {
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        QFETCH(QStringList, others);
        QFETCH(QString, file);
        QCOMPARE(playlistCopyFileName(name, suffix, others), file);
    }

    // "a b" and "a+b" both sanitize to "a_b": whichever is saved while the other exists gets a
    // file of its own, so neither can overwrite the other's playlist.
    void collidingNamesKeepSeparateCopies()
    {
        const QString plain = playlistCopyFileName(QStringLiteral("a b"), QStringLiteral("m3u"), {});
        const QString second = playlistCopyFileName(QStringLiteral("a+b"), QStringLiteral("m3u"), {QStringLiteral("a b")});
        const QString firstAgain = playlistCopyFileName(QStringLiteral("a b"), QStringLiteral("m3u"), {QStringLiteral("a+b")});
        QCOMPARE(plain, QStringLiteral("a_b.m3u"));
        QVERIFY(second != plain);
        QVERIFY(firstAgain != plain);
        QVERIFY(firstAgain != second);
        QVERIFY(second.startsWith(QStringLiteral("a_b-")) && second.endsWith(QStringLiteral(".m3u")));
        // Stable for the same name.
        QCOMPARE(playlistCopyFileName(QStringLiteral("a+b"), QStringLiteral("m3u"), {QStringLiteral("a b")}), second);
    }
};

VELMORA_TEST_MAIN(TestSourceNames)
#include "tst_sourcenames.moc"
