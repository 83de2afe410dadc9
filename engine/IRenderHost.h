#pragma once

#include <cstdint>
#include <string>

// What a render run needs from the window (or terminal) that hosts it. The run calls
// these from inside CRenderRun::RunMix, on the host's own thread.
class IRenderHost
{
public:
    virtual ~IRenderHost() = default;

    // One message with an OK button and the warning icon; text is the complete text
    // (the string table's text of id, followed by a name where the message takes one).
    virtual void ShowMessage(int id, const std::string& text) = 0;

    // The text of the estimated-time-left field, set to "---" as the run begins.
    virtual void SetRemainingText(const std::string& text) = 0;

    // Called every 22050 output frames once the elapsed whole seconds have grown; the
    // host takes its figures from CRenderRun::GetProgressFigures(i, name, elapsed).
    virtual void UpdateProgress(int i, const std::string& name, int elapsed) = 0;

    // Called after every output frame. A host lets its pending events through only
    // every so many calls (a cheap counter, see PumpCounter): often enough to react
    // within about 50 ms, rarely enough to cost the run a few percent at most. A
    // confirmed cancel calls CRenderRun::Stop from in here.
    virtual void PumpMessages() = 0;

    // Wall-clock time in whole seconds.
    virtual int64_t WallClockSeconds() = 0;

    // A completed run: hide the progress display, then show the completion message
    // (IDS_MIX_COMPLETED) with an OK button.
    virtual void HideAndShowCompletion() = 0;
};
