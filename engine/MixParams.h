#pragma once

#include <cstdint>
#include <string>

class CBeatCurve;
class IPlaylist;

// The parameter block of one render run, filled by whoever starts the mix and only
// read by the run. The playlist and the curve are borrowed and must outlive the run;
// the curve must be set (the playlist may be null: an empty playlist).
struct MixParams
{
    std::string outputPath;
    const IPlaylist* playlist = nullptr;
    uint32_t totalFrames = 0; // total length in whole seconds x 44100
    int fadeSeconds = 0;      // 0..20
    int carrierHz = 110;      // 100..200
    int highTone = 0;         // non-zero: third harmonic
    int mediumTone = 0;       // non-zero: second harmonic
    int dynamics = 50;        // percent
    int minVolume = 10;       // percent
    const CBeatCurve* curve = nullptr;
};
