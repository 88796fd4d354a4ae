#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// The start minute (Unix seconds / 60) the demo server burns into an archive picture: 384x216,
// 32 cells of 12 px across the top, white for 1, most significant first. The player scales the
// picture to fit its widget, with bars where the shapes differ.
inline qint64 archiveMinuteIn(const QImage& shot)
{
    constexpr int kWidth = 384, kHeight = 216, kCells = 32, kCell = 12;
    const double scale = std::min(shot.width() / double(kWidth), shot.height() / double(kHeight));
    const double left = (shot.width() - kWidth * scale) / 2;
    const double top = (shot.height() - kHeight * scale) / 2;
    quint32 value = 0;
    for (int bit = 0; bit < kCells; ++bit) {
        const int x = int(left + (bit * kCell + kCell / 2) * scale);
        const int y = int(top + kCell / 2 * scale);
        value = value << 1 | (qGray(shot.pixel(x, y)) > 128 ? 1u : 0u);
    }
    return value;
}

// The same read from the screen, where libVLC draws into the widget's native window.
inline qint64 archiveMinuteOn(const QWidget* video)
{
    const QPoint origin = video->mapToGlobal(QPoint(0, 0));
    return archiveMinuteIn(
        QGuiApplication::primaryScreen()
            ->grabWindow(0, origin.x(), origin.y(), video->width(), video->height())
            .toImage());
}
