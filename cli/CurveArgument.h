#pragma once

#include "engine/CurvePoint.h"

#include <string>
#include <vector>

class CBeatCurve;

// Parses "x:hz,x:hz,...": decimal points in x order from x = 0 to x = 1, hz from 0 to
// 30; inner points lie below x = 1. The points come back with y = hz / 30. False with
// an explanation in error when the text does not follow these rules.
bool ParseCurveArgument(const std::string& text, std::vector<CurvePoint>& points,
                        std::string& error);

// Builds the curve with its own operations: Reset, the start and end points, then each
// inner point in the order given, so two points with the same x make a vertical step.
void BuildCurveFromPoints(const std::vector<CurvePoint>& points, CBeatCurve& curve);
