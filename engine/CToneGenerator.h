#pragma once

#include "engine/CBeatCurve.h"

#include <cstdint>

// The beat tone: left = carrier, right = carrier + beat from the curve, each optionally with its
// second ("Medium tone") and third ("High tone") harmonic, normalised to -1.0 .. 1.0. The right
// channel takes a new frequency only at an upward zero crossing, after 10 (first time) or 11 whole
// cycles, and restarts its phase at 0 there.
//
// Usage: set the six caller fields, Start once, then NextFrame once per output frame of the mix.
class CToneGenerator
{
public:
    uint32_t m_nSampleRate = 44100;
    int m_nCarrier = 0;
    int m_bMediumTone = 0;
    int m_bHighTone = 0;
    const CBeatCurve* m_pCurve = nullptr; // not owned; must not change during the mix
    uint32_t m_nTotalFrames = 0;

    void Start();
    void NextFrame(double* left, double* right);

    // 30 Hz times the curve value at mix position x.
    double GetBeatFrequency(double x) const;
    // Sine at f Hz on the left channel's time base (frames since Start).
    double LeftSine(double f) const;
    // Right partial k (1, 2 or 3) of the current right frequency; k = 1 advances the right
    // channel's time base and re-tunes at the 11th counted upward crossing to the carrier plus
    // the beat at the current frame's mix position.
    double RightSine(int k);
    void SetRightFrequency(double f);

private:
    // The counters change only through these, which keep their times in seconds beside them:
    // every partial of a frame multiplies the same time instead of dividing again.
    void SetFrame(uint32_t n);
    void SetRightFrame(uint32_t n);

    double m_dBeat = 0.0;  // Hz, the curve's beat at the frame of the last re-tune
    uint32_t m_nFrame = 0; // frames since Start
    double m_dTime = 0.0;  // s, m_nFrame / m_nSampleRate
    int m_nBaseFreq = 0;   // Hz
    int m_nMediumMultiple = 2;
    int m_nHighMultiple = 3;
    double m_dRightFreq = 0.0;  // Hz, right fundamental in use
    double m_dPrevRight = -1.0; // previous right fundamental sample
    double m_dCycles = 0.0;     // upward crossings since the last re-tune
    uint32_t m_nRightFrame = 0; // right samples since the last re-tune
    double m_dRightTime = 0.0;  // s, m_nRightFrame / m_nSampleRate
    double m_dMedium = 0.0;     // 1.0 when the second harmonic is on, else 0.0
    double m_dHigh = 0.0;       // 1.0 when the third harmonic is on, else 0.0
    double m_dScale = 1.0;      // 1 / number of partials
};
