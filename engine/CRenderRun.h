#pragma once

#include "audio/CWaveFile.h"
#include "audio/Frame.h"
#include "engine/BlendConstants.h"
#include "engine/CToneGenerator.h"
#include "engine/LevelFollower.h"
#include "engine/LevelGain.h"
#include "engine/MixParams.h"
#include "engine/ProgressFigures.h"

#include <cstdint>
#include <string>

class IRenderHost;

// One render run: walks the playlist, cross-fades each entry into the next, mixes the
// beat tone under the music and writes the output file, in one pass on the caller's
// thread. The host (the mixing window, or the terminal) shows its messages and
// progress and lets its events through while the run goes on.
class CRenderRun
{
public:
    explicit CRenderRun(IRenderHost& host);
    CRenderRun(const CRenderRun&) = delete;
    CRenderRun& operator=(const CRenderRun&) = delete;

    void SetParams(const MixParams& params) { m_params = params; }
    const MixParams& GetParams() const { return m_params; }

    // The whole run. The running flag is set while it goes on. Its outcome shows in the
    // output file and in what the host was told: a message (a failure), the completion,
    // or neither (cancelled).
    void RunMix();

    bool IsRunning() const { return m_bRunning != 0; }
    // A confirmed cancel: the frame in hand is written and counted, then the run
    // finishes a valid output file and shows no completion.
    void Stop();
    bool WasCancelled() const { return m_bCancelled != 0; }

    // The figures and texts of the progress display for UpdateProgress(i, name, elapsed).
    ProgressFigures GetProgressFigures(int i, const std::string& name, int elapsed) const;

    // Entry i's display text from its 13th character on: the title.
    std::string GetEntryName(int i) const;

private:
    static constexpr int kRate = 44100;
    static constexpr uint32_t kNoCrossfade = 0xFFFFFFFFu;
    static constexpr uint32_t kProgressEvery = 22050;

    int RenderEntry(int i);
    int OpenEntry(int i, CWaveFile& wav);
    void PlanCrossfade(int i);
    int ReadMusicFrame(Frame& out, int i);
    int StartCrossfade(int i);
    int MixInNextEntry(Frame& music);
    int ReadFailed();
    int WriteFailed();
    Frame CrossfadeFrame(Frame cur, Frame nxt) const;
    int ProduceFrame(int i, const std::string& name);
    void CheckProgress(int i, const std::string& name);
    void StartTone();
    void FinishOutput();
    uint32_t OutputFramesOf(const CWaveFile& wav) const;

    IRenderHost& m_host;
    MixParams m_params;

    CWaveFile m_wavCurrent;
    CWaveFile m_wavNext;
    CWaveFile m_wavOut;
    int64_t m_nHandoverPos = 0; // m_wavNext's read position when its cross-fade ended
    int64_t m_timeStart = 0;    // wall clock, whole seconds
    int m_bRunning = 0;
    uint32_t m_nEntryFrames = 0; // output frames the current entry contributes
    uint32_t m_nFrameInEntry = 0;
    uint32_t m_nTotalCount = 0; // output frames written so far
    int m_nEntries = 0;
    uint32_t m_nFadeFrames = 0;
    uint32_t m_nCrossStart = kNoCrossfade;
    int m_bCrossActive = 0;
    LevelFollower m_level;
    LevelGain m_gain;      // filled once per run: the blend settings hold for the whole mix
    int m_nLastShown = -1; // elapsed seconds at the last progress check
    CToneGenerator m_tone;
    int m_bHandedOver = 0; // the current entry was cross-faded into by the one before
    int m_bCancelled = 0;
};
