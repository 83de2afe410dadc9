#pragma once

#include <QImage>

namespace art {

QImage PaintThumb();        // 8x16, opaque
QImage PaintChannel();      // 63x20, base grey but for the groove on rows 8..11, x 6..56
QImage PaintIcon(int size); // 16 or 32, with alpha
QImage PaintHandCursor();   // 32x32 with alpha, fingertip at (7, 0)

} // namespace art
