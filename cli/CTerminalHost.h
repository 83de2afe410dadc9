#pragma once

#include "engine/IRenderHost.h"

#include <cstdio>

class CRenderRun;

// Hosts a render run in a terminal: messages on stderr, the progress line redrawn in
// place on stderr when asked for, Ctrl-C as a confirmed cancel.
class CTerminalHost : public IRenderHost
{
public:
    CTerminalHost(bool showProgress, bool showCompletion);

    void SetRun(CRenderRun* run) { m_pRun = run; }

    // 0 completed, 1 failed (a message was shown), 130 cancelled.
    int ExitCode() const;
    // Moves past a progress line still standing on the terminal.
    void EndProgressLine();

    void ShowMessage(int id, const std::string& text) override;
    void SetRemainingText(const std::string& text) override;
    void UpdateProgress(int i, const std::string& name, int elapsed) override;
    void PumpMessages() override;
    int64_t WallClockSeconds() override;
    void HideAndShowCompletion() override;

private:
    int TerminalWidth() const;

    CRenderRun* m_pRun = nullptr;
    bool m_bShowProgress;
    bool m_bShowCompletion;
    bool m_bLineOpen = false;
    bool m_bFailed = false;
    bool m_bCompleted = false;
};
