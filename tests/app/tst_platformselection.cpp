#include "app/platformselection.h"
#include "testmain.h"

class TestPlatformSelection : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("forced");
        QTest::newRow("wayland session falls back to xcb") << QByteArray() << QByteArray("wayland") << QByteArray() << QByteArray("xcb");
        QTest::newRow("wayland display alone is enough") << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray("xcb");
        QTest::newRow("user's explicit platform wins") << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray();
        QTest::newRow("x11 session unchanged") << QByteArray() << QByteArray("x11") << QByteArray() << QByteArray();
        QTest::newRow("no session (CI, tty) unchanged") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    }
    void rule()
    {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, forced);
        QCOMPARE(videoCapablePlatform(qpa, session, waylandDisplay), forced);
    }
};

VELMORA_TEST_MAIN(TestPlatformSelection)
#include "tst_platformselection.moc"
