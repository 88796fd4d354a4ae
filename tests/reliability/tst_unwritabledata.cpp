// A data folder that cannot be written (read-only, or full): the player keeps working from the
// network and from the files the user picked, and says nothing misleading.
#include "app/clock.h"
#include "app/messagebox.h"
#include "mainwindowtestaccess.h"
#include "modaldriver.h"
#include "providers/catalogcache.h"
#include "sourcedialogtestaccess.h"
#include "sources/sourcemanager.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/catalogconstants.h"
#include "xtreamfixture.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableWidget>

#include <csignal>
#include <sys/resource.h>

namespace {
// Files grow no larger than `bytes` while it lives, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a dead process
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};
} // namespace

class TestUnwritableData : public QObject
{
    Q_OBJECT

private slots:
    void init() { MessageBox::reset(); }

    void readOnlyDataFolder()
    {
        TempProfile profile;
        // A regular file where the data folder's parent should be: nothing can be created there,
        // whoever runs the test (root ignores permission bits).
        const QString blocker = profile.root() + QStringLiteral("/blocker");
        QFile(blocker).open(QIODevice::WriteOnly);
        qputenv("XDG_DATA_HOME", (blocker + QStringLiteral("/data")).toUtf8());
        QVERIFY(!QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).isEmpty());

        XtreamFixture xtream;
        xtream.setCatalog(XtreamFixture::generate(5, 8, 3));
        QVERIFY(xtream.start());
        SourceManager().saveSource(xtream.server(QStringLiteral("Net")));

        for (int start = 0; start < 2; ++start) {
            // The library and the recordings cannot keep a file there; each says so once per start.
            MessageBox::queueAnswer(QMessageBox::Ok);
            MessageBox::queueAnswer(QMessageBox::Ok);
            MainWindow window;
            MainWindowTestAccess w(window);
            QTRY_COMPARE(w.pendingFetchSteps(), 0);
            QCOMPARE(w.liveTable()->rowCount(), 5);
            QCOMPARE(w.movieItems().size(), 8);
            QTRY_COMPARE(MessageBox::queuedAnswers(), 0);
        }
        // Nothing could be cached, so the second start fetched again; only the two stores spoke.
        QCOMPARE(xtream.requestCount(QStringLiteral("get_vod_streams")), 2);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 4);
        for (const MessageBox::Shown& box : shown)
            QVERIFY2(box.title == QStringLiteral("Library") || box.title == QStringLiteral("Recordings"),
                     qPrintable(box.title));

        // A playlist picked from disk keeps working although no copy can be kept.
        QTemporaryDir picked;
        const QString file = picked.filePath(QStringLiteral("mine.m3u"));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#EXTM3U\n#EXTINF:-1,Local\nhttp://local.invalid/1\n");
        }
        SourceDialog dialog(nullptr, nullptr, {QStringLiteral("Net")});
        SourceDialogTestAccess d(dialog);
        d.typeCombo()->setCurrentIndex(0);
        d.m3uNameEdit()->setText(QStringLiteral("Mine"));
        d.m3uUrlEdit()->setText(file);
        const SourceConfig saved = dialog.config();
        QCOMPARE(saved.url, file);
        SourceManager().saveSource(saved);
        SourceManager().setLastActiveSourceName(QStringLiteral("Mine"));
        MainWindow window;
        MainWindowTestAccess w(window);
        QCOMPARE(w.activeSource().name, QStringLiteral("Mine"));
        QCOMPARE(w.channelTable()->rowCount(), 1);
        QVERIFY(MessageBox::takeShown().isEmpty());
    }

    void fullDataFolder()
    {
        TempProfile profile;
        XtreamFixture xtream;
        xtream.setCatalog(XtreamFixture::generate(5, 400, 3));
        QVERIFY(xtream.start());
        SourceManager().saveSource(xtream.server(QStringLiteral("Net")));
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.pendingFetchSteps(), 0);
        CatalogCache::Section before;
        QVERIFY(CatalogCache::load(QStringLiteral("Net"), kMovieSection, before));
        QCOMPARE(before.items.size(), 400);

        // The disk fills up; the server now lists more movies.
        xtream.setCatalog(XtreamFixture::generate(5, 600, 3));
        {
            FileSizeLimit full(16 * 1024);
            w.refreshActiveSource();
            QTRY_COMPARE(w.pendingFetchSteps(), 0);
        }
        QCOMPARE(w.movieItems().size(), 600); // shown from the network
        QVERIFY(MessageBox::takeShown().isEmpty());
        CatalogCache::Section after;
        QVERIFY(CatalogCache::load(QStringLiteral("Net"), kMovieSection, after));
        QCOMPARE(after.items.size(), 400); // the previous cache is whole, not half-written
        QCOMPARE(SourceManager().sources().size(), 1);
    }

    // A server added while the settings cannot be written would be gone at the next start: the
    // user is told once, with the file that could not be written.
    void unwritableSettings()
    {
        TempProfile profile;
        const QString settingsFile = profile.settingsFile();
        // A regular file where the settings folder should be.
        QVERIFY(QFile(QFileInfo(settingsFile).path()).open(QIODevice::WriteOnly));
        QTemporaryDir picked;
        const QString playlist = picked.filePath(QStringLiteral("mine.m3u"));
        {
            QFile f(playlist);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#EXTM3U\n#EXTINF:-1,Local\nhttp://local.invalid/1\n");
        }
        // With no server the window opens the server dialog by itself.
        ModalDriver<SourceDialog> driver([&](SourceDialog* dialog) {
            SourceDialogTestAccess d(*dialog);
            d.typeCombo()->setCurrentIndex(0);
            d.m3uNameEdit()->setText(QStringLiteral("Mine"));
            d.m3uUrlEdit()->setText(playlist);
            dialog->accept();
        });
        MessageBox::queueAnswer(QMessageBox::Ok);
        MessageBox::queueAnswer(QMessageBox::Ok);
        MainWindow window;
        MainWindowTestAccess w(window);
        QTRY_COMPARE(w.activeSource().name, QStringLiteral("Mine"));
        QTRY_COMPARE(MessageBox::queuedAnswers(), 1);
        QTest::qWait(50);
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(shown[0].title, QStringLiteral("Settings Not Saved"));
        QVERIFY2(shown[0].text.contains(settingsFile), qPrintable(shown[0].text));
        QVERIFY(!QFileInfo(settingsFile).exists());
    }
};

VELMORA_TEST_MAIN(TestUnwritableData)
#include "tst_unwritabledata.moc"
