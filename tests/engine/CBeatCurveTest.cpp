#include "engine/CBeatCurve.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<CurvePoint> PointsOf(const CBeatCurve& curve)
{
    std::vector<CurvePoint> points(curve.GetCount());
    for (int i = 0; i < curve.GetCount(); ++i) {
        curve.GetPoint(i, &points[i]);
    }
    return points;
}

void ExpectPoints(const CBeatCurve& curve, const std::vector<CurvePoint>& expected)
{
    const std::vector<CurvePoint> points = PointsOf(curve);
    ASSERT_EQ(points.size(), expected.size());
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].x, expected[i].x) << "point " << i;
        EXPECT_EQ(points[i].y, expected[i].y) << "point " << i;
    }
}

CBeatCurve& DefaultCurve()
{
    static CBeatCurve curve;
    BuildDefaultCurve(curve);
    return curve;
}

TEST(BeatCurve, NewCurveIsZeroFromStartToEnd)
{
    CBeatCurve curve;
    ExpectPoints(curve, {{0.0, 0.0}, {1.0, 0.0}});
    for (double x : {0.0, 0.25, 0.999, 1.0}) {
        EXPECT_EQ(curve.Evaluate(x), 0.0) << x;
    }
}

TEST(BeatCurve, DefaultCurveStoresItsFourPoints)
{
    ExpectPoints(DefaultCurve(), {{0.0, 0.6666666666666666},
                                  {0.1, 0.13333333333333333},
                                  {0.9, 0.13333333333333333},
                                  {1.0, 0.5333333333333333}});
}

TEST(BeatCurve, EvaluatesDefaultCurveBitExactly)
{
    struct Case
    {
        double x;
        double expected; // bits of y(i-1) + (x - x(i-1)) / (x(i) - x(i-1)) * (y(i) - y(i-1))
        double near;
    };
    const Case cases[] = {
        {0.0, 0.6666666666666666, 20.0 / 30.0},  {0.05, 0x1.9999999999999p-2, 0.4},
        {0.1, 0.13333333333333333, 4.0 / 30.0},  {0.5, 0.13333333333333333, 4.0 / 30.0},
        {0.95, 0x1.5555555555552p-2, 1.0 / 3.0}, {1.0, 0.5333333333333333, 16.0 / 30.0},
    };
    for (const Case& c : cases) {
        const double y = DefaultCurve().Evaluate(c.x);
        EXPECT_EQ(y, c.expected) << c.x;
        EXPECT_NEAR(y, c.near, 1e-15) << c.x;
    }
}

TEST(BeatCurve, OutsideZeroToOneIsZeroWhateverTheEndValues)
{
    CBeatCurve curve;
    curve.SetConstant(0.75);
    for (double x :
         {-0.0001, 1.0001, -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(curve.Evaluate(x), 0.0) << x;
        EXPECT_EQ(DefaultCurve().Evaluate(x), 0.0) << x;
    }
    EXPECT_EQ(curve.Evaluate(0.0), 0.75);
    EXPECT_EQ(curve.Evaluate(1.0), 0.75);
}

TEST(BeatCurve, EqualXMakesAVerticalStepWhoseLaterPointWins)
{
    CBeatCurve curve;
    curve.SetConstant(0.2);
    const CurvePoint low = {0.5, 0.2};
    const CurvePoint high = {0.5, 0.8};
    curve.InsertPoint(&low);
    curve.InsertPoint(&high);
    ExpectPoints(curve, {{0.0, 0.2}, {0.5, 0.2}, {0.5, 0.8}, {1.0, 0.2}});
    EXPECT_EQ(curve.Evaluate(0.5), 0.8);
    EXPECT_NEAR(curve.Evaluate(std::nextafter(0.5, 0.0)), 0.2, 1e-15);
    EXPECT_NEAR(curve.Evaluate(0.75), 0.5, 1e-15);
}

TEST(BeatCurve, InsertPointGoesAfterEveryPointWithSmallerOrEqualX)
{
    struct Case
    {
        CurvePoint p;
        int index;
    };
    const Case cases[] = {
        {{0.5, 0.3}, 2}, {{0.1, 0.3}, 2}, {{0.0, 0.3}, 1}, {{-0.2, 0.3}, 1},
        {{0.9, 0.3}, 3}, {{1.0, 0.3}, 4}, {{1.5, 2.0}, 4}, // neither x nor y is clamped
    };
    for (const Case& c : cases) {
        CBeatCurve curve;
        BuildDefaultCurve(curve);
        std::vector<CurvePoint> expected = PointsOf(curve);
        expected.insert(expected.begin() + c.index, c.p);
        curve.InsertPoint(&c.p);
        SCOPED_TRACE(c.p.x);
        ExpectPoints(curve, expected);
    }
}

TEST(BeatCurve, FormerEndPointBecomesAnInnerPointAfterAppending)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const CurvePoint end = {1.0, 0.25};
    curve.InsertPoint(&end);
    ASSERT_EQ(curve.GetCount(), 5);

    curve.SetPoint(3, 0.95, 0.5);
    ExpectPoints(curve, {{0.0, 0.6666666666666666},
                         {0.1, 0.13333333333333333},
                         {0.9, 0.13333333333333333},
                         {0.95, 0.5},
                         {1.0, 0.25}});
    curve.RemovePoint(3);
    ExpectPoints(curve, {{0.0, 0.6666666666666666},
                         {0.1, 0.13333333333333333},
                         {0.9, 0.13333333333333333},
                         {1.0, 0.25}});
    EXPECT_EQ(curve.Evaluate(1.0), 0.25);
}

TEST(BeatCurve, RemovePointRemovesOnlyInnerPoints)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const std::vector<CurvePoint> before = PointsOf(curve);
    for (int i : {0, 3, 4, 100}) {
        curve.RemovePoint(i);
        ExpectPoints(curve, before);
    }
    curve.RemovePoint(1);
    ExpectPoints(curve, {before[0], before[2], before[3]});
    curve.RemovePoint(1);
    ExpectPoints(curve, {before[0], before[3]});
    curve.RemovePoint(1);
    ExpectPoints(curve, {before[0], before[3]});
}

TEST(BeatCurve, SetPointKeepsEndXAndClampsInnerXToItsNeighbours)
{
    struct Case
    {
        int index;
        double x, y;
        CurvePoint expected;
    };
    const Case cases[] = {
        {0, 0.7, 0.5, {0.0, 0.5}},                               // start point: only y changes
        {3, 0.2, 0.25, {1.0, 0.25}},                             // end point: only y changes
        {1, 0.05, 0.2, {0.05, 0.2}}, {1, -0.3, 0.2, {0.0, 0.2}}, // left of the left neighbour
        {1, 0.95, 0.2, {0.9, 0.2}},                              // right of the right neighbour
        {2, 0.1, 0.2, {0.1, 0.2}},                               // exactly on the neighbour
        {2, 0.5, 1.7, {0.5, 1.7}},                               // y is not limited
    };
    for (const Case& c : cases) {
        CBeatCurve curve;
        BuildDefaultCurve(curve);
        std::vector<CurvePoint> expected = PointsOf(curve);
        expected[c.index] = c.expected;
        curve.SetPoint(c.index, c.x, c.y);
        SCOPED_TRACE(testing::Message() << c.index << " " << c.x);
        ExpectPoints(curve, expected);
    }
}

TEST(BeatCurve, IndicesPastTheLastPointAreIgnored)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const std::vector<CurvePoint> before = PointsOf(curve);
    CurvePoint out = {-7.0, -8.0};
    curve.GetPoint(curve.GetCount(), &out);
    EXPECT_EQ(out.x, -7.0);
    EXPECT_EQ(out.y, -8.0);
    curve.SetPoint(curve.GetCount(), 0.5, 0.5);
    ExpectPoints(curve, before);
}

TEST(BeatCurve, SetConstantAndResetLeaveExactlyTwoPoints)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const CurvePoint extra = {1.5, 0.9};
    curve.InsertPoint(&extra);
    curve.SetConstant(0.5);
    ExpectPoints(curve, {{0.0, 0.5}, {1.0, 0.5}});
    EXPECT_EQ(curve.Evaluate(0.3), 0.5);
    BuildDefaultCurve(curve);
    curve.Reset();
    ExpectPoints(curve, {{0.0, 0.0}, {1.0, 0.0}});
}

} // namespace
