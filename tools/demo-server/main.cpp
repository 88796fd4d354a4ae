// velmora-demo-server: a made-up IPTV server for trying the player and for its end-to-end tests.
#include "democatalog.h"
#include "demooptions.h"
#include "demoserver.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSockets[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(signalSockets[0], &byte, 1);
    (void)written;
}

// SIGINT and SIGTERM end the event loop, so live folders are removed and ffmpeg is ended.
void quitOnSignals(QGuiApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte = 0;
        const ssize_t got = ::read(signalSockets[1], &byte, 1);
        (void)got;
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char* argv[])
{
    // Posters are painted off screen; the server never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora-demo-server"));

    DemoOptions options;
    QString message;
    bool exitNow = false;
    if (!options.parse(QGuiApplication::arguments(), &message, &exitNow)) {
        print(stderr, QStringLiteral("velmora-demo-server: %1\n").arg(message));
        return 2;
    }
    if (exitNow) {
        print(stdout, message);
        return 0;
    }

    DemoServer server(options);
    if (!server.start(&message)) {
        print(stderr, QStringLiteral("velmora-demo-server: %1\n").arg(message));
        return 1;
    }
    quitOnSignals(app);
    const bool hasFfmpeg = options.ffmpeg.contains(u'/')
                               ? QFileInfo(options.ffmpeg).isExecutable()
                               : !QStandardPaths::findExecutable(options.ffmpeg).isEmpty();
    if (!hasFfmpeg)
        print(stderr, QStringLiteral("velmora-demo-server: %1 not found: live channels and clips "
                                     "will fail (scripts/install-deps.sh installs ffmpeg)\n")
                          .arg(options.ffmpeg));

    const DemoCatalog& catalog = server.demoCatalog();
    print(stderr, QStringLiteral("velmora-demo-server: %1 live channels, %2 movies, %3 series; "
                                 "user \"%4\", password \"%5\"; playlist %6/playlist.m3u\n")
                      .arg(catalog.entries(DemoCatalog::Kind::Live).size())
                      .arg(catalog.entries(DemoCatalog::Kind::Movie).size())
                      .arg(catalog.entries(DemoCatalog::Kind::Series).size())
                      .arg(options.username, options.password, server.baseUrl()));
    // The one line scripts and tests read: where the server answers.
    print(stdout, QStringLiteral("DEMO_SERVER_URL=%1\n").arg(server.baseUrl()));
    return app.exec();
}
