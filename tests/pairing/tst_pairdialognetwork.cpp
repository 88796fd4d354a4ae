// The pair dialog with its built-in backend: the port it listens on and names for the firewall,
// and the choice between several addresses of this computer. Every address is a loopback one,
// so no traffic leaves this computer.
#include "pairing/localpairingbackend.h"
#include "pairing/pairdialog.h"

#include "pairdialogtestaccess.h"
#include "testmain.h"

#include <QComboBox>
#include <QTcpServer>
#include <QTextDocument>
#include <QUrl>

#include <optional>

namespace {
QList<QHostAddress> loopbackAddresses(int count)
{
    QList<QHostAddress> addresses;
    for (int i = 1; i <= count; ++i)
        addresses.append(QHostAddress(QStringLiteral("127.0.0.%1").arg(i)));
    return addresses;
}

QString plainText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}
} // namespace

class TestPairDialogNetwork : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        LocalPairingBackend::setAddressSourceForTests({});
        LocalPairingBackend::setPreferredPortForTests(0);
    }

    void fixedPort_data()
    {
        QTest::addColumn<bool>("preferredTaken");
        QTest::newRow("the preferred port when it is free") << false;
        QTest::newRow("another one when it is taken") << true;
    }

    void fixedPort()
    {
        QFETCH(bool, preferredTaken);
        LocalPairingBackend::setAddressSourceForTests([] { return loopbackAddresses(1); });
        // Stands in for 8787, which another program on this machine may hold.
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost, 0));
        const quint16 preferred = holder.serverPort();
        if (!preferredTaken)
            holder.close();
        LocalPairingBackend::setPreferredPortForTests(preferred);

        PairDialog dialog;
        PairDialogTestAccess d(dialog);
        QTRY_COMPARE_WITH_TIMEOUT(d.code().size(), 6, 10000);
        const quint16 port = d.localBackend()->port();
        QCOMPARE(port == preferred, !preferredTaken);
        QCOMPARE(QUrl(d.localBackend()->baseUrl()).port(), int(port));
        const QString help = plainText(d.instructionsLabel()->text());
        QVERIFY2(help.contains(
                     QStringLiteral("If this computer has a firewall, let in TCP port %1 for it.")
                         .arg(port)),
                 qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("open 127.0.0.1:%1/pair,").arg(port)),
                 qPrintable(help));
        QVERIFY(d.addressBox()->isHidden()); // one address: nothing to choose
    }

    void severalAddresses()
    {
        LocalPairingBackend::setAddressSourceForTests([] { return loopbackAddresses(2); });
        PairDialog dialog;
        dialog.show();
        PairDialogTestAccess d(dialog);
        QVERIFY(!d.addressBox()->isHidden());
        QCOMPARE(d.addressBox()->count(), 2);
        QCOMPARE(d.addressBox()->currentText(), QStringLiteral("127.0.0.1"));
        QTRY_COMPARE_WITH_TIMEOUT(d.code().size(), 6, 10000);
        const QString firstCode = d.code();
        QCOMPARE(QUrl(d.localBackend()->baseUrl()).host(), QStringLiteral("127.0.0.1"));

        // The user picks the other one: the backend moves there and the code with it.
        QTest::keyClick(d.addressBox(), Qt::Key_Down);
        QCOMPARE(d.addressBox()->currentText(), QStringLiteral("127.0.0.2"));
        QTRY_VERIFY_WITH_TIMEOUT(d.code().size() == 6 && d.code() != firstCode, 10000);
        QCOMPARE(QUrl(d.localBackend()->baseUrl()).host(), QStringLiteral("127.0.0.2"));
        QVERIFY(plainText(d.instructionsLabel()->text()).contains(QStringLiteral("127.0.0.2:")));
    }
};

VELMORA_TEST_MAIN_AFTER(TestPairDialogNetwork, qunsetenv("VELMORA_BACKEND_URL"))
#include "tst_pairdialognetwork.moc"
