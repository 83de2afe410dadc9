#pragma once

#include <vector>

// Total length of a mix in whole seconds, from the entries' whole-second lengths and
// the fade, by the run's own rule for joints: the joint between entries i and i + 1
// cross-fades only when entry i's own part (its length, less the fade when it was
// itself cross-faded into) and entry i + 1 both last at least fadeSeconds. Only joints
// that cross-fade subtract the fade, so the total is never negative and always equals
// what the render run produces. Clamped to the int range.
int TotalLengthSeconds(const std::vector<int>& entrySeconds, int fadeSeconds);

// True when a mix of totalSeconds fits the WAV size fields: 36 + 4 x frames at 44100
// frames a second must not exceed 4294967295.
bool FitsWavSizeFields(int totalSeconds);
