// The TV guide grid through the real tab on a real store file: where the running programme and
// the now line are painted, how the keyboard walks channels whose programmes start at different
// times, and what Return asks to play.
#include "app/clock.h"
#include "guide/guidegrid.h"
#include "guide/guidegriddata.h"
#include "guide/guidegridtab.h"
#include "guide/guideservice.h"
#include "guide/guidestorewriter.h"
#include "tempprofile.h"
#include "testmain.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace {
// A whole hour, in 2026; the clock stands ten minutes after it.
constexpr qint64 kHour = 1796731200;
constexpr qint64 kNow = kHour + 600;
constexpr qint64 kMin = 60;

struct Fixture
{
    TempProfile profile;
    std::unique_ptr<GuideService> guide;
    std::unique_ptr<GuideGridTab> tab;
    QList<MediaItem> channels;

    GuideGrid* grid() const { return tab->grid(); }
};

MediaItem channel(const QString& name, const QString& guideId, int archiveDays = 0)
{
    MediaItem item;
    item.name = name;
    item.id = QStringLiteral("http://127.0.0.1:1/") + name + QStringLiteral(".ts");
    item.streamUrl = item.id;
    item.guideId = guideId;
    item.archiveDays = archiveDays;
    return item;
}

SourceConfig source()
{
    SourceConfig config;
    config.type = SourceConfig::M3u;
    config.name = QStringLiteral("Grid");
    return config;
}

// Alpha: hours on the hour. Beta: 45 minutes, from a quarter past. Delta: half hours. A later
// import (`prefix` before every title) also has Gamma, in 20 minutes.
bool writeStore(const QString& prefix)
{
    GuideStoreWriter writer(GuideService::storePath(source().name));
    if (!writer.begin())
        return false;
    QList<std::pair<QString, qint64>> guides = {{QStringLiteral("alpha"), 60 * kMin},
                                                {QStringLiteral("beta"), 45 * kMin},
                                                {QStringLiteral("delta"), 30 * kMin}};
    if (!prefix.isEmpty())
        guides.append({QStringLiteral("gamma"), 20 * kMin});
    for (int c = 0; c < guides.size(); ++c) {
        writer.addChannel(c, guides[c].first, {});
        const qint64 length = guides[c].second;
        qint64 t = kHour - 48 * 3600 + (c == 1 ? 15 * kMin : 0);
        for (int i = 0; t < kHour + 48 * 3600; ++i, t += length)
            writer.addProgramme(c, {t, t + length, prefix + guides[c].first + QString::number(i),
                                    QStringLiteral("About ") + guides[c].first, false});
    }
    return writer.commit({{QStringLiteral("importedAt"), QString::number(kNow)}});
}

// Gamma is not in the first guide; Delta keeps three days behind a template address.
void build(Fixture& f)
{
    Clock::setFake(kNow * 1000);
    QVERIFY(writeStore(QString()));
    f.channels = {channel(QStringLiteral("Alpha"), QStringLiteral("alpha")),
                  channel(QStringLiteral("Beta"), QStringLiteral("beta")),
                  channel(QStringLiteral("Gamma"), QStringLiteral("gamma")),
                  channel(QStringLiteral("Delta"), QStringLiteral("delta"), 3)};
    f.channels[3].catchupType = QStringLiteral("default");
    f.channels[3].catchupSource = QStringLiteral("http://127.0.0.1:1/delta/{utc}-{utcend}.ts");
    f.guide = std::make_unique<GuideService>();
    f.guide->setSource(source());
    f.guide->setChannels(f.channels);
    f.tab = std::make_unique<GuideGridTab>(
        f.guide.get(), nullptr, false, [&f]() { return f.channels; },
        []() { return QStringLiteral("All channels"); });
    f.tab->resize(1000, 600);
    f.tab->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.tab.get()));
    f.grid()->showTime(kHour - 60 * kMin);
    QTRY_VERIFY(f.grid()->data()->windowCount() > 0 && f.grid()->data()->isIdle());
}

// "row:minutes" after the hour, "-" at the end for an empty slot.
QString describe(const GuideGridSelection& s)
{
    return QStringLiteral("%1:%2%3")
        .arg(s.row)
        .arg((s.start - kHour) / kMin)
        .arg(s.hasProgramme ? QString() : QStringLiteral("-"));
}

int keyOf(const QString& name)
{
    static const QHash<QString, int> keys = {
        {QStringLiteral("Left"), Qt::Key_Left},   {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Up"), Qt::Key_Up},       {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("PgUp"), Qt::Key_PageUp}, {QStringLiteral("PgDn"), Qt::Key_PageDown},
        {QStringLiteral("Home"), Qt::Key_Home},   {QStringLiteral("Return"), Qt::Key_Return}};
    return keys.value(name);
}

// Presses "Key=expected" steps; returns the first mismatch, or empty.
QString walk(GuideGrid* grid, const QString& steps)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = step.section(u'=', 0, 0);
        QTest::keyClick(grid, Qt::Key(keyOf(key)));
        const QString got = describe(grid->selection());
        if (!step.contains(u'='))
            continue;
        if (got != step.section(u'=', 1))
            return step + QStringLiteral(" but got ") + got;
    }
    return {};
}
} // namespace

class TestGuideGrid : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Clock::clearFake(); }

    void nowLineAndRunningBlock_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("startMinute");
        QTest::addColumn<int>("stopMinute");
        QTest::addColumn<bool>("archivedBefore");
        QTest::newRow("hourly channel") << 0 << 0 << 60 << false;
        QTest::newRow("channel starting at quarters") << 1 << -30 << 15 << false;
        QTest::newRow("half-hour channel with an archive") << 3 << 0 << 30 << true;
    }
    void nowLineAndRunningBlock()
    {
        QFETCH(int, row);
        QFETCH(int, startMinute);
        QFETCH(int, stopMinute);
        QFETCH(bool, archivedBefore);
        Fixture f;
        build(f);
        GuideGrid* grid = f.grid();
        const QImage shot = grid->viewport()->grab().toImage();
        const GuideGridLayout& layout = grid->gridLayout();
        const QRgb highlight = grid->palette().color(QPalette::Highlight).rgb();
        auto at = [&shot](QPoint p) { return shot.pixel(p) & 0xffffff; };

        const QRect block =
            layout.blockRect(row, kHour + startMinute * kMin, kHour + stopMinute * kMin)
                .translated(grid->toViewport(0, 0))
                .adjusted(1, 1, -1, -1);
        QVERIFY(block.left() > GuideGrid::kChannelWidth + 8);
        const int y = block.top() + 3;
        QCOMPARE(at({block.left() + 2, y}), highlight & 0xffffff);
        QCOMPARE(at({block.right() - 2, y}), highlight & 0xffffff);
        // Its neighbours have ended or not begun: not highlighted.
        QVERIFY(at({block.left() - 4, y}) != (highlight & 0xffffff));
        QVERIFY(at({block.right() + 4, y}) != (highlight & 0xffffff));
        // The programme before it ran on a channel with an archive: its corner is marked.
        const QRgb mark = GuideGrid::archiveMarkColor().rgb() & 0xffffff;
        const QPoint before = layout
                                  .blockRect(row, kHour + (2 * startMinute - stopMinute) * kMin,
                                             kHour + startMinute * kMin)
                                  .translated(grid->toViewport(0, 0))
                                  .topLeft();
        QCOMPARE(at(before + QPoint(3, 3)) == mark, archivedBefore);

        // The now line, two pixels wide at now, over every row.
        const int nowX = grid->toViewport(layout.xOf(kNow), 0).x();
        const QRgb red = GuideGrid::nowLineColor().rgb() & 0xffffff;
        for (int r = 0; r < f.channels.size(); ++r) {
            const int rowY = grid->toViewport(0, layout.rowTop(r) + layout.rowHeight() / 2).y();
            QCOMPARE(at({nowX, rowY}), red);
            QCOMPARE(at({nowX - 1, rowY}), red);
            QVERIFY(at({nowX + 3, rowY}) != red);
            QVERIFY(at({nowX - 4, rowY}) != red);
        }
    }

    void keyboardAcrossChannels_data()
    {
        QTest::addColumn<QString>("steps");
        // Home: the hourly channel's running programme; the focus stays at now going down.
        QTest::newRow("down through different boundaries")
            << "Home=0:0 Down=1:-30 Down=2:0- Down=3:0 Down=3:0 Up=2:0- Up=1:-30 Up=0:0 Up=0:0";
        // Right moves the focus to the next start; down aims there, left moves it back.
        QTest::newRow("across then down keeps the column")
            << "Home=0:0 Right=0:60 Down=1:60 Left=1:15 Down=2:0- Down=3:0 Right=3:30 Right=3:60";
        QTest::newRow("pages and home")
            << "Home=0:0 Right=0:60 PgDn=3:60 PgUp=0:60 Down=1:60 Home=1:-30";
        QTest::newRow("left into the past, right back")
            << "Home=0:0 Left=0:-60 Left=0:-120 Right=0:-60 Right=0:0 Right=0:60";
    }
    void keyboardAcrossChannels()
    {
        QFETCH(QString, steps);
        Fixture f;
        build(f);
        f.grid()->setFocus();
        const QString mismatch = walk(f.grid(), steps);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void returnPlays_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("live");    // channel asked to play live
        QTest::addColumn<QString>("archive"); // or the archive address asked for
        QTest::newRow("running programme: live") << "Home Down Down Down"
                                                 << "Delta"
                                                 << "";
        QTest::newRow("past programme with an archive: catch-up")
            << "Home Down Down Down Left"
            << ""
            << QStringLiteral("http://127.0.0.1:1/delta/%1-%2.ts").arg(kHour - 1800).arg(kHour);
        QTest::newRow("past programme without an archive: live") << "Home Left"
                                                                 << "Alpha"
                                                                 << "";
        QTest::newRow("no guide: live") << "Home Down Down"
                                        << "Gamma"
                                        << "";
    }
    void returnPlays()
    {
        QFETCH(QString, steps);
        QFETCH(QString, live);
        QFETCH(QString, archive);
        Fixture f;
        build(f);
        QSignalSpy lives(f.tab.get(), &GuideGridTab::playLive);
        QSignalSpy archives(f.tab.get(), &GuideGridTab::playArchive);
        f.grid()->setFocus();
        walk(f.grid(), steps + QStringLiteral(" Return"));
        if (!live.isEmpty()) {
            QTRY_COMPARE(lives.size(), 1);
            QCOMPARE(lives.at(0).at(0).value<MediaItem>().name, live);
        } else {
            QTRY_COMPARE(archives.size(), 1);
            QCOMPARE(archives.at(0).at(0).value<MediaItem>().name, QStringLiteral("Delta"));
            QCOMPARE(archives.at(0).at(1).value<GuideProgramme>().start, kHour - 1800);
            QCOMPARE(archives.at(0).at(2).toString(), archive);
        }
        QTest::qWait(0);
        QCOMPARE(lives.size() + archives.size(), 1);
    }

    // An import replaces the store file: the grid reads the new one, channels it did not have
    // included, where its cursor stands.
    void newGuideIsRead()
    {
        Fixture f;
        build(f);
        GuideGrid* grid = f.grid();
        grid->setFocus();
        QCOMPARE(walk(grid, QStringLiteral("Home=0:0 Down=1:-30 Down=2:0-")), QString());
        QVERIFY(writeStore(QStringLiteral("new ")));
        f.guide->setSource(source());
        f.guide->setChannels(f.channels);
        QTRY_COMPARE(describe(grid->selection()), QStringLiteral("2:0"));
        QCOMPARE(grid->selection().programme.title, QStringLiteral("new gamma144"));
        QCOMPARE(walk(grid, QStringLiteral("Up=1:-30")), QString());
        QCOMPARE(grid->selection().programme.title, QStringLiteral("new beta63"));
    }

    // Mouse and the bar above the grid: a click shows the details below, a double-click plays,
    // the day selector jumps to a day's midnight, "Now" back to the running programme.
    void mouseDaysAndNow()
    {
        Fixture f;
        build(f);
        GuideGrid* grid = f.grid();
        const GuideGridLayout& layout = grid->gridLayout();
        auto centre = [&](int row, qint64 start, qint64 stop) {
            return layout.blockRect(row, start, stop).translated(grid->toViewport(0, 0)).center();
        };
        auto* details = f.tab->findChild<QLabel*>(QStringLiteral("guideDetails"));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          centre(1, kHour + 15 * kMin, kHour + 60 * kMin));
        QCOMPARE(describe(grid->selection()), QStringLiteral("1:15"));
        const QString text = details->text();
        QVERIFY2(text.contains(QStringLiteral("beta")) &&
                     text.contains(QStringLiteral("About beta")) &&
                     text.contains(QStringLiteral("Beta")),
                 qPrintable(text));

        QSignalSpy archives(f.tab.get(), &GuideGridTab::playArchive);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                           centre(3, kHour - 60 * kMin, kHour - 30 * kMin));
        QTRY_COMPARE(archives.size(), 1);
        QCOMPARE(archives.at(0).at(1).value<GuideProgramme>().start, kHour - 60 * kMin);

        auto* days = f.tab->findChild<QComboBox*>(QStringLiteral("guideDays"));
        const int tomorrow = days->findText(QStringLiteral("Tomorrow"));
        QVERIFY(tomorrow > 0);
        days->activated(tomorrow);
        const qint64 midnight = days->itemData(tomorrow).toLongLong();
        QVERIFY(qAbs(grid->firstVisibleTime() - midnight) < 60);
        QCOMPARE(days->currentIndex(), tomorrow);

        f.tab->findChild<QPushButton*>(QStringLiteral("guideNow"))->click();
        QTRY_COMPARE(describe(grid->selection()), QStringLiteral("3:0"));
        QVERIFY(grid->firstVisibleTime() <= kNow && kNow < grid->firstVisibleTime() + 3600);
    }
};

VELMORA_TEST_MAIN(TestGuideGrid)
#include "tst_guidegrid.moc"
