// velmora-demo-profile, the helper scripts/run.sh uses to put the demo server into the player's
// server store: run as a process on a temporary profile, read back with the player's own store.
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"

#include <QProcess>
#include <QTest>

#include <memory>

namespace {
SourceConfig server(const QString& name, const QString& url, qint64 lastUpdated)
{
    SourceConfig config;
    config.type = SourceConfig::Xtream;
    config.name = name;
    config.url = url;
    config.username = QStringLiteral("demo");
    config.password = QStringLiteral("demo");
    config.liveExtension = QStringLiteral("ts");
    config.lastUpdated = lastUpdated;
    return config;
}

const QString kDemo = QStringLiteral("Velmora Demo");
const QString kHere = QStringLiteral("http://127.0.0.1:8088");
const QString kMoved = QStringLiteral("http://127.0.0.1:40123");
} // namespace

class DemoProfileTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { profile = std::make_unique<TempProfile>(); }
    void cleanup() { profile.reset(); }

    void writesTheDemoServer_data()
    {
        QTest::addColumn<QList<SourceConfig>>("before");
        QTest::addColumn<QString>("activeBefore");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QList<SourceConfig>>("after");
        QTest::addColumn<QString>("activeAfter");

        const SourceConfig mine =
            server(QStringLiteral("My server"), QStringLiteral("http://tv"), 7);
        QTest::newRow("an empty store gets the demo server, active, to be fetched")
            << QList<SourceConfig>{} << QString() << kHere
            << QList<SourceConfig>{server(kDemo, kHere, 0)} << kDemo;
        QTest::newRow("other servers and the active choice stay; the demo server is added last")
            << QList<SourceConfig>{mine} << mine.name << kHere
            << QList<SourceConfig>{mine, server(kDemo, kHere, 0)} << mine.name;
        QTest::newRow("the same address again keeps the catalog's age, so the cache is used")
            << QList<SourceConfig>{server(kDemo, kHere, 1234), mine} << mine.name << kHere
            << QList<SourceConfig>{server(kDemo, kHere, 1234), mine} << mine.name;
        QTest::newRow("a moved server is updated in place and fetched again")
            << QList<SourceConfig>{server(kDemo, kHere, 1234), mine} << kDemo << kMoved
            << QList<SourceConfig>{server(kDemo, kMoved, 0), mine} << kDemo;
        QTest::newRow("a store without an active server gets the demo server as active")
            << QList<SourceConfig>{mine, server(kDemo, kHere, 5)} << QString() << kHere
            << QList<SourceConfig>{mine, server(kDemo, kHere, 5)} << kDemo;
    }

    void writesTheDemoServer()
    {
        QFETCH(QList<SourceConfig>, before);
        QFETCH(QString, activeBefore);
        QFETCH(QString, url);
        QFETCH(QList<SourceConfig>, after);
        QFETCH(QString, activeAfter);
        {
            SourceManager store;
            for (const SourceConfig& config : before)
                store.saveSource(config);
            if (!activeBefore.isEmpty())
                store.setLastActiveSourceName(activeBefore);
        }

        const auto [code, output] = runTool({QStringLiteral("--url"), url});
        QCOMPARE(code, 0);
        // It says which file it wrote, so run.sh could show it.
        QCOMPARE(output.trimmed(), profile->settingsFile());

        SourceManager store;
        QCOMPARE(store.lastActiveSourceName(), activeAfter);
        const QList<SourceConfig> sources = store.sources();
        QCOMPARE(sources.size(), after.size());
        for (int i = 0; i < sources.size(); ++i) {
            const SourceConfig& got = sources.at(i);
            const SourceConfig& want = after.at(i);
            QCOMPARE(got.name, want.name);
            QCOMPARE(got.type, want.type);
            QCOMPARE(got.url, want.url);
            QCOMPARE(got.username, want.username);
            QCOMPARE(got.password, want.password);
            QCOMPARE(got.liveExtension, want.liveExtension);
            QCOMPARE(got.lastUpdated, want.lastUpdated);
        }
    }

    void refusesWithoutAnAddress()
    {
        QCOMPARE(runTool({}).first, 2);
        QCOMPARE(
            runTool({QStringLiteral("--url"), kHere, QStringLiteral("--name"), QString()}).first,
            2);
        QVERIFY(SourceManager().sources().isEmpty());
    }

private:
    std::pair<int, QString> runTool(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral(VELMORA_DEMO_PROFILE), arguments);
        if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit)
            return {-1, QString()};
        return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput())};
    }

    std::unique_ptr<TempProfile> profile;
};

VELMORA_TEST_MAIN(DemoProfileTest)
#include "tst_demoprofile.moc"
