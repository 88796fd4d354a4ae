#pragma once

#include <QByteArray>

// One gzip member holding `data`: what servers send for "Accept-Encoding: gzip" and what guide
// files on disk often are. Reading goes through XmltvReader, which inflates as bytes arrive.
namespace Gzip {
QByteArray compress(const QByteArray& data, int level = 6);
}
