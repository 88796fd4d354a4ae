#include "app/messagebox.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QFile>

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
        QTest::newRow("hiredis of the pairing server") << QStringLiteral("hiredis (BSD-3-Clause)");
    }

    void names()
    {
        QFETCH(QString, expected);
        QVERIFY2(shown.text.contains(expected), qPrintable(shown.text));
    }

    // The package's copyright file names each library a program links, with its licence text.
    void copyrightFile_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::newRow("hiredis in the list") << QStringLiteral("hiredis (libhiredis0.14)");
        QTest::newRow("the pairing server's paragraph")
            << QStringLiteral("Files: usr/bin/velmora-pairing-server\n");
        QTest::newRow("its licences")
            << QStringLiteral("License: GPL-3+ and LGPL-3 and BSD-3-Clause");
        QTest::newRow("the BSD-3-Clause text") << QStringLiteral("\nLicense: BSD-3-Clause\n");
    }
    void copyrightFile()
    {
        QFETCH(QString, expected);
        QFile file(QStringLiteral(VELMORA_COPYRIGHT_FILE));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY(QString::fromUtf8(file.readAll()).contains(expected));
    }
};

VELMORA_TEST_MAIN(TestAbout)
#include "tst_about.moc"
