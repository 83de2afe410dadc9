#include "res/Resources.h"
#include "res/ButtonLayout.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool IsBaseGrey(QRgb pixel)
{
    return qRed(pixel) == res::kBaseGreyR && qGreen(pixel) == res::kBaseGreyG &&
           qBlue(pixel) == res::kBaseGreyB;
}

QImage LoadImage(int id)
{
    return res::LoadBitmap(id).toImage();
}

TEST(Resources, EveryBitmapHasItsOwnSizeAndNoAlpha)
{
    const struct
    {
        int id;
        QSize size;
    } cases[] = {
        {131, {8, 16}},  {132, {63, 20}},  {134, {668, 496}}, {135, {216, 49}}, {136, {99, 32}},
        {137, {99, 32}}, {138, {216, 32}}, {139, {174, 31}},  {140, {174, 31}}, {141, {174, 31}},
        {142, {84, 31}}, {143, {84, 31}},  {144, {99, 24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const QPixmap bitmap = res::LoadBitmap(c.id);
        ASSERT_FALSE(bitmap.isNull());
        EXPECT_EQ(bitmap.size(), c.size);
        const QImage file(QStringLiteral(":/res/pictures/") + res::BitmapFileName(c.id));
        EXPECT_FALSE(file.hasAlphaChannel()) << "pictures are plain 24-bit RGB";
    }
}

TEST(Resources, UnknownBitmapIsNull)
{
    for (int id : {0, 128, 130, 133, 145, -1})
        EXPECT_TRUE(res::LoadBitmap(id).isNull()) << id;
}

TEST(Resources, BaseGreyIsTheSkinGround)
{
    EXPECT_EQ(res::BaseGrey(), QColor(195, 201, 205));
}

TEST(Resources, ChannelIsBaseGreyButForTheGroove)
{
    const QImage channel = LoadImage(res::kBitmapChannel);
    ASSERT_EQ(channel.size(), QSize(63, 20));
    for (int y = 0; y < channel.height(); ++y) {
        for (int x = 0; x < channel.width(); ++x) {
            const bool groove = y >= 8 && y <= 11 && x >= 6 && x <= 56;
            EXPECT_EQ(IsBaseGrey(channel.pixel(x, y)), !groove) << x << "," << y;
        }
    }
}

TEST(Resources, BackgroundCarriesEachButtonsNormalCell)
{
    const QImage background = LoadImage(res::kBitmapBackground);
    for (const ButtonPlacement& button : MainWindowButtons()) {
        SCOPED_TRACE(button.command);
        const QImage strip = LoadImage(button.strip);
        ASSERT_EQ(strip.width(), 3 * button.rect.width());
        ASSERT_EQ(strip.height(), button.rect.height());
        const QImage normal = strip.copy(QRect(QPoint(0, 0), button.rect.size()));
        EXPECT_EQ(background.copy(button.rect), normal);
        // The three cells differ, so hover and pressed can be seen.
        const QImage pressed =
            strip.copy(QRect(QPoint(button.rect.width(), 0), button.rect.size()));
        const QImage hover =
            strip.copy(QRect(QPoint(2 * button.rect.width(), 0), button.rect.size()));
        EXPECT_NE(normal, pressed);
        EXPECT_NE(normal, hover);
        EXPECT_NE(pressed, hover);
    }
}

TEST(Resources, AppIconHasBothSizes)
{
    const QIcon icon = res::LoadAppIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

TEST(Resources, HandCursorPointsWithItsFingertip)
{
    const QCursor cursor = res::LoadHandCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(7, 0));
    const QImage hand = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(hand.size(), QSize(32, 32));
    // Black outline at the tip, white inside the finger, nothing left of it.
    const QRgb tip = hand.pixel(7, 0);
    EXPECT_EQ(qAlpha(tip), 255);
    EXPECT_LT(qGray(tip), 80);
    EXPECT_EQ(hand.pixel(7, 3), qRgba(255, 255, 255, 255));
    EXPECT_EQ(qAlpha(hand.pixel(2, 0)), 0);
}

} // namespace
