#pragma once

#include <cstdint>
#include <string>

// What a progress display shows at one update of a render run: the two bar positions
// and the six texts, shared by the mixing window and the command-line renderer.
struct ProgressFigures
{
    int completed = 0;         // percent of the whole mix
    int current = 0;           // percent of the current entry
    std::string completedText; // "Completed 42%"
    std::string currentText;   // "Current 17%"
    std::string filesText;     // "Files 2 / 5"
    std::string fileName;
    std::string elapsedText;   // "%H:%M:%S", hours wrapped at 24
    std::string remainingText; // FormatRemaining

    // totalCount of totalFrames written, frameInEntry of entryFrames for entry i (from 0)
    // of entries; elapsed in whole seconds.
    static ProgressFigures Make(uint32_t totalCount, uint32_t totalFrames, uint32_t frameInEntry,
                                uint32_t entryFrames, int i, int entries, const std::string& name,
                                int elapsed);
};

// Estimated time left after elapsed seconds with fraction x of the mix done: "---"
// while x is 0, else elapsed x (1 / x) - elapsed as "%2.2d:%2.2d:%2.2d", hours unwrapped.
std::string FormatRemaining(double x, int elapsed);

// elapsed seconds as a time span of a day: "01:00:00" for 25 hours.
std::string FormatElapsed(int elapsed);
