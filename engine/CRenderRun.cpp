#include "engine/CRenderRun.h"

#include "engine/IPlaylist.h"
#include "engine/IRenderHost.h"
#include "engine/StringTable.h"

CRenderRun::CRenderRun(IRenderHost& host) : m_host(host)
{
}

void CRenderRun::Stop()
{
    m_bRunning = 0;
    m_bCancelled = 1;
}

ProgressFigures CRenderRun::GetProgressFigures(int i, const std::string& name, int elapsed) const
{
    return ProgressFigures::Make(m_nTotalCount, m_params.totalFrames, m_nFrameInEntry,
                                 m_nEntryFrames, i, m_nEntries, name, elapsed);
}

std::string CRenderRun::GetEntryName(int i) const
{
    const std::string text = m_params.playlist->GetText(i);
    return text.size() > 12 ? text.substr(12) : std::string();
}

void CRenderRun::RunMix()
{
    m_bRunning = 1;
    m_bCancelled = 0;
    if (m_wavOut.CreateWrite(m_params.outputPath, kRate) != 0) {
        m_bRunning = 0;
        m_host.ShowMessage(IDS_CANNOT_CREATE_OUTPUT, LoadString(IDS_CANNOT_CREATE_OUTPUT));
        return;
    }
    m_timeStart = m_host.WallClockSeconds();
    m_bCrossActive = 0;
    m_bHandedOver = 0;
    m_nEntries = m_params.playlist != nullptr ? m_params.playlist->GetCount() : 0;
    m_nLastShown = -1;
    m_nFadeFrames = static_cast<uint32_t>(m_params.fadeSeconds) * kRate;
    m_host.SetRemainingText("---");
    m_nTotalCount = 0;
    m_gain.Fill(BlendConstants::FromSettings(m_params.dynamics, m_params.minVolume));
    StartTone();

    // The total is tested before a frame is produced too: a total of 0 writes none.
    if (m_nTotalCount >= m_params.totalFrames)
        m_bRunning = 0;
    for (int i = 0; i < m_nEntries && m_bRunning; ++i) {
        if (RenderEntry(i) != 0) {
            // Already reported; the output keeps 0 in both size fields.
            m_bRunning = 0;
            m_wavCurrent.Close();
            m_wavNext.Close();
            m_wavOut.Close();
            return;
        }
    }
    FinishOutput();
}

void CRenderRun::StartTone()
{
    m_tone.m_nSampleRate = kRate;
    m_tone.m_nCarrier = m_params.carrierHz;
    m_tone.m_bMediumTone = m_params.mediumTone;
    m_tone.m_bHighTone = m_params.highTone;
    m_tone.m_pCurve = m_params.curve;
    m_tone.m_nTotalFrames = m_params.totalFrames;
    m_tone.Start();
}

void CRenderRun::FinishOutput()
{
    m_bRunning = 0;
    const int sizesFailed = m_wavOut.WriteSizes(m_nTotalCount);
    if (m_wavOut.Close() != 0 || sizesFailed != 0) {
        m_host.ShowMessage(IDS_CANNOT_WRITE_OUTPUT, LoadString(IDS_CANNOT_WRITE_OUTPUT));
        return;
    }
    if (!m_bCancelled)
        m_host.HideAndShowCompletion();
}

inline int CRenderRun::ReadMusicFrame(Frame& out, int i)
{
    if (m_nFrameInEntry >= m_nCrossStart && !m_bCrossActive && StartCrossfade(i) != 0)
        return 1;
    if (m_wavCurrent.ReadFrame(out) != 0)
        return ReadFailed();
    return m_bCrossActive ? MixInNextEntry(out) : 0;
}

inline int CRenderRun::ProduceFrame(int i, const std::string& name)
{
    Frame music;
    if (ReadMusicFrame(music, i) != 0)
        return 1;
    m_level.Push(music);
    double toneLeft = 0.0;
    double toneRight = 0.0;
    m_tone.NextFrame(&toneLeft, &toneRight);
    const Frame out = BlendFrame(music, toneLeft, toneRight, m_gain.Get(m_level.GetLevel()),
                                 ToneRamp(m_nTotalCount, m_params.totalFrames));
    if (m_wavOut.WriteFrame(out) != 0)
        return WriteFailed();
    if (m_nTotalCount % kProgressEvery == 0)
        CheckProgress(i, name);
    m_nTotalCount += 1;
    m_host.PumpMessages();
    if (m_nTotalCount >= m_params.totalFrames)
        m_bRunning = 0;
    return 0;
}

int CRenderRun::RenderEntry(int i)
{
    if (OpenEntry(i, m_wavCurrent) != 0)
        return 1;
    m_nEntryFrames = OutputFramesOf(m_wavCurrent);
    if (m_bHandedOver) {
        // Continue where the cross-fade into this entry left it.
        m_wavCurrent.SetReadPos(m_nHandoverPos);
        m_nEntryFrames = m_nEntryFrames > m_nFadeFrames ? m_nEntryFrames - m_nFadeFrames : 0;
    }
    const std::string name = GetEntryName(i);
    m_level.Reset();
    PlanCrossfade(i);

    for (m_nFrameInEntry = 0; m_nFrameInEntry < m_nEntryFrames && m_bRunning; ++m_nFrameInEntry)
        if (ProduceFrame(i, name) != 0)
            return 1;

    m_wavCurrent.Close();
    m_bHandedOver = m_bCrossActive;
    if (m_bCrossActive) {
        m_bCrossActive = 0;
        m_nHandoverPos = m_wavNext.GetReadPos();
        m_wavNext.Close();
    }
    return 0;
}

void CRenderRun::CheckProgress(int i, const std::string& name)
{
    const int elapsed = static_cast<int>(m_host.WallClockSeconds() - m_timeStart);
    if (elapsed > m_nLastShown)
        m_host.UpdateProgress(i, name, elapsed);
    m_nLastShown = elapsed;
}

int CRenderRun::OpenEntry(int i, CWaveFile& wav)
{
    if (wav.OpenRead(m_params.playlist->GetPath(i), kRate) == 0)
        return 0;
    const std::string text = m_params.playlist->GetText(i);
    m_host.ShowMessage(IDS_CANNOT_OPEN_INPUT, std::string(LoadString(IDS_CANNOT_OPEN_INPUT)) +
                                                  (text.size() > 10 ? text.substr(10) : ""));
    return 1;
}

uint32_t CRenderRun::OutputFramesOf(const CWaveFile& wav) const
{
    const int rate = wav.GetSampleRate();
    const uint64_t factor = rate > 0 ? static_cast<uint64_t>(kRate / rate) : 1;
    const uint64_t frames = uint64_t{wav.GetFrameCount()} * factor;
    return frames > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(frames);
}

void CRenderRun::PlanCrossfade(int i)
{
    m_nCrossStart = kNoCrossfade;
    m_bCrossActive = 0;
    if (i >= m_nEntries - 1)
        return;
    // Whole seconds of this entry's own part; shorter than the fade: no cross-fade.
    const uint32_t secs = m_nEntryFrames / kRate;
    const auto fade = static_cast<uint32_t>(m_params.fadeSeconds);
    if (secs >= fade)
        m_nCrossStart = (secs - fade) * kRate;
}

int CRenderRun::StartCrossfade(int i)
{
    m_bCrossActive = 1;
    if (OpenEntry(i + 1, m_wavNext) != 0)
        return 1;
    if (OutputFramesOf(m_wavNext) < m_nFadeFrames) {
        // Shorter than the fade: no cross-fade; it will start at its first frame.
        m_wavNext.Close();
        m_bCrossActive = 0;
        m_nCrossStart = kNoCrossfade;
    }
    return 0;
}

int CRenderRun::MixInNextEntry(Frame& music)
{
    Frame nxt;
    if (m_wavNext.ReadFrame(nxt) != 0) {
        m_wavNext.Close();
        return ReadFailed();
    }
    music = CrossfadeFrame(music, nxt);
    return 0;
}

int CRenderRun::ReadFailed()
{
    m_host.ShowMessage(IDS_CANNOT_READ_INPUT, LoadString(IDS_CANNOT_READ_INPUT));
    m_wavCurrent.Close();
    return 1;
}

int CRenderRun::WriteFailed()
{
    m_host.ShowMessage(IDS_CANNOT_WRITE_OUTPUT, LoadString(IDS_CANNOT_WRITE_OUTPUT));
    return 1;
}

namespace {

int16_t MixSample(int16_t cur, int16_t nxt, double x)
{
    return static_cast<int16_t>(
        static_cast<int>(((1.0 - x) * (cur / 32767.0) + (nxt / 32767.0) * x) * 32767.0));
}

} // namespace

Frame CRenderRun::CrossfadeFrame(Frame cur, Frame nxt) const
{
    // Beyond m_nFadeFrames (the entry's last fraction of a second) the next entry
    // carries on alone; with no fade at all it simply takes over.
    double x = 1.0;
    if (m_nFadeFrames != 0) {
        x = static_cast<uint32_t>(m_nFrameInEntry - m_nCrossStart) /
            static_cast<double>(m_nFadeFrames);
        if (x > 1.0)
            x = 1.0;
    }
    Frame out;
    out.left = MixSample(cur.left, nxt.left, x);
    out.right = MixSample(cur.right, nxt.right, x);
    return out;
}
