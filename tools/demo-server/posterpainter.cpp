#include "posterpainter.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace {

QFont fontOfSize(int pixels, bool bold)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The largest font (down to a floor) whose word-wrapped text fits the box.
QFont fittingFont(const QString& text, const QRect& box, int largest)
{
    for (int pixels = largest; pixels > 10; pixels -= 2) {
        const QFont font = fontOfSize(pixels, true);
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            return font;
    }
    return fontOfSize(10, true);
}

} // namespace

QImage PosterPainter::image(const QString& title, const QString& caption, quint64 seed, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const int hue = int(seed % 360);
    const int hue2 = (hue + 30 + int((seed >> 9) % 120)) % 360;
    QLinearGradient gradient(0, 0, size.width() * ((seed >> 17) % 2 ? 1 : 0), size.height());
    gradient.setColorAt(0, QColor::fromHsv(hue, 170, 200));
    gradient.setColorAt(1, QColor::fromHsv(hue2, 220, 70));
    p.fillRect(img.rect(), gradient);

    // A few soft shapes, so posters differ in more than their colour.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const quint64 bits = seed >> (i * 13);
        const int radius = size.width() / 6 + int(bits % quint64(size.width() / 2));
        const QPoint centre(int((bits >> 3) % quint64(size.width())),
                            int((bits >> 7) % quint64(size.height())));
        p.setBrush(QColor::fromHsv((hue + 180 + i * 25) % 360, 120, 255, 45));
        p.drawEllipse(centre, radius, radius);
    }

    const int margin = qMax(8, size.width() / 16);
    const bool square = size.width() == size.height();
    if (!caption.isEmpty()) {
        p.setFont(fontOfSize(qMax(10, size.width() / 15), false));
        p.setPen(QColor(255, 255, 255, 210));
        p.drawText(
            QRect(margin, margin, size.width() - 2 * margin, size.height() / 8),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
            QFontMetrics(p.font()).elidedText(caption, Qt::ElideRight, size.width() - 2 * margin));
    }

    const QRect box =
        square ? QRect(margin, size.height() / 5, size.width() - 2 * margin, size.height() * 3 / 5)
               : QRect(margin, size.height() * 2 / 5, size.width() - 2 * margin, size.height() / 2);
    p.setFont(fittingFont(title, box, size.height() / (square ? 6 : 9)));
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(box.translated(1, 2), Qt::AlignCenter | Qt::TextWordWrap, title);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, title);
    p.end();
    return img;
}

QByteArray PosterPainter::png(const QString& title, const QString& caption, quint64 seed,
                              QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image(title, caption, seed, size).save(&buffer, "PNG");
    return bytes;
}

QImage PosterPainter::banner(const QString& name, int width)
{
    const int height = qMax(24, width / 11);
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(img.rect(), QColor(0, 0, 0, 150));
    const QFont font = fontOfSize(height * 3 / 5, true);
    p.setFont(font);
    p.setPen(Qt::white);
    const int margin = height / 3;
    p.drawText(QRect(margin, 0, width - 2 * margin, height),
               Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               QFontMetrics(font).elidedText(name, Qt::ElideRight, width - 2 * margin));
    p.end();
    return img;
}
