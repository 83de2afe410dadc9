#include "engine/CBeatCurve.h"

#include <new>

namespace {

std::unique_ptr<CurvePoint[]> AllocatePoints(int count)
{
    return std::unique_ptr<CurvePoint[]>(new (std::nothrow) CurvePoint[count]);
}

} // namespace

CBeatCurve::CBeatCurve()
{
    Reset();
}

int CBeatCurve::GetCount() const
{
    return m_nCount;
}

void CBeatCurve::GetPoint(int i, CurvePoint* out) const
{
    if (i >= m_nCount) {
        return;
    }
    *out = m_pPoints[i];
}

void CBeatCurve::SetPoint(int i, double x, double y)
{
    if (i >= m_nCount) {
        return;
    }
    if (i == 0 || i == m_nCount - 1) {
        x = m_pPoints[i].x;
    } else {
        if (x <= m_pPoints[i - 1].x) {
            x = m_pPoints[i - 1].x;
        }
        if (x >= m_pPoints[i + 1].x) {
            x = m_pPoints[i + 1].x;
        }
    }
    m_pPoints[i].x = x;
    m_pPoints[i].y = y;
}

void CBeatCurve::InsertPoint(const CurvePoint* p)
{
    int at = 1;
    while (at < m_nCount && p->x >= m_pPoints[at].x) {
        ++at;
    }
    std::unique_ptr<CurvePoint[]> points = AllocatePoints(m_nCount + 1);
    if (!points) {
        return;
    }
    for (int i = 0; i < at; ++i) {
        points[i] = m_pPoints[i];
    }
    points[at] = *p;
    for (int i = at; i < m_nCount; ++i) {
        points[i + 1] = m_pPoints[i];
    }
    m_pPoints = std::move(points);
    ++m_nCount;
}

void CBeatCurve::RemovePoint(int i)
{
    if (i <= 0 || i >= m_nCount - 1) {
        return;
    }
    std::unique_ptr<CurvePoint[]> points = AllocatePoints(m_nCount - 1);
    if (!points) {
        return;
    }
    for (int j = 0; j < i; ++j) {
        points[j] = m_pPoints[j];
    }
    for (int j = i + 1; j < m_nCount; ++j) {
        points[j - 1] = m_pPoints[j];
    }
    m_pPoints = std::move(points);
    --m_nCount;
}

void CBeatCurve::Reset()
{
    std::unique_ptr<CurvePoint[]> points = AllocatePoints(2);
    if (!points) {
        return;
    }
    points[0] = {0.0, 0.0};
    points[1] = {1.0, 0.0};
    m_pPoints = std::move(points);
    m_nCount = 2;
}

void CBeatCurve::SetConstant(double y)
{
    Reset();
    SetPoint(0, 0.0, y);
    SetPoint(1, 1.0, y);
}

double CBeatCurve::Evaluate(double x) const
{
    if (!(x >= 0.0 && x <= 1.0)) {
        return 0.0;
    }
    int i = 1;
    while (i < m_nCount && !(m_pPoints[i].x > x)) {
        ++i;
    }
    if (i == m_nCount) {
        return m_pPoints[m_nCount - 1].y;
    }
    const CurvePoint& a = m_pPoints[i - 1];
    const CurvePoint& b = m_pPoints[i];
    return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
}

void BuildDefaultCurve(CBeatCurve& curve)
{
    curve.SetConstant(20.0 / 30.0);
    const CurvePoint fall = {0.1, 4.0 / 30.0};
    curve.InsertPoint(&fall);
    const CurvePoint rise = {0.9, 4.0 / 30.0};
    curve.InsertPoint(&rise);
    curve.SetPoint(3, 1.0, 16.0 / 30.0);
}
