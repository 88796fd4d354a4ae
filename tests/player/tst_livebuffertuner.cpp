// The tuner on the real settings store (redirected to a temporary profile), with the clock
// moved by hand instead of watching channels for half an hour.

#include "player/livebuffertuner.h"

#include "app/clock.h"
#include "stderrcapture.h"
#include "tempprofile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {
constexpr qint64 kMinute = 60 * 1000;
const QString kKey = QStringLiteral("0123456789abcdef");

QSettings store()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Player"));
}

QVariant storedValue(const QString& key)
{
    return store().value(QStringLiteral("liveBuffer/") + key);
}

void setStored(const QString& key, const QVariant& value)
{
    QSettings settings = store();
    settings.setValue(QStringLiteral("liveBuffer/") + key, value);
}

QList<QByteArray> trimmedLines(const StderrCapture& capture)
{
    QList<QByteArray> lines = capture.lines();
    for (QByteArray& line : lines)
        line = line.trimmed();
    return lines;
}
} // namespace

class TestLiveBufferTuner : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;

private slots:
    void init()
    {
        profile = std::make_unique<TempProfile>();
        Clock::setFake(1'700'000'000'000);
    }

    void cleanup()
    {
        Clock::clearFake();
        profile.reset();
    }

    void channelKeyIsAStableDigest_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("streamId");
        QTest::addColumn<QString>("key");
        QTest::newRow("server and id") << "My Server"
                                       << "1234"
                                       << "09f6b710d2336f86";
        QTest::newRow("other id") << "My Server"
                                  << "1235"
                                  << "69631cb99f5526bd";
        QTest::newRow("other server") << "My Server 2"
                                      << "1234"
                                      << "a646c0f1121a5eca";
        QTest::newRow("UTF-8 name, URL as id") << "Ünïcode"
                                               << "http://x/1.ts"
                                               << "2de7ddc2d85d23f0";
    }
    void channelKeyIsAStableDigest()
    {
        QFETCH(QString, source);
        QFETCH(QString, streamId);
        QFETCH(QString, key);
        QCOMPARE(LiveBufferTuner::channelKey(source, streamId), key);
    }

    void readingClampsAndDefaults_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("read");
        QTest::newRow("no entry") << QVariant() << 3000;
        QTest::newRow("in range") << QVariant(4500) << 4500;
        QTest::newRow("not a number") << QVariant(QStringLiteral("lots")) << 3000;
        QTest::newRow("below the minimum") << QVariant(1000) << 3000;
        QTest::newRow("above the maximum") << QVariant(25000) << 10000;
    }
    void readingClampsAndDefaults()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, read);
        if (stored.isValid())
            setStored(kKey, stored);
        LiveBufferTuner tuner;
        QCOMPARE(tuner.cachingMsFor(kKey), read);
        QCOMPARE(storedValue(kKey), stored); // reading never rewrites the store
    }

    // One viewing: an optional entry, the shortfalls reported, how long it lasted, and what
    // the store holds afterwards (no value: no entry).
    void endOfViewingStoresTheLesson_data()
    {
        QTest::addColumn<QVariant>("before");
        QTest::addColumn<QList<int>>("shortfalls");
        QTest::addColumn<qint64>("watchedMs");
        QTest::addColumn<QVariant>("after");
        QTest::addColumn<QByteArray>("logged"); // the "[VLC] live buffer for" line, if any

        const QVariant none;
        QTest::newRow("no entry, 2400: target 3000 is not above the default")
            << none << QList<int>{2400} << 5 * kMinute << none << QByteArray();
        QTest::newRow("no entry, 3700: 4625 rounds up to 5000")
            << none << QList<int>{3700} << 5 * kMinute << QVariant(5000)
            << QByteArray("now 5000 ms");
        QTest::newRow("largest of several reports counts")
            << none << QList<int>{1200, 3700, 2000} << 5 * kMinute << QVariant(5000)
            << QByteArray("now 5000 ms");
        QTest::newRow("exact multiple stays: 4000 x 1.25 = 5000")
            << none << QList<int>{4000} << kMinute << QVariant(5000) << QByteArray("now 5000 ms");
        QTest::newRow("entry 5000, 3000: 4000 is not above, unchanged")
            << QVariant(5000) << QList<int>{3000} << 5 * kMinute << QVariant(5000) << QByteArray();
        QTest::newRow("9000: 11250 is limited to 10000")
            << QVariant(4000) << QList<int>{9000} << kMinute << QVariant(10000)
            << QByteArray("now 10000 ms");
        QTest::newRow("absurd report cannot overflow")
            << none << QList<int>{2147483647} << kMinute << QVariant(10000)
            << QByteArray("now 10000 ms");
        QTest::newRow("a shortfall never lowers, even after an hour")
            << QVariant(8000) << QList<int>{2400} << 60 * kMinute << QVariant(8000) << QByteArray();
        QTest::newRow("reports of 0 or less are no shortfall")
            << QVariant(5000) << QList<int>{0, -50} << 20 * kMinute << QVariant(5000)
            << QByteArray();
        QTest::newRow("entry 5000, 45 clean minutes: 3750 rounds up to 4000")
            << QVariant(5000) << QList<int>{} << 45 * kMinute << QVariant(4000)
            << QByteArray("now 4000 ms");
        QTest::newRow("entry 3500, 45 clean minutes: 2625 -> 3000 removes the entry")
            << QVariant(3500) << QList<int>{} << 45 * kMinute << none << QByteArray("now 3000 ms");
        QTest::newRow("entry 5000, 20 clean minutes: unchanged")
            << QVariant(5000) << QList<int>{} << 20 * kMinute << QVariant(5000) << QByteArray();
        QTest::newRow("no entry, long clean viewing: unchanged")
            << none << QList<int>{} << 120 * kMinute << none << QByteArray();
        QTest::newRow("entry 10000, 31 clean minutes: 7500")
            << QVariant(10000) << QList<int>{} << 31 * kMinute << QVariant(7500)
            << QByteArray("now 7500 ms");
        QTest::newRow("entry 10000, 29 clean minutes: unchanged")
            << QVariant(10000) << QList<int>{} << 29 * kMinute << QVariant(10000) << QByteArray();
        QTest::newRow("exactly 30 minutes is not more than 1799999 ms")
            << QVariant(10000) << QList<int>{} << 30 * kMinute << QVariant(7500)
            << QByteArray("now 7500 ms");
        QTest::newRow("one ms short of 30 minutes: unchanged")
            << QVariant(10000) << QList<int>{} << 30 * kMinute - 1 << QVariant(10000)
            << QByteArray();
        QTest::newRow("stored above the maximum decays from the clamped value")
            << QVariant(20000) << QList<int>{} << 31 * kMinute << QVariant(7500)
            << QByteArray("now 7500 ms");
    }
    void endOfViewingStoresTheLesson()
    {
        QFETCH(QVariant, before);
        QFETCH(QList<int>, shortfalls);
        QFETCH(qint64, watchedMs);
        QFETCH(QVariant, after);
        QFETCH(QByteArray, logged);
        if (before.isValid())
            setStored(kKey, before);

        StderrCapture capture;
        LiveBufferTuner tuner;
        tuner.beginViewing(kKey);
        for (int ms : shortfalls)
            tuner.recordShortfall(ms);
        Clock::advanceFake(watchedMs);
        tuner.endViewing();
        QVERIFY(!tuner.isViewing());
        QCOMPARE(storedValue(kKey), after);

        const QList<QByteArray> lines = trimmedLines(capture);
        QList<QByteArray> expected;
        for (int ms : shortfalls)
            expected << "[VLC] live data late; channel needed " + QByteArray::number(ms) +
                            " ms of buffer";
        if (!logged.isEmpty())
            expected << "[VLC] live buffer for " + kKey.toLatin1() + ' ' + logged;
        QCOMPARE(lines, expected);
    }

    void restartingTheChannelStoresFirst()
    {
        const QString key =
            LiveBufferTuner::channelKey(QStringLiteral("My Server"), QStringLiteral("7"));
        LiveBufferTuner tuner;
        tuner.beginViewing(key);
        QCOMPARE(tuner.cachingMsFor(key), 3000);
        tuner.recordShortfall(3700);
        // a reconnect during the viewing still starts with the viewing's value
        QCOMPARE(tuner.cachingMsFor(key), 3000);
        // starting it again from the catalog ends the viewing first
        tuner.beginViewing(key);
        QCOMPARE(tuner.cachingMsFor(key), 5000);
        // and the new viewing starts clean: ending it at once changes nothing
        tuner.endViewing();
        QCOMPARE(tuner.cachingMsFor(key), 5000);
    }

    void switchingChannelsKeepsEachLesson()
    {
        LiveBufferTuner tuner;
        tuner.beginViewing(QStringLiteral("aaaaaaaaaaaaaaaa"));
        tuner.recordShortfall(6000);
        tuner.beginViewing(QStringLiteral("bbbbbbbbbbbbbbbb"));
        tuner.recordShortfall(4400);
        tuner.endViewing();
        QCOMPARE(tuner.cachingMsFor(QStringLiteral("aaaaaaaaaaaaaaaa")), 7500);
        QCOMPARE(tuner.cachingMsFor(QStringLiteral("bbbbbbbbbbbbbbbb")), 5500);
    }

    void reportsOutsideAViewingAreIgnored()
    {
        StderrCapture capture;
        LiveBufferTuner tuner;
        tuner.recordShortfall(5000); // nothing watched yet (a movie plays)
        tuner.beginViewing(kKey);
        tuner.endViewing();
        tuner.recordShortfall(5000); // late report after the viewing ended
        tuner.endViewing();
        QVERIFY(!storedValue(kKey).isValid());
        QVERIFY(capture.text().isEmpty());
    }

    void destructionEndsTheViewing()
    {
        {
            LiveBufferTuner tuner;
            tuner.beginViewing(kKey);
            tuner.recordShortfall(3700);
        }
        QCOMPARE(storedValue(kKey), QVariant(5000));
        LiveBufferTuner later; // the next run reads what the last one learned
        QCOMPARE(later.cachingMsFor(kKey), 5000);
    }
};

int main(int argc, char* argv[])
{
    qputenv("VELMORA_NET_DEBUG", "1"); // read once, before anything asks
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    TestLiveBufferTuner tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_livebuffertuner.moc"
