#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QImage;

// Draws the demo server's pictures: a poster or logo per catalog entry (colours from a seed,
// the title written on it) and the name strip laid over a live channel's video.
// Needs a QGuiApplication (fonts); safe to call from any thread.
class PosterPainter final
{
public:
    static constexpr QSize kPosterSize{200, 300};
    static constexpr QSize kLogoSize{160, 160};

    // PNG bytes of a poster (portrait) or logo (square, when `size` is square).
    static QByteArray png(const QString& title, const QString& caption, quint64 seed,
                          QSize size = kPosterSize);
    static QImage image(const QString& title, const QString& caption, quint64 seed, QSize size);
    // A translucent strip with the channel's name, `width` wide, for overlaying on live video.
    static QImage banner(const QString& name, int width);
};
