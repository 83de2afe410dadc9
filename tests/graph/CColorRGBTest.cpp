#include "ui/graph/CColorRGB.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(CColorRGBTest, ConstructsBlackOrFromRedGreenBlueAndCopies)
{
    const CColorRGB black;
    EXPECT_EQ(black.m_red, 0);
    EXPECT_EQ(black.m_green, 0);
    EXPECT_EQ(black.m_blue, 0);

    const CColorRGB colour(10, 20, 30);
    EXPECT_EQ(colour.m_red, 10);
    EXPECT_EQ(colour.m_green, 20);
    EXPECT_EQ(colour.m_blue, 30);

    CColorRGB copy;
    copy = colour;
    EXPECT_EQ(copy, colour);
}

TEST(CColorRGBTest, StoresExactlyRedGreenBlueBytesAndLoadsThemBack)
{
    std::ostringstream out;
    ASSERT_EQ(CColorRGB(0x0a, 0x80, 0xff).Serialize(out), 0);
    EXPECT_EQ(out.str(), std::string("\x0a\x80\xff", 3));

    std::istringstream in(std::string("\x01\xfe\x7f"
                                      "rest",
                                      7));
    CColorRGB loaded;
    ASSERT_EQ(loaded.Serialize(in), 0);
    EXPECT_EQ(loaded, CColorRGB(0x01, 0xfe, 0x7f));
    EXPECT_EQ(in.tellg(), 3) << "reads nothing beyond its three bytes";
}

TEST(CColorRGBTest, ShortStreamFailsAndLeavesTheColour)
{
    std::istringstream in(std::string("\x01\x02", 2));
    CColorRGB colour(7, 8, 9);
    EXPECT_EQ(colour.Serialize(in), 1);
    EXPECT_EQ(colour, CColorRGB(7, 8, 9));
}

} // namespace
