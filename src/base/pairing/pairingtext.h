#pragma once

#include <QString>
#include <QtGlobal>

// Texts the pair dialog shows. Widget-free, for tests.

// A code counts as expired once less than one whole second of it is left.
bool pairingCodeExpired(qint64 remainingMs);

// "Waiting for your phone... (expires in 4:59)": whole minutes, then seconds with two digits;
// the remaining time is cut to whole seconds.
QString waitingText(qint64 remainingMs);

// Host, then the port unless the scheme implies it, then the path, decoded; without scheme,
// query or fragment.
QString pairingShortLink(const QString& pairUrl);

// The instructions with the short link in bold; the link is shown as text, never as markup.
// A backend on this computer (`localPort` not 0) is reached only from the same network and
// through the computer's firewall, which they then say.
QString pairingInstructions(const QString& pairUrl, quint16 localPort = 0);

// "ABC-DEF": the first three characters, a hyphen, the rest.
QString displayedCode(const QString& code);

// How the phone names this computer, in typographic quotes; empty without a host name.
QString deviceNameText(const QString& hostName);

// The red line after a refused server; empty for no reason.
QString failureText(const QString& reason);
