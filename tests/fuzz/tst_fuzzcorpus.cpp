// Every seed of every fuzz target, run through the target's function as libFuzzer would run it.
// A broken check aborts; Qt Test then names the seed that was running.
#include "fuzztargets.h"
#include "testmain.h"

#include <QDir>
#include <QFile>

namespace {
struct Target
{
    const char* name;
    int (*run)(const uint8_t*, size_t);
};

const Target kTargets[] = {
    {"m3uparser", &fuzzM3uParser},
    {"xtreamparser", &fuzzXtreamParser},
    {"catalogfile", &fuzzCatalogFile},
    {"catalogcache", &fuzzCatalogCache},
    {"pairingresponses", &fuzzPairingResponses},
    {"xmltv", &fuzzXmltv},
    {"xtreamepg", &fuzzXtreamEpg},
#ifdef FUZZ_PAIRING_BACKEND
    {"pairingbackend", &fuzzPairingBackend},
#endif
};

QDir corpusDir(const char* target)
{
    return QDir(QStringLiteral(FUZZ_CORPUS_DIR "/") + QLatin1String(target));
}
} // namespace

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    // Each target has a corpus of its own, and nothing else lies there.
    void corporaPresent()
    {
        for (const Target& target : kTargets) {
            const QStringList seeds = corpusDir(target.name).entryList(QDir::Files);
            QVERIFY2(seeds.size() >= 20, target.name);
        }
        const QStringList folders =
            QDir(QStringLiteral(FUZZ_CORPUS_DIR)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& folder : folders) {
            const bool known =
                std::any_of(std::begin(kTargets), std::end(kTargets),
                            [&](const Target& t) { return folder == QLatin1String(t.name); });
            QVERIFY2(known || folder == QLatin1String("pairingbackend"), qPrintable(folder));
        }
    }

    void replay_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int i = 0; i < int(std::size(kTargets)); ++i) {
            const QDir dir = corpusDir(kTargets[i].name);
            for (const QString& seed : dir.entryList(QDir::Files, QDir::Name))
                QTest::addRow("%s/%s", kTargets[i].name, qPrintable(seed))
                    << i << dir.filePath(seed);
        }
    }

    void replay()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray input = file.readAll();
        QCOMPARE(kTargets[target].run(reinterpret_cast<const uint8_t*>(input.constData()),
                                      size_t(input.size())),
                 0);
    }
};

VELMORA_TEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
