// The pair dialog end to end: our real backend, a real browser typing on the pair page
// (tests/browser/pair-phone.mjs) and a pretend Xtream server that the dialog checks the details
// against. Also through the server dialog's "Quorbin Subscription" button.
#include "pairing/pairdialog.h"
#include "pairing/pairingtext.h"
#include "sources/sourcedialog.h"

#include "modaldriver.h"
#include "pairdialogtestaccess.h"
#include "pairingserverprocess.h"
#include "phonebrowser.h"
#include "sourcedialogtestaccess.h"
#include "testmain.h"
#include "xtreamfixture.h"

#include <QComboBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace {
// Spaces at both ends and characters that mean something in HTML, URLs and JSON.
const QString kPassword = QStringLiteral(" p@ss &<w>\"'%20 ");
} // namespace

class TestPairDialogPhone : public QObject
{
    Q_OBJECT

private:
    PairingServerProcess backend{QStringLiteral(PAIRING_SERVER)};
    XtreamFixture xtream;

    QJsonObject details(const QString& password) const
    {
        return {{QStringLiteral("type"), QStringLiteral("xtream")},
                {QStringLiteral("name"), QStringLiteral("Living room")},
                {QStringLiteral("url"), xtream.baseUrl()},
                {QStringLiteral("username"), xtream.username()},
                {QStringLiteral("password"), password},
                {QStringLiteral("live_extension"), QStringLiteral("m3u8")}};
    }

    // Opens the pair link the dialog shows and types the code as shown (with its hyphen).
    // True when the page accepted the details.
    bool phone(PairDialogTestAccess& d, const QJsonObject& typed)
    {
        const QString pairUrl = backend.baseUrl() + QStringLiteral("/pair?code=") + d.code();
        const PhoneBrowser::Outcome outcome =
            PhoneBrowser::submit(pairUrl, d.codeLabel()->text(), typed);
        if (outcome.exitCode != 0)
            qWarning("pair-phone: %s", outcome.errors.constData());
        return outcome.exitCode == 0 && outcome.result.value(QStringLiteral("ok")).toBool();
    }

    static bool showsCode(PairDialogTestAccess& d) { return d.code().size() == 6; }

    static void compareWithDetails(const SourceConfig& config, const QJsonObject& sent)
    {
        QCOMPARE(config.type, int(SourceConfig::Xtream));
        QCOMPARE(config.name, sent.value(QStringLiteral("name")).toString());
        QCOMPARE(config.url, sent.value(QStringLiteral("url")).toString());
        QCOMPARE(config.username, sent.value(QStringLiteral("username")).toString());
        QCOMPARE(config.password, sent.value(QStringLiteral("password")).toString());
        QCOMPARE(config.liveExtension, sent.value(QStringLiteral("live_extension")).toString());
        QCOMPARE(config.lastUpdated, qint64(0));
    }

private slots:
    void initTestCase()
    {
        if (!PhoneBrowser::packagesInstalled())
            QSKIP("tests/browser/node_modules is missing: run scripts/install-deps.sh");
        QVERIFY2(!PhoneBrowser::node().isEmpty(), "node is not installed");
        QVERIFY2(backend.start(), qPrintable(backend.errorText()));
        // Read once per process, on the first request: set before any.
        qputenv("VELMORA_BACKEND_URL", backend.baseUrl().toUtf8());
        xtream.setCredentials(QStringLiteral("viewer"), kPassword);
        QVERIFY(xtream.start());
    }

    void wrongPasswordThenRight()
    {
        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(showsCode(d), 10000);
        const QString firstCode = d.code();

        // A wrong password passes the phone page but not the login test.
        QVERIFY(phone(d, details(QStringLiteral("not the password"))));
        QTRY_COMPARE_WITH_TIMEOUT(
            d.messageLabel()->text(),
            failureText(
                QStringLiteral("Authentication failed - check server URL, username, and password")),
            15000);
        QVERIFY(!d.messageLabel()->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(showsCode(d), 10000);
        QVERIFY(d.code() != firstCode);
        QVERIFY(dialog.result.url.isEmpty());

        // The right one with the new code: accepted with exactly what was typed.
        const QJsonObject right = details(kPassword);
        QVERIFY(phone(d, right));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.QDialog::result(), int(QDialog::Accepted), 15000);
        compareWithDetails(dialog.result, right);
    }

    void throughTheServerDialog()
    {
        SourceDialog dialog(nullptr, nullptr, {});
        dialog.setSubscriptionPrompt(&PairDialog::askForServer);
        SourceDialogTestAccess s(dialog);
        const QJsonObject sent = details(kPassword);
        ModalDriver<PairDialog> pairing(
            [this, &sent](PairDialog* pair) {
                PairDialogTestAccess d(*pair);
                QTRY_VERIFY_WITH_TIMEOUT(showsCode(d), 10000);
                QVERIFY(phone(d, sent));
            },
            QStringLiteral("Quorbin Subscription"));
        QCOMPARE(s.execThroughSubscription(90000), int(QDialog::Accepted));
        QCOMPARE(pairing.handled(), 1);
        QCOMPARE(s.typeCombo()->currentIndex(), int(SourceConfig::Xtream));
        QCOMPARE(s.passwordEdit()->text(), kPassword);
        compareWithDetails(dialog.config(), sent);
    }
};

VELMORA_TEST_MAIN(TestPairDialogPhone)
#include "tst_pairdialogphone.moc"
