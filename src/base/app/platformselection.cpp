#include "app/platformselection.h"

#include <QtGlobal>

QByteArray videoCapablePlatform(const QByteArray& qpaPlatform, const QByteArray& sessionType,
                                const QByteArray& waylandDisplay)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qpaPlatform.isEmpty())
        return {};
    if (sessionType.compare("wayland", Qt::CaseInsensitive) == 0 || !waylandDisplay.isEmpty())
        return "xcb";
    return {};
#else
    Q_UNUSED(qpaPlatform);
    Q_UNUSED(sessionType);
    Q_UNUSED(waylandDisplay);
    return {};
#endif
}

void selectVideoCapablePlatform()
{
    const QByteArray platform = videoCapablePlatform(
        qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
