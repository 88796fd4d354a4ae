#include "pairingpages.h"

#include <QTest>

namespace {
const QString kHostile = QStringLiteral("\"><script>alert('x')</script>&amp;");
}

class TestPairingPages : public QObject
{
    Q_OBJECT

private slots:
    // Whatever a phone or a computer sent is shown as text, never as markup.
    void everythingShownIsEscaped()
    {
        PairingPages::Form form;
        form.code = kHostile;
        form.details = {QStringLiteral("xtream"),
                        kHostile,
                        kHostile,
                        kHostile,
                        QStringLiteral("secret-password"),
                        QStringLiteral("ts")};
        const QString page = QString::fromUtf8(PairingPages::formPage(form, kHostile));
        QVERIFY(!page.contains(QStringLiteral("<script>alert")));
        QVERIFY(page.contains(
            QStringLiteral("&quot;&gt;&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;amp;")));
        QCOMPARE(page.count(QStringLiteral("&lt;script&gt;")), 5);  // code, name, url, user, error
        QVERIFY(!page.contains(QStringLiteral("secret-password"))); // never echoed back

        const QString sent = QString::fromUtf8(PairingPages::sentPage(kHostile));
        QVERIFY(!sent.contains(QStringLiteral("<script>alert")));
        QVERIFY(sent.contains(QStringLiteral("\u201C&quot;&gt;&lt;script&gt;")));
        QVERIFY(sent.contains(QStringLiteral("data-outcome=\"ok\"")));
    }

    void formReflectsChoices()
    {
        PairingPages::Form form;
        form.details.type = QStringLiteral("m3u");
        form.details.liveExtension = QStringLiteral("m3u8");
        const QString page = QString::fromUtf8(PairingPages::formPage(form));
        QVERIFY(page.contains(QStringLiteral("value=\"m3u\" checked")));
        QVERIFY(page.contains(QStringLiteral("<div id=\"xtream-fields\" hidden>")));
        QVERIFY(page.contains(QStringLiteral("<option value=\"m3u8\" selected>")));
        QVERIFY(!page.contains(QStringLiteral("id=\"outcome\"")));
    }

    void parseForm_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("plus is a space, %2B a plus")
            << QByteArray("code=abc+def&name=My+TV&password=a%2Bb+c") << QStringLiteral("abc def")
            << QStringLiteral("My TV") << QStringLiteral("a+b c");
        QTest::newRow("UTF-8 and reserved characters")
            << QByteArray("name=K%C3%BCche%20%26%20Bar&password=%3D%25%26&code=X")
            << QStringLiteral("X") << QStringLiteral("Küche & Bar") << QStringLiteral("=%&");
        QTest::newRow("first value wins, missing fields empty")
            << QByteArray("code=ONE&code=TWO") << QStringLiteral("ONE") << QString() << QString();
    }
    void parseForm()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, password);
        const PairingPages::Form form = PairingPages::parseForm(body);
        QCOMPARE(form.code, code);
        QCOMPARE(form.details.name, name);
        QCOMPARE(form.details.password, password);
    }
};

QTEST_GUILESS_MAIN(TestPairingPages)
#include "tst_pairingpages.moc"
