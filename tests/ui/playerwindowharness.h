#pragma once

#include "loopbackhttpserver.h"
#include "mainwindowtestaccess.h"
#include "model/mediaitem.h"
#include "tempprofile.h"
#include "xtreamfixture.h"

#include <QString>

#include <memory>

class MainWindow;

// The main window with its real player, opened on a pretend Xtream server on 127.0.0.1, for the
// player panel's tests under Xvfb. The catalog holds three live channels ("11" to "13"), four
// movies ("21" to "24") and an episode address ("31"). Every stream address answers nothing at
// all (the connection stays open and silent) until a test routes it to something else.
class PlayerWindowHarness final
{
public:
    PlayerWindowHarness();
    ~PlayerWindowHarness();

    bool startServer();
    // A fresh profile with only this server, the window shown on it and its catalog loaded.
    bool open();
    void close();

    LoopbackHttpServer& http() { return xtream.server(); }
    // Its catalog may change before open().
    XtreamFixture& fixture() { return xtream; }
    MainWindow& window() { return *mainWindow; }
    MainWindowTestAccess& w() { return *access; }

    // Paths the window asks for when it plays the entry with `id`.
    static QString livePath(const QString& id);
    static QString moviePath(const QString& id);
    static QString episodePath(const QString& id);

    // Entries as the window's catalog holds them (empty when not loaded).
    MediaItem live(const QString& id) const;
    MediaItem movie(const QString& id) const;
    static MediaItem episode(const QString& id, const QString& name);

private:
    XtreamFixture xtream{true};
    std::unique_ptr<TempProfile> profile;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<MainWindowTestAccess> access;
};
