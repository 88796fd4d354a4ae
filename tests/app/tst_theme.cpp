#include "app/theme.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Theme::apply(*qApp); }

    void styleAndPalette()
    {
        const QPalette p = QApplication::palette();
        QCOMPARE(p.color(QPalette::Active, QPalette::Window), QColor(0x1e2026));
        QCOMPARE(p.color(QPalette::Inactive, QPalette::Base), QColor(0x262830));
        QCOMPARE(p.color(QPalette::Active, QPalette::BrightText), QColor(Qt::red));
        // Only the disabled group greys text out.
        QCOMPARE(p.color(QPalette::Disabled, QPalette::Text), QColor(0x9498a3));
        QCOMPARE(p.color(QPalette::Active, QPalette::Text), QColor(0xe2e4e9));
    }

    // Object names select rules of the style sheet; check them on real, rendered widgets.
    void namedWidgets()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* muted = new QLabel(QStringLiteral("secondary"), &window);
        muted->setObjectName(QStringLiteral("mutedLabel"));
        auto* plain = new QLabel(QStringLiteral("primary"), &window);
        auto* accent = new QPushButton(QStringLiteral("Play"), &window);
        accent->setObjectName(QStringLiteral("accentButton"));
        accent->setMinimumSize(120, 40);
        layout->addWidget(muted);
        layout->addWidget(plain);
        layout->addWidget(accent);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(muted->palette().color(muted->foregroundRole()), QColor(0x9498a3));
        QCOMPARE(plain->palette().color(plain->foregroundRole()), QColor(0xe2e4e9));
        QCOMPARE(accent->palette().color(accent->foregroundRole()), QColor(Qt::white));
        QCOMPARE(accent->font().weight(), QFont::DemiBold);
        QCOMPARE(accent->font().pixelSize(), 13);

        // The button's face, away from its text and rounded border, is the accent colour.
        const QImage image = accent->grab().toImage();
        QCOMPARE(QColor(image.pixel(6, image.height() / 2)), QColor(0x3b82f6));
    }
};

VELMORA_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
