#include "engine/ProgressFigures.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressFigures, PercentagesTruncateAndTextsFollowTheWindow)
{
    const ProgressFigures f =
        ProgressFigures::Make(1000, 3000, 2, 3, 4, 12, "Song", 3 * 3600 + 25 * 60 + 7);
    EXPECT_EQ(f.completed, 33);
    EXPECT_EQ(f.current, 66);
    EXPECT_EQ(f.completedText, "Completed 33%");
    EXPECT_EQ(f.currentText, "Current 66%");
    EXPECT_EQ(f.filesText, "Files 5 / 12");
    EXPECT_EQ(f.fileName, "Song");
    EXPECT_EQ(f.elapsedText, "03:25:07");
    EXPECT_EQ(f.remainingText, "06:50:14");
}

TEST(ProgressFigures, RemainingTimeScalesTheElapsedTimeToTheWholeMix)
{
    EXPECT_EQ(FormatRemaining(0.0, 0), "---");
    EXPECT_EQ(FormatRemaining(0.0, 50), "---");
    EXPECT_EQ(FormatRemaining(0.25, 30), "00:01:30");
    EXPECT_EQ(FormatRemaining(0.5, 30 * 3600), "30:00:00"); // hours are not wrapped
    EXPECT_EQ(FormatRemaining(1.0, 99), "00:00:00");
    EXPECT_EQ(FormatRemaining(1e-12, 1000), "596523:14:07"); // bounded, not undefined
}

TEST(ProgressFigures, ElapsedTimeWrapsAtADay)
{
    EXPECT_EQ(FormatElapsed(0), "00:00:00");
    EXPECT_EQ(FormatElapsed(59), "00:00:59");
    EXPECT_EQ(FormatElapsed(25 * 3600), "01:00:00");
    EXPECT_EQ(FormatElapsed(24 * 3600 - 1), "23:59:59");
}

TEST(ProgressFigures, FirstUpdateShowsZeroAndNoEstimate)
{
    const ProgressFigures f = ProgressFigures::Make(0, 44100, 0, 44100, 0, 3, "First", 0);
    EXPECT_EQ(f.completedText, "Completed 0%");
    EXPECT_EQ(f.currentText, "Current 0%");
    EXPECT_EQ(f.filesText, "Files 1 / 3");
    EXPECT_EQ(f.elapsedText, "00:00:00");
    EXPECT_EQ(f.remainingText, "---");
}

} // namespace
