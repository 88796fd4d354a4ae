#include "app/netlogstream.h"
#include "app/platformselection.h"
#include "app/singleinstance.h"
#include "app/theme.h"
#include "app/uilanguage.h"
#include "ui/catalogfilter.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLoggingCategory>
#include <QThreadPool>

#include <cstdio>
#include <cstdlib>

namespace {
void setNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

const QCommandLineOption& newInstanceOption()
{
    static const QCommandLineOption option(
        QStringLiteral("new-instance"),
        QCoreApplication::translate("main", "Open another window even when the player already "
                                            "runs with this profile."));
    return option;
}

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Desktop player for internet television: Xtream Codes accounts and M3U "
                "playlists.\nA second start shows the running player's window instead."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(newInstanceOption());
}

// --help and --version answer without a display, before the window system is touched.
void answerWithoutDisplay(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments);
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (!parser.isSet(QStringLiteral("help")) && !helpAll &&
        !parser.isSet(QStringLiteral("version")))
        return;
    QCoreApplication app(argc, argv);
    if (helpAll)
        parser.process(app); // lists Qt's options too, and ends the process
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("velmora-player %s\n", VELMORA_VERSION);
        std::exit(0);
    }
    parser.showHelp(0);
}

void bringToFront(QWidget& window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

int main(int argc, char* argv[])
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.gui.imageio.jpeg.warning=false\nqt.gui.icc.warning=false"));
    setNames();
    answerWithoutDisplay(argc, argv);
    selectVideoCapablePlatform();

    QApplication app(argc, argv);
    setNames();
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    SingleInstance instance;
    if (parser.isSet(newInstanceOption())) {
        if (netDebugEnabled())
            NetLogStream() << "[Instance] -> a window of its own (--new-instance)";
    } else if (!instance.claim()) {
        std::printf("%s\n", qPrintable(QCoreApplication::translate(
                                "main", "Velmora Player already runs; its window was brought to "
                                        "the front.")));
        return 0;
    }

    // Ties the window to its menu entry (data/velmora-player.desktop) on desktops that match them.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora-player"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora-player.png")));
    UiLanguage::apply();
    Theme::apply(app);

    // The search's folding tables, built while the window starts rather than at the first key.
    QThreadPool::globalInstance()->start([] { prepareCatalogMatching(); });
    MainWindow window;
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window] { bringToFront(window); });
    window.show();
    return app.exec();
}
