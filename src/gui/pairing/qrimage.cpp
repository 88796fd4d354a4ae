#include "pairing/qrimage.h"

#include <qrcodegen/qrcodegen.hpp>

#include <algorithm>
#include <optional>
#include <vector>

int qrScale(int modules, int side)
{
    return modules > 0 ? std::max(1, side / modules) : 1;
}

QImage qrCodeImage(const QString& text, int side)
{
    const QByteArray bytes = text.toUtf8();
    std::optional<qrcodegen::QrCode> symbol;
    try {
        // encodeText stops at a NUL byte; such text goes in as plain bytes instead.
        symbol =
            bytes.contains('\0')
                ? qrcodegen::QrCode::encodeBinary(
                      std::vector<std::uint8_t>(bytes.cbegin(), bytes.cend()),
                      qrcodegen::QrCode::Ecc::MEDIUM)
                : qrcodegen::QrCode::encodeText(bytes.constData(), qrcodegen::QrCode::Ecc::MEDIUM);
    } catch (const qrcodegen::data_too_long&) {
        return QImage();
    }

    const int size = symbol->getSize();
    const int modules = size + 2 * kQrQuietZone;
    QImage image(modules, modules, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (symbol->getModule(x, y))
                image.setPixel(x + kQrQuietZone, y + kQrQuietZone, qRgb(0, 0, 0));
        }
    }
    const int scaled = modules * qrScale(modules, side);
    return image.scaled(scaled, scaled, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
