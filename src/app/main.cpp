#include "app/platformselection.h"
#include "app/theme.h"
#include "app/uilanguage.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.gui.imageio.jpeg.warning=false\nqt.gui.icc.warning=false"));
    selectVideoCapablePlatform();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora Player"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Ties the window to its menu entry (data/velmora-player.desktop) on desktops that match them.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora-player"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora-player.png")));
    UiLanguage::apply();
    Theme::apply(app);

    MainWindow window;
    window.show();
    return app.exec();
}
