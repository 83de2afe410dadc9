#include "ui/controls/DrawBitmap.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(DrawBitmap, CopiesTheWholePictureAtItsOwnSize)
{
    QImage source(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            source.setPixel(x, y, qRgba(10 * x, 20 * y, 200, x == 4 ? 0 : 255));
    }
    QImage target(12, 8, QImage::Format_ARGB32);
    target.fill(qRgba(1, 2, 3, 255));
    {
        QPainter painter(&target);
        DrawBitmap(painter, QPoint(4, 2), QPixmap::fromImage(source));
        DrawBitmap(painter, QPoint(0, 0), QPixmap());
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 4 && x < 9 && y >= 2 && y < 5;
            const QRgb expected = inside ? source.pixel(x - 4, y - 2) : qRgba(1, 2, 3, 255);
            if (inside && x == 8) // a copy, not a blend: even a transparent pixel replaces
                EXPECT_EQ(qAlpha(target.pixel(x, y)), 0) << x << "," << y;
            else
                EXPECT_EQ(target.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(DrawBitmap, LeavesThePaintersCompositionModeAsItWas)
{
    QImage target(4, 4, QImage::Format_ARGB32);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    QPixmap pixel(1, 1);
    pixel.fill(Qt::red);
    DrawBitmap(painter, QPoint(1, 1), pixel);
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_Multiply);
}

} // namespace
