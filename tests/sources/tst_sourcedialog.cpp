#include "app/filedialog.h"
#include "app/messagebox.h"
#include "loopbackhttpserver.h"
#include "sourcedialogtestaccess.h"
#include "tempprofile.h"
#include "testhelpers.h"
#include "widgethelpers.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestSourceDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { MessageBox::reset(); }

    void addingDefaults()
    {
        SourceDialog dialog(nullptr, nullptr, {});
        SourceDialogTestAccess d(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Server"));
        QCOMPARE(dialog.minimumWidth(), 420);
        QCOMPARE(d.typeCombo()->currentText(), QStringLiteral("Xtream Codes"));
        QCOMPARE(d.typeCombo()->itemData(0).toInt(), 0);
        QCOMPARE(d.pageStack()->currentIndex(), 1);
        QCOMPARE(d.liveFormatCombo()->currentData().toString(), QStringLiteral("ts"));
        QVERIFY(d.showPasswordCheck()->isChecked());
        QCOMPARE(d.passwordEdit()->echoMode(), QLineEdit::Normal);
        QVERIFY(d.statusLabel()->text().isEmpty());
        QPushButton* subscription = buttonWithText(&dialog, QStringLiteral("Quorbin Subscription"));
        QVERIFY(subscription);
        QCOMPARE(subscription->toolTip(),
                 QStringLiteral("Type the server's details on your phone instead, using a code shown here"));
        QVERIFY(!buttonWithText(&dialog, QStringLiteral("Delete Server")));
        QVERIFY(d.urlEdit()->placeholderText().startsWith(QStringLiteral("http://")));
        QVERIFY(d.m3uUrlEdit()->placeholderText().endsWith(QStringLiteral(".m3u or local file path")));

        d.showPasswordCheck()->setChecked(false);
        QCOMPARE(d.passwordEdit()->echoMode(), QLineEdit::Password);
        // Both pages keep what was typed when switching.
        d.nameEdit()->setText(QStringLiteral("typed"));
        d.typeCombo()->setCurrentIndex(0);
        QCOMPARE(d.pageStack()->currentIndex(), 0);
        d.typeCombo()->setCurrentIndex(1);
        QCOMPARE(d.nameEdit()->text(), QStringLiteral("typed"));
    }

    void editing_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ts kept") << "ts" << "ts";
        QTest::newRow("unknown format shows m3u8") << "mkv" << "m3u8";
    }
    void editing()
    {
        QFETCH(QString, extension);
        QFETCH(QString, shown);
        SourceConfig existing;
        existing.type = SourceConfig::Xtream;
        existing.name = QStringLiteral("Home");
        existing.url = QStringLiteral("http://h");
        existing.username = QStringLiteral("u");
        existing.password = QStringLiteral(" p ");
        existing.liveExtension = extension;
        SourceDialog dialog(nullptr, &existing, {});
        SourceDialogTestAccess d(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Server"));
        QCOMPARE(d.liveFormatCombo()->currentData().toString(), shown);
        QCOMPARE(d.passwordEdit()->text(), QStringLiteral(" p "));
        QVERIFY(buttonWithText(&dialog, QStringLiteral("Delete Server")));
        QVERIFY(!buttonWithText(&dialog, QStringLiteral("Quorbin Subscription")));
        // Keeping its own name adds no number: the caller leaves it out of the other names.
        QCOMPARE(dialog.config().name, QStringLiteral("Home"));
    }

    void configFromForm_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("empty Xtream name") << 1 << "" << QStringList{} << "Xtream Account";
        QTest::newRow("empty playlist name") << 0 << "  " << QStringList{} << "M3U Playlist";
        QTest::newRow("second default Xtream name numbered") << 1 << "" << QStringList{"Xtream Account"} << "Xtream Account (2)";
        QTest::newRow("taken ignoring case") << 1 << " News " << QStringList{"news"} << "News (2)";
    }
    void configFromForm()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(QStringList, others);
        QFETCH(QString, expectedName);
        SourceDialog dialog(nullptr, nullptr, others);
        SourceDialogTestAccess d(dialog);
        d.typeCombo()->setCurrentIndex(type);
        d.nameEdit()->setText(name);
        d.m3uNameEdit()->setText(name);
        d.urlEdit()->setText(QStringLiteral("  http://x:8080/  "));
        d.m3uUrlEdit()->setText(QStringLiteral("  http://x/list.m3u  "));
        d.usernameEdit()->setText(QStringLiteral(" user "));
        d.passwordEdit()->setText(QStringLiteral(" secret "));
        const SourceConfig c = dialog.config();
        QCOMPARE(c.type, type);
        QCOMPARE(c.name, expectedName);
        QCOMPARE(c.lastUpdated, 0);
        if (type == SourceConfig::Xtream) {
            QCOMPARE(c.url, QStringLiteral("http://x:8080/"));
            QCOMPARE(c.username, QStringLiteral("user"));
            QCOMPARE(c.password, QStringLiteral(" secret ")); // exactly as typed
            QCOMPARE(c.liveExtension, QStringLiteral("ts"));
        } else {
            QCOMPARE(c.url, QStringLiteral("http://x/list.m3u"));
            QVERIFY(c.username.isEmpty() && c.password.isEmpty());
            QCOMPARE(c.liveExtension, QStringLiteral("m3u8"));
        }
    }

    void localPlaylistCopies()
    {
        TempProfile profile;
        QTemporaryDir picked;
        const QString original = picked.filePath(QStringLiteral("My List.M3U"));
        writeFile(original, "#EXTM3U\n#EXTINF:-1,A\nhttp://a\n");

        SourceDialog dialog(nullptr, nullptr, {});
        SourceDialogTestAccess d(dialog);
        d.typeCombo()->setCurrentIndex(0);
        d.m3uNameEdit()->setText(QStringLiteral("My List"));
        FileDialog::queueAnswer(original);
        d.browseForFile();
        QCOMPARE(FileDialog::takeAsked().value(0).caption, QStringLiteral("Upload M3U Playlist"));
        QCOMPARE(d.m3uUrlEdit()->text(), original);
        const SourceConfig saved = dialog.config();
        const QString copy = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/playlists/My_List.M3U");
        QCOMPARE(saved.url, copy);
        QCOMPARE(readFile(copy), readFile(original));

        // Saving again, now pointing at the copy, copies nothing and keeps the path.
        SourceConfig again = saved;
        SourceDialog edit(nullptr, &again, {});
        QCOMPARE(edit.config().url, copy);

        // A URL with a capitalised scheme is a URL here: nothing copied.
        SourceDialog remote(nullptr, nullptr, {});
        SourceDialogTestAccess r(remote);
        r.typeCombo()->setCurrentIndex(0);
        r.m3uUrlEdit()->setText(QStringLiteral("HTTP://example.invalid/list.m3u"));
        QCOMPARE(remote.config().url, QStringLiteral("HTTP://example.invalid/list.m3u"));
        // A path where no file exists stays as typed.
        r.m3uUrlEdit()->setText(picked.filePath(QStringLiteral("missing.m3u")));
        QCOMPARE(remote.config().url, picked.filePath(QStringLiteral("missing.m3u")));
    }

    // "a b" and "a+b" map to the same file name; the second must not replace the first's copy.
    void collidingPlaylistCopiesStayApart()
    {
        TempProfile profile;
        QTemporaryDir picked;
        const QString first = picked.filePath(QStringLiteral("one.m3u"));
        const QString second = picked.filePath(QStringLiteral("two.m3u"));
        writeFile(first, "#EXTINF:-1,First\nhttp://1\n");
        writeFile(second, "#EXTINF:-1,Second\nhttp://2\n");

        auto save = [](const QString& name, const QString& file, const QList<QString>& others) {
            SourceDialog dialog(nullptr, nullptr, others);
            SourceDialogTestAccess d(dialog);
            d.typeCombo()->setCurrentIndex(0);
            d.m3uNameEdit()->setText(name);
            d.m3uUrlEdit()->setText(file);
            return dialog.config();
        };
        const SourceConfig a = save(QStringLiteral("a b"), first, {});
        const SourceConfig b = save(QStringLiteral("a+b"), second, {QStringLiteral("a b")});
        QVERIFY(a.url != b.url);
        QCOMPARE(readFile(a.url), QByteArray("#EXTINF:-1,First\nhttp://1\n"));
        QCOMPARE(readFile(b.url), QByteArray("#EXTINF:-1,Second\nhttp://2\n"));
    }

    void deleteConfirmation()
    {
        SourceConfig existing;
        existing.name = QStringLiteral("Old \"One\"");
        existing.url = QStringLiteral("/x.m3u");
        {
            SourceDialog dialog(nullptr, &existing, {});
            MessageBox::queueAnswer(QMessageBox::No);
            SourceDialogTestAccess(dialog).onDeleteClicked();
            const auto shown = MessageBox::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Delete Server"));
            QCOMPARE(shown[0].text, QStringLiteral("Delete server \"Old \"One\"\"? This cannot be undone."));
            QCOMPARE(shown[0].defaultButton, QStringLiteral("&No"));
            QVERIFY(!dialog.deleteRequested);
            QCOMPARE(dialog.result(), 0);
        }
        SourceDialog dialog(nullptr, &existing, {});
        dialog.show();
        MessageBox::queueAnswer(QMessageBox::Yes);
        buttonWithText(&dialog, QStringLiteral("Delete Server"))->click();
        QVERIFY(dialog.deleteRequested);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void connectionTest()
    {
        LoopbackHttpServer server;
        QVERIFY(server.start());
        server.route(QStringLiteral("/player_api.php"), [](const LoopbackHttpServer::Request& r) {
            if (r.queryValue(QStringLiteral("password")) == QStringLiteral(" good "))
                return LoopbackHttpServer::json(R"({"user_info":{"auth":1,"status":"Active"}})");
            return LoopbackHttpServer::json(R"({"user_info":{"auth":0,"message":"Wrong password"}})");
        });
        SourceDialog dialog(nullptr, nullptr, {});
        SourceDialogTestAccess d(dialog);
        d.urlEdit()->setText(server.baseUrl() + QStringLiteral("/ "));
        d.usernameEdit()->setText(QStringLiteral(" me "));
        d.passwordEdit()->setText(QStringLiteral(" good "));
        d.testConnection();
        QCOMPARE(d.statusLabel()->text(), QStringLiteral("Testing..."));
        QTRY_COMPARE(d.statusLabel()->text(), QStringLiteral("Connection OK"));
        QCOMPARE(server.requests().last().queryValue(QStringLiteral("username")), QStringLiteral("me"));

        d.passwordEdit()->setText(QStringLiteral("bad"));
        d.testConnection();
        QTRY_COMPARE(d.statusLabel()->text(), QStringLiteral("Failed: Wrong password"));
        // A failed test blocks nothing: the dialog still gives its config.
        QCOMPARE(dialog.config().password, QStringLiteral("bad"));
    }
};

VELMORA_TEST_MAIN(TestSourceDialog)
#include "tst_sourcedialog.moc"
