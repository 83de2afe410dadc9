#include "engine/SecondsToHMS.h"

#include <cstdio>

void SecondsToHMS(int s, int& hours, int& minutes, int& seconds)
{
    hours = s / 3600;
    minutes = (s - 3600 * hours) / 60;
    seconds = (s - 3600 * hours) % 60;
}

std::string FormatHMS(int s)
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    SecondsToHMS(s, hours, minutes, seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%2.2d:%2.2d:%2.2d", hours, minutes, seconds);
    return text;
}
