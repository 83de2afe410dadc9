#include "engine/LevelFollower.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

void PushMany(LevelFollower& follower, Frame f, int count)
{
    for (int i = 0; i < count; ++i) {
        follower.Push(f);
    }
}

TEST(LevelFollower, MagnitudeIsTheLargerAbsoluteSample)
{
    struct Case
    {
        Frame f;
        int magnitude;
    };
    const Case cases[] = {
        {{-32768, 100}, 32768}, {{100, -32768}, 32768}, {{-200, 150}, 200},
        {{150, -200}, 200},     {{32767, 0}, 32767},    {{0, 0}, 0},
    };
    LevelFollower follower;
    for (const Case& c : cases) {
        follower.Reset();
        PushMany(follower, c.f, LevelFollower::kSlots);
        EXPECT_EQ(follower.GetLevel(), c.magnitude) << c.f.left << ", " << c.f.right;
    }
}

TEST(LevelFollower, LevelIsTheMeanOverTheLastHalfSecondWithFractionDropped)
{
    LevelFollower follower;
    EXPECT_EQ(follower.GetLevel(), 0);
    follower.Reset();
    follower.Push({22050, 0});
    EXPECT_EQ(follower.GetLevel(), 1);
    PushMany(follower, {22050, 0}, 22048);
    EXPECT_EQ(follower.GetLevel(), 22049);
    follower.Push({0, -22050});
    EXPECT_EQ(follower.GetLevel(), 22050);
    follower.Push({0, 0}); // replaces the oldest slot
    EXPECT_EQ(follower.GetLevel(), 22049);
    follower.Push({22049, 0});
    EXPECT_EQ(follower.GetLevel(), 22048); // (22048 * 22050 + 22049) / 22050
}

TEST(LevelFollower, OldFramesLeaveTheWindowAfterHalfASecond)
{
    LevelFollower follower;
    follower.Reset();
    PushMany(follower, {30000, -30000}, LevelFollower::kSlots);
    EXPECT_EQ(follower.GetLevel(), 30000);
    PushMany(follower, {0, 0}, LevelFollower::kSlots / 2);
    EXPECT_EQ(follower.GetLevel(), 15000);
    PushMany(follower, {0, 0}, LevelFollower::kSlots / 2 - 1);
    EXPECT_EQ(follower.GetLevel(), 1);
    follower.Push({0, 0});
    EXPECT_EQ(follower.GetLevel(), 0);
    // Several turns of the ring with full-scale music keep the running sum exact.
    PushMany(follower, {-32768, -32768}, 5 * LevelFollower::kSlots + 17);
    EXPECT_EQ(follower.GetLevel(), 32768);
}

TEST(LevelFollower, ResetForgetsThePastButKeepsTheLevelUntilTheNextPush)
{
    LevelFollower follower;
    follower.Reset();
    PushMany(follower, {20000, 0}, 30000);
    follower.Reset();
    EXPECT_EQ(follower.GetLevel(), 20000);
    follower.Push({0, 0});
    EXPECT_EQ(follower.GetLevel(), 0);
    PushMany(follower, {1000, 0}, LevelFollower::kSlots - 1);
    EXPECT_EQ(follower.GetLevel(), 999);
}

} // namespace
