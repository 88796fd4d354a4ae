#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "testmain.h"

#include <QFileInfo>
#include <QSettings>

namespace {
SourceConfig server(const QString& name, int type = SourceConfig::Xtream)
{
    SourceConfig c;
    c.type = type;
    c.name = name;
    c.url = QStringLiteral("http://example.invalid/") + name;
    c.username = QStringLiteral("user");
    c.password = QStringLiteral(" p@ss word ");
    c.liveExtension = QStringLiteral("ts");
    c.lastUpdated = 1'700'000'000'123LL;
    return c;
}


QSettings store()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"));
}
} // namespace

class TestSourceManager : public QObject
{
    Q_OBJECT

private slots:
    void firstStartIsEmpty()
    {
        TempProfile profile;
        SourceManager manager;
        QVERIFY(manager.sources().isEmpty());
        QVERIFY(manager.lastActiveSourceName().isEmpty());
        // The store lives in the temporary profile, never in the developer's own settings.
        QVERIFY(profile.settingsFile().startsWith(profile.root()));
    }

    void roundTripEveryField()
    {
        TempProfile profile;
        {
            SourceManager manager;
            manager.saveSource(server(QStringLiteral("A")));
            manager.saveSource(server(QStringLiteral("Retired"), SourceConfig::SubscriptionKey));
        }
        SourceManager reloaded;
        const QList<SourceConfig> list = reloaded.sources();
        QCOMPARE(sourceNames(list), (QStringList{QStringLiteral("A"), QStringLiteral("Retired")}));
        const SourceConfig& a = list[0];
        QCOMPARE(a.type, int(SourceConfig::Xtream));
        QCOMPARE(a.url, QStringLiteral("http://example.invalid/A"));
        QCOMPARE(a.username, QStringLiteral("user"));
        QCOMPARE(a.password, QStringLiteral(" p@ss word "));
        QCOMPARE(a.liveExtension, QStringLiteral("ts"));
        QCOMPARE(a.lastUpdated, 1'700'000'000'123LL);
        QCOMPARE(list[1].type, int(SourceConfig::SubscriptionKey)); // retired kind still read
    }

    void replaceAndRemove()
    {
        TempProfile profile;
        SourceManager manager;
        manager.saveSource(server(QStringLiteral("A")));
        manager.saveSource(server(QStringLiteral("B")));
        manager.saveSource(server(QStringLiteral("C")));

        SourceConfig changed = server(QStringLiteral("B"), SourceConfig::M3u);
        changed.url = QStringLiteral("/tmp/list.m3u");
        manager.saveSource(changed); // same name: replaced in place
        QCOMPARE(sourceNames(manager.sources()), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
        QCOMPARE(manager.sources()[1].url, QStringLiteral("/tmp/list.m3u"));

        manager.saveSource(server(QStringLiteral("b"))); // names are case-sensitive: appended
        QCOMPARE(manager.sources().size(), 4);

        manager.removeSource(QStringLiteral("B"));
        QCOMPARE(sourceNames(manager.sources()), (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("b")}));
        manager.removeSource(QStringLiteral("nope")); // rewrites unchanged
        QCOMPARE(manager.sources().size(), 3);
        QCOMPARE(store().beginReadArray(QStringLiteral("sources")), 3);

        manager.removeSource(QStringLiteral("A"));
        manager.removeSource(QStringLiteral("C"));
        manager.removeSource(QStringLiteral("b"));
        QCOMPARE(store().beginReadArray(QStringLiteral("sources")), 0);
        SourceManager reloaded;
        QVERIFY(reloaded.sources().isEmpty());
    }

    // Entries written by older versions, or damaged by hand, load with the record's defaults.
    void missingAndWrongKeys()
    {
        TempProfile profile;
        {
            QSettings s = store();
            s.beginWriteArray(QStringLiteral("sources"));
            s.setArrayIndex(0);
            s.setValue(QStringLiteral("name"), QStringLiteral("Old"));
            s.setValue(QStringLiteral("url"), QStringLiteral("http://old"));
            s.setArrayIndex(1);
            s.setValue(QStringLiteral("name"), QStringLiteral("Broken"));
            s.setValue(QStringLiteral("type"), QStringLiteral("xtream"));
            s.setValue(QStringLiteral("lastUpdated"), QStringLiteral("yesterday"));
            s.endArray();
        }
        SourceManager manager;
        const QList<SourceConfig> list = manager.sources();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].type, int(SourceConfig::M3u));
        QCOMPARE(list[0].liveExtension, QStringLiteral("m3u8"));
        QCOMPARE(list[0].lastUpdated, 0);
        QCOMPARE(list[1].type, int(SourceConfig::M3u));
        QCOMPARE(list[1].lastUpdated, 0);
        QVERIFY(list[1].password.isEmpty());
    }

    void lastActiveWrittenOnlyOnChange()
    {
        TempProfile profile;
        SourceManager manager;
        manager.setLastActiveSourceName(QStringLiteral("A"));
        QCOMPARE(store().value(QStringLiteral("lastActiveSource")).toString(), QStringLiteral("A"));

        // Change the store behind the manager's back: setting the same name again must not write.
        store().setValue(QStringLiteral("lastActiveSource"), QStringLiteral("elsewhere"));
        manager.setLastActiveSourceName(QStringLiteral("A"));
        QCOMPARE(store().value(QStringLiteral("lastActiveSource")).toString(), QStringLiteral("elsewhere"));

        manager.setLastActiveSourceName(QStringLiteral("B"));
        QCOMPARE(store().value(QStringLiteral("lastActiveSource")).toString(), QStringLiteral("B"));
        QCOMPARE(SourceManager().lastActiveSourceName(), QStringLiteral("B"));
    }
};

VELMORA_TEST_MAIN(TestSourceManager)
#include "tst_sourcemanager.moc"
