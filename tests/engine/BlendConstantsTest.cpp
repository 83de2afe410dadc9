#include "engine/BlendConstants.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

TEST(BlendConstants, FollowDynamicsAndMinimumVolume)
{
    struct Case
    {
        int dynamics, minVolume;
        double p, s, o;
    };
    const Case cases[] = {
        {0, 0, 1.25, 0.25, 0.0},
        {50, 50, 1.0, 0.5, 50.0 / 1500.0},
        {100, 100, 0.75, 0.75, 100.0 / 1500.0},
        {0, 10, 1.25, 0.25, 10.0 / 1500.0},
    };
    for (const Case& c : cases) {
        const BlendConstants k = BlendConstants::FromSettings(c.dynamics, c.minVolume);
        EXPECT_EQ(k.p, c.p) << c.dynamics;
        EXPECT_EQ(k.s, c.s) << c.dynamics;
        EXPECT_NEAR(k.o, c.o, 1e-17) << c.minVolume;
    }
}

TEST(ToneRamp, RisesOverTheFirstAndFallsOverTheLastQuarterOfAShortMix)
{
    struct Case
    {
        uint32_t n, T;
        double ramp;
    };
    const Case cases[] = {
        {0, 100, 0.0},
        {1, 100, 1.0 / 25.0},
        {24, 100, 24.0 / 25.0},
        {25, 100, 1.0},
        {50, 100, 1.0},
        {75, 100, 1.0},
        {76, 100, 24.0 / 25.0},
        {99, 100, 1.0 / 25.0},
        {66148, 264599, 66148.0 / 66149.0},
        {0, 4, 0.0},
        {1, 4, 1.0},
        {3, 4, 1.0},
        // Under 4 frames there is no ramp at all.
        {0, 3, 1.0},
        {2, 3, 1.0},
        {0, 0, 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToneRamp(c.n, c.T), c.ramp) << c.n << " of " << c.T;
    }
}

TEST(ToneRamp, TakesThreeSecondsFromSixSecondsOn)
{
    const uint32_t hour = 44100u * 3600u;
    struct Case
    {
        uint32_t n, T;
        double ramp;
    };
    const Case cases[] = {
        {132299, 264600, 132299.0 / 132300.0},
        {132300, 264600, 1.0},
        {132301, 264600, 132299.0 / 132300.0},
        {264599, 264600, 1.0 / 132300.0},
        {1, hour, 1.0 / 132300.0},
        {132300, hour, 1.0},
        {hour - 132300, hour, 1.0},
        {hour - 132299, hour, 132299.0 / 132300.0},
        {hour - 1, hour, 1.0 / 132300.0},
        {4294967295u, 4294967295u, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToneRamp(c.n, c.T), c.ramp) << c.n << " of " << c.T;
    }
}

TEST(BlendFrame, WithoutToneTheMusicMovesAtMostOneStepTowardZero)
{
    const BlendConstants k = BlendConstants::FromSettings(50, 100);
    int moved = 0;
    for (int v = -32768; v <= 32767; ++v) {
        const Frame music = {static_cast<int16_t>(v), static_cast<int16_t>(-1 - v)};
        const Frame out = BlendFrame(music, 1.0, -1.0, 32768, k, 0.0);
        ASSERT_TRUE(out.left == v || out.left == v - (v > 0 ? 1 : -1)) << v;
        ASSERT_EQ(out.right, BlendFrame({music.right, 0}, 0.0, 0.0, 0, k, 0.0).left) << v;
        moved += out.left != v ? 1 : 0;
    }
    // 1/32767 rounded and scaled back by 32767 lands just below these values.
    EXPECT_EQ(moved, 896);

    struct Case
    {
        int16_t in, out;
    };
    const Case cases[] = {{257, 256},     {256, 256},       {-257, -256}, {-8480, -8479},
                          {32767, 32767}, {-32768, -32768}, {0, 0},       {1, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(BlendFrame({c.in, c.in}, 0.5, 0.5, 1000, k, 0.0).left, c.out) << c.in;
    }
}

TEST(BlendFrame, MixesToneAndMusicByTheLevelLaw)
{
    struct Case
    {
        const char* name;
        Frame music;
        double toneLeft, toneRight;
        int level, dynamics, minVolume;
        double ramp;
        Frame out;
    };
    const Case cases[] = {
        {"silent music keeps the floor", {0, 0}, 1.0, -1.0, 0, 0, 10, 1.0, {218, -218}},
        {"floor at full dynamics", {0, 0}, 1.0, -1.0, 0, 100, 10, 1.0, {218, -218}},
        {"no floor, no music: silence", {0, 0}, 1.0, -1.0, 0, 50, 0, 1.0, {0, 0}},
        {"linear gain at dynamics 50", {0, 0}, 1.0, -1.0, 16384, 50, 0, 1.0, {8192, -8192}},
        {"general frame", {12345, -23456}, 0.3, -0.7, 20000, 30, 40, 0.5, {12019, -23388}},
        {"full scale", {-32768, 32767}, -1.0, 1.0, 32768, 100, 100, 1.0, {-32767, 32767}},
        // A gain of 1 or more is capped: the tone replaces the music; -16383.5 truncates up.
        {"gain capped at 1", {20000, -20000}, 0.5, -0.5, 0, 0, 2000, 1.0, {16383, -16383}},
    };
    for (const Case& c : cases) {
        const BlendConstants k = BlendConstants::FromSettings(c.dynamics, c.minVolume);
        const Frame out = BlendFrame(c.music, c.toneLeft, c.toneRight, c.level, k, c.ramp);
        EXPECT_EQ(out.left, c.out.left) << c.name;
        EXPECT_EQ(out.right, c.out.right) << c.name;
    }
}

} // namespace
