#pragma once

#include <string>

// Splits a duration in seconds; division and remainder truncate toward zero, so a
// negative duration yields negative parts.
void SecondsToHMS(int s, int& hours, int& minutes, int& seconds);

// "%2.2d:%2.2d:%2.2d" of SecondsToHMS(s): "01:02:05" for 3725; hours from 100 up
// take three or more digits.
std::string FormatHMS(int s);
