#pragma once

// One control point of the beat curve: x is the position in the mix (0.0 start, 1.0 end),
// y the beat frequency as a fraction of 30 Hz.
struct CurvePoint
{
    double x;
    double y;
};
