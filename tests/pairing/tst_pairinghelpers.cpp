// The pair dialog's widget-free parts: the QR image and the texts it shows.
#include "pairing/pairingtext.h"
#include "pairing/qrimage.h"

#include "testmain.h"

#include <QTextDocument>

#include <qrcodegen/qrcodegen.hpp>

class TestPairingHelpers : public QObject
{
    Q_OBJECT

private slots:
    void qrImage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("symbolSize");
        QTest::addColumn<int>("imageSize");

        // Lower-case text is encoded byte by byte: 26 bytes fit version 2 at level M, 62 version 4.
        QTest::newRow("25 modules + quiet zone = 29, scaled by 8")
            << QStringLiteral("http://pair.example/p?c=a") << 25 << 232;
        QTest::newRow("33 modules + quiet zone = 37, scaled by 6")
            << QStringLiteral("http://pair.example/pair?code=abcdefghijklmnopqrst") << 33 << 222;
        QTest::newRow("largest symbol: 181 modules at scale 1")
            << QString(2331, QLatin1Char('a')) << 177 << 181;
        QTest::newRow("non-ASCII link encoded as UTF-8")
            << QStringLiteral("http://pair.example/p\u00E4") << 25 << 232;
    }

    void qrImage()
    {
        QFETCH(QString, text);
        QFETCH(int, symbolSize);
        QFETCH(int, imageSize);

        const QByteArray bytes = text.toUtf8();
        const qrcodegen::QrCode reference =
            qrcodegen::QrCode::encodeText(bytes.constData(), qrcodegen::QrCode::Ecc::MEDIUM);
        QCOMPARE(reference.getSize(), symbolSize);

        const QImage image = qrCodeImage(text, 240);
        QCOMPARE(image.size(), QSize(imageSize, imageSize));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        const int scale = imageSize / (symbolSize + 2 * kQrQuietZone);
        for (int y = 0; y < imageSize; ++y) {
            for (int x = 0; x < imageSize; ++x) {
                const int mx = x / scale - kQrQuietZone;
                const int my = y / scale - kQrQuietZone;
                const bool inSymbol = mx >= 0 && my >= 0 && mx < symbolSize && my < symbolSize;
                const QRgb expected =
                    inSymbol && reference.getModule(mx, my) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
                if (image.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 (module %3,%4)")
                                         .arg(x)
                                         .arg(y)
                                         .arg(mx)
                                         .arg(my)));
            }
        }
    }

    void qrLimits()
    {
        // One byte more than level M holds: no image, no exception.
        QVERIFY(qrCodeImage(QString(2332, QLatin1Char('a')), 240).isNull());
        QVERIFY(qrCodeImage(QString(10000, QLatin1Char('a')), 240).isNull());
        // A NUL byte does not cut the link short: the bytes after it are encoded too.
        const QImage withNul = qrCodeImage(QStringLiteral("a") + QChar(0) + QString(40, u'b'), 240);
        QCOMPARE(withNul.width(), (29 + 4) * 7); // 42 bytes need version 3
        QCOMPARE(qrScale(29, 240), 8);
        QCOMPARE(qrScale(37, 240), 6);
        QCOMPARE(qrScale(300, 240), 1);
    }

    void countdown_data()
    {
        QTest::addColumn<qint64>("remainingMs");
        QTest::addColumn<QString>("shown"); // empty: expired

        QTest::newRow("300 s, a few ms after the answer") << qint64(300000 - 4) << "4:59";
        QTest::newRow("exactly 300 s") << qint64(300000) << "5:00";
        QTest::newRow("seconds padded to two digits") << qint64(247000) << "4:07";
        QTest::newRow("just under a minute") << qint64(59999) << "0:59";
        QTest::newRow("minutes without padding") << qint64(720000) << "12:00";
        QTest::newRow("1500 ms") << qint64(1500) << "0:01";
        QTest::newRow("one whole second") << qint64(1000) << "0:01";
        QTest::newRow("999 ms is expired") << qint64(999) << "";
        QTest::newRow("none left") << qint64(0) << "";
        QTest::newRow("past the end") << qint64(-5000) << "";
    }

    void countdown()
    {
        QFETCH(qint64, remainingMs);
        QFETCH(QString, shown);
        QCOMPARE(pairingCodeExpired(remainingMs), shown.isEmpty());
        if (!shown.isEmpty())
            QCOMPARE(waitingText(remainingMs),
                     QStringLiteral("Waiting for your phone... (expires in %1)").arg(shown));
    }

    void shortLink_data()
    {
        QTest::addColumn<QString>("pairUrl");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("plainInstructions"); // as the label shows it

        QTest::newRow("no scheme, query or fragment")
            << "https://pair.example/pair?code=ABCDEF#top"
            << "pair.example/pair"
            << "On your phone, scan the QR code or open pair.example/pair, then enter this code:";
        QTest::newRow("a port of its own stays")
            << "http://192.168.1.5:8787/pair"
            << "192.168.1.5:8787/pair"
            << "On your phone, scan the QR code or open 192.168.1.5:8787/pair, then enter this "
               "code:";
        QTest::newRow("the scheme's own port goes")
            << "https://pair.example:443/pair"
            << "pair.example/pair"
            << "On your phone, scan the QR code or open pair.example/pair, then enter this code:";
        QTest::newRow("IPv6 with a port") << "http://[::1]:8787/pair"
                                          << "[::1]:8787/pair"
                                          << "On your phone, scan the QR code or open "
                                             "[::1]:8787/pair, then enter this code:";
        QTest::newRow("decoded path")
            << "http://pair.example/a%20b%C3%A4" << QStringLiteral("pair.example/a b\u00E4")
            << QStringLiteral("On your phone, scan the QR code or open "
                              "pair.example/a b\u00E4, then enter this "
                              "code:");
        QTest::newRow("a less-than sign is text, not markup")
            << "http://pair.example/<i>x"
            << "pair.example/<i>x"
            << "On your phone, scan the QR code or open pair.example/<i>x, then enter this code:";
        QTest::newRow("host only") << "http://pair.example"
                                   << "pair.example"
                                   << "On your phone, scan the QR code or open pair.example, then "
                                      "enter this code:";
    }

    void shortLink()
    {
        QFETCH(QString, pairUrl);
        QFETCH(QString, link);
        QFETCH(QString, plainInstructions);
        QCOMPARE(pairingShortLink(pairUrl), link);
        const QString html = pairingInstructions(pairUrl);
        QVERIFY2(
            html.contains(QStringLiteral("<b>") + link.toHtmlEscaped() + QStringLiteral("</b>")),
            qPrintable(html));
        QTextDocument rendered;
        rendered.setHtml(html);
        QCOMPARE(rendered.toPlainText(), plainInstructions);
    }

    void codeAndDevice()
    {
        QCOMPARE(displayedCode(QStringLiteral("ABCDEF")), QStringLiteral("ABC-DEF"));
        QCOMPARE(displayedCode(QStringLiteral("ABCDEFGH")), QStringLiteral("ABC-DEFGH"));
        QCOMPARE(displayedCode(QStringLiteral("ABC")), QStringLiteral("ABC-"));
        QCOMPARE(displayedCode(QStringLiteral("AB")), QStringLiteral("AB-"));

        QCOMPARE(deviceNameText(QStringLiteral("PC-1")),
                 QStringLiteral("Your phone will show this computer as \u201CPC-1\u201D"));
        QCOMPARE(deviceNameText(QString()), QString());
        // Substituted in one pass: a host name holding "%1" stays as it is.
        QCOMPARE(deviceNameText(QStringLiteral("pc%1%3")),
                 QStringLiteral("Your phone will show this computer as \u201Cpc%1%3\u201D"));

        QCOMPARE(failureText(QString()), QString());
        QCOMPARE(failureText(QStringLiteral("Bad %1 login")),
                 QStringLiteral("That didn't work: Bad %1 login\nFix it on your phone and send it "
                                "again with the new code."));
    }
};

VELMORA_TEST_MAIN(TestPairingHelpers)
#include "tst_pairinghelpers.moc"
