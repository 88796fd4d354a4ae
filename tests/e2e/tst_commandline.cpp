// The three programs answer --help and --version as their manual pages say: on standard output,
// with exit code 0, without a display and without starting anything.
#include "testmain.h"

#include <QProcess>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("expected");
        const QString version = QStringLiteral(VELMORA_PROJECT_VERSION);
        const struct
        {
            const char* name;
            QString path;
            QString someOption;
        } programs[] = {
            {"velmora-player", QStringLiteral(VELMORA_PLAYER), QStringLiteral("--new-instance")},
            {"velmora-demo-server", QStringLiteral(VELMORA_DEMO_SERVER), QStringLiteral("--scale")},
            {"velmora-pairing-server", QStringLiteral(VELMORA_PAIRING_SERVER),
             QStringLiteral("--listen")},
        };
        for (const auto& p : programs) {
            const QString name = QString::fromLatin1(p.name);
            QTest::addRow("%s --help", p.name)
                << p.path << QStringLiteral("--help")
                << QStringList{QStringLiteral("Usage:"), name, QStringLiteral("--version"),
                               p.someOption};
            QTest::addRow("%s --version", p.name)
                << p.path << QStringLiteral("--version") << QStringList{name + u' ' + version};
        }
    }
    void answers()
    {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QStringList, expected);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display at all: the answer must not need one.
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.start(program, {option});
        QVERIFY(process.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 0, qPrintable(err));
        for (const QString& text : expected)
            QVERIFY2(out.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + out));
    }
};

VELMORA_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
