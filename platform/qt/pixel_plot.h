#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace qz {

// Pen-width-1 drawing straight into a 32-bit image: the map view's thousands of short lines cost
// less this way than through a painter whose pen changes at every line. Pixels outside the image
// are skipped; with exclusiveOr each pixel of a line or box is flipped exactly once.
void plotLine(QImage& image, QPoint from, QPoint to, QRgb color, bool exclusiveOr);
void fillBox(QImage& image, QRect box, QRgb color, bool exclusiveOr);

}  // namespace qz
