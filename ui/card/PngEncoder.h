#pragma once

// The PNG of a drawing, written with libpng at its fastest: no row filters
// and zlib's first level. A card is mostly flat colour, which this packs
// within a factor of two of the smallest file in a third of the time of
// Qt's writer, whose filters cannot be chosen. Nothing of the moment is
// written, so the same picture gives the same bytes.

#include <QByteArray>
#include <QImage>

namespace ostrak {

// `image` opaque, in any format (converted to RGB when it is not 32-bit RGB);
// `dotsPerMetre` is recorded for viewers that show pictures at their size.
// Empty when libpng failed.
QByteArray EncodePng(const QImage& image, int dotsPerMetre);

}  // namespace ostrak
