#include "engine/SecondsToHMS.h"

#include <gtest/gtest.h>

namespace {

struct HmsCase
{
    int seconds;
    int hours, minutes, secs;
    const char* text;
};

TEST(SecondsToHMS, SplitsAndFormatsWithTwoDigitFields)
{
    const HmsCase cases[] = {
        {0, 0, 0, 0, "00:00:00"},         {3725, 1, 2, 5, "01:02:05"},
        {350, 0, 5, 50, "00:05:50"},      {90000, 25, 0, 0, "25:00:00"},
        {360000, 100, 0, 0, "100:00:00"}, {-70, 0, -1, -10, "00:-01:-10"},
    };
    for (const HmsCase& c : cases) {
        int h = 99, m = 99, s = 99;
        SecondsToHMS(c.seconds, h, m, s);
        EXPECT_EQ(h, c.hours) << c.seconds;
        EXPECT_EQ(m, c.minutes) << c.seconds;
        EXPECT_EQ(s, c.secs) << c.seconds;
        EXPECT_EQ(FormatHMS(c.seconds), c.text);
    }
}

} // namespace
