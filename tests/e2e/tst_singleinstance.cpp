// One player per user and profile: velmora-player started twice as real processes. A second start
// of the same profile shows the running window and ends; --new-instance, another profile or a
// first player that died each give a player of its own.
#include "playerprocess.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>

namespace {
const QRegularExpression kListening(QStringLiteral("^\\[Instance\\] -> listening"));
const QRegularExpression kShown(QStringLiteral("^\\[Instance\\] <- another start"));
const QRegularExpression kHandedOver(QStringLiteral("^\\[Instance\\] -> the running player"));
const QRegularExpression kOwnWindow(QStringLiteral("^\\[Instance\\] -> a window of its own"));
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStart_data()
    {
        QTest::addColumn<bool>("sameProfile");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("killFirst");
        QTest::addColumn<bool>("secondStays");
        QTest::newRow("same profile: shows the running window")
            << true << QStringList() << false << false;
        QTest::newRow("same profile with --new-instance")
            << true << QStringList{QStringLiteral("--new-instance")} << false << true;
        QTest::newRow("another profile") << false << QStringList() << false << true;
        QTest::newRow("the running player was killed") << true << QStringList() << true << true;
    }
    void secondStart()
    {
        QFETCH(bool, sameProfile);
        QFETCH(QStringList, arguments);
        QFETCH(bool, killFirst);
        QFETCH(bool, secondStays);
        QTemporaryDir root;
        PlayerProcess first(QStringLiteral(VELMORA_PLAYER), root.filePath(QStringLiteral("a")));
        first.setVariable(QStringLiteral("VELMORA_NET_DEBUG"), QStringLiteral("1"));
        QVERIFY2(first.start(), qPrintable(first.errorText()));
        QVERIFY2(!first.waitForLine(kListening, 30000).isEmpty(),
                 qPrintable(first.errorText() + QString::fromUtf8(first.standardError())));
        if (killFirst) {
            ::kill(pid_t(first.pid()), SIGKILL);
            first.stop();
        }

        PlayerProcess second(
            QStringLiteral(VELMORA_PLAYER),
            root.filePath(sameProfile ? QStringLiteral("a") : QStringLiteral("b")));
        second.setVariable(QStringLiteral("VELMORA_NET_DEBUG"), QStringLiteral("1"));
        second.setArguments(arguments);
        QVERIFY2(second.start(), qPrintable(second.errorText()));
        if (!secondStays) {
            QVERIFY2(!second.waitForLine(kHandedOver, 30000).isEmpty(),
                     qPrintable(second.errorText() + QString::fromUtf8(second.standardError())));
            QTRY_VERIFY_WITH_TIMEOUT(!second.isRunning(), 20000);
            QCOMPARE(second.exitCode(), 0);
            QVERIFY(!first.waitForLine(kShown, 20000).isEmpty());
            QVERIFY(first.isRunning());
            return;
        }
        const QRegularExpression& started = arguments.isEmpty() ? kListening : kOwnWindow;
        QVERIFY2(!second.waitForLine(started, 30000).isEmpty(),
                 qPrintable(second.errorText() + QString::fromUtf8(second.standardError())));
        QVERIFY(second.isRunning());
        QCOMPARE(second.countLines(kHandedOver), 0);
        if (!killFirst) {
            QVERIFY(first.isRunning());
            QCOMPARE(first.countLines(kShown), 0);
        }
    }
};

VELMORA_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
