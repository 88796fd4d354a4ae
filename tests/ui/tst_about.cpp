#include "app/messagebox.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/mainwindow.h"

#include <QAction>

#include <vlc/vlc.h>

#include <memory>

// The About box as the window offers it: reached through the window's context menu, it names
// the versions in use (the program's is the CMake project version) and where the files go.
class TestAbout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProfile> profile;
    MessageBox::Shown shown;

private slots:
    void initTestCase()
    {
        profile = std::make_unique<TempProfile>();
        MessageBox::reset();
        MainWindow window;
        QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction* about = nullptr;
        for (QAction* action : window.actions()) {
            if (action->text() == u"About Velmora Player")
                about = action;
        }
        QVERIFY2(about, "no About entry in the window's context menu");
        QCOMPARE(about->shortcut(), QKeySequence(QKeySequence::HelpContents));

        MessageBox::queueAnswer(QMessageBox::Ok);
        about->trigger();
        const QList<MessageBox::Shown> boxes = MessageBox::takeShown();
        QCOMPARE(boxes.size(), 1);
        shown = boxes.first();
        QCOMPARE(shown.title, QStringLiteral("About Velmora Player"));
        QCOMPARE(shown.buttons.size(), 1);
    }

    void names_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::newRow("program version")
            << QStringLiteral("Velmora Player " VELMORA_PROJECT_VERSION);
        QTest::newRow("Qt version") << QString::fromLatin1(qVersion());
        QTest::newRow("libVLC version") << QString::fromUtf8(libvlc_get_version());
        const QString settings = profile->configHome() + QStringLiteral("/Velmora/Player.conf");
        QTest::newRow("settings file") << settings.toHtmlEscaped();
        const QString cache =
            profile->dataHome() + QStringLiteral("/Velmora/Velmora Player/catalog_cache");
        QTest::newRow("catalog cache") << cache.toHtmlEscaped();
        QTest::newRow("logs") << QStringLiteral("VELMORA_NET_DEBUG=1");
        QTest::newRow("licence") << QStringLiteral("GPL-3.0-or-later");
    }

    void names()
    {
        QFETCH(QString, expected);
        QVERIFY2(shown.text.contains(expected), qPrintable(shown.text));
    }
};

VELMORA_TEST_MAIN(TestAbout)
#include "tst_about.moc"
