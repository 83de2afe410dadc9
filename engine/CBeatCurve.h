#pragma once

#include "engine/CurvePoint.h"

#include <memory>

// Piecewise-linear beat curve over the mix position 0.0 .. 1.0. Points stay in x order (equal x
// makes a vertical step); the start point is always at x = 0.0 and there are never fewer than
// two points. y is not limited here: callers keep it within 0.0 .. 1.0.
class CBeatCurve
{
public:
    CBeatCurve();
    CBeatCurve(const CBeatCurve&) = delete;
    CBeatCurve& operator=(const CBeatCurve&) = delete;

    int GetCount() const;
    // Leaves *out untouched when i is past the last point.
    void GetPoint(int i, CurvePoint* out) const;
    // End points keep their x; an inner point's x is clamped between its neighbours.
    void SetPoint(int i, double x, double y);
    // Goes after every point whose x is <= p->x, but never before the start point.
    void InsertPoint(const CurvePoint* p);
    // Refuses the two end points silently.
    void RemovePoint(int i);
    void Reset();
    void SetConstant(double y);
    // 0.0 outside 0.0 .. 1.0 (and for NaN); at a vertical step the later point wins.
    double Evaluate(double x) const;

private:
    std::unique_ptr<CurvePoint[]> m_pPoints;
    int m_nCount = 0;
};

// 20 Hz falling to 4 Hz over the first tenth, 4 Hz until nine tenths, rising to 16 Hz at the end.
void BuildDefaultCurve(CBeatCurve& curve);
