#include "engine/MixLength.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(MixLength, SubtractsTheFadeOnlyAtJointsThatCrossfade)
{
    struct Case
    {
        std::vector<int> seconds;
        int fade;
        int total;
    };
    const Case cases[] = {
        {{}, 10, 0},          {{10}, 5, 10},  {{30, 40}, 10, 60}, {{180, 180}, 10, 350},
        {{180, 180}, 0, 360}, {{1, 3}, 2, 4}, // the first entry is shorter than the fade
        {{3, 1}, 2, 4},                       // the next entry is shorter than the fade
        {{3, 3, 3}, 2, 7},  // the middle entry's own part is left shorter than the fade
        {{4, 4, 4}, 2, 8},  // exactly the fade left: it still cross-fades
        {{5, 0, 5}, 3, 10}, // an entry under a second
        {{0, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TotalLengthSeconds(c.seconds, c.fade), c.total)
            << ::testing::PrintToString(c.seconds) << " fade " << c.fade;
    }
}

TEST(MixLength, LongEntriesLoseOneFadePerJoint)
{
    for (int fade = 0; fade <= 20; fade += 5) {
        std::vector<int> seconds;
        int sum = 0;
        for (int n = 0; n < 6; ++n) {
            seconds.push_back(2 * fade + 1 + 37 * n);
            sum += seconds.back();
            EXPECT_EQ(TotalLengthSeconds(seconds, fade), sum - n * fade);
        }
    }
}

TEST(MixLength, TotalIsClampedInsteadOfOverflowing)
{
    EXPECT_EQ(TotalLengthSeconds({INT_MAX, INT_MAX}, 0), INT_MAX);
}

TEST(MixLength, WavSizeFieldsHoldUpToAboutSixHoursFortyFiveMinutes)
{
    EXPECT_TRUE(FitsWavSizeFields(0));
    EXPECT_TRUE(FitsWavSizeFields(24347));  // 36 + 4 x 1073702700 frames fits
    EXPECT_FALSE(FitsWavSizeFields(24348)); // 36 + 4 x 1073746800 does not
    EXPECT_FALSE(FitsWavSizeFields(INT_MAX));
}

} // namespace
