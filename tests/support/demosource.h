#pragma once

#include "demoserverprocess.h"
#include "model/sourceconfig.h"
#include "sources/sourcemanager.h"

// Saves the demo server as the profile's only server, to be opened at the window's start: its
// Xtream account, or its playlist.
inline SourceConfig saveDemoSource(const DemoServerProcess& demo, bool xtream)
{
    SourceConfig config;
    config.name = QStringLiteral("Demo");
    config.type = xtream ? SourceConfig::Xtream : SourceConfig::M3u;
    config.url = xtream ? demo.baseUrl() : demo.url(QStringLiteral("/playlist.m3u")).toString();
    config.username = QStringLiteral("demo");
    config.password = QStringLiteral("demo");
    SourceManager sources;
    sources.saveSource(config);
    sources.setLastActiveSourceName(config.name);
    return sources.sources().last(); // with the id it got
}
