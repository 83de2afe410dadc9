#include "cli/CurveArgument.h"
#include "engine/CBeatCurve.h"

#include <gtest/gtest.h>

namespace {

TEST(CurveArgument, PointsBuildTheCurveInTheOrderGivenWithVerticalSteps)
{
    std::vector<CurvePoint> points;
    std::string error;
    ASSERT_TRUE(ParseCurveArgument("0:20,0.5:4,.5:10,0.75:30,1:16", points, error)) << error;
    CBeatCurve curve;
    BuildCurveFromPoints(points, curve);
    ASSERT_EQ(curve.GetCount(), 5);
    const double expectedY[] = {20 / 30.0, 4 / 30.0, 10 / 30.0, 1.0, 16 / 30.0};
    for (int i = 0; i < 5; ++i) {
        CurvePoint p{};
        curve.GetPoint(i, &p);
        EXPECT_EQ(p.y, expectedY[i]) << i;
    }
    EXPECT_EQ(curve.Evaluate(0.0), 20 / 30.0);
    EXPECT_NEAR(curve.Evaluate(0.25), 12 / 30.0, 1e-15);
    EXPECT_EQ(curve.Evaluate(0.5), 10 / 30.0); // the step's later point
    EXPECT_EQ(curve.Evaluate(1.0), 16 / 30.0);
}

TEST(CurveArgument, StepAtTheStartStaysInOrder)
{
    std::vector<CurvePoint> points;
    std::string error;
    ASSERT_TRUE(ParseCurveArgument("0:0,0:30,1:30", points, error)) << error;
    CBeatCurve curve;
    BuildCurveFromPoints(points, curve);
    EXPECT_EQ(curve.GetCount(), 3);
    EXPECT_EQ(curve.Evaluate(0.0), 1.0);
}

TEST(CurveArgument, MalformedCurvesAreRefused)
{
    const char* const texts[] = {
        "",
        "0:20",
        "0:20,0.5:4",
        "0.1:20,1:4",
        "0:20,0.6:4,0.5:3,1:1",
        "0:31,1:0",
        "0:-1,1:0",
        "0:abc,1:0",
        "0:1,1:2,",
        "0:1;1:2",
        "0:1,1:5,1:6",
        "0:1e1,1:0",
        "0:nan,1:0",
        "0:inf,1:0",
        "0:1,1.5:2",
        "0:1,:2",
        "0 :1,1:2",
        "0:1:2,1:2",
    };
    for (const char* text : texts) {
        std::vector<CurvePoint> points;
        std::string error;
        EXPECT_FALSE(ParseCurveArgument(text, points, error)) << "'" << text << "'";
        EXPECT_FALSE(error.empty()) << "'" << text << "'";
    }
}

} // namespace
