#include "engine/CToneGenerator.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

} // namespace

void CToneGenerator::Start()
{
    m_nBaseFreq = m_nCarrier;
    m_nMediumMultiple = 2;
    m_nHighMultiple = 3;
    SetRightFrequency(m_nBaseFreq + GetBeatFrequency(0.0));
    m_dPrevRight = -1.0;
    SetFrame(0);
    m_dMedium = m_bMediumTone != 0 ? 1.0 : 0.0;
    m_dHigh = m_bHighTone != 0 ? 1.0 : 0.0;
    m_dScale = 1.0 / (1 + (m_bMediumTone != 0 ? 1 : 0) + (m_bHighTone != 0 ? 1 : 0));
}

void CToneGenerator::NextFrame(double* left, double* right)
{
    const double l1 = LeftSine(m_nBaseFreq);
    const double r1 = RightSine(1);
    double l2 = 0.0;
    double r2 = 0.0;
    if (m_bMediumTone != 0) {
        l2 = LeftSine(m_nMediumMultiple * m_nBaseFreq);
        r2 = RightSine(2);
    }
    double l3 = 0.0;
    double r3 = 0.0;
    if (m_bHighTone != 0) {
        l3 = LeftSine(m_nHighMultiple * m_nBaseFreq);
        r3 = RightSine(3);
    }
    *left = (m_dMedium * l2 + m_dHigh * l3 + l1) * m_dScale;
    *right = (m_dMedium * r2 + m_dHigh * r3 + r1) * m_dScale;
    SetFrame(m_nFrame + 1);
}

double CToneGenerator::GetBeatFrequency(double x) const
{
    return m_pCurve->Evaluate(x) * 30.0;
}

double CToneGenerator::LeftSine(double f) const
{
    return std::sin(m_dTime * f * kTwoPi);
}

double CToneGenerator::RightSine(int k)
{
    double v = std::sin(m_dRightTime * (k * m_dRightFreq) * kTwoPi);
    if (k > 1) {
        return v;
    }
    SetRightFrame(m_nRightFrame + 1);
    if (m_dPrevRight < 0.0 && v >= 0.0) {
        m_dCycles = m_dCycles + 1.0;
        if (m_dCycles > 10.0) {
            // The beat is only needed here: the curve is read at this frame's mix position.
            const double x = static_cast<double>(m_nFrame) / static_cast<double>(m_nTotalFrames);
            m_dBeat = GetBeatFrequency(x);
            SetRightFrequency(m_nBaseFreq + m_dBeat);
            v = std::sin(m_dRightTime * m_dRightFreq * kTwoPi);
        }
    }
    m_dPrevRight = v;
    return v;
}

void CToneGenerator::SetRightFrequency(double f)
{
    m_dRightFreq = f;
    m_dCycles = 0.0;
    SetRightFrame(0);
}

void CToneGenerator::SetFrame(uint32_t n)
{
    m_nFrame = n;
    m_dTime = static_cast<double>(n) / static_cast<double>(m_nSampleRate);
}

void CToneGenerator::SetRightFrame(uint32_t n)
{
    m_nRightFrame = n;
    m_dRightTime = static_cast<double>(n) / static_cast<double>(m_nSampleRate);
}
