#include "ui/videosurface.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

VlcPlayer::VideoWindow videoSurfaceOf(QWidget* widget)
{
    return [guarded = QPointer<QWidget>(widget)]() -> quintptr {
        if (!guarded)
            return 0;
        guarded->setAttribute(Qt::WA_DontCreateNativeAncestors);
        guarded->setAttribute(Qt::WA_NativeWindow);
        const WId window = guarded->winId();
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
        // An X11 window id only means something under xcb (a Wayland session is switched to xcb
        // before the application object exists).
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return 0;
#endif
        return quintptr(window);
    };
}
