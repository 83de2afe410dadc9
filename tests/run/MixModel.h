#pragma once

// An independent model of what a render run must write: the music stream laid out by
// hand (entries, cross-fades, hand-overs), then mixed with the engine's tone, level and
// blend pieces frame by frame. Tests compare the run's output with it.

#include "audio/Frame.h"
#include "engine/BlendConstants.h"
#include "engine/CToneGenerator.h"
#include "engine/LevelFollower.h"
#include "engine/MixParams.h"
#include "support/WavFixture.h"

#include <cstdint>
#include <vector>

namespace model {

using Frames = std::vector<Frame>;

inline Frame At(const Frames& frames, size_t k)
{
    return k < frames.size() ? frames[k] : Frame{}; // silence past the end, as the reader
}

inline Frames Constant(size_t count, int16_t left, int16_t right)
{
    return Frames(count, Frame{left, right});
}

// Distinct, deterministic music: a different walk per seed, wrapped to 16 bits.
inline Frames Pattern(size_t count, int seed)
{
    Frames frames(count);
    for (size_t k = 0; k < count; ++k) {
        frames[k].left = static_cast<int16_t>(static_cast<int>(k) * (7 + seed) + 1000 * seed);
        frames[k].right = static_cast<int16_t>(-static_cast<int>(k) * (5 + seed) - 333 * seed);
    }
    return frames;
}

inline fixture::Bytes WavOf(const Frames& frames)
{
    std::vector<int> samples;
    samples.reserve(frames.size() * 2);
    for (const Frame& f : frames) {
        samples.push_back(f.left);
        samples.push_back(f.right);
    }
    return fixture::BuildWav(2, 44100, 16, samples);
}

inline int16_t FadeSample(int16_t cur, int16_t nxt, double x)
{
    return static_cast<int16_t>(
        static_cast<int>(((1.0 - x) * (cur / 32767.0) + (nxt / 32767.0) * x) * 32767.0));
}

struct Music
{
    Frames frames;
    std::vector<size_t> entryStarts;

    void BeginEntry() { entryStarts.push_back(frames.size()); }

    void Play(const Frames& src, size_t from, size_t count)
    {
        for (size_t k = 0; k < count; ++k)
            frames.push_back(At(src, from + k));
    }

    // count frames of cur from curFrom mixed with nxt from nxtFrom; x rises by 1 per
    // fadeFrames and stays at 1 beyond them (and for a fade of 0).
    void Fade(const Frames& cur, size_t curFrom, const Frames& nxt, size_t nxtFrom, size_t count,
              uint32_t fadeFrames)
    {
        for (size_t k = 0; k < count; ++k) {
            double x = fadeFrames == 0 ? 1.0 : static_cast<double>(k) / fadeFrames;
            if (x > 1.0)
                x = 1.0;
            const Frame c = At(cur, curFrom + k);
            const Frame n = At(nxt, nxtFrom + k);
            frames.push_back(Frame{FadeSample(c.left, n.left, x), FadeSample(c.right, n.right, x)});
        }
    }
};

// The first params.totalFrames frames of the mix of music (fewer when the music ends).
inline Frames Mix(const Music& music, const MixParams& params)
{
    CToneGenerator tone;
    tone.m_nSampleRate = 44100;
    tone.m_nCarrier = params.carrierHz;
    tone.m_bMediumTone = params.mediumTone;
    tone.m_bHighTone = params.highTone;
    tone.m_pCurve = params.curve;
    tone.m_nTotalFrames = params.totalFrames;
    tone.Start();
    LevelFollower level;
    const BlendConstants k = BlendConstants::FromSettings(params.dynamics, params.minVolume);
    Frames out;
    size_t nextStart = 0;
    for (size_t n = 0; n < music.frames.size() && n < params.totalFrames; ++n) {
        if (nextStart < music.entryStarts.size() && music.entryStarts[nextStart] == n) {
            level.Reset();
            ++nextStart;
        }
        level.Push(music.frames[n]);
        double left = 0.0;
        double right = 0.0;
        tone.NextFrame(&left, &right);
        out.push_back(BlendFrame(music.frames[n], left, right, level.GetLevel(), k,
                                 ToneRamp(static_cast<uint32_t>(n), params.totalFrames)));
    }
    return out;
}

} // namespace model
