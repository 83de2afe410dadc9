#include "engine/StringTable.h"

#include <gtest/gtest.h>

#include <string>

TEST(StringTable, LooksUpTextsByNumber)
{
    EXPECT_STREQ(LoadString(61580), "Select a name for the output file.");
    EXPECT_STREQ(LoadString(IDS_CANNOT_OPEN_INPUT), "Cannot open input file: ");
    const std::string invalid = std::string(LoadString(61567)) + LoadString(61568);
    EXPECT_EQ(invalid.find("TOLVA cannot recognize"), 0u);
    EXPECT_NE(invalid.find("- Sampling rate: 11025, 22050 or 44100"), std::string::npos);
}

TEST(StringTable, UnknownNumberGivesEmptyText)
{
    EXPECT_STREQ(LoadString(61569), "");
    EXPECT_STREQ(LoadString(0), "");
}
