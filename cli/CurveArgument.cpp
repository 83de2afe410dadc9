#include "cli/CurveArgument.h"

#include "engine/CBeatCurve.h"

#include <charconv>
#include <cmath>

namespace {

bool ParseDecimal(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool ParsePoint(const std::string& item, CurvePoint& point, std::string& error)
{
    const size_t colon = item.find(':');
    double x = 0.0;
    double hz = 0.0;
    if (colon == std::string::npos || !ParseDecimal(item.substr(0, colon), x) ||
        !ParseDecimal(item.substr(colon + 1), hz)) {
        error = "'" + item + "' is not a point of the form x:hz";
        return false;
    }
    if (x < 0.0 || x > 1.0) {
        error = "x of '" + item + "' is outside 0..1";
        return false;
    }
    if (hz < 0.0 || hz > 30.0) {
        error = "the beat of '" + item + "' is outside 0..30 Hz";
        return false;
    }
    point.x = x;
    point.y = hz / 30.0;
    return true;
}

bool CheckOrder(const std::vector<CurvePoint>& points, std::string& error)
{
    if (points.size() < 2) {
        error = "a curve needs at least a start point and an end point";
        return false;
    }
    if (points.front().x != 0.0 || points.back().x != 1.0) {
        error = "a curve starts at x = 0 and ends at x = 1";
        return false;
    }
    for (size_t i = 1; i < points.size(); ++i) {
        if (points[i].x < points[i - 1].x) {
            error = "the points must be given in x order";
            return false;
        }
        if (i + 1 < points.size() && points[i].x == 1.0) {
            error = "only the end point may lie at x = 1";
            return false;
        }
    }
    return true;
}

} // namespace

bool ParseCurveArgument(const std::string& text, std::vector<CurvePoint>& points,
                        std::string& error)
{
    points.clear();
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        CurvePoint point{};
        if (!ParsePoint(text.substr(start, comma - start), point, error))
            return false;
        points.push_back(point);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return CheckOrder(points, error);
}

void BuildCurveFromPoints(const std::vector<CurvePoint>& points, CBeatCurve& curve)
{
    curve.Reset();
    curve.SetPoint(0, 0.0, points.front().y);
    curve.SetPoint(1, 1.0, points.back().y);
    for (size_t i = 1; i + 1 < points.size(); ++i)
        curve.InsertPoint(&points[i]);
}
