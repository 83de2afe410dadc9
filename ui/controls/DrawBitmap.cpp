#include "ui/controls/DrawBitmap.h"

void DrawBitmap(QPainter& painter, QPoint at, const QPixmap& bitmap)
{
    if (bitmap.isNull())
        return;
    // A copy, not a blend: the pictures are opaque and replace what is under them.
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(at, bitmap);
    painter.setCompositionMode(previous);
}
