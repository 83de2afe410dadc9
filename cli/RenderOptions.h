#pragma once

#include "engine/CurvePoint.h"

#include <string>
#include <vector>

// The command line of velmira-render, with the main window's ranges and defaults.
struct RenderOptions
{
    enum class Beat
    {
        DefaultCurve,
        Flat,   // --beat HZ
        Points, // --curve x:hz,...
    };

    std::string output;
    std::vector<std::string> inputs;
    int fadeSeconds = 10;
    int carrierHz = 110;
    int minVolume = 10;
    int dynamics = 50;
    bool mediumTone = false;
    bool highTone = false;
    bool quiet = false;
    Beat beat = Beat::DefaultCurve;
    int flatBeatHz = 4;
    std::vector<CurvePoint> curvePoints; // y already divided by 30
};

enum class ParseStatus
{
    Render,
    Help,
    Version,
    UsageError,
};

// Reads argv[1..argc-1]. On UsageError, error holds a one-line explanation.
ParseStatus ParseRenderOptions(int argc, const char* const* argv, RenderOptions& out,
                               std::string& error);

// The text of --help.
std::string UsageText();
