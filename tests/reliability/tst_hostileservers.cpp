// Servers that misbehave on purpose: the catalog load must end, the overlay go away, memory stay
// bounded, and the GUI thread keep running its event loop throughout.
#include "app/clock.h"
#include "app/httprequests.h"
#include "app/messagebox.h"
#include "mainwindowtestaccess.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <QTimer>

using Response = LoopbackHttpServer::Response;

namespace {
// The longest time the event loop went without running a 5 ms timer.
class StallMeter
{
public:
    StallMeter()
    {
        clock.start();
        QObject::connect(&timer, &QTimer::timeout, &timer, [this]() {
            const qint64 now = clock.elapsed();
            worstGapMs = std::max(worstGapMs, now - last);
            last = now;
        });
        timer.start(5);
    }
    qint64 worstGapMs = 0;

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
};

qint64 residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

const QStringList kLists = {
    QStringLiteral("get_live_categories"),   QStringLiteral("get_live_streams"),
    QStringLiteral("get_vod_categories"),    QStringLiteral("get_vod_streams"),
    QStringLiteral("get_series_categories"), QStringLiteral("get_series")};
} // namespace

class TestHostileServers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setTimeScale(30); } // silent servers fail after 1 s, not 30

    void catalogLoad_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("accepts and never answers") << 0;
        QTest::newRow("half a JSON body, then closes") << 1;
        QTest::newRow("a body without end") << 2;
        QTest::newRow("redirects in a loop") << 3;
        QTest::newRow("headers, then silence") << 4;
    }
    void catalogLoad()
    {
        QFETCH(int, kind);
        TempProfile profile;
        MessageBox::reset();
        XtreamFixture xtream(true);
        xtream.setCatalog(XtreamFixture::generate(20, 50, 10));
        QVERIFY(xtream.start());
        const QString base = xtream.baseUrl();
        for (const QString& action : kLists) {
            Response r;
            switch (kind) {
            case 0:
                r = LoopbackHttpServer::stall();
                break;
            case 1:
                r = LoopbackHttpServer::json("[{\"stream_id\":\"1\",\"name\":\"Cut");
                r.mode = Response::Mode::CutShort;
                r.partialBytes = 20;
                r.body += QByteArray(1000, ' ');
                break;
            case 2:
                r = LoopbackHttpServer::json("[");
                r.mode = Response::Mode::Endless;
                r.chunkBytes = 256 * 1024;
                r.chunkDelayMs = 1;
                break;
            case 3:
                r = LoopbackHttpServer::redirect(QUrl(base +
                                                      QStringLiteral("/player_api.php?action=") +
                                                      action + QStringLiteral("&loop=1")));
                break;
            case 4:
                r = LoopbackHttpServer::json(QByteArray(100000, '['));
                r.mode = Response::Mode::HeadersThenStall;
                r.partialBytes = 10;
                break;
            }
            xtream.setAnswer(action, r);
        }
        SourceManager().saveSource(xtream.server(QStringLiteral("Hostile")));

        const qint64 rssBefore = residentKib();
        StallMeter meter;
        MainWindow window;
        MainWindowTestAccess w(window);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.pendingFetchSteps(), 0, 20000);
        QVERIFY(!w.loadingOverlay()->isVisible());
        QVERIFY(w.liveItems().isEmpty());
        QCOMPARE(w.liveTable()->rowCount(), 0);
        QVERIFY(MessageBox::takeShown().isEmpty());
        const qint64 grownMib = (residentKib() - rssBefore) / 1024;
        qInfo("worst event-loop gap %lld ms, resident memory grew by %lld MiB", meter.worstGapMs,
              grownMib);
        // Generous bounds: they catch a hang or unbounded growth, not a slow machine.
        QVERIFY2(meter.worstGapMs < 1000, qPrintable(QString::number(meter.worstGapMs)));
        QVERIFY2(grownMib < 600, qPrintable(QString::number(grownMib)));
        // The server entry is untouched apart from the fetch stamp.
        QCOMPARE(SourceManager().sources().value(0).url, base);
    }
};

VELMORA_TEST_MAIN(TestHostileServers)
#include "tst_hostileservers.moc"
