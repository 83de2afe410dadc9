#include "res/DialogTemplate.h"
#include "res/Resources.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace {

TEST(DialogUnits, ConvertAtSixByThirteenPixelsWithMulDivRounding)
{
    const struct
    {
        int x, y, cx, cy;
        QRect pixels;
    } cases[] = {
        {0, 0, 448, 305, QRect(0, 0, 672, 496)},      // 495.625 rounds up
        {29, 189, 166, 83, QRect(44, 307, 249, 135)}, // halves round up: 43.5 -> 44
        {371, 59, 47, 14, QRect(557, 96, 71, 23)},    // 556.5, 95.875, 70.5, 22.75
        {92, 36, 124, 85, QRect(138, 59, 186, 138)},  // 58.5 -> 59, 138.125 -> 138
        {214, 199, 29, 10, QRect(321, 323, 44, 16)},  // 323.375 -> 323, 16.25 -> 16
        {4, 8, 1, 1, QRect(6, 13, 2, 2)},             // 1.5 -> 2, 1.625 -> 2
    };
    for (const auto& c : cases)
        EXPECT_EQ(DialogUnitsToPixels(c.x, c.y, c.cx, c.cy), c.pixels) << c.x << "," << c.y;
}

TEST(DialogTemplates, ExistWithTheirClientSizes)
{
    const struct
    {
        int id;
        QSize pixels;
        const char* caption;
    } cases[] = {
        {102, {672, 496}, "   Velmira Mixer"},
        {129, {309, 211}, "Mixing..."},
        {131, {431, 275}, ""},
    };
    for (const auto& c : cases) {
        const DialogTemplate* dialog = FindDialogTemplate(c.id);
        ASSERT_NE(dialog, nullptr) << c.id;
        EXPECT_EQ(dialog->PixelSize(), c.pixels) << c.id;
        EXPECT_STREQ(dialog->caption, c.caption);
        EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
        EXPECT_EQ(dialog->fontPoints, 8);
    }
    EXPECT_EQ(FindDialogTemplate(130), nullptr);
}

TEST(DialogTemplates, ControlsLieInsideTheirWindowWithUniqueIds)
{
    for (int id : {102, 129, 131}) {
        const DialogTemplate* dialog = FindDialogTemplate(id);
        ASSERT_NE(dialog, nullptr);
        const QRect client(QPoint(0, 0), dialog->PixelSize());
        std::set<int> ids;
        for (const DialogControl& control : dialog->controls) {
            EXPECT_TRUE(client.contains(control.PixelRect())) << id << ": " << control.id;
            if (control.id != kNoControlId) {
                EXPECT_TRUE(ids.insert(control.id).second) << id << ": " << control.id;
            }
            EXPECT_EQ(dialog->FindControl(control.id)->id, control.id);
        }
    }
}

TEST(DialogTemplates, GraphPlaceholderIsHiddenAndTheGraphFrameFillsItsWindow)
{
    const DialogControl* placeholder = FindDialogTemplate(kDialogMain)->FindControl(1130);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_FALSE(placeholder->visible);
    EXPECT_TRUE(placeholder->Has(dlgstyle::StaticBlackFrame));
    EXPECT_EQ(placeholder->PixelRect(), QRect(44, 307, 249, 135));

    const DialogTemplate* graph = FindDialogTemplate(kDialogGraph);
    const DialogControl* frame = graph->FindControl(1130);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->PixelRect(), QRect(QPoint(0, 0), graph->PixelSize()));
    EXPECT_TRUE(graph->Has(dlgstyle::Child));
    EXPECT_FALSE(graph->Has(dlgstyle::Caption));
}

TEST(DialogTemplates, MainWindowControlsStandOnBaseGreyFieldsOfTheBackground)
{
    const QImage background = res::LoadBitmap(res::kBitmapBackground).toImage();
    ASSERT_EQ(background.size(), QSize(668, 496));
    const QRgb grey = qRgb(res::kBaseGreyR, res::kBaseGreyG, res::kBaseGreyB);
    for (const DialogControl& control : FindDialogTemplate(kDialogMain)->controls) {
        if (!control.visible)
            continue;
        const QRect field = control.PixelRect() & background.rect();
        ASSERT_FALSE(field.isEmpty()) << control.id << " " << control.text;
        int strays = 0;
        for (int y = field.top(); y <= field.bottom(); ++y) {
            for (int x = field.left(); x <= field.right(); ++x)
                strays += background.pixel(x, y) != grey;
        }
        EXPECT_EQ(strays, 0) << control.id << " \"" << control.text << "\" at " << field.x() << ","
                             << field.y();
    }
}

TEST(DialogFont, HasTheBaseUnitsOfTheTemplates)
{
    const QFont font = DialogFont();
    EXPECT_EQ(QFontInfo(font).family(), font.family()) << "the stand-in font is installed";
    // Dialog base units: the average width of the 52 letters, rounded, and the line height.
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ((letters / 26 + 1) / 2, 6);
    EXPECT_EQ(metrics.height(), 13);
}

} // namespace
