#pragma once

#include <QImage>
#include <QString>

// Light modules around the symbol on each side. Screens need less than the four of print.
constexpr int kQrQuietZone = 2;

// The largest whole scale at which `modules` modules fit into `side` pixels; at least 1.
int qrScale(int modules, int side);

// The QR code of `text` (its UTF-8 bytes, error correction level M): black modules on white with
// the quiet zone, scaled by qrScale() without smoothing, so it fits `side` x `side` pixels.
// A null image when the text is too long for any QR code.
QImage qrCodeImage(const QString& text, int side);
