#pragma once

#include <QByteArray>

// libVLC draws video into an X11 window; it cannot draw into a Wayland surface. Under a Wayland
// session Qt must therefore run on xcb (XWayland), unless the user chose a platform explicitly.

// The platform to force, or empty when nothing needs to change.
QByteArray videoCapablePlatform(const QByteArray& qpaPlatform, const QByteArray& sessionType,
                                const QByteArray& waylandDisplay);

// Applies the rule to this process's environment. Call before the application object exists.
void selectVideoCapablePlatform();
