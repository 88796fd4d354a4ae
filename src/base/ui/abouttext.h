#pragma once

#include <QString>

// What the About box says, composed without widgets so tests can read it directly.
class AboutText final
{
public:
    struct Facts
    {
        QString version;
        QString qtVersion;
        QString vlcVersion;
        QString settingsFile;
        QString catalogCacheDir;
        QString copyrightFile;      // empty when not installed next to the program
        bool diagnosticsOn = false; // VELMORA_NET_DEBUG
    };

    // This process's facts: versions of the program and the libraries it runs with, and where
    // its files go under the current user's profile.
    static Facts current();

    static QString title();
    // Rich text for a message box; paths are escaped.
    static QString html(const Facts& facts);
};
