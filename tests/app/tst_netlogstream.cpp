#include "app/netlogstream.h"
#include "stderrcapture.h"
#include "testmain.h"

#include <QProcess>

class TestNetLogStream : public QObject
{
    Q_OBJECT

private slots:
    void switchRule_data()
    {
        QTest::addColumn<bool>("isSet");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("unset: off") << false << QByteArray() << false;
        QTest::newRow("exactly 0: off") << true << QByteArray("0") << false;
        QTest::newRow("1: on") << true << QByteArray("1") << true;
        QTest::newRow("any word: on") << true << QByteArray("yes") << true;
        QTest::newRow("two zeros: on") << true << QByteArray("00") << true;
        QTest::newRow("empty value: on") << true << QByteArray("") << true;
    }
    void switchRule()
    {
        QFETCH(bool, isSet);
        QFETCH(QByteArray, value);
        QFETCH(bool, enabled);
        QCOMPARE(netDebugSwitchFor(isSet, value), enabled);
    }

    // The switch as a real process sees it, read once from its environment.
    void processEnvironment_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("writes");
        QTest::newRow("unset writes nothing") << false << QString() << false;
        QTest::newRow("0 writes nothing") << true << QStringLiteral("0") << false;
        QTest::newRow("1 writes the line") << true << QStringLiteral("1") << true;
        QTest::newRow("empty writes the line") << true << QString() << true;
    }
    void processEnvironment()
    {
        QFETCH(bool, set);
        QFETCH(QString, value);
        QFETCH(bool, writes);
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("VELMORA_NET_DEBUG"));
        if (set)
            env.insert(QStringLiteral("VELMORA_NET_DEBUG"), value);
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(NETDEBUG_PROBE), {});
        QVERIFY(probe.waitForFinished(10000));
        const QByteArray err = probe.readAllStandardError();
        if (writes)
            QCOMPARE(err, QByteArray("[VLC] live reconnect attempt 3 - lost \"it\" \n"));
        else
            QCOMPARE(err, QByteArray());
    }

    void lineFormat()
    {
        StderrCapture capture;
        {
            NetLogStream line;
            line << "[Xtream] <- error:" << QStringLiteral("Connection refused") << "http status:"
                 << QVariant(404) << qint64(1) << 2.5;
        }
        NetLogStream() << QStringLiteral("[M3U] <-") << QStringLiteral("Ünïcode") << 12 << "bytes";
        const QList<QByteArray> lines = capture.lines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QByteArray("[Xtream] <- error: Connection refused http status: "
                                      "QVariant(int, 404) 1 2.5 "));
        QCOMPARE(QString::fromUtf8(lines[1]), QStringLiteral("[M3U] <- Ünïcode 12 bytes "));
    }
};

VELMORA_TEST_MAIN(TestNetLogStream)
#include "tst_netlogstream.moc"
